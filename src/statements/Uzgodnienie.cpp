#include "statements/Uzgodnienie.h"

#include "core/Amount.h"
#include "core/Append.h"
#include "core/AppendJournal.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "history/Historia.h"
#include "history/PlikHistorii.h"

#include <QCryptographicHash>
#include <QDate>
#include <QDir>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <optional>

namespace remitto {

namespace {

constexpr int kStatus = 23;    // `Status` of a transfer record
constexpr int kSplacono = 8;   // `Spłacono`: what the export sent

qint64 dzien(int klucz)
{
    return QDate(klucz / 10000, klucz / 100 % 100, klucz % 100).toJulianDay();
}

/// Words of a title for comparing: letters and digits in upper case.
QSet<QString> slowa(const QString& t)
{
    QSet<QString> w;
    QString s;
    for (QChar c : t.toUpper() + QLatin1Char(' ')) {
        if (c.isLetterOrNumber()) {
            s += c;
        } else {
            if (s.size() >= 2)
                w.insert(s);
            s.clear();
        }
    }
    return w;
}

int zgodnoscTytulow(const QSet<QString>& a, const QSet<QString>& b)
{
    int n = 0;
    for (const QString& s : a)
        if (b.contains(s))
            ++n;
    return n;
}

/// A sent transfer that a debit line may match.
struct Kandydat {
    int rekord;
    int klucz;
    qint64 dzien;
    qint64 kwota;
    QString konto;
    QString odcisk;
    bool uzyty = false;
    mutable std::optional<QSet<QString>> slowaTytulu;  ///< made when a title has to decide
};

/// Digits of an account as written, the last 26 of them.
QString cyfryKontaZBajtow(QByteArrayView b)
{
    QString w;
    w.reserve(26);
    for (char c : b)
        if (c >= '0' && c <= '9')
            w += QLatin1Char(c);
    if (w.size() > 26)
        w = w.right(26);
    return w;
}

} // namespace

QString dataZKlucza(int klucz)
{
    if (klucz == 0)
        return {};
    const char16_t t[10] = {char16_t(u'0' + klucz / 10000000 % 10), char16_t(u'0' + klucz / 1000000 % 10),
                            char16_t(u'0' + klucz / 100000 % 10),   char16_t(u'0' + klucz / 10000 % 10), u'-',
                            char16_t(u'0' + klucz / 1000 % 10),     char16_t(u'0' + klucz / 100 % 10),    u'-',
                            char16_t(u'0' + klucz / 10 % 10),       char16_t(u'0' + klucz % 10)};
    return QString(reinterpret_cast<const QChar*>(t), 10);
}

QString slowoUzgodnienia(RodzajUzgodnienia r)
{
    switch (r) {
    case RodzajUzgodnienia::Zaksiegowany: return QStringLiteral("zaksiegowany");
    case RodzajUzgodnienia::InnaKwota: return QStringLiteral("inna kwota");
    case RodzajUzgodnienia::BrakWHistorii: return QStringLiteral("brak w historii");
    case RodzajUzgodnienia::Niezaksiegowany: return QStringLiteral("niezaksiegowany");
    }
    return {};
}

std::optional<RodzajUzgodnienia> rodzajZeSlowa(const QString& slowo)
{
    for (auto r : {RodzajUzgodnienia::Zaksiegowany, RodzajUzgodnienia::InnaKwota, RodzajUzgodnienia::BrakWHistorii,
                   RodzajUzgodnienia::Niezaksiegowany})
        if (slowoUzgodnienia(r) == slowo)
            return r;
    return std::nullopt;
}

QString odciskRekordu(const PlikHistorii& plik, int rekord)
{
    // FNV-1a (64 bits) of the values as Windows-1250 bytes, each followed by
    // 0x1f: a file another tool saved as UTF-8 (and the next append writes
    // back in Windows-1250) keeps its marks, and so does a record whose
    // values moved onto lines of their own.
    quint64 h = 14695981039346656037ULL;
    auto dodaj = [&h](QByteArrayView b) {
        for (char c : b) {
            h ^= quint8(c);
            h *= 1099511628211ULL;
        }
        h ^= 0x1f;
        h *= 1099511628211ULL;
    };
    const int ile = plik.uklad().rozmiar;
    const QVarLengthArray<QByteArrayView, 32> wartosci = plik.surowe(rekord);
    for (int i = 0; i < ile; ++i) {
        const QByteArrayView b = i < wartosci.size() ? wartosci[i] : QByteArrayView();
        if (plik.utf8())
            dodaj(toCp1250(fromUtf8Bytes(b)));
        else
            dodaj(b);
    }
    char16_t t[16];
    for (int i = 15; i >= 0; --i, h >>= 4)
        t[i] = char16_t(u"0123456789abcdef"[h & 15]);
    return QString(reinterpret_cast<const QChar*>(t), 16);
}

QString plikUzgodnien(const QString& folderDanych)
{
    return QDir(folderDanych).filePath(QStringLiteral("Wyciagi/uzgodnienia.dat"));
}

namespace {

void dopiszRekord(QuoteWriter& q, const WynikUzgodnienia& w)
{
    q.text(w.kluczWyciagu).number(qint64(w.nrOperacji)).text(slowoUzgodnienia(w.rodzaj));
    q.text(dataZKlucza(w.kluczDaty));  // booking date of the line, or the date of the transfer not booked
    q.text(w.maOperacje ? formatAmount(w.kwotaWyciagu) : QString());
    q.text(w.konto).text(w.nazwa).text(w.tytul);
    if (w.rekord >= 0)
        q.number(qint64(w.rekord) + 1);
    else
        q.empty();
    q.text(w.odcisk).text(w.maRekord ? formatAmount(w.kwotaRekordu) : QString()).text(w.dataUzgodnienia);
    q.endLine();
}

} // namespace

QString rekordUzgodnienia(const WynikUzgodnienia& w)
{
    QuoteWriter q;
    dopiszRekord(q, w);
    return q.result();
}

OdczytUzgodnien czytajUzgodnienia(const QString& sciezka)
{
    OdczytUzgodnien wynik;
    // An append a kill cut short is completed or taken back first.
    finishInterruptedAppend(sciezka);
    const QuoteFile f = readQuoteFile(sciezka);
    if (f.missing) {
        wynik.ok = true;
        return wynik;
    }
    QList<QStringList> rekordy;
    if (!f.ok || !splitRecords(f, kPolUzgodnienia, &rekordy)) {
        wynik.blad = f.ok ? damagedFileMessage(sciezka, kPolUzgodnienia) : f.error;
        return wynik;
    }
    for (const QStringList& r : rekordy) {
        WynikUzgodnienia w;
        const auto rodzaj = rodzajZeSlowa(r[2]);
        if (!rodzaj) {
            wynik.blad = damagedFileMessage(sciezka, kPolUzgodnienia);
            return wynik;
        }
        w.rodzaj = *rodzaj;
        w.kluczWyciagu = r[0];
        w.nrOperacji = r[1].toInt();
        w.kluczDaty = kluczDowolnejDaty(r[3]);
        w.maOperacje = !r[4].isEmpty();
        w.kwotaWyciagu = parseAmount(r[4]).value_or(0);
        w.konto = r[5];
        w.nazwa = r[6];
        w.tytul = r[7];
        w.rekord = r[8].isEmpty() ? -1 : r[8].toInt() - 1;
        w.odcisk = r[9];
        w.maRekord = !r[10].isEmpty();
        w.kwotaRekordu = parseAmount(r[10]).value_or(0);
        w.dataUzgodnienia = r[11];
        w.wczesniej = true;
        wynik.wyniki.push_back(std::move(w));
    }
    wynik.ok = true;
    return wynik;
}

std::vector<WynikUzgodnienia> uzgodnij(const std::vector<Wyciag>& wyciagi, const PlikHistorii& historia,
                                       const std::vector<WynikUzgodnienia>& zapisane, const QString& dzisiaj)
{
    std::vector<WynikUzgodnienia> wyniki;
    if (wyciagi.empty())
        return wyniki;
    wyniki.reserve(zapisane.size() + 64);

    // Statements imported before come back from the results file as they were.
    QSet<QString> zapisaneWyciagi;
    QHash<QString, int> uzyteOdciski;  // records matched by earlier imports
    for (const WynikUzgodnienia& z : zapisane) {
        zapisaneWyciagi.insert(z.kluczWyciagu);
        if (!z.odcisk.isEmpty()
            && (z.rodzaj == RodzajUzgodnienia::Zaksiegowany || z.rodzaj == RodzajUzgodnienia::InnaKwota))
            ++uzyteOdciski[z.odcisk];
    }
    // Each statement's key, made once: results carry it.
    std::vector<QString> klucze;
    klucze.reserve(wyciagi.size());
    for (const Wyciag& w : wyciagi)
        klucze.push_back(w.klucz());
    std::vector<const Wyciag*> nowe;
    QSet<QString> widziane;
    int najwczesniej = 0, najpozniej = 0;
    for (size_t iw = 0; iw < wyciagi.size(); ++iw) {
        const Wyciag& w = wyciagi[iw];
        if (widziane.contains(klucze[iw]))
            continue;  // the same statement twice in one import
        widziane.insert(klucze[iw]);
        if (zapisaneWyciagi.contains(klucze[iw]))
            continue;
        nowe.push_back(&w);
        auto rozszerz = [&](int k) {
            if (k == 0)
                return;
            najwczesniej = najwczesniej == 0 ? k : std::min(najwczesniej, k);
            najpozniej = std::max(najpozniej, k);
        };
        rozszerz(w.kluczOtwarcia);
        rozszerz(w.kluczZamkniecia);
        for (const OperacjaWyciagu& op : w.operacje)
            rozszerz(op.kluczKsiegowania);
    }

    // The sent transfers that can matter: dated from the days allowed before
    // the earliest date of the new statements up to the latest.
    const bool przelewy = historia.uklad() == kUkladPrzelewu;
    std::vector<Kandydat> kandydaci;
    QHash<QString, std::vector<int>> poKoncie;
    QHash<QString, int> doOdnalezienia;  // fingerprints of the records stored results name
    for (const WynikUzgodnienia& z : zapisane)
        if (!z.odcisk.isEmpty() && zapisaneWyciagi.contains(z.kluczWyciagu))
            doOdnalezienia.insert(z.odcisk, -1);
    QHash<QString, int> odnalezione;  // fingerprint -> current position
    if (!nowe.empty() || !doOdnalezienia.isEmpty()) {
        const int od = najwczesniej ? QDate::fromJulianDay(dzien(najwczesniej) - kDniKsiegowania).toString(
                                          QStringLiteral("yyyyMMdd")).toInt()
                                    : 0;
        for (int r = 0; r < historia.liczbaRekordow(); ++r) {
            const int k = historia.kluczDaty(r);
            const bool wOknie = !nowe.empty() && k != 0 && k >= od && k <= najpozniej;
            if (!wOknie && doOdnalezienia.isEmpty())
                continue;
            if (!wOknie) {
                // Only the records stored results name are looked for.
                const QString o = odciskRekordu(historia, r);
                if (doOdnalezienia.contains(o) && !odnalezione.contains(o))
                    odnalezione.insert(o, r);
                continue;
            }
            if (przelewy && historia.surowa(r, kStatus).trimmed() != QByteArrayView("Zamknieta"))
                continue;
            Kandydat c;
            c.rekord = r;
            c.klucz = k;
            c.dzien = dzien(k);
            std::optional<qint64> zaplacono;
            if (przelewy)
                zaplacono = historia.kwotaWartosci(r, kSplacono);  // blanks around are no part of it
            c.kwota = zaplacono ? *zaplacono : historia.kwota(r);
            c.konto = cyfryKontaZBajtow(historia.surowa(r, historia.uklad().konto));
            c.odcisk = odciskRekordu(historia, r);
            if (doOdnalezienia.contains(c.odcisk) && !odnalezione.contains(c.odcisk))
                odnalezione.insert(c.odcisk, r);
            auto u = uzyteOdciski.find(c.odcisk);
            if (u != uzyteOdciski.end() && *u > 0) {
                --*u;
                c.uzyty = true;
            }
            poKoncie[c.konto].push_back(int(kandydaci.size()));
            kandydaci.push_back(std::move(c));
        }
    }

    auto wynikRekordu = [&](WynikUzgodnienia& w, const Kandydat& c) {
        w.rekord = c.rekord;
        w.odcisk = c.odcisk;
        w.maRekord = true;
        w.kwotaRekordu = c.kwota;
        if (w.nazwa.isEmpty())
            w.nazwa = historia.wartosc(c.rekord, historia.uklad().skrot);
        if (w.tytul.isEmpty())
            w.tytul = historia.wartosc(c.rekord, historia.uklad().tytul);
        if (w.konto.isEmpty())
            w.konto = c.konto;
    };

    // The best free record for a debit line: same account, booked on the
    // record's date or up to the days allowed after it, the title deciding,
    // then the nearest date, then the file order.
    std::vector<int> pasujace;
    auto najlepszy = [&](const OperacjaWyciagu& op, const QString& konto, bool taSamaKwota) -> int {
        if (konto.isEmpty())
            return -1;
        const auto it = poKoncie.constFind(konto);
        if (it == poKoncie.constEnd())
            return -1;
        const qint64 ksiegowanie = dzien(op.kluczKsiegowania);
        pasujace.clear();
        for (int i : *it) {
            const Kandydat& c = kandydaci[size_t(i)];
            if (c.uzyty || ksiegowanie < c.dzien || ksiegowanie > c.dzien + kDniKsiegowania)
                continue;
            if ((c.kwota == op.kwota) != taSamaKwota)
                continue;
            pasujace.push_back(i);
        }
        if (pasujace.size() <= 1)
            return pasujace.empty() ? -1 : pasujace.front();
        int best = -1, bestWynik = -1;
        qint64 bestOdstep = 0;
        const QSet<QString> tytul = slowa(op.tytul);
        for (int i : pasujace) {
            const Kandydat& c = kandydaci[size_t(i)];
            if (!c.slowaTytulu)
                c.slowaTytulu = slowa(historia.wartosc(c.rekord, historia.uklad().tytul));
            const int z = zgodnoscTytulow(*c.slowaTytulu, tytul);
            const qint64 odstep = ksiegowanie - c.dzien;
            if (best < 0 || z > bestWynik || (z == bestWynik && odstep < bestOdstep)) {
                best = i;
                bestWynik = z;
                bestOdstep = odstep;
            }
        }
        return best;
    };

    // Matches with the same amount first, over every new statement, the
    // earliest booking first; then the other amounts.
    struct Linia {
        const Wyciag* w;
        const OperacjaWyciagu* op;
        int nr;
        QString konto;  ///< the counterparty's account digits
        int kandydat = -1;
        bool innaKwota = false;
    };
    std::vector<Linia> linie;
    for (const Wyciag* w : nowe)
        for (size_t i = 0; i < w->operacje.size(); ++i)
            if (w->operacje[i].obciazenie)
                linie.push_back({w, &w->operacje[i], int(i) + 1, w->operacje[i].kontoCyfry()});
    std::vector<size_t> kolejnosc(linie.size());
    for (size_t i = 0; i < kolejnosc.size(); ++i)
        kolejnosc[i] = i;
    std::stable_sort(kolejnosc.begin(), kolejnosc.end(), [&](size_t a, size_t b) {
        return linie[a].op->kluczKsiegowania < linie[b].op->kluczKsiegowania;
    });
    for (bool taSama : {true, false}) {
        for (size_t i : kolejnosc) {
            Linia& l = linie[i];
            if (l.kandydat >= 0)
                continue;
            const int k = najlepszy(*l.op, l.konto, taSama);
            if (k >= 0) {
                l.kandydat = k;
                l.innaKwota = !taSama;
                kandydaci[size_t(k)].uzyty = true;
            }
        }
    }

    std::vector<bool> wymieniony(kandydaci.size(), false);  // a record not booked is listed once
    wyniki.reserve(zapisane.size() + linie.size() + kandydaci.size());
    for (size_t iw = 0; iw < wyciagi.size(); ++iw) {
        const Wyciag& w = wyciagi[iw];
        const QString& klucz = klucze[iw];
        if (!widziane.contains(klucz))
            continue;
        widziane.remove(klucz);
        if (zapisaneWyciagi.contains(klucz)) {
            for (const WynikUzgodnienia& z : zapisane) {
                if (z.kluczWyciagu != klucz)
                    continue;
                WynikUzgodnienia r = z;
                r.plik = w.plik;
                if (r.nrOperacji > 0 && r.nrOperacji <= int(w.operacje.size()))
                    r.linia = w.operacje[size_t(r.nrOperacji) - 1].linia;
                r.rekord = r.odcisk.isEmpty() ? -1 : odnalezione.value(r.odcisk, -1);
                wyniki.push_back(std::move(r));
            }
            continue;
        }
        for (const Linia& l : linie) {
            if (l.w != &w)
                continue;
            WynikUzgodnienia r;
            r.kluczWyciagu = klucz;
            r.plik = w.plik;
            r.linia = l.op->linia;
            r.nrOperacji = l.nr;
            r.kluczDaty = l.op->kluczKsiegowania;
            r.kwotaWyciagu = l.op->kwota;
            r.maOperacje = true;
            r.konto = l.konto;
            r.nazwa = l.op->nazwa;
            r.tytul = l.op->tytul;
            r.dataUzgodnienia = dzisiaj;
            if (l.kandydat < 0) {
                r.rodzaj = RodzajUzgodnienia::BrakWHistorii;
            } else {
                r.rodzaj = l.innaKwota ? RodzajUzgodnienia::InnaKwota : RodzajUzgodnienia::Zaksiegowany;
                wynikRekordu(r, kandydaci[size_t(l.kandydat)]);
            }
            wyniki.push_back(std::move(r));
        }
        // Transfers sent in the statement's period, its last days aside, that
        // no debit line took.
        if (w.kluczOtwarcia == 0 || w.kluczZamkniecia == 0)
            continue;
        const qint64 od = dzien(w.kluczOtwarcia);
        const qint64 doDnia = dzien(w.kluczZamkniecia) - kDniOczekiwania;
        for (size_t i = 0; i < kandydaci.size(); ++i) {
            const Kandydat& c = kandydaci[i];
            if (c.uzyty || c.dzien < od || c.dzien > doDnia || wymieniony[i])
                continue;
            wymieniony[i] = true;
            WynikUzgodnienia r;
            r.rodzaj = RodzajUzgodnienia::Niezaksiegowany;
            r.kluczWyciagu = klucz;
            r.plik = w.plik;
            r.kluczDaty = c.klucz;
            r.dataUzgodnienia = dzisiaj;
            wynikRekordu(r, c);
            r.konto = c.konto;
            wyniki.push_back(std::move(r));
        }
    }
    return wyniki;
}

std::vector<qint8> stanyRekordow(const PlikHistorii& plik, const std::vector<WynikUzgodnienia>& zapisane)
{
    std::vector<qint8> stany(size_t(std::max(plik.liczbaRekordow(), 0)), qint8(-1));
    auto waga = [](qint8 r) {
        switch (RodzajUzgodnienia(r)) {
        case RodzajUzgodnienia::Zaksiegowany: return 3;
        case RodzajUzgodnienia::InnaKwota: return 2;
        case RodzajUzgodnienia::Niezaksiegowany: return 1;
        case RodzajUzgodnienia::BrakWHistorii: break;
        }
        return 0;
    };
    auto ustaw = [&](int r, RodzajUzgodnienia rodzaj) {
        qint8& s = stany[size_t(r)];
        if (s < 0 || waga(qint8(rodzaj)) > waga(s))
            s = qint8(rodzaj);
    };
    // Results whose record is no longer at the position they name: looked
    // for by fingerprint among the records of their dates.
    QHash<QString, RodzajUzgodnienia> szukane;
    int od = 0, doKlucza = 0;
    for (const WynikUzgodnienia& z : zapisane) {
        if (z.odcisk.isEmpty())
            continue;
        if (z.rekord >= 0 && z.rekord < plik.liczbaRekordow() && odciskRekordu(plik, z.rekord) == z.odcisk) {
            ustaw(z.rekord, z.rodzaj);
            continue;
        }
        auto it = szukane.find(z.odcisk);
        if (it == szukane.end() || waga(qint8(z.rodzaj)) > waga(qint8(*it)))
            szukane.insert(z.odcisk, z.rodzaj);
        if (z.kluczDaty) {
            od = od ? std::min(od, z.kluczDaty) : z.kluczDaty;
            doKlucza = std::max(doKlucza, z.kluczDaty);
        }
    }
    if (szukane.isEmpty())
        return stany;
    const int odKlucza = od ? QDate::fromJulianDay(dzien(od) - kDniKsiegowania).toString(QStringLiteral("yyyyMMdd")).toInt() : 0;
    for (int r = 0; r < plik.liczbaRekordow(); ++r) {
        const int k = plik.kluczDaty(r);
        if (od && (k < odKlucza || k > doKlucza))
            continue;
        const auto it = szukane.constFind(odciskRekordu(plik, r));
        if (it != szukane.constEnd())
            ustaw(r, *it);
    }
    return stany;
}

Uzgodnienie uzgodnijWyciagi(const QStringList& pliki, const PlikWyslanych& historia, const QString& folderDanych,
                            const QString& dzisiaj, const PostepUzgodnienia& postep)
{
    Uzgodnienie u;
    for (int i = 0; i < pliki.size(); ++i) {
        OdczytMt940 o = czytajMt940(pliki[i]);
        if (!o.ok) {
            u.blad = o.blad;
            u.wyciagi.clear();
            return u;
        }
        for (Wyciag& w : o.wyciagi)
            u.wyciagi.push_back(std::move(w));
        if (postep)
            postep(i + 1, pliki.size() + 2);
    }
    const PlikHistorii h = PlikHistorii::wczytaj(historia.sciezka, historia.uklad);
    if (h.stan() == PlikHistorii::Stan::BladOdczytu || h.stan() == PlikHistorii::Stan::Uszkodzony) {
        u.blad = h.blad();
        return u;
    }
    const QString sciezkaWynikow = plikUzgodnien(folderDanych);
    const OdczytUzgodnien zapisane = czytajUzgodnienia(sciezkaWynikow);
    if (!zapisane.ok) {
        u.blad = zapisane.blad;
        return u;
    }
    if (postep)
        postep(pliki.size() + 1, pliki.size() + 2);
    u.wyniki = uzgodnij(u.wyciagi, h, zapisane.wyniki, dzisiaj);

    QuoteWriter zapis;
    for (const WynikUzgodnienia& w : u.wyniki)
        if (!w.wczesniej) {
            dopiszRekord(zapis, w);
            ++u.nowe;
        }
    const QString& nowe = zapis.result();
    if (!nowe.isEmpty()) {
        QDir().mkpath(QFileInfo(sciezkaWynikow).absolutePath());
        QString blad;
        const AppendResult a = appendRecords(sciezkaWynikow, kPolUzgodnienia, nowe, &blad);
        if (a != AppendResult::Appended) {
            u.blad = blad;
            return u;
        }
    }
    if (postep)
        postep(pliki.size() + 2, pliki.size() + 2);
    u.ok = true;
    return u;
}

} // namespace remitto
