#include "shop/ListaFaktur.h"

#include "core/Amount.h"
#include "core/RawFileIo.h"
#include "core/modZmiene.h"
#include "shop/PlikiKramix.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstring>

namespace remitto {

namespace {

// Payment terms before these days count as settled: on opening the window
// an invoice due before the first counts as paid; the unpaid list never
// shows one due before the second.
const QString kOplaconeDo = QStringLiteral("20190228");
const QString kNiesplaconeOd = QStringLiteral("20180922");

// Header values (0-based).
enum Naglowek {
    hZnacznik = 0, hNazwa = 1, hImie = 2, hNip = 3, hKod = 4, hMiejscowosc = 5, hUlica = 6,
    hNrDomu = 7, hNrLokalu = 8, hSkrot = 9, hTypIPlik = 12, hKonto = 14, hNrFaktury = 15,
    hDataZakupu = 16, hSposob = 17, hTermin = 18
};
// Goods line values (0-based).
enum Pozycja { pNetto = 3, pStawka = 4, pBrutto = 5 };

/// A date text rewritten as day-month-year with "-" between.
QString dataZKreskami(const QString& d)
{
    if (d.size() < 10)
        return d;
    if (d.size() == 10 && d[2] == QLatin1Char('-') && d[5] == QLatin1Char('-'))
        return d;  // already so: the text is shared, not copied
    return d.mid(0, 2) + QLatin1Char('-') + d.mid(3, 2) + QLatin1Char('-') + d.mid(6, 4);
}

QStringList pustyWiersz()
{
    return QStringList(kol::Liczba);
}

/// vatPozycji() of a rate as written in the file; a rate of plain digits (as
/// the shop program writes it) needs no text.
qint64 vatStawki(qint64 netto, const WartosciPliku& w, qsizetype i)
{
    const QLatin1String s = w.surowy(i);
    if (s.isEmpty() || s.size() > 3)
        return vatPozycji(netto, w.tekst(i));
    int procent = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return vatPozycji(netto, w.tekst(i));
        procent = procent * 10 + (c - '0');
    }
    if (procent == 0)
        return 0;
    return toGrosze(Zaokraglij(fromGrosze(netto) * double(procent) / 100.0));
}

QString kwota(qint64 grosze)
{
    // Nothing to pay or nothing paid is common: one shared text for 0.
    static const QString zero = formatAmount(0);
    return grosze == 0 ? zero : formatAmount(grosze);
}

void wpiszKwoty(QStringList& w, const SumyFaktur& f)
{
    w[kol::Netto] = kwota(f.netto);
    w[kol::Vat] = kwota(f.vat);
    w[kol::Brutto] = kwota(f.brutto);
    w[kol::Splacono] = f.splacono == f.brutto ? w[kol::Brutto] : kwota(f.splacono);
    w[kol::DoSplaty] = kwota(f.doSplaty);
}

void dodaj(SumyFaktur& s, const SumyFaktur& f)
{
    s.netto += f.netto;
    s.vat += f.vat;
    s.brutto += f.brutto;
    s.splacono += f.splacono;
    s.doSplaty += f.doSplaty;
}

/// One invoice as the list shows it.
struct Faktura {
    QStringList wiersz;
    SumyFaktur kwoty;
    QString klucTerminu;
    bool blad = false;  ///< missing or damaged file: listed apart from the filters
    bool brak = false;
};

Faktura brakujaca(const QString& nazwa)
{
    Faktura f;
    f.wiersz = pustyWiersz();
    f.wiersz[kol::Nazwa] = kBrakFaktury;
    f.wiersz[kol::Plik] = nazwa;
    wpiszKwoty(f.wiersz, f.kwoty);
    f.brak = true;
    return f;
}

Faktura uszkodzona(const QString& nazwa, const QString& powod)
{
    Faktura f = brakujaca(nazwa);
    f.brak = false;
    f.blad = true;
    f.wiersz[kol::Nazwa] = kUszkodzonyPlik;
    f.wiersz[kol::Imie] = powod;
    f.wiersz[kol::Stan] = kStanBladPliku;
    return f;
}

Faktura zWartosci(const WartosciPliku& w, const char (&nazwa)[15], RodzajListy rodzaj)
{
    const ZnacznikZaplaty z = odczytajZnacznik(w.tekst(hZnacznik));
    const QString powod = sprawdzWartosciFaktury(w, z);
    if (!powod.isEmpty())
        return uszkodzona(QString::fromLatin1(nazwa, 15), powod);

    Faktura f;
    SumyFaktur& k = f.kwoty;
    for (qsizetype p = kWartosciNaglowka; p < w.liczba(); p += kWartosciPozycji) {
        const std::optional<qint64> netto = w.kwota(p + pNetto);
        const std::optional<qint64> brutto = w.kwota(p + pBrutto);
        if (!netto || !brutto)
            return uszkodzona(QString::fromLatin1(nazwa, 15), QStringLiteral("pozycja %1: kwota nie jest liczbą")
                                         .arg((p - kWartosciNaglowka) / kWartosciPozycji + 1));
        k.netto += *netto;
        k.brutto += *brutto;
        k.vat += vatStawki(*netto, w, p + pStawka);
    }

    QStringList& r = f.wiersz;
    r = pustyWiersz();
    const QString dataZakupu = w.tekst(hDataZakupu);
    const QString termin = w.tekst(hTermin);
    f.klucTerminu = kluczDaty(termin);
    QString stan;
    QString dataSplaty;
    const QLatin1String sposob = w.surowy(hSposob);
    if (!sposob.isEmpty() && (sposob.front() == 'G' || sposob.front() == 'g')) {
        stan = kStanGotowka;
        k.splacono = k.brutto;
        dataSplaty = dataZakupu;
    } else {
        stan = kStanDoPrzelewu;
        k.splacono = z.kwota;
        dataSplaty = z.data;
        // A mark written without grosze pays the grosze it could not hold.
        if (z.bezGroszy && z.kwota < k.brutto && k.brutto - z.kwota < 100)
            k.splacono = k.brutto;
        if (z.paczka > 0 && z.maKwote && k.splacono > 0 && k.splacono < k.brutto)
            stan = kStanSplCz;
    }
    if (rodzaj != RodzajListy::Niesplacone && rodzaj != RodzajListy::NaDzis) {
        const bool stary = rodzaj == RodzajListy::Otwarcie && !f.klucTerminu.isEmpty()
                        && f.klucTerminu < kOplaconeDo;
        // A mark of a part payment keeps the rest to pay.
        if (stan != kStanSplCz && (z.paczka > 0 || stary)) {
            stan = kStanSplacona;
            k.splacono = k.brutto;
            dataSplaty = dataZakupu;
        }
    }
    k.doSplaty = k.brutto - k.splacono;
    if (k.doSplaty < 1)
        k.doSplaty = 0;

    const QString konto = [&] {
        const QString c = w.tekst(hKonto);
        return c.size() == 33 ? KontoBezSpacji(c) : c;
    }();
    const QString lokal = w.tekst(hNrLokalu);
    const QString plik = w.koniecTekstu(hTypIPlik, 15);

    r[kol::Nazwa] = w.tekst(hNazwa);
    r[kol::Imie] = w.tekst(hImie);
    wpiszKwoty(r, k);
    r[kol::Tytulem] = w.tekst(hNrFaktury);
    r[kol::DataZakupu] = dataZKreskami(dataZakupu);
    r[kol::Termin] = dataZKreskami(termin);
    r[kol::DataSplaty] = dataSplaty == r[kol::DataZakupu] ? r[kol::DataZakupu] : dataSplaty;
    r[kol::Stan] = stan;
    r[kol::Ulica] = w.tekst(hUlica);
    r[kol::NrDomu] = lokal.isEmpty() ? w.tekst(hNrDomu) : w.tekst(hNrDomu) + QLatin1Char('/') + lokal;
    r[kol::Adres] = w.tekst(hMiejscowosc);
    r[kol::Kod] = w.tekst(hKod);
    r[kol::Skrot] = w.tekst(hSkrot);
    r[kol::Bank] = konto;
    // The name is only handed on (to the view, to the payment marking) when
    // it is an invoice file name.
    r[kol::Plik] = czyNazwaFaktury(plik) ? plik : kZlaNazwaPliku + plik;
    r[kol::NrPaczki] = z.nrPaczki.trimmed();
    r[kol::Konto] = konto;
    r[kol::Nip] = w.tekst(hNip);
    return f;
}

/// Months to read, in order, and the number of files they hold.
QList<MiesiacNumeracji> wybraneMiesiace(const QList<MiesiacNumeracji>& wszystkie, const ZapytanieListy& z)
{
    QList<MiesiacNumeracji> wynik;
    for (const MiesiacNumeracji& m : wszystkie) {
        switch (z.rodzaj) {
        case RodzajListy::Otwarcie:
        case RodzajListy::Miesiac:
            if (m.miesiac == z.miesiac)
                wynik.append(m);
            break;
        case RodzajListy::Wszystkie:
        case RodzajListy::Niesplacone:
            if (m.miesiac < z.miesiac)
                break;
            if (m.liczba == 0)
                return wynik;  // an empty month ends the year so far
            wynik.append(m);
            break;
        case RodzajListy::NaDzis:
            wynik.append(m);
            break;
        }
    }
    return wynik;
}

bool zostaje(const Faktura& f, const ZapytanieListy& z, const QString& kluczDnia)
{
    if (f.blad)
        return true;  // a damaged file is always shown
    switch (z.rodzaj) {
    case RodzajListy::Niesplacone:
        if (!f.klucTerminu.isEmpty() && f.klucTerminu < kNiesplaconeOd)
            return false;
        return f.kwoty.doSplaty > 0;
    case RodzajListy::NaDzis:
        return !f.klucTerminu.isEmpty() && f.klucTerminu == kluczDnia;
    default:
        return true;
    }
}

} // namespace

const QStringList& naglowkiListyFaktur()
{
    static const QStringList n = {
        QStringLiteral("Nrkol"), QStringLiteral("Nazwa Kontrahenta "), QStringLiteral("Imie Kontrahenta "),
        QStringLiteral("KwotaN"), QStringLiteral("VAT"), QStringLiteral("KwotaB"), QStringLiteral("Tytulem"),
        QStringLiteral("DataZakupu"), QStringLiteral("TerminSpł"), QStringLiteral("Spłacono"),
        QStringLiteral("KwDoSplaty"), QStringLiteral("DataSplaty"), QStringLiteral("OznPrz"),
        QStringLiteral("Ulica"), QStringLiteral("NrDomu"), QStringLiteral("Adres"), QStringLiteral("Kod"),
        QStringLiteral(" Skrót "), QStringLiteral("Bank"), QStringLiteral("NrKolFakt"),
        QStringLiteral("NrPaczki"), QStringLiteral("NrPrzelewu"), QStringLiteral("Konto"), QStringLiteral("Nip "),
    };
    return n;
}

const QList<int>& szerokosciListyFaktur()
{
    static const QList<int> s = {400, 3000, 2000, 1000, 950, 800, 2500, 1000, 900, 900, 900, 900,
                                 900, 1100, 600, 1500, 600, 900, 2500, 1100, 500, 600, 900, 1100};
    return s;
}

QString kluczDaty(const QString& data)
{
    if (data.size() < 10)
        return {};
    static constexpr int kZnaki[8] = {6, 7, 8, 9, 3, 4, 0, 1};
    QChar k[8];
    for (int i = 0; i < 8; ++i) {
        k[i] = data[kZnaki[i]];
        if (k[i] < QLatin1Char('0') || k[i] > QLatin1Char('9'))
            return {};
    }
    return QString(k, 8);
}

qint64 vatPozycji(qint64 netto, QString stawka)
{
    stawka = stawka.trimmed().toLower();
    if (stawka.isEmpty() || stawka == QLatin1String("np") || stawka == QLatin1String("0")
        || stawka == QLatin1String("zw"))
        return 0;
    stawka.remove(QLatin1Char('%'));
    bool ok = false;
    const double procent = PrzecinekNaKropke(stawka.trimmed()).toDouble(&ok);
    if (!ok)
        return 0;
    return toGrosze(Zaokraglij(fromGrosze(netto) * procent / 100.0));
}

WynikListy wczytajListeFaktur(const QString& sciezkaKramix, const QString& folderFirmy,
                              const ZapytanieListy& z, const PostepWczytywania& postep)
{
    WynikListy wynik;
    const QString rok = z.rok.trimmed();
    if (rok.size() != 4 || !std::all_of(rok.begin(), rok.end(), [](QChar c) { return c.isDigit(); })) {
        wynik.stan = WynikListy::Stan::ZlyRok;
        wynik.blad = QStringLiteral("Rok faktur musi mieć cztery cyfry (RRRR), jest \"%1\".").arg(z.rok);
        return wynik;
    }
    const QString rr = rok.right(2);

    DrzewoKramix drzewo(sciezkaKramix, folderFirmy);
    if (sciezkaKramix.isEmpty() || !QFileInfo::exists(sciezkaKramix)) {
        wynik.stan = WynikListy::Stan::BrakKramix;
        wynik.blad = sciezkaKramix.isEmpty()
                       ? QStringLiteral("Nie ustalono folderu programu Kramix (Moja Firma).")
                       : QStringLiteral("Brak folderu programu Kramix %1").arg(sciezkaKramix);
        return wynik;
    }
    if (drzewo.folderFirmy().isEmpty()) {
        wynik.stan = WynikListy::Stan::BrakFolderuFirmy;
        wynik.blad = QStringLiteral("Brak folderu firmy w programie Kramix %1").arg(drzewo.oczekiwanyFolderFirmy());
        return wynik;
    }
    const NumeracjaFaktur numeracja = odczytajNumeracjeFaktur(drzewo.plikNumeracji(rr));
    if (numeracja.stan != NumeracjaFaktur::Stan::Ok) {
        wynik.stan = numeracja.stan == NumeracjaFaktur::Stan::Brak ? WynikListy::Stan::BrakNumeracji
                                                                    : WynikListy::Stan::ZlaNumeracja;
        wynik.blad = numeracja.blad;
        return wynik;
    }
    const QList<MiesiacNumeracji> miesiace = wybraneMiesiace(numeracja.miesiace, z);
    int wszystkie = 0;
    for (const MiesiacNumeracji& m : miesiace)
        wszystkie += std::min(m.liczba, 99999);
    if (wszystkie > 0 && drzewo.folderFaktur().isEmpty()) {
        wynik.stan = WynikListy::Stan::BrakFolderuFaktur;
        wynik.blad = QStringLiteral("Brak folderu faktur zakupu %1/Faktury").arg(drzewo.folderFirmy());
        return wynik;
    }

    const QString kluczDnia = kluczDaty(z.dataRobocza);
    wynik.wiersze.reserve(z.rodzaj == RodzajListy::NaDzis ? 64 : wszystkie);
    WartosciPliku w;
    // Files are opened by their native path: the folder's once, then the
    // name's 15 bytes in place.
    QByteArray sciezka = QFile::encodeName(drzewo.folderFaktur() + QLatin1Char('/'));
    const qsizetype folder = sciezka.size();
    sciezka.resize(folder + 15);
    char nazwa[15];
    int zrobione = 0;
    for (const MiesiacNumeracji& m : miesiace) {
        const int liczba = std::min(m.liczba, 99999);  // five digits in the file name
        for (int n = 1; n <= liczba; ++n) {
            nazwaPlikuFaktury(nazwa, rr, m.miesiac, n);
            std::memcpy(sciezka.data() + folder, nazwa, sizeof nazwa);
            bool otwarty = readWholeFile(sciezka.constData(), w.bajty);
            if (!otwarty) {
                // Written by a system that ignores letter case.
                const QString inna = drzewo.plikFakturyInnaWielkosc(QString::fromLatin1(nazwa, 15));
                if (!inna.isEmpty())
                    otwarty = readWholeFile(QFile::encodeName(inna).constData(), w.bajty);
            }
            Faktura f;
            if (otwarty) {
                wynik.bajtow += w.bajty.size();
                w.podziel();
                f = zWartosci(w, nazwa, z.rodzaj);
            } else {
                f = brakujaca(QString::fromLatin1(nazwa, 15));
            }
            ++wynik.plikow;
            if (postep && ++zrobione % 50 == 0)
                postep(zrobione, wszystkie);
            if (!zostaje(f, z, kluczDnia))
                continue;
            dodaj(wynik.sumy, f.kwoty);
            f.wiersz[kol::Nr] = QString::number(wynik.wiersze.size() + 1);
            wynik.wiersze.append(std::move(f.wiersz));
        }
    }
    if (postep)
        postep(wszystkie, wszystkie);
    return wynik;
}

SumyFaktur zsumujWiersze(const QList<QStringList>& wiersze)
{
    SumyFaktur s;
    const auto kwota = [](const QStringList& w, int k) {
        return k < w.size() ? parseAmount(w[k]).value_or(0) : 0;
    };
    for (const QStringList& w : wiersze) {
        s.netto += kwota(w, kol::Netto);
        s.vat += kwota(w, kol::Vat);
        s.brutto += kwota(w, kol::Brutto);
        s.splacono += kwota(w, kol::Splacono);
        s.doSplaty += kwota(w, kol::DoSplaty);
    }
    return s;
}

QList<QStringList> tylkoKontrahent(const QList<QStringList>& wiersze, const QString& slowo)
{
    const QString szukane = slowo.toUpper();
    QList<QStringList> wynik;
    for (const QStringList& w : wiersze) {
        if (w.size() <= kol::Nazwa || !w[kol::Nazwa].toUpper().contains(szukane))
            continue;
        wynik.append(w);
        wynik.last()[kol::Nr] = QString::number(wynik.size());
    }
    return wynik;
}

void sortujWgDaty(QList<QStringList>& wiersze, int kolumna)
{
    const auto klucz = [kolumna](const QStringList& w) {
        const QString k = kolumna < w.size() ? kluczDaty(w[kolumna]) : QString();
        return k.isEmpty() ? QStringLiteral("99999999") : k;
    };
    QList<std::pair<QString, qsizetype>> klucze;
    klucze.reserve(wiersze.size());
    for (qsizetype i = 0; i < wiersze.size(); ++i)
        klucze.append({klucz(wiersze[i]), i});
    std::stable_sort(klucze.begin(), klucze.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<QStringList> posortowane;
    posortowane.reserve(wiersze.size());
    for (const auto& k : klucze)
        posortowane.append(std::move(wiersze[k.second]));
    wiersze = std::move(posortowane);
}

QString kwotaNaEkran(const QString& tekst)
{
    const QString t = tekst.trimmed();
    if (!parseAmount(t))
        return tekst;
    // A price with more than two decimals keeps all of them.
    const qsizetype kropka = t.indexOf(QLatin1Char('.'));
    if (kropka >= 0 && t.size() - kropka - 1 > 2)
        return QString(t).replace(QLatin1Char('.'), QLatin1Char(','));
    return formatAmount(*parseAmount(t));
}

} // namespace remitto
