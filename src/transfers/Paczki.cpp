#include "transfers/Paczki.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "transfers/KwotaPrzelewu.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <utility>

namespace remitto {

namespace {

qint64 kwota(const QString& t)
{
    return parseAmount(t).value_or(0);
}

bool jestZamknieta(const QList<Przelew>& rekordy)
{
    for (const Przelew& r : rekordy)
        if (r.status == kZamknieta)
            return true;
    return false;
}

} // namespace

// ---- Adding ------------------------------------------------------------------

DecyzjaPaczki wybierzPaczke(const QString& folder, const QDate& dzien, const NumeracjaMiesiaca& m,
                            const QString& statusWidoku)
{
    DecyzjaPaczki d;
    if (m.poczatPaczk == 0) {
        d.nr = 1;
        d.pierwszaWMiesiacu = d.nowa = true;
        return d;
    }
    if (statusWidoku == kZamknieta && m.poczatPaczk == 1) {
        d.nr = m.koniecPacz + 1;
        d.nowa = d.poZamknietejWidoku = true;
        return d;
    }
    d.nr = m.koniecPacz;
    const OdczytPaczki p = czytajPaczke(sciezkaPaczki(folder, dzien.year(), dzien.month(), d.nr));
    if (p.stan == OdczytPaczki::Uszkodzona || p.stan == OdczytPaczki::Blad) {
        d.uszkodzona = true;
        d.blad = p.blad;
        return d;
    }
    // A package closed on disk, or deleted, is not written to again; its
    // number is not given again either.
    if (p.stan == OdczytPaczki::Brak || d.nr < 1
        || (!p.rekordy.isEmpty() && p.rekordy.first().status == kZamknieta)) {
        d.nr = m.koniecPacz + 1;
        d.nowa = true;
        return d;
    }
    d.rekordy = p.rekordy;
    return d;
}

DodaniePrzelewu dodajDoPaczki(const QString& folder, const QDate& dzien, const QString& statusWidoku,
                              const Przelew& wpis, bool wplata)
{
    DodaniePrzelewu w;
    w.sciezkaNumeracji = sciezkaNumeracji(folder, dzien.year());
    OdczytNumeracji num = czytajNumeracje(w.sciezkaNumeracji);
    if (num.brak) {
        num.miesiace = nowaNumeracja();  // written with the first count below
        num.ok = true;
    }
    if (!num.ok) {
        w.wynik = WynikDodania::BladNumeracji;
        w.blad = num.blad;
        return w;
    }
    NumeracjaMiesiaca& m = num.miesiace[dzien.month() - 1];
    w.decyzja = wybierzPaczke(folder, dzien, m, statusWidoku);
    const DecyzjaPaczki& d = w.decyzja;
    w.nn = nrPaczkiTekst(d.nr);
    w.sciezka = sciezkaPaczki(folder, dzien.year(), dzien.month(), d.nr);

    if (wpis.konto.size() != 26) {
        w.wynik = WynikDodania::ZleKonto;
        return w;
    }
    if (wpis.kwotaB.isEmpty()) {
        w.wynik = WynikDodania::BrakKwoty;
        return w;
    }
    if (wpis.nazwaKontrahenta.isEmpty()) {
        w.wynik = WynikDodania::BrakNazwy;
        return w;
    }
    if (d.uszkodzona) {
        w.wynik = WynikDodania::UszkodzonaPaczka;
        w.blad = d.blad;
        return w;
    }
    if (d.nr > kMaxNrPaczki) {
        w.wynik = WynikDodania::LimitPaczek;
        return w;
    }
    if (wplata) {
        w.wynik = WynikDodania::Wplata;
        return w;
    }

    w.rekord = wpis;
    w.rekord.nrPaczk = w.nn;
    w.rekord.nrPrzel = QString::number(d.rekordy.size() + 1);
    w.rekord.status = kOtwarta;
    if (!utworzFolderyPaczek(folder, &w.blad)) {
        w.wynik = WynikDodania::BladZapisu;
        return w;
    }
    const WynikDopisania zapis = dopiszRekord(w.sciezka, w.rekord, &w.blad);
    if (zapis == WynikDopisania::UszkodzonyKoniec) {
        w.wynik = WynikDodania::UszkodzonaPaczka;
        return w;
    }
    if (zapis != WynikDopisania::Dopisano) {
        w.wynik = WynikDodania::BladZapisu;
        return w;
    }
    w.rekordy = d.rekordy;
    w.rekordy.append(w.rekord);

    if (d.pierwszaWMiesiacu) {
        m.poczatPaczk = 1;
        m.koniecPacz = 1;
        m.poczatPrzel = 1;
    } else if (d.nowa) {
        m.koniecPacz = d.nr;
    }
    m.koniecPrzel += 1;
    w.wynik = zapiszNumeracje(w.sciezkaNumeracji, num.miesiace, &w.blad) ? WynikDodania::Dodano
                                                                         : WynikDodania::BladZapisu;
    return w;
}

// ---- Package list ------------------------------------------------------------

QStringList naglowkiListyPaczek()
{
    return {QStringLiteral("Nrkol"),      QStringLiteral("Nazwa Paczki"), QStringLiteral("TerminSplaty"),
            QStringLiteral("KwotaNetto"), QStringLiteral("KwotaVat"),     QStringLiteral("KwotaBrutto"),
            QStringLiteral("Spłacono"),   QStringLiteral("DataSplaty"),   QStringLiteral("StatusP"),
            QStringLiteral("ilPrzel")};
}

QStringList WierszPaczki::komorki() const
{
    if (!dobry && netto == 0 && brutto == 0 && splacono == 0 && vat == 0 && ilPrzel.isEmpty())
        return {QString::number(nr), sciezka, QString(), QString(), QString(), QString(), QString(),
                QString(), status, QString()};
    return {QString::number(nr),  sciezka,           terminSplaty,         formatAmount(netto),
            formatAmount(vat),    formatAmount(brutto), formatAmount(splacono), dataSplaty,
            status,               ilPrzel};
}

namespace {

/// Where a field lies among a record's values.
int indeksPola(QString Przelew::*pole)
{
    Przelew p;
    p.*pole = QStringLiteral("\x01");
    return int(p.wartosci().indexOf(p.*pole));
}

/// The fields of a record the package list uses.
struct PolaListy {
    QString kwotaN, vat, kwotaB, splacono, terminSpla, dataSplaty, status, nrPrzel;
};

void dodajDoSum(WierszPaczki& w, const PolaListy& r)
{
    w.netto += kwota(r.kwotaN);
    // A VAT typed as a rate ("23%") is no amount: the record's gross minus
    // net is.
    w.vat += r.vat.trimmed().endsWith(QLatin1Char('%')) ? kwota(r.kwotaB) - kwota(r.kwotaN) : kwota(r.vat);
    w.brutto += kwota(r.kwotaB);
    w.splacono += kwota(r.splacono);
}

} // namespace

WierszPaczki wierszPaczki(const QString& sciezka, int nr)
{
    static const std::array<std::pair<int, QString PolaListy::*>, 8> kPola = {{
        {indeksPola(&Przelew::kwotaN), &PolaListy::kwotaN},
        {indeksPola(&Przelew::vat), &PolaListy::vat},
        {indeksPola(&Przelew::kwotaB), &PolaListy::kwotaB},
        {indeksPola(&Przelew::splacono), &PolaListy::splacono},
        {indeksPola(&Przelew::terminSpla), &PolaListy::terminSpla},
        {indeksPola(&Przelew::dataSplaty), &PolaListy::dataSplaty},
        {indeksPola(&Przelew::status), &PolaListy::status},
        {indeksPola(&Przelew::nrPrzel), &PolaListy::nrPrzel},
    }};
    static const std::array<QString PolaListy::*, kWartosciPrzelewu> kGdzie = [] {
        std::array<QString PolaListy::*, kWartosciPrzelewu> g{};
        for (const auto& [i, pole] : kPola)
            g[size_t(i)] = pole;
        return g;
    }();

    WierszPaczki w;
    w.nr = nr;
    w.sciezka = sciezka;
    const FileText plik = readTextFile(sciezka);
    if (!plik.ok) {
        w.dobry = false;
        w.status = plik.missing ? kBrakPliku : kUszkodzona;
        return w;
    }
    // The same values as czytajPaczke reads, record by record: the last two
    // whole records are held back, since a file torn inside a value loses
    // its last whole record.
    QuoteReader czytnik(plik.text);
    qsizetype wartosci = 0;
    int calych = 0;
    PolaListy biezacy, ostatni, przedostatni;
    while (!czytnik.atEnd()) {
        const int i = int(wartosci % kWartosciPrzelewu);
        QString v = czytnik.next();
        if (QString PolaListy::*pole = kGdzie[size_t(i)])
            biezacy.*pole = std::move(v);
        ++wartosci;
        if (i == kWartosciPrzelewu - 1) {
            if (calych >= 2)
                dodajDoSum(w, przedostatni);
            przedostatni = std::move(ostatni);
            ostatni = std::move(biezacy);
            biezacy = PolaListy();
            ++calych;
        }
    }
    const bool cale = wartosci % kWartosciPrzelewu == 0;
    const bool urwany = czytnik.truncated();
    if (urwany && cale && calych > 0)
        --calych;  // the torn file's last whole record is dropped
    else if (calych >= 2)
        dodajDoSum(w, przedostatni);
    if (calych >= 1) {
        const PolaListy& koniec = urwany && cale ? przedostatni : ostatni;
        dodajDoSum(w, koniec);
        w.terminSplaty = koniec.terminSpla;
        w.dataSplaty = koniec.dataSplaty;
        w.status = koniec.status;
        w.ilPrzel = koniec.nrPrzel;
    }
    if (urwany || !cale) {
        w.dobry = false;
        w.status = kUszkodzona;
    }
    return w;
}

ListaPaczek listaPaczek(const QString& folder, int rok, int miesiac)
{
    ListaPaczek lista;
    if (miesiac < 1 || miesiac > 12)
        return lista;
    const OdczytNumeracji num = czytajNumeracje(sciezkaNumeracji(folder, rok));
    if (!num.ok) {
        if (!num.brak)
            lista.blad = num.blad;
        return lista;
    }
    const int ile = std::min(num.miesiace[miesiac - 1].koniecPacz, kMaxNrPaczki);
    for (int k = 1; k <= ile; ++k)
        lista.wiersze.append(wierszPaczki(sciezkaPaczki(folder, rok, miesiac, k), k));
    if (!lista.wiersze.isEmpty())
        lista.status = lista.wiersze.last().status;
    return lista;
}

// ---- Removing ------------------------------------------------------------------

UsuniecieRekordu usunRekord(const QString& folder, const QString& sciezka, int indeks)
{
    UsuniecieRekordu w;
    const OdczytPaczki p = czytajPaczke(sciezka);
    if (!p.ok()) {
        w.wynik = p.stan == OdczytPaczki::Brak ? WynikUsuniecia::BrakPliku : WynikUsuniecia::Uszkodzona;
        w.blad = p.blad;
        return w;
    }
    w.rekordy = p.rekordy;
    if (p.rekordy.size() <= 1) {
        w.wynik = WynikUsuniecia::JedynaPozycja;
        return w;
    }
    if (jestZamknieta(p.rekordy)) {
        w.wynik = WynikUsuniecia::Zamknieta;
        return w;
    }
    if (indeks < 0 || indeks >= p.rekordy.size()) {
        w.wynik = WynikUsuniecia::ZlyWiersz;
        return w;
    }
    w.rekordy.removeAt(indeks);
    for (qsizetype i = 0; i < w.rekordy.size(); ++i)
        w.rekordy[i].nrPrzel = QString::number(i + 1);
    if (!przepiszPaczke(sciezka, w.rekordy, &w.blad)) {
        w.wynik = WynikUsuniecia::BladZapisu;
        w.rekordy = p.rekordy;
        return w;
    }
    w.wynik = WynikUsuniecia::Usunieto;

    // The counter of the package's own month, whatever today is.
    int rok = 0, miesiac = 0, nr = 0;
    if (!rozpoznajNazwePaczki(sciezka, &rok, &miesiac, &nr))
        return w;
    const QString plikNum = sciezkaNumeracji(folder, rok);
    OdczytNumeracji num = czytajNumeracje(plikNum);
    if (!num.ok)
        return w;
    NumeracjaMiesiaca& m = num.miesiace[miesiac - 1];
    if (m.koniecPrzel > 0) {
        m.koniecPrzel -= 1;
        w.licznikZmniejszony = zapiszNumeracje(plikNum, num.miesiace, &w.blad);
    }
    return w;
}

WynikUsunieciaPaczki usunPaczke(const QString& sciezka, QString* blad)
{
    const OdczytPaczki p = czytajPaczke(sciezka);
    if (p.stan == OdczytPaczki::Brak)
        return WynikUsunieciaPaczki::BrakPliku;
    if (jestZamknieta(p.rekordy))
        return WynikUsunieciaPaczki::Zamknieta;
    QFile f(sciezka);
    if (!f.remove()) {
        if (blad)
            *blad = QStringLiteral("Nie można usunąć pliku %1: %2").arg(sciezka, f.errorString());
        return WynikUsunieciaPaczki::BladZapisu;
    }
    return WynikUsunieciaPaczki::Usunieto;
}

// ---- Cell edit -----------------------------------------------------------------

bool kolumnaEdytowalna(int kolumna)
{
    return (kolumna >= 1 && kolumna <= 5) || kolumna == 7;
}

bool przeliczKwoty(Przelew& r)
{
    const std::optional<qint64> netto = parseAmount(r.kwotaN);
    if (!netto)
        return false;
    // The one VAT rule of the entry field: "zw", "np", "0" or nothing is no
    // VAT, a text ending in "%" a rate, any other number the VAT amount (as
    // the entry field and paid invoices write it). A word is no VAT.
    const Brutto b = bruttoZVat(r.kwotaN, r.vat);
    const QString vat = r.vat.trimmed();
    if (!b.ok && parseAmount(vat.endsWith(QLatin1Char('%')) ? vat.chopped(1) : vat))
        return false;  // a number, but the gross amount would not fit
    const std::optional<qint64> brutto = b.ok ? parseAmount(b.brutto) : netto;
    if (!brutto)
        return false;
    r.kwotaB = formatAmount(*brutto);
    r.splacono = formatAmount(*brutto);
    r.kwDoSplaty = liczbaRekordu(*brutto - kwota(r.splacono));
    return true;
}

WynikEdycji zmienWartosc(Przelew& r, int kolumna, const QString& odpowiedz)
{
    if (!kolumnaEdytowalna(kolumna))
        return WynikEdycji::Anulowano;
    if (odpowiedz.isEmpty() || odpowiedz == QStringLiteral("0"))
        return WynikEdycji::Anulowano;
    QStringList wartosci = r.wartosci();
    const int pole = wartoscKolumnyPaczki(kolumna) - 1;
    QString wartosc = kolumna == 3 ? odpowiedz.trimmed() : odpowiedz;
    // The VAT column's question asks for a rate: a bare number answered
    // there is kept with "%", so the record says it is a rate and a later
    // change of the net amount reads it as one.
    if (kolumna == 5 && !bezVat(wartosc.trimmed()) && !wartosc.trimmed().endsWith(QLatin1Char('%'))
        && parseAmount(wartosc.trimmed()))
        wartosc = wartosc.trimmed() + QLatin1Char('%');
    wartosci[pole] = wartosc;
    Przelew nowy = Przelew::zWartosci(wartosci);
    if ((kolumna == 4 || kolumna == 5) && !przeliczKwoty(nowy))
        return WynikEdycji::ZlaKwota;
    r = nowy;
    return WynikEdycji::Zmieniono;
}

WynikEdycji zapiszRekord(const QString& sciezka, int indeks, const Przelew& r, QString* blad)
{
    OdczytPaczki p = czytajPaczke(sciezka);
    if (!p.ok()) {
        if (blad)
            *blad = p.blad;
        return WynikEdycji::Uszkodzona;
    }
    if (jestZamknieta(p.rekordy))
        return WynikEdycji::Zamknieta;
    if (indeks < 0 || indeks >= p.rekordy.size())
        return WynikEdycji::ZlyWiersz;
    p.rekordy[indeks] = r;
    return zapiszPaczke(sciezka, p.rekordy, blad) ? WynikEdycji::Zmieniono : WynikEdycji::BladZapisu;
}

} // namespace remitto
