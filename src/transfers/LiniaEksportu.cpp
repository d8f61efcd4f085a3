#include "transfers/LiniaEksportu.h"

#include "core/QuoteFormat.h"
#include "core/modZmiene.h"

namespace remitto {

std::optional<KodyEksportu> kodyEksportu(Rodzaj r)
{
    if (r == Rodzaj::Wplata)
        return std::nullopt;
    const OpisRodzaju& opis = opisRodzaju(r);
    KodyEksportu k;
    k.typZlec = opis.typZlec;
    k.typDok = opis.typDok;
    k.bankOdbiorcy = r == Rodzaj::ZUS ? kBankZUS : QStringLiteral("0");
    k.tytulWCalosci = r == Rodzaj::Skarbowy || r == Rodzaj::Podzielona;
    return k;
}

QString wielkieLitery(const QString& tekst)
{
    // QString::toUpper() maps "ß" to "SS" and would shift the fields behind
    // it; the simple mapping of each letter keeps every position.
    QString wynik = tekst;
    for (QChar& c : wynik)
        if (!c.isSurrogate())
            c = c.toUpper();
    return wynik;
}

QString tytulEksportu(const QString& tytul, bool wCalosci)
{
    QString t = wielkieLitery(ZamienCudzyslow(tytul)).left(105);
    t = t.leftJustified(105, QLatin1Char(' '));
    if (wCalosci)
        return t;
    return t.left(35) + QLatin1Char('|') + t.mid(35, 35) + QLatin1Char('|') + t.mid(70, 35);
}

QString kwotaEksportu(qint64 grosze)
{
    return QStringLiteral("%1").arg(grosze, 17, 10, QLatin1Char('0'));
}

QString odbiorcaEksportu(const Przelew& p)
{
    const QChar sp = QLatin1Char(' ');
    return p.nazwaKontrahenta + QLatin1Char('|') + p.imieKontrahenta + QLatin1Char('|') + p.kod + sp + p.adres + sp
         + p.ulica + sp + p.nrDomu;
}

QString liniaEksportu(const Przelew& p, qint64 grosze, const KodyEksportu& kody, const NadawcaEksportu& nadawca,
                      const QDate& data)
{
    QuoteWriter w;
    w.number(kody.typZlec)
        .number(data.toString(QStringLiteral("yyyyMMdd")))
        .number(kwotaEksportu(grosze))
        .number(kBankNadawcy)
        .number(QStringLiteral("0"))
        .text(KontoBezOdstepow(nadawca.konto))
        .text(p.konto.trimmed())
        .text(nadawca.dane)
        .text(odbiorcaEksportu(p))
        .number(QStringLiteral("0"))
        .number(kody.bankOdbiorcy)
        .text(tytulEksportu(p.tytulem, kody.tytulWCalosci))
        .text(QString())
        .text(QString())
        .text(kody.typDok)
        .endLine();
    return w.result();
}

bool kontoPoprawne(const QString& konto)
{
    if (konto.size() != 26)
        return false;
    for (QChar c : konto)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    // IBAN check: the 24 digits after the check digits, "PL" as 2521, then
    // the check digits, taken modulo 97, must leave 1.
    const QString liczba = konto.mid(2) + QStringLiteral("2521") + konto.left(2);
    int reszta = 0;
    for (QChar c : liczba)
        reszta = (reszta * 10 + (c.unicode() - '0')) % 97;
    return reszta == 1;
}

QString folderEksportu(const QString& folder)
{
    return folder + QStringLiteral("/DoECorponet");
}

QString nazwaPlikuEksportu(const QString& skrotFirmy, int rok, int miesiac, int nr)
{
    return skrotFirmy
         + QStringLiteral("%1%2_%3.TXT")
               .arg(rok, 4, 10, QLatin1Char('0'))
               .arg(miesiac, 2, 10, QLatin1Char('0'))
               .arg(nr, 2, 10, QLatin1Char('0'));
}

QString sciezkaHistorii(const QString& folder, const QString& skrotFirmy)
{
    return folder + QLatin1Char('/') + skrotFirmy + QStringLiteral(".dat");
}

} // namespace remitto
