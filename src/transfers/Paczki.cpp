#include "transfers/Paczki.h"

#include "core/Amount.h"
#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>

namespace remitto {

namespace {

QString dataRekordu(const QDate& d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

// A bare number of a record in grosze: "0", "12.5".
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

qint64 kwota(const QString& t)
{
    return parseAmount(t).value_or(0);
}

QString wartosc(const RekordPaczki& r, int i)
{
    return i < r.size() ? r[i] : QString();
}

bool jestZamknieta(const QList<RekordPaczki>& rekordy)
{
    for (const RekordPaczki& r : rekordy)
        if (wartosc(r, Pole::Status) == kZamknieta)
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
        || (!p.rekordy.isEmpty() && wartosc(p.rekordy.first(), Pole::Status) == kZamknieta)) {
        d.nr = m.koniecPacz + 1;
        d.nowa = true;
        return d;
    }
    d.rekordy = p.rekordy;
    return d;
}

void uzupelnijRekord(RekordPaczki& r, const QDate& dzien, const QString& nn, int nrPrzel)
{
    while (r.size() < Pole::Liczba)
        r.append(QString());
    const QString dzis = dataRekordu(dzien);
    r[Pole::TerminSpla] = dzis;
    r[Pole::DataSplaty] = dzis;
    r[Pole::Splacono] = r[Pole::KwotaB];
    r[Pole::KwDoSplaty] = liczbaRekordu(kwota(r[Pole::KwotaB]) - kwota(r[Pole::Splacono]));
    r[Pole::OznPrz] = QStringLiteral("Spłacona");
    r[Pole::NrKolFakt] = QString();
    r[Pole::DataZakup] = QString();
    r[Pole::NrPaczk] = nn;
    r[Pole::NrPrzel] = QString::number(nrPrzel);
    r[Pole::Status] = kOtwarta;
}

DodaniePrzelewu dodajDoPaczki(const QString& folder, const QDate& dzien, const QString& statusWidoku,
                              const RekordPaczki& wpis, bool wplata)
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

    if (wartosc(wpis, Pole::Konto).size() != 26) {
        w.wynik = WynikDodania::ZleKonto;
        return w;
    }
    if (wartosc(wpis, Pole::KwotaB).isEmpty()) {
        w.wynik = WynikDodania::BrakKwoty;
        return w;
    }
    if (wartosc(wpis, Pole::Nazwa).isEmpty()) {
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
    uzupelnijRekord(w.rekord, dzien, w.nn, static_cast<int>(d.rekordy.size()) + 1);
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
    for (int k = 1; k <= ile; ++k) {
        WierszPaczki w;
        w.nr = k;
        w.sciezka = sciezkaPaczki(folder, rok, miesiac, k);
        const OdczytPaczki p = czytajPaczke(w.sciezka);
        for (const RekordPaczki& r : p.rekordy) {
            w.netto += kwota(r[Pole::KwotaN]);
            w.vat += kwota(r[Pole::Vat]);
            w.brutto += kwota(r[Pole::KwotaB]);
            w.splacono += kwota(r[Pole::Splacono]);
        }
        if (!p.rekordy.isEmpty()) {
            const RekordPaczki& ostatni = p.rekordy.last();
            w.terminSplaty = ostatni[Pole::TerminSpla];
            w.dataSplaty = ostatni[Pole::DataSplaty];
            w.status = ostatni[Pole::Status];
            w.ilPrzel = ostatni[Pole::NrPrzel];
        }
        if (!p.ok()) {
            w.dobry = false;
            w.status = p.stan == OdczytPaczki::Brak ? kBrakPliku : kUszkodzona;
        }
        lista.wiersze.append(w);
    }
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
        w.rekordy[i][Pole::NrPrzel] = QString::number(i + 1);
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

bool przeliczKwoty(RekordPaczki& r)
{
    while (r.size() < Pole::Liczba)
        r.append(QString());
    const std::optional<qint64> netto = parseAmount(r[Pole::KwotaN]);
    if (!netto)
        return false;
    QString stawkaTekst = r[Pole::Vat].trimmed();
    if (stawkaTekst.endsWith(QLatin1Char('%')))
        stawkaTekst.chop(1);
    // The rate in hundredths of a percent; "zw", "np" and words are 0.
    const qint64 stawka = parseAmount(stawkaTekst).value_or(0);
    // VAT = net x rate / 100, rounded half away from zero to the grosz.
    const qint64 iloczyn = *netto * stawka;
    const qint64 vat = (iloczyn >= 0 ? iloczyn + 5000 : iloczyn - 5000) / 10000;
    const qint64 brutto = *netto + vat;
    r[Pole::KwotaB] = formatAmount(brutto);
    r[Pole::Splacono] = formatAmount(brutto);
    r[Pole::KwDoSplaty] = liczbaRekordu(brutto - kwota(r[Pole::Splacono]));
    return true;
}

WynikEdycji zmienWartosc(RekordPaczki& r, int kolumna, const QString& odpowiedz)
{
    if (!kolumnaEdytowalna(kolumna))
        return WynikEdycji::Anulowano;
    if (odpowiedz.isEmpty() || odpowiedz == QStringLiteral("0"))
        return WynikEdycji::Anulowano;
    RekordPaczki nowy = r;
    while (nowy.size() < Pole::Liczba)
        nowy.append(QString());
    // View columns 1 ... 7 show values 1 ... 7.
    const int pole = kolumna - 1;
    nowy[pole] = pole == Pole::Konto ? odpowiedz.trimmed() : odpowiedz;
    if ((pole == Pole::KwotaN || pole == Pole::Vat) && !przeliczKwoty(nowy))
        return WynikEdycji::ZlaKwota;
    r = nowy;
    return WynikEdycji::Zmieniono;
}

WynikEdycji zapiszRekord(const QString& sciezka, int indeks, const RekordPaczki& r, QString* blad)
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
