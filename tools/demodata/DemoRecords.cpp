#include "DemoRecords.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/modZmiene.h"

namespace remitto::demo {

namespace {

// A text value that the program leaves never-set when it is empty.
void tekstLubNic(QuoteWriter& w, const QString& s)
{
    if (s.isEmpty())
        w.empty();
    else
        w.text(s);
}

} // namespace

QString doPrawej(const QString& s, int n)
{
    return (QString(n, QLatin1Char(' ')) + s).right(n);
}

QString doLewej(const QString& s, int n)
{
    return (s + QString(n, QLatin1Char(' '))).left(n);
}

QString dataRekordu(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString dataDMR(const QDate& d)
{
    return d.toString(QStringLiteral("dd-MM-yyyy"));
}

QString liczbaGola(qint64 grosze)
{
    if (grosze == 0)
        return QStringLiteral("0");
    return formatAmount(grosze).replace(QLatin1Char(','), QLatin1Char('.'));
}

QString nrPaczkiTekst(int nr)
{
    return QStringLiteral("%1").arg(nr, 2, 10, QLatin1Char('0')).right(2);
}

QString nazwaPlikuPaczki(int rok, int miesiac, int nr)
{
    return QStringLiteral("Paczka%1%2_%3.dta")
        .arg(rok, 4, 10, QLatin1Char('0'))
        .arg(miesiac, 2, 10, QLatin1Char('0'))
        .arg(nrPaczkiTekst(nr));
}

QString nazwaPlikuFaktury(int rok, int miesiac, int numer)
{
    return QStringLiteral("Fz%1%2%3.dat")
        .arg(rok % 100, 2, 10, QLatin1Char('0'))
        .arg(miesiac, 2, 10, QLatin1Char('0'))
        .arg(numer, 5, 10, QLatin1Char('0'));
}

QString znacznikZaplaty(const QString& nrPaczki, const QString& kwota, const QString& data)
{
    return doLewej(nrPaczki, 2) + doPrawej(kwota, 10) + doLewej(data, 10);
}

void zapiszKontrahenta(QuoteWriter& w, const Kontrahent& k)
{
    w.number(k.nrKol).endLine();
    for (const QString* s : {&k.nazwa, &k.imie, &k.miejscowosc, &k.ulica, &k.telefon, &k.kod,
                             &k.nip, &k.svat, &k.poczta, &k.nrDomu, &k.wojewodztwo})
        w.text(*s).endLine();
    tekstLubNic(w, k.rachunek2);
    w.endLine();
    w.text(k.rachunek1).endLine();
    w.text(k.uwagi).endLine();
    w.text(k.skrot).endLine();
    tekstLubNic(w, k.kodIden);
    w.endLine();
    for (const QString* s : {&k.platnosc, &k.bank, &k.ostVat, &k.mail})
        w.text(*s).endLine();
    tekstLubNic(w, k.www);
    w.endLine();
    for (const QString* s : {&k.powiat, &k.gmina, &k.ostKwota, &k.regon})
        w.text(*s).endLine();
    tekstLubNic(w, k.nrLokalu);
    w.endLine();
    w.text(k.tytul).endLine();
    w.text(k.waluta).endLine();
}

void zapiszPrzelew(QuoteWriter& w, const Przelew& p, Uklad uklad)
{
    const bool kazdaOsobno = uklad == Uklad::WartoscNaLinie;
    auto tekst = [&](const QString& s) {
        w.text(s);
        if (kazdaOsobno)
            w.endLine();
    };
    auto liczba = [&](const QString& s) {
        w.number(s);
        if (kazdaOsobno)
            w.endLine();
    };
    for (const QString* s : {&p.nazwa, &p.imie, &p.konto, &p.kwotaN, &p.vat, &p.kwotaB, &p.tytul,
                             &p.terminSpla, &p.splacono})
        tekst(*s);
    liczba(p.kwDoSplaty);
    for (const QString* s : {&p.dataSplaty, &p.oznPrz, &p.ulica, &p.nrDomu, &p.adres, &p.kod,
                             &p.skrot, &p.bank, &p.nrKolFakt, &p.nrPaczk})
        tekst(*s);
    liczba(QString::number(p.nrPrzel));
    for (const QString* s : {&p.dataZakup, &p.nip, &p.status, &p.typZlec, &p.typDok, &p.kodIden})
        tekst(*s);
    if (!kazdaOsobno)
        w.endLine();
}

void zapiszFakture(QuoteWriter& w, const NaglowekFaktury& h, const QList<PozycjaFaktury>& pozycje)
{
    for (const QString* s : {&h.znacznik, &h.nazwa, &h.nazwaCd, &h.nip, &h.kod, &h.miejscowosc,
                             &h.ulica, &h.nrDomu, &h.nrLokalu, &h.skrot, &h.magazyn})
        w.text(*s);
    w.number(h.status);
    w.text(h.typIPlik).text(h.waluta).text(h.konto).text(h.nrFaktury).text(h.dataZakupu)
        .text(h.sposobPlatnosci).text(h.terminPlatnosci).endLine();
    for (const PozycjaFaktury& p : pozycje) {
        w.text(p.nazwa)
            .number(liczbaGola(p.cenaNetto))
            .number(p.ilosc)
            .number(liczbaGola(p.wartoscNetto))
            .text(p.stawkaVat)
            .number(liczbaGola(p.wartoscBrutto))
            .number(liczbaGola(p.kwotaKosztu))
            .text(p.jednostka)
            .text(p.dataZakupu)
            .number(liczbaGola(p.cenaNettoSprzedazy))
            .number(liczbaGola(p.cenaBruttoSprzedazy));
        for (const QString* s : {&p.nrFaktury, &p.kontrahent, &p.grupa, &p.grupaRabatowa, &p.uwagi,
                                 &p.kodIPozycja, &p.pkwiu, &p.indeks})
            w.text(*s);
        w.endLine();
    }
}

void zapiszNumeracjePaczek(QuoteWriter& w, const NumeracjaPaczek& n)
{
    w.number(n.miesiac).number(n.poczatPaczk).number(n.koniecPacz).number(n.poczatPrzel)
        .number(n.koniecPrzel).text(n.typ).endLine();
}

void zapiszNumeracjeFaktur(QuoteWriter& w, int miesiac, int liczbaFaktur)
{
    w.number(miesiac).number(0).number(liczbaFaktur).endLine();
}

void zapiszLinieEksportu(QuoteWriter& w, const Przelew& p, const Nadawca& nadawca,
                         const QDate& dataWykonania)
{
    const qint64 grosze = parseAmount(p.splacono).value_or(0);
    const QString tytul = doLewej(ZamienCudzyslow(p.tytul).toUpper(), 105);
    const QString tytulWLiniach = tytul.left(35) + QLatin1Char('|') + tytul.mid(35, 35)
                                + QLatin1Char('|') + tytul.mid(70, 35);
    const QString odbiorca = p.nazwa + QLatin1Char('|') + p.imie + QLatin1Char('|') + p.kod
                           + QLatin1Char(' ') + p.adres + QLatin1Char(' ') + p.ulica
                           + QLatin1Char(' ') + p.nrDomu;
    w.number(QStringLiteral("110"))
        .number(dataWykonania.toString(QStringLiteral("yyyyMMdd")))
        .number(QStringLiteral("%1").arg(grosze, 17, 10, QLatin1Char('0')))
        .number(QStringLiteral("86020000"))
        .number(0)
        .text(nadawca.konto)
        .text(p.konto.trimmed())
        .text(nadawca.daneFirmy)
        .text(odbiorca)
        .number(0)
        .number(0)
        .text(tytulWLiniach)
        .text(QString())
        .text(QString())
        .text(QStringLiteral("51"))
        .endLine();
}

} // namespace remitto::demo
