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

remitto::Przelew rekordPrzelewu(const Przelew& p)
{
    remitto::Przelew r;
    r.nazwaKontrahenta = p.nazwa;
    r.imieKontrahenta = p.imie;
    r.konto = p.konto;
    r.kwotaN = p.kwotaN;
    r.vat = p.vat;
    r.kwotaB = p.kwotaB;
    r.tytulem = p.tytul;
    r.terminSpla = p.terminSpla;
    r.splacono = p.splacono;
    r.kwDoSplaty = p.kwDoSplaty;
    r.dataSplaty = p.dataSplaty;
    r.oznPrz = p.oznPrz;
    r.ulica = p.ulica;
    r.nrDomu = p.nrDomu;
    r.adres = p.adres;
    r.kod = p.kod;
    r.skrot = p.skrot;
    r.bank = p.bank;
    r.nrKolFakt = p.nrKolFakt;
    r.nrPaczk = p.nrPaczk;
    r.nrPrzel = QString::number(p.nrPrzel);
    r.dataZakup = p.dataZakup;
    r.nip = p.nip;
    r.status = p.status;
    r.typZlec = p.typZlec;
    r.typDok = p.typDok;
    r.kodIden = p.kodIden;
    return r;
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

} // namespace remitto::demo
