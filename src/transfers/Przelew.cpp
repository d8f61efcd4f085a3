#include "transfers/Przelew.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"

#include <array>

namespace remitto {

namespace {

using Pole = QString Przelew::*;

// The record's members in file order: value n is kPola[n - 1].
constexpr std::array<Pole, kWartosciPrzelewu> kPola = {
    &Przelew::nazwaKontrahenta, &Przelew::imieKontrahenta, &Przelew::konto,     &Przelew::kwotaN,
    &Przelew::vat,              &Przelew::kwotaB,          &Przelew::tytulem,   &Przelew::terminSpla,
    &Przelew::splacono,         &Przelew::kwDoSplaty,      &Przelew::dataSplaty, &Przelew::oznPrz,
    &Przelew::ulica,            &Przelew::nrDomu,          &Przelew::adres,     &Przelew::kod,
    &Przelew::skrot,            &Przelew::bank,            &Przelew::nrKolFakt, &Przelew::nrPaczk,
    &Przelew::nrPrzel,          &Przelew::dataZakup,       &Przelew::nip,       &Przelew::status,
    &Przelew::typZlec,          &Przelew::typDok,          &Przelew::kodIden,
};

// Values written bare (numbers); every other value is a quoted text.
bool liczbowa(int nrWartosci)
{
    return nrWartosci == 10 || nrWartosci == 21;
}

QuoteWriter& zapiszWartosci(QuoteWriter& w, const Przelew& p, bool wierszami)
{
    for (int n = 1; n <= kWartosciPrzelewu; ++n) {
        const QString& v = p.*kPola[size_t(n - 1)];
        if (liczbowa(n))
            w.number(v);
        else
            w.text(v);
        if (wierszami)
            w.endLine();
    }
    if (!wierszami)
        w.endLine();
    return w;
}

} // namespace

Przelew Przelew::zWartosci(const QStringList& v)
{
    Przelew p;
    for (int i = 0; i < kWartosciPrzelewu && i < v.size(); ++i)
        p.*kPola[size_t(i)] = v[i];
    return p;
}

QStringList Przelew::wartosci() const
{
    QStringList v;
    v.reserve(kWartosciPrzelewu);
    for (Pole pole : kPola)
        v.append(this->*pole);
    return v;
}

int wartoscKolumnyPaczki(int kolumna)
{
    if (kolumna < 1 || kolumna >= kKolumnyPaczki)
        return 0;
    if (kolumna == 8)
        return 22;  // DataZakup
    if (kolumna == 11)
        return 8;  // TerminSpla
    if (kolumna >= 12 && kolumna <= 22)
        return kolumna - 1;
    return kolumna;
}

QStringList Przelew::wierszSiatki(int nrWiersza) const
{
    QStringList komorki;
    komorki.reserve(kKolumnyPaczki);
    komorki.append(QString::number(nrWiersza));
    for (int k = 1; k < kKolumnyPaczki; ++k)
        komorki.append(this->*kPola[size_t(wartoscKolumnyPaczki(k) - 1)]);
    return komorki;
}

Przelew Przelew::zWierszaSiatki(const QStringList& komorki)
{
    Przelew p;
    for (int k = 1; k < kKolumnyPaczki && k < komorki.size(); ++k)
        p.*kPola[size_t(wartoscKolumnyPaczki(k) - 1)] = komorki[k];
    return p;
}

const QStringList& naglowkiPaczki()
{
    static const QStringList naglowki = {
        QStringLiteral("Nrkol"),      QStringLiteral("Nazwa Kontrahenta "), QStringLiteral("Imie Kontrahenta "),
        QStringLiteral("Konto"),      QStringLiteral("KwotaN"),             QStringLiteral("VAT"),
        QStringLiteral("KwotaB"),     QStringLiteral("Tytulem"),            QStringLiteral("DataZakup"),
        QStringLiteral("Spłacono"),   QStringLiteral("KwDoSplaty"),         QStringLiteral("TerminSpla"),
        QStringLiteral("DataSplaty"), QStringLiteral("OznPrz"),             QStringLiteral("Ulica"),
        QStringLiteral("NrDomu"),     QStringLiteral("Adres"),              QStringLiteral("Kod"),
        QStringLiteral(" Skrót "),    QStringLiteral("Bank"),               QStringLiteral("NrKolFakt"),
        QStringLiteral("NrPaczk"),    QStringLiteral("NrPrzel"),            QStringLiteral("Nip "),
        QStringLiteral("Status"),     QStringLiteral("TypZlec"),            QStringLiteral("TypDok"),
        QStringLiteral("KodIden"),
    };
    return naglowki;
}

qint64 sumaBrutto(const QList<Przelew>& przelewy)
{
    qint64 razem = 0;
    for (const Przelew& p : przelewy)
        razem += parseAmount(p.kwotaB).value_or(0);
    return razem;
}

const QList<int>& szerokosciPaczki()
{
    static const QList<int> szerokosci = {400, 3500, 2000, 2500, 950, 800, 1000};
    return szerokosci;
}

QString liniaPrzelewu(const Przelew& p)
{
    QuoteWriter w;
    return zapiszWartosci(w, p, false).result();
}

QString wartosciPrzelewuWLiniach(const Przelew& p)
{
    QuoteWriter w;
    return zapiszWartosci(w, p, true).result();
}

bool przelewyZWartosci(const QStringList& wartosci, QList<Przelew>* przelewy)
{
    QList<QStringList> rekordy;
    const bool cale = splitRecords(wartosci, kWartosciPrzelewu, &rekordy);
    przelewy->clear();
    przelewy->reserve(rekordy.size());
    for (const QStringList& r : rekordy)
        przelewy->append(Przelew::zWartosci(r));
    return cale;
}

QString dataRekordu(const QString& dataDzis)
{
    // dd-mm-yyyy
    if (dataDzis.size() != 10 || dataDzis[2] != QLatin1Char('-') || dataDzis[5] != QLatin1Char('-'))
        return dataDzis;
    return dataDzis.mid(6, 4) + QLatin1Char('-') + dataDzis.mid(3, 2) + QLatin1Char('-') + dataDzis.left(2);
}

QString liczbaRekordu(qint64 grosze)
{
    if (grosze == 0)
        return QStringLiteral("0");
    QString t = formatAmount(grosze).replace(QLatin1Char(','), QLatin1Char('.'));
    while (t.endsWith(QLatin1Char('0')))
        t.chop(1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    return t;
}

} // namespace remitto
