// The yearly archive of the history: records of one year move from the
// sent-transfers file to the year's archive file. Two files change, so the
// move is recorded in a small journal first; whatever moment a kill stops
// it, the journal says how to finish (see Historia.h).
#include "history/Historia.h"

#include "core/DuzaPamiec.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cstring>

namespace remitto {

namespace {

const QString kZnacznikDziennika = QStringLiteral("Archiwizacja");
constexpr int kWartosciDziennika = 6;

// What a run of the archive is about to do.
struct Dziennik {
    int rok = 0;
    QString archiwum;  ///< full path; written as a name in the journal's folder
    int przed = 0;     ///< whole records of the archive before the run
    int dopisane = 0;  ///< records the run adds to the archive
    int usuniete = 0;  ///< records of the year the run takes out of the sent-transfers file
};

QString tekstDziennika(const Dziennik& d)
{
    // The name percent-encoded: the journal holds ASCII only, whatever
    // letters the company's short name has.
    const QString nazwa = QString::fromLatin1(QUrl::toPercentEncoding(QFileInfo(d.archiwum).fileName()));
    return QuoteWriter()
        .text(kZnacznikDziennika)
        .number(d.rok)
        .text(nazwa)
        .number(d.przed)
        .number(d.dopisane)
        .number(d.usuniete)
        .endLine()
        .result();
}

bool czytajDziennik(const QString& sciezka, Dziennik* d, QString* blad)
{
    const QuoteFile f = readQuoteFile(sciezka);
    const QStringList& v = f.values;
    bool ok = f.ok && v.size() == kWartosciDziennika && v[0] == kZnacznikDziennika;
    int liczby[4] = {};
    const int pola[4] = {1, 3, 4, 5};
    for (int i = 0; ok && i < 4; ++i)
        liczby[i] = v[pola[i]].toInt(&ok);
    const QString nazwa = ok ? QUrl::fromPercentEncoding(v[2].toLatin1()) : QString();
    ok = ok && !nazwa.isEmpty() && !nazwa.contains(QLatin1Char('/')) && liczby[2] >= 0 && liczby[3] >= 0;
    if (!ok) {
        *blad = f.ok ? QStringLiteral("Plik %1 jest uszkodzony: archiwizacja, którą opisuje, nie może zostać "
                                      "dokończona.")
                           .arg(sciezka)
                     : f.error;
        return false;
    }
    d->rok = liczby[0];
    d->archiwum = QFileInfo(sciezka).absolutePath() + QLatin1Char('/') + nazwa;
    d->przed = liczby[1];
    d->dopisane = liczby[2];
    d->usuniete = liczby[3];
    return true;
}

// The sent-transfers file read for a change. The bytes are kept beside the
// records: where the file holds every record exactly as it is written back
// (one record a line, or one value a line, in Windows-1250), the records
// that stay are written as whole runs of those bytes instead of one by one.
struct Odczyt {
    CalyPlik caly;
    PlikHistorii p;
};

// The records of one year and, while the bytes allow it, where each record
// ends in the file.
struct Podzial {
    std::vector<int> roku;      ///< positions of the year's records, in file order
    std::vector<qsizetype> konce;  ///< end of every record in the file's bytes; empty when not usable
};

// One pass over the records; `postep` hears of every 8192nd. The scanner's
// record boundaries say whether the bytes can be copied as they are: no
// record is built to compare.
Podzial podziel(const Odczyt& h, int rok, const std::function<void(int)>& postep = {})
{
    Podzial w;
    const PlikHistorii& p = h.p;
    const int n = p.liczbaRekordow();
    bool ciagle = true;
    qsizetype koniec = 0;
    w.konce.reserve(size_t(n));
    for (int r = 0; r < n; ++r) {
        if (postep && r % 8192 == 0)
            postep(r);
        if (p.kluczDaty(r) / 10000 == rok)
            w.roku.push_back(r);
        if (ciagle) {
            ciagle = p.jakWPliku(r);
            koniec += p.surowyRekord(r).size();
            w.konce.push_back(koniec);
        }
    }
    if (!ciagle)
        w.konce.clear();
    return w;
}

// How many of the year's first records already end the archive, as a run cut
// short after rewriting the archive leaves them: the largest j <= `najwyzej`
// for which the archive's last j records are, byte for byte as written, the
// year's first j.
int juzWArchiwum(const PlikHistorii& archiwum, const PlikHistorii& p, const std::vector<int>& roku, int najwyzej)
{
    const int na = archiwum.liczbaRekordow();
    const int j = std::min({na, int(roku.size()), najwyzej});
    if (j <= 0)
        return 0;
    const QByteArray pierwszy = p.rekordDoZapisu(roku[0]);
    for (int s = na - j; s < na; ++s) {
        if (archiwum.rekordDoZapisu(s) != pierwszy)
            continue;
        bool zgodne = true;
        for (int i = 1; zgodne && s + i < na; ++i)
            zgodne = archiwum.rekordDoZapisu(s + i) == p.rekordDoZapisu(roku[size_t(i)]);
        if (zgodne)
            return na - s;
    }
    return 0;
}

// The bytes of a rewritten file, gathered in memory taken in large pages: a
// year's history is tens of megabytes, and fresh pages are dear.
class NowaTresc {
public:
    explicit NowaTresc(qint64 oczekiwane) { m_bajty.reserve(size_t(std::max<qint64>(oczekiwane, 0))); }
    void dodaj(const char* b, qsizetype n) { m_bajty.insert(m_bajty.end(), b, b + n); }
    void dodaj(QByteArrayView b) { dodaj(b.data(), b.size()); }
    qsizetype rozmiar() const { return qsizetype(m_bajty.size()); }
    /// A view of the bytes (the first `n` of them), valid while this lives
    /// and nothing is added.
    QByteArray bajty(qsizetype n = -1) const
    {
        return QByteArray::fromRawData(m_bajty.data(), n < 0 ? qsizetype(m_bajty.size()) : n);
    }

private:
    DuzyWektor<char> m_bajty;
};

// Records of a file as they are written back, appended to `b`: runs of
// records whose bytes are written unchanged are copied as they are.
void dodajRekordy(const PlikHistorii& p, const std::vector<int>& rekordy, size_t od, NowaTresc* b)
{
    for (size_t i = od; i < rekordy.size();) {
        const int r = rekordy[i];
        if (!p.jakWPliku(r)) {
            b->dodaj(p.rekordDoZapisu(r));
            ++i;
            continue;
        }
        // The longest run of neighbouring records, all as in the file.
        const QByteArrayView pierwszy = p.surowyRekord(r);
        qsizetype dlugosc = pierwszy.size();
        size_t j = i + 1;
        for (; j < rekordy.size() && rekordy[j] == rekordy[j - 1] + 1 && p.jakWPliku(rekordy[j]); ++j)
            dlugosc += p.surowyRekord(rekordy[j]).size();
        b->dodaj(pierwszy.data(), dlugosc);
        i = j;
    }
}

// The sent-transfers file without the records at `bez` (sorted positions of
// `podzial`'s file); the bytes may live in `t`.
QByteArray trescBez(const Odczyt& h, const Podzial& podzial, const std::vector<int>& bez, NowaTresc* t)
{
    const PlikHistorii& p = h.p;
    const int n = p.liczbaRekordow();
    const bool zBajtow = podzial.konce.size() == size_t(n);
    auto poczatek = [&](int r) { return r == 0 ? qsizetype(0) : podzial.konce[size_t(r - 1)]; };
    // Runs of records that stay: [od, do).
    std::vector<std::pair<int, int>> odcinki;
    int od = 0;
    for (int b : bez) {
        if (b > od)
            odcinki.emplace_back(od, b);
        od = b + 1;
    }
    if (n > od)
        odcinki.emplace_back(od, n);
    if (zBajtow && odcinki.size() == 1) {
        // The usual case (the oldest year leads the file): one run, no copy.
        const qsizetype s = poczatek(odcinki[0].first);
        const qsizetype e = podzial.konce[size_t(odcinki[0].second - 1)];
        return QByteArray::fromRawData(h.caly.bajty.constData() + s, e - s);
    }
    for (const auto& [a, z] : odcinki) {
        if (zBajtow) {
            t->dodaj(h.caly.bajty.constData() + poczatek(a), podzial.konce[size_t(z - 1)] - poczatek(a));
            continue;
        }
        for (int r = a; r < z; ++r) {
            const QByteArray b = p.rekordDoZapisu(r);
            t->dodaj(b.constData(), b.size());
        }
    }
    return t->bajty();
}

// Rewrites the sent-transfers file without the records at `bez`.
bool przepiszBez(const Odczyt& h, const Podzial& podzial, const std::vector<int>& bez, QString* blad)
{
    NowaTresc t(h.caly.bajty.size() + 2 * qint64(h.p.liczbaRekordow()));
    return rewriteFile(h.p.sciezka(), trescBez(h, podzial, bez, &t), blad);
}

// Bytes of a file's whole records.
qsizetype bajtyRekordow(const PlikHistorii& a)
{
    const int n = a.liczbaRekordow();
    return n > 0 ? a.surowyRekord(n - 1).data() + a.surowyRekord(n - 1).size() - a.surowyRekord(0).data() : 0;
}

bool usunDziennik(const QString& sciezka, QString* blad)
{
    QFile f(sciezka);
    if (!f.exists() || f.remove())
        return true;
    *blad = QStringLiteral("Nie można usunąć pliku %1: %2").arg(sciezka, f.errorString());
    return false;
}

// Reads the sent-transfers file for the archive; false (with `w` filled)
// when it cannot be read.
bool czytajHistorie(const PlikWyslanych& plik, Odczyt* h, WynikOperacji* w)
{
    if (!QFileInfo::exists(plik.sciezka)) {
        w->wynik = WynikHistorii::BrakPliku;
        w->blad = QStringLiteral("Brak pliku %1").arg(plik.sciezka);
        return false;
    }
    h->caly = czytajCalyPlik(plik.sciezka);
    if (!h->caly.ok) {
        w->wynik = WynikHistorii::BladOdczytu;
        w->blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(plik.sciezka, h->caly.blad);
        return false;
    }
    h->p = PlikHistorii::zBajtow(h->caly.bajty, plik.uklad, plik.sciezka);
    if (h->p.stan() == PlikHistorii::Stan::BladOdczytu) {
        w->wynik = WynikHistorii::BladOdczytu;
        w->blad = h->p.blad();
        return false;
    }
    return true;
}

} // namespace

QString plikDziennikaArchiwizacji(const QString& sciezkaHistorii)
{
    const QFileInfo fi(sciezkaHistorii);
    return fi.path() + QLatin1Char('/') + fi.completeBaseName() + QLatin1String(".jrn");
}

WynikOperacji dokonczArchiwizacje(const PlikWyslanych& plik, bool uciacOgon)
{
    WynikOperacji w;
    const QString sciezkaDziennika = plikDziennikaArchiwizacji(plik.sciezka);
    if (!QFileInfo::exists(sciezkaDziennika))
        return w;
    Dziennik d;
    if (!czytajDziennik(sciezkaDziennika, &d, &w.blad)) {
        w.wynik = WynikHistorii::BladOdczytu;
        return w;
    }
    w.rok = d.rok;
    const PlikHistorii a = PlikHistorii::wczytaj(d.archiwum, plik.uklad);
    if (a.stan() == PlikHistorii::Stan::BladOdczytu) {
        w.wynik = WynikHistorii::BladOdczytu;
        w.blad = a.blad();
        return w;
    }
    // The archive was not rewritten: nothing had changed.
    const bool archiwumStare = a.liczbaRekordow() == d.przed && d.dopisane > 0;
    if (!archiwumStare && d.usuniete > 0) {
        Odczyt h;
        if (!czytajHistorie(plik, &h, &w)) {
            if (w.wynik != WynikHistorii::BrakPliku)
                return w;
            w = {};  // deleted since: nothing left to take out
            w.rok = d.rok;
        } else {
            const PlikHistorii& p = h.p;
            if (p.maOgon() && !uciacOgon) {
                w.wynik = WynikHistorii::Uszkodzony;
                w.blad = p.blad();
                return w;
            }
            const Podzial podzial = podziel(h, d.rok);
            std::vector<int> roku = podzial.roku;
            // The records the run was moving lead the year's records of the
            // sent-transfers file until it is rewritten; records added
            // since follow them and stay.
            const int juz = juzWArchiwum(a, p, roku, d.usuniete);
            if (juz > 0 || p.maOgon()) {
                roku.resize(size_t(juz));
                if (!przepiszBez(h, podzial, roku, &w.blad)) {
                    w.wynik = WynikHistorii::BladZapisu;
                    return w;
                }
            }
            w.przeniesione = juz;
        }
    }
    if (!usunDziennik(sciezkaDziennika, &w.blad))
        w.wynik = WynikHistorii::BladZapisu;
    return w;
}

WynikOperacji archiwizujRok(const PlikWyslanych& plik, const QString& sciezkaArchiwum, int rok, bool uciacOgon,
                            const Postep& postep)
{
    // A run cut short is finished first, so that this one starts from the
    // files as that run would have left them.
    WynikOperacji w = dokonczArchiwizacje(plik, uciacOgon);
    if (w.wynik != WynikHistorii::Zrobione)
        return w;
    w = {};
    Odczyt h;
    if (!czytajHistorie(plik, &h, &w))
        return w;
    const PlikHistorii& p = h.p;
    const PlikHistorii a = PlikHistorii::wczytaj(sciezkaArchiwum, plik.uklad);
    if (a.stan() == PlikHistorii::Stan::BladOdczytu) {
        w.wynik = WynikHistorii::BladArchiwum;
        w.blad = a.blad();
        return w;
    }
    if ((p.maOgon() || a.maOgon()) && !uciacOgon) {
        w.wynik = WynikHistorii::Uszkodzony;
        w.blad = p.maOgon() ? p.blad() : a.blad();
        if (p.maOgon() && a.maOgon())
            w.blad += QLatin1Char('\n') + a.blad();
        return w;
    }

    // Progress: the pass over the records is two thirds of the way, the
    // archive's rewrite the next sixth, the sent-transfers file's the last.
    const int n = p.liczbaRekordow();
    const qint64 razem = qint64(n) + 1;
    auto krok = [&](qint64 zrobione) {
        if (postep)
            postep(zrobione, razem);
    };
    const Podzial podzial = podziel(h, rok, [&](int r) { krok(qint64(r) * 2 / 3); });
    const std::vector<int>& roku = podzial.roku;
    const int m = int(roku.size());
    const int juz = juzWArchiwum(a, p, roku, m);
    w.przeniesione = m - juz;
    const bool nowyPlikArchiwum = a.stan() == PlikHistorii::Stan::Brak;
    const bool zmianaArchiwum = w.przeniesione > 0 || a.maOgon() || nowyPlikArchiwum;

    const QString sciezkaDziennika = plikDziennikaArchiwizacji(plik.sciezka);
    if (m > 0) {
        const Dziennik d{rok, sciezkaArchiwum, a.liczbaRekordow(), w.przeniesione, m};
        if (!rewriteTextFile(sciezkaDziennika, tekstDziennika(d), &w.blad)) {
            w.wynik = WynikHistorii::BladArchiwum;
            return w;
        }
    }
    krok(qint64(n) * 2 / 3);

    // The new bytes of both files, then one rewrite of the two: both work
    // files are written and synced together (one wait for the disk), then
    // renamed in the journal's order, the archive first.
    const bool zmianaHistorii = m > 0 || p.maOgon();
    qsizetype bajtyRoku = 0;
    for (int i = juz; i < m; ++i)
        bajtyRoku += p.surowyRekord(roku[size_t(i)]).size() + 2;
    // The archive's whole records as they are written back, then the new
    // ones; the old part is what a failure puts back.
    NowaTresc archiwum(zmianaArchiwum ? bajtyRekordow(a) + 2 * qint64(a.liczbaRekordow()) + bajtyRoku : 0);
    QList<QPair<QString, QByteArray>> pliki;
    qsizetype stare = 0;
    if (zmianaArchiwum) {
        std::vector<int> wszystkie(size_t(a.liczbaRekordow()));
        for (int r = 0; r < a.liczbaRekordow(); ++r)
            wszystkie[size_t(r)] = r;
        dodajRekordy(a, wszystkie, 0, &archiwum);
        stare = archiwum.rozmiar();
        dodajRekordy(p, roku, size_t(juz), &archiwum);
        pliki.append({sciezkaArchiwum, archiwum.bajty()});
    }
    const QByteArray stareArchiwum = archiwum.bajty(stare);
    NowaTresc tresc(zmianaHistorii ? h.caly.bajty.size() + 2 * qint64(n) : 0);
    if (zmianaHistorii)
        pliki.append({p.sciezka(), trescBez(h, podzial, roku, &tresc)});
    krok(qint64(n) * 5 / 6);

    QString blad;
    int przemianowane = 0;
    int ktory = 0;
    if (!pliki.isEmpty() && !rewriteFiles(pliki, &blad, &przemianowane, &ktory)) {
        w.przeniesione = 0;
        w.blad = blad;
        QString pomin;
        if (przemianowane == 0) {
            // No file changed.
            w.wynik = zmianaArchiwum && ktory == 0 ? WynikHistorii::BladArchiwum : WynikHistorii::BladZapisu;
            usunDziennik(sciezkaDziennika, &pomin);
            if (w.wynik == WynikHistorii::BladZapisu)
                w.blad += QStringLiteral("\nArchiwizacja nie została wykonana, pliki są bez zmian.");
            return w;
        }
        // The archive has its new records, the sent-transfers file could not
        // take its new name: the archive is put back as it was; if even that
        // fails, the journal finishes the run at the next opening of the
        // history.
        w.wynik = WynikHistorii::BladZapisu;
        QString bladCofniecia;
        const bool cofniete = nowyPlikArchiwum ? QFile::remove(sciezkaArchiwum)
                                               : rewriteFile(sciezkaArchiwum, stareArchiwum, &bladCofniecia);
        if (cofniete && usunDziennik(sciezkaDziennika, &bladCofniecia)) {
            w.blad += QStringLiteral("\nArchiwizacja nie została wykonana, pliki są bez zmian.");
        } else {
            w.blad += QStringLiteral("\nPrzelewy roku %1 są już w pliku %2; zostaną usunięte z pliku %3 przy "
                                     "następnym otwarciu historii.")
                          .arg(rok)
                          .arg(sciezkaArchiwum, plik.sciezka);
        }
        return w;
    }
    krok(qint64(n));
    // A journal that cannot be removed does no harm: finishing it finds the
    // records gone from the sent-transfers file.
    QString pomin;
    usunDziennik(sciezkaDziennika, &pomin);
    krok(razem);
    return w;
}

} // namespace remitto
