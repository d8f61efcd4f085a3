#include "contractors/KontrahenciOperacje.h"

#include "core/PorzadekOgolny.h"
#include "core/QuoteFormat.h"
#include "core/modZmiene.h"

#include <QDir>
#include <QHash>
#include <QFileInfo>

namespace remitto::kontrahenci {

void przenumeruj(QList<Kontrahent>& lista)
{
    for (qsizetype i = 0; i < lista.size(); ++i)
        lista[i][NrKol] = QString::number(i + 1);
}

namespace {

/// What duplicate removal compares: name, account number and short name.
QString kluczPodwojnych(const Kontrahent& k)
{
    return k[NazwaKontrahenta] + k[NrRachunku1K] + k[SkrotK];
}

} // namespace

QList<Kontrahent> posortowaneWgNazwy(QList<Kontrahent> lista)
{
    // Equal names keep their file order, except that records duplicate
    // removal takes as equal are gathered at the place of the first of them,
    // so that they become neighbours.
    QStringList nazwy;
    QList<int> grupy;
    QHash<QString, int> pierwszy;
    nazwy.reserve(lista.size());
    grupy.reserve(lista.size());
    for (qsizetype i = 0; i < lista.size(); ++i) {
        nazwy.append(lista[i][NazwaKontrahenta]);
        const QString klucz = kluczPodwojnych(lista[i]);
        if (!pierwszy.contains(klucz))
            pierwszy.insert(klucz, int(i));
        grupy.append(pierwszy.value(klucz));
    }
    const QList<int> kolejnosc = porzadekOgolny(nazwy, grupy);
    QList<Kontrahent> out;
    out.reserve(lista.size());
    for (int i : kolejnosc)
        out.append(std::move(lista[i]));
    przenumeruj(out);
    return out;
}

namespace {

bool liczbaCalkowita(const QString& tekst, int* wartosc = nullptr)
{
    bool ok = false;
    const int v = tekst.trimmed().toInt(&ok);
    if (ok && wartosc)
        *wartosc = v;
    return ok;
}

} // namespace

QList<Kontrahent> bezKontrahenta(QList<Kontrahent> lista, int nr)
{
    lista.removeIf([nr](const Kontrahent& k) {
        int v = 0;
        return liczbaCalkowita(k[NrKol], &v) && v == nr;
    });
    przenumeruj(lista);
    return lista;
}

QList<Kontrahent> bezPodwojnych(QList<Kontrahent> lista)
{
    QList<Kontrahent> zostaja;
    zostaja.reserve(lista.size());
    for (Kontrahent& k : lista) {
        if (!zostaja.isEmpty() && kluczPodwojnych(zostaja.constLast()) == kluczPodwojnych(k))
            continue;
        zostaja.append(std::move(k));
    }
    return posortowaneWgNazwy(std::move(zostaja));
}

namespace {

/// 0: does not fit; 1: fits; 2: fits and the ordinals run 1, 2, 3 ...
int dopasowanie(const QStringList& wartosci, int rozmiar)
{
    if (wartosci.isEmpty() || wartosci.size() % rozmiar != 0)
        return 0;
    bool kolejne = true;
    for (qsizetype r = 0; r * rozmiar < wartosci.size(); ++r) {
        int nr = 0;
        if (!liczbaCalkowita(wartosci[r * rozmiar], &nr))
            return 0;
        kolejne = kolejne && nr == r + 1;
    }
    return kolejne ? 2 : 1;
}

} // namespace

Uklad rozpoznajUklad(const QStringList& wartosci)
{
    if (wartosci.isEmpty())
        return Uklad::Pusty;
    const int nowy = dopasowanie(wartosci, kWartosciKontrahenta);
    const int stary = dopasowanie(wartosci, kWartosciStaregoUkladu);
    if (nowy == 0 && stary == 0)
        return Uklad::Nieznany;
    return stary > nowy ? Uklad::Stary : Uklad::Nowy;
}

bool kontoDoPrzyjecia(const QString& konto)
{
    return konto.size() >= 26 && konto.size() <= 32;
}

QList<Kontrahent> zeStaregoUkladu(const QStringList& wartosci)
{
    QList<Kontrahent> out;
    for (qsizetype r = 0; (r + 1) * kWartosciStaregoUkladu <= wartosci.size(); ++r) {
        const QStringList s = wartosci.mid(r * kWartosciStaregoUkladu, kWartosciStaregoUkladu);
        if (!kontoDoPrzyjecia(s[9]))
            continue;
        Kontrahent k;
        k[NrKol] = QString::number(out.size() + 1);
        k[SkrotK] = s[1];
        k[NazwaKontrahenta] = s[2];
        k[ImieKontrahenta] = s[3];
        k[Kod] = s[4];
        k[Miejscowosc] = s[5];
        k[Ulica] = s[6];
        k[NrDomu] = s[7];
        k[BankK] = s[8];
        k[NrRachunku1K] = s[9];
        k[TytulK] = s[10];
        k[OstKwotaK] = s[11];
        k[KodIden] = s[18];
        out.append(std::move(k));
    }
    return out;
}

QList<Kontrahent> zKramix(const QList<Kontrahent>& kramix, int pierwszyNumer)
{
    QList<Kontrahent> out;
    for (const Kontrahent& z : kramix) {
        if (!kontoDoPrzyjecia(z[NrRachunku1K]))
            continue;
        Kontrahent k = z;
        k[NrKol] = QString::number(pierwszyNumer + int(out.size()));
        k[Platnosc].clear();
        out.append(std::move(k));
    }
    return out;
}

qsizetype indeksPoSkrocie(const QList<Kontrahent>& lista, const QString& skrot)
{
    if (skrot.isEmpty())
        return -1;
    for (qsizetype i = 0; i < lista.size(); ++i)
        if (lista[i][SkrotK] == skrot)
            return i;
    return -1;
}

qsizetype indeksDoPrzelewu(const QList<Kontrahent>& lista, const QString& nazwa, const QString& skrot)
{
    for (qsizetype i = 0; i < lista.size(); ++i) {
        const Kontrahent& k = lista[i];
        if ((!skrot.isEmpty() && k[SkrotK] == skrot) || (!nazwa.isEmpty() && k[NazwaKontrahenta] == nazwa))
            return i;
    }
    return -1;
}

std::optional<Kontrahent> kontrahentDoKarty(const QString& sciezka, const QString& nazwa, int nr)
{
    const QString numer = QString::number(nr);
    for (const Kontrahent& k : czytajKontrahentow(sciezka).lista)
        if (k[NazwaKontrahenta] == nazwa && k[NrKol] == numer)
            return k;
    return std::nullopt;
}

QList<int> trafieniaSzukania(int wiersze, int kolumny, const std::function<QStringList(int)>& komorki,
                             const QString& szukany)
{
    QList<int> trafienia;
    if (szukany.isEmpty())
        return trafienia;
    const QString wzor = szukany.toUpper();
    QList<QStringList> rzedy;
    rzedy.reserve(wiersze);
    for (int w = 0; w < wiersze; ++w)
        rzedy.append(komorki(w));
    for (int c = 0; c < kolumny; ++c)
        for (int w = 0; w < wiersze; ++w)
            if (c < rzedy[w].size() && rzedy[w][c].contains(wzor, Qt::CaseInsensitive))
                trafienia.append(w);
    return trafienia;
}

namespace {

QString wielkaPierwsza(const QString& t)
{
    if (t.size() < 2)
        return t;
    return t.left(1).toUpper() + t.mid(1);
}

} // namespace

Kontrahent zKarty(Kontrahent k)
{
    for (QString& v : k.w)
        v = ZamienCudzyslow(v);
    k[NazwaKontrahenta] = wielkaPierwsza(k[NazwaKontrahenta]);
    k[ImieKontrahenta] = wielkaPierwsza(k[ImieKontrahenta]);
    k[SkrotK] = k[SkrotK].toUpper();
    k[Svat] = k[Svat].toUpper();
    if (k[Miejscowosc].isEmpty() && !k[Poczta].isEmpty())
        k[Miejscowosc] = k[Poczta];
    k[OstKwotaK] = QStringLiteral("0");
    k[TytulK].clear();
    k[OstVatK].clear();
    return k;
}

int zmienWgNazwyISkrotu(QList<Kontrahent>& lista, const QString& nazwa, const QString& skrot,
                        const Kontrahent& karta)
{
    int ile = 0;
    for (Kontrahent& k : lista) {
        if (k[NazwaKontrahenta] + k[SkrotK] != nazwa + skrot)
            continue;
        Kontrahent nowy = karta;
        for (Pole p : {NrKol, Platnosc, BankK, OstKwotaK, TytulK})
            nowy[p] = k[p];
        nowy[OstVatK].clear();
        k = std::move(nowy);
        ++ile;
    }
    return ile;
}

// ---- File ---------------------------------------------------------------------

WynikOperacji przepiszPlik(const QString& sciezka, bool nadpiszUszkodzony,
                           const std::function<int(QList<Kontrahent>&)>& zmien, int oczekiwanaLiczba)
{
    WynikOperacji w;
    OdczytKontrahentow o = czytajKontrahentow(sciezka);
    if (oczekiwanaLiczba >= 0 && (o.ok || o.uszkodzony) && o.lista.size() != oczekiwanaLiczba) {
        w.wynik = Wynik::InnaLiczba;
        w.liczba = int(o.lista.size());
        return w;
    }
    if (oczekiwanaLiczba == 0 && o.brak)
        return w;  // no file and nothing shown: nothing to write
    if (!o.ok && !o.brak) {
        w.blad = o.blad;
        if (!o.uszkodzony) {
            w.wynik = Wynik::BladOdczytu;
            return w;
        }
        if (!nadpiszUszkodzony) {
            w.wynik = Wynik::WymagaZgody;
            w.liczba = int(o.lista.size());
            return w;
        }
    }
    w.zmienione = zmien(o.lista);
    w.liczba = int(o.lista.size());
    QString blad;
    if (!zapiszKontrahentow(sciezka, o.lista, &blad)) {
        w.wynik = Wynik::BladZapisu;
        w.blad = blad;
        return w;
    }
    w.blad.clear();
    return w;
}

WynikOperacji sortujPlik(const QString& sciezka, bool nadpiszUszkodzony, int oczekiwanaLiczba)
{
    return przepiszPlik(
        sciezka, nadpiszUszkodzony,
        [](QList<Kontrahent>& lista) {
            lista = posortowaneWgNazwy(std::move(lista));
            return int(lista.size());
        },
        oczekiwanaLiczba);
}

WynikOperacji usunZPliku(const QString& sciezka, int nr, bool nadpiszUszkodzony, int oczekiwanaLiczba)
{
    return przepiszPlik(
        sciezka, nadpiszUszkodzony,
        [nr](QList<Kontrahent>& lista) {
            const qsizetype przed = lista.size();
            lista = bezKontrahenta(std::move(lista), nr);
            return int(przed - lista.size());
        },
        oczekiwanaLiczba);
}

WynikOperacji usunPodwojneZPliku(const QString& sciezka, bool nadpiszUszkodzony, int oczekiwanaLiczba)
{
    return przepiszPlik(
        sciezka, nadpiszUszkodzony,
        [](QList<Kontrahent>& lista) {
            const qsizetype przed = lista.size();
            lista = bezPodwojnych(std::move(lista));
            return int(przed - lista.size());
        },
        oczekiwanaLiczba);
}

WynikOperacji dopiszZKarty(const QString& sciezka, const Kontrahent& karta, bool nadpiszUszkodzony)
{
    WynikOperacji w;
    const OdczytKontrahentow o = czytajKontrahentow(sciezka);
    if (o.ok || o.brak) {
        Kontrahent k = karta;
        k[NrKol] = QString::number(o.lista.size() + 1);
        QString blad;
        if (!dopiszKontrahenta(sciezka, k, &blad)) {
            w.wynik = Wynik::BladZapisu;
            w.blad = blad;
            return w;
        }
        w.liczba = int(o.lista.size() + 1);
        w.zmienione = 1;
        return w;
    }
    return przepiszPlik(sciezka, nadpiszUszkodzony, [&karta](QList<Kontrahent>& lista) {
        Kontrahent k = karta;
        k[NrKol] = QString::number(lista.size() + 1);
        lista.append(k);
        return 1;
    });
}

WynikOperacji zmienWPliku(const QString& sciezka, const QString& nazwa, const QString& skrot,
                          const Kontrahent& karta, bool nadpiszUszkodzony)
{
    return przepiszPlik(sciezka, nadpiszUszkodzony, [&](QList<Kontrahent>& lista) {
        return zmienWgNazwyISkrotu(lista, nazwa, skrot, karta);
    });
}

Konwersja przygotujKonwersje(const QString& sciezka)
{
    Konwersja k;
    const QuoteFile plik = readQuoteFile(sciezka);
    if (!plik.ok && !plik.missing) {
        k.wynik = Wynik::BladOdczytu;
        k.blad = plik.error;
        return k;
    }
    k.uklad = rozpoznajUklad(plik.values);
    if (k.uklad == Uklad::Nowy || k.uklad == Uklad::Nieznany) {
        k.wynik = Wynik::ZlyUklad;
        return k;
    }
    k.lista = zeStaregoUkladu(plik.values);
    return k;
}

WynikOperacji dopiszZKramix(const QString& sciezka, const QString& plikKramix, bool nadpiszUszkodzony)
{
    const OdczytKontrahentow kramix = czytajKontrahentow(plikKramix);
    if (!kramix.ok) {
        WynikOperacji w;
        w.wynik = Wynik::BladOdczytu;
        w.blad = kramix.blad;
        return w;
    }
    return przepiszPlik(sciezka, nadpiszUszkodzony, [&kramix](QList<Kontrahent>& lista) {
        const QList<Kontrahent> nowe = zKramix(kramix.lista, int(lista.size()) + 1);
        lista.append(nowe);
        return int(nowe.size());
    });
}

namespace {

/// The entry `nazwa` of `folder`, exact letter case first, then any case.
QString wpis(const QString& folder, const QString& nazwa)
{
    const QString dokladna = folder + QLatin1Char('/') + nazwa;
    if (QFileInfo::exists(dokladna))
        return dokladna;
    const QStringList wpisy = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& w : wpisy)
        if (w.compare(nazwa, Qt::CaseInsensitive) == 0)
            return folder + QLatin1Char('/') + w;
    return dokladna;
}

} // namespace

QString plikKontrahentowKramix(const QString& sciezkaKramix, const QString& folderFirmy)
{
    QString s = sciezkaKramix;
    s.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (s.size() > 1 && s.endsWith(QLatin1Char('/')))
        s.chop(1);
    if (!folderFirmy.isEmpty())
        s = wpis(s, folderFirmy);
    s = wpis(s, QStringLiteral("kontrah"));
    return wpis(s, kPlikKontrahentow);
}

} // namespace remitto::kontrahenci
