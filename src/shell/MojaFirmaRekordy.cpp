#include "shell/MojaFirmaRekordy.h"

#include "core/modZmiene.h"

namespace remitto {

namespace {

struct Odczyt {
    StanPliku stan = StanPliku::Caly;
    QList<Firma> firmy;
    QString blad;
};

Odczyt czytaj(const QString& path)
{
    MojaFirmaOdczyt r = readMojaFirma(path);
    Odczyt o;
    o.stan = r.ok ? StanPliku::Caly : r.missing ? StanPliku::Brak : StanPliku::Uszkodzony;
    o.firmy = std::move(r.firmy);
    o.blad = r.error;
    return o;
}

WynikFirmy wynikOdczytu(const Odczyt& o)
{
    WynikFirmy w;
    w.stan = o.stan;
    w.liczba = static_cast<int>(o.firmy.size());
    w.blad = o.blad;
    return w;
}

/// Writes `firmy` unless the file is damaged and the user has not agreed.
/// `w` must already carry the state of the file as read.
bool zapisz(const QString& path, const QList<Firma>& firmy, bool nadpiszUszkodzony, WynikFirmy& w)
{
    if (w.stan == StanPliku::Uszkodzony && !nadpiszUszkodzony) {
        w.wynik = WynikRekordu::WymagaZgody;
        return false;
    }
    QString blad;
    if (!writeMojaFirma(path, firmy, &blad)) {
        w.wynik = WynikRekordu::BladZapisu;
        w.blad = blad;
        return false;
    }
    w.wynik = WynikRekordu::Gotowe;
    w.stan = StanPliku::Caly;
    w.blad.clear();
    w.liczba = static_cast<int>(firmy.size());
    return true;
}

} // namespace

int numerSasiada(int nrBiezacy, int liczba, int krok)
{
    if (liczba <= 0)
        return 0;
    const int nr = nrBiezacy + krok;
    if (nr > liczba)
        return 1;
    if (nr < 1)
        return liczba;
    return nr;
}

QList<Firma> przenumerowane(QList<Firma> firmy)
{
    for (qsizetype i = 0; i < firmy.size(); ++i)
        firmy[i].nrId = QString::number(i + 1);
    return firmy;
}

Firma nowaFirma(const QList<Firma>& firmy)
{
    Firma f;
    const QString nr = QString::number(firmy.size() + 1);
    f.nrId = nr;
    f.skrot = nr + QStringLiteral("NOWY");
    if (!firmy.isEmpty()) {
        f.sciezkaKramix = firmy.constLast().sciezkaKramix;
        f.sciezkaEcorponet = firmy.constLast().sciezkaEcorponet;
    }
    return f;
}

qsizetype indeksSkrotu(const QList<Firma>& firmy, const QString& skrot)
{
    const QString szukany = skrot.toUpper();
    for (qsizetype i = 0; i < firmy.size(); ++i)
        if (firmy[i].skrot.toUpper() == szukany)
            return i;
    return -1;
}

Firma doZapisu(Firma f)
{
    f.skrot = ZamienCudzyslow(f.skrot);
    f.nazwa = ZamienCudzyslow(f.nazwa);
    f.nazwa2 = ZamienCudzyslow(f.nazwa2);
    return f;
}

WynikFirmy pierwszaFirma(const QString& path)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    if (o.firmy.isEmpty()) {
        w.wynik = WynikRekordu::NieZnaleziono;
        return w;
    }
    w.firma = o.firmy.constFirst();
    return w;
}

WynikFirmy sasiedniaFirma(const QString& path, int nrBiezacy, int krok)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    const int nr = numerSasiada(nrBiezacy, w.liczba, krok);
    if (nr == 0) {
        w.wynik = WynikRekordu::NieZnaleziono;
        return w;
    }
    qsizetype i = indeksFirmyONumerze(o.firmy, nr);
    if (i < 0)
        i = nr - 1;  // numbers edited by hand: go by position
    w.firma = o.firmy[i];
    return w;
}

WynikFirmy znajdzFirme(const QString& path, const QString& skrot)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    const qsizetype i = indeksSkrotu(o.firmy, skrot);
    if (i < 0) {
        w.wynik = WynikRekordu::NieZnaleziono;
        return w;
    }
    w.firma = o.firmy[i];
    return w;
}

WynikFirmy dodajFirme(const QString& path, bool nadpiszUszkodzony)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    QList<Firma> firmy = przenumerowane(o.firmy);
    const Firma nowa = nowaFirma(firmy);
    firmy.append(nowa);
    if (zapisz(path, firmy, nadpiszUszkodzony, w))
        w.firma = nowa;
    return w;
}

WynikFirmy zapiszFirme(const QString& path, int nr, const Firma& wartosci, bool nadpiszUszkodzony)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    const qsizetype i = indeksFirmyONumerze(o.firmy, nr);
    if (i < 0) {
        w.wynik = WynikRekordu::NieZnaleziono;
        return w;
    }
    QList<Firma> firmy = o.firmy;
    Firma f = doZapisu(wartosci);
    f.nrId = firmy[i].nrId;
    firmy[i] = f;
    if (zapisz(path, firmy, nadpiszUszkodzony, w))
        w.firma = f;
    return w;
}

WynikFirmy usunFirme(const QString& path, const QString& skrot, bool nadpiszUszkodzony)
{
    const Odczyt o = czytaj(path);
    WynikFirmy w = wynikOdczytu(o);
    const QString szukany = skrot.toUpper();
    QList<Firma> zostaja;
    zostaja.reserve(o.firmy.size());
    for (const Firma& f : o.firmy) {
        if (f.skrot.toUpper() == szukany)
            ++w.usuniete;
        else
            zostaja.append(f);
    }
    if (w.usuniete == 0) {
        w.wynik = WynikRekordu::NieZnaleziono;
        return w;
    }
    zostaja = przenumerowane(std::move(zostaja));
    if (zapisz(path, zostaja, nadpiszUszkodzony, w) && !zostaja.isEmpty())
        w.firma = zostaja.constFirst();
    return w;
}

} // namespace remitto
