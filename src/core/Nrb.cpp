#include "core/Nrb.h"

namespace remitto {

QString cyfryNrb(const QString& konto)
{
    return cyfryNumeru(konto, 26);
}

QString cyfryNumeru(const QString& tekst, int ile)
{
    QString t = tekst.trimmed();
    if (t.startsWith(QLatin1String("PL"), Qt::CaseInsensitive))
        t = t.mid(2);
    QString cyfry;
    cyfry.reserve(ile);
    for (const QChar c : t) {
        if (c.isSpace() || c == QLatin1Char('-'))
            continue;
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return {};
        cyfry.append(c);
    }
    return cyfry.size() == ile ? cyfry : QString();
}

StanNrb sprawdzNrb(const QString& konto)
{
    if (konto.trimmed().isEmpty())
        return StanNrb::Pusty;
    const QString cyfry = cyfryNrb(konto);
    if (cyfry.isEmpty())
        return StanNrb::NieNrb;
    // IBAN order: the 24 digits after the check digits, "PL" as 25 21, then
    // the two check digits; the whole is 1 modulo 97 when they are right.
    const QString uklad = cyfry.mid(2) + QStringLiteral("2521") + cyfry.left(2);
    int reszta = 0;
    for (const QChar c : uklad)
        reszta = (reszta * 10 + (c.unicode() - '0')) % 97;
    return reszta == 1 ? StanNrb::Poprawny : StanNrb::Bledny;
}

QString pytanieBlednegoNrb(const QString& coZrobic)
{
    return QStringLiteral("Numer konta ma błędne cyfry kontrolne. Czy mimo to ") + coZrobic + QLatin1Char('?');
}

} // namespace remitto
