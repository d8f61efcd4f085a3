// Reading the flat file once (streamed, from the .json or straight out of the
// .7z) and the cache of sorted hash prefixes that later openings map.
#include "contractors/BialaLista.h"
#include "contractors/BialaListaDane.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "core/LazyArchive.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace remitto::kontrahenci {

namespace {

// Read in pieces that stay in the processor's cache while they are scanned.
constexpr size_t kKawalek = 256 * 1024;

constexpr char kMagia[8] = {'R', 'M', 'B', 'L', 'V', 'A', 'T', '1'};

// Deeper than a flat file ever goes (three levels).
constexpr size_t kNajglebiej = 32;

bool bialy(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// What a bare scalar (a number, true, false, null) is made of.
bool wGolej(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '+' || c == '-'
        || c == '.';
}

} // namespace

SkanerPlaski::SkanerPlaski(const QString& plik, DuzyWektor<quint64>& czynni, DuzyWektor<quint64>& zwolnieni)
    : m_plik(plik), m_czynni(czynni), m_zwolnieni(zwolnieni)
{
}

void SkanerPlaski::zarezerwuj(qint64 bajty)
{
    // An archive may claim any size: no more than the largest file expected.
    constexpr qint64 kNajwiecej = qint64(8) << 30;
    if (bajty > 0)
        m_czynni.reserve(size_t(std::min(bajty, kNajwiecej) / 130));
}

bool SkanerPlaski::podaj(const char* dane, size_t n)
{
    if (!m_blad.isEmpty())
        return false;
    size_t i = 0;
    if (m_stan == Stan::WTekscie)
        i = dalejTekst(dane, n, 0);
    else if (m_stan == Stan::WGolej)
        i = dalejGola(dane, n, 0);
    przetworz(dane, n, i);
    return m_blad.isEmpty();
}

bool SkanerPlaski::koniec()
{
    if (m_blad.isEmpty() && m_stan == Stan::WGolej) {
        m_stan = Stan::Miedzy;
        wartosc(m_wartosc.data(), m_wartosc.size());
    }
    if (m_blad.isEmpty() && (m_stan != Stan::Miedzy || !m_stos.empty() || !m_byloCos))
        m_blad = QStringLiteral("Plik %1 jest niekompletny.").arg(m_plik);
    if (m_blad.isEmpty() && (!m_czynniByli || !m_zwolnieniByli))
        m_blad = QStringLiteral("W pliku %1 nie ma listy podatników %2 (%3): to nie jest cały plik płaski.")
                     .arg(m_plik, m_czynniByli ? QStringLiteral("zwolnionych") : QStringLiteral("czynnych"),
                          m_czynniByli ? QStringLiteral("skrotyPodatnikowZwolnionych")
                                       : QStringLiteral("skrotyPodatnikowCzynnych"));
    return m_blad.isEmpty();
}

void SkanerPlaski::niePlaski()
{
    m_blad = QStringLiteral("Plik %1 nie jest plikiem płaskim.").arg(m_plik);
}

SkanerPlaski::Lista SkanerPlaski::ktora() const
{
    if (m_stos.size() != 1)
        return Lista::Inna;
    if (m_klucz == "skrotyPodatnikowCzynnych") return Lista::Czynni;
    if (m_klucz == "skrotyPodatnikowZwolnionych") return Lista::Zwolnieni;
    if (m_klucz == "maski") return Lista::Maski;
    if (m_klucz == "naglowek") return Lista::Naglowek;
    return Lista::Inna;
}

void SkanerPlaski::wartosc(const char* p, size_t n)
{
    n = std::min(n, kNajdluzszaWartosc);  // the same whether the value came whole or in pieces
    if (m_stos.empty()) {
        niePlaski();
        return;
    }
    Ramka& r = m_stos.back();
    if (r.obiekt && r.czekaKlucz) {
        m_klucz.assign(p, n);
        r.czekaKlucz = false;
        return;
    }
    if (!r.obiekt) {
        if (r.lista == Lista::Czynni || r.lista == Lista::Zwolnieni) {
            quint64 prefiks = 0;
            if (!prefiksSkrotu(QByteArrayView(p, qsizetype(n)), &prefiks)) {
                m_blad = QStringLiteral("Niepoprawny skrót w pliku %1: %2")
                             .arg(m_plik, QString::fromLatin1(p, qsizetype(std::min<size_t>(n, 140))));
                return;
            }
            (r.lista == Lista::Czynni ? m_czynni : m_zwolnieni).push_back(prefiks);
        } else if (r.lista == Lista::Maski) {
            const QByteArray maska(p, qsizetype(n));
            if (!poprawnaMaska(maska)) {
                m_blad = QStringLiteral("Niepoprawna maska w pliku %1: %2").arg(m_plik, QString::fromLatin1(maska.left(40)));
                return;
            }
            maski.append(maska);
        }
        return;
    }
    if (r.lista == Lista::Naglowek) {
        if (m_klucz == "dataGenerowaniaDanych")
            data = QByteArray(p, qsizetype(n));
        else if (m_klucz == "liczbaTransformacji")
            transformacje = QByteArray(p, qsizetype(n));
    }
}

void SkanerPlaski::otworz(bool obiekt)
{
    // One object holds it all; nothing may follow it.
    if ((m_stos.empty() && (m_byloCos || !obiekt)) || m_stos.size() >= kNajglebiej) {
        niePlaski();
        return;
    }
    Lista lista = Lista::Inna;
    if (!m_stos.empty() && m_stos.back().obiekt)
        lista = ktora();
    if (!obiekt && lista == Lista::Czynni)
        m_czynniByli = true;
    if (!obiekt && lista == Lista::Zwolnieni)
        m_zwolnieniByli = true;
    m_stos.push_back({obiekt, lista, true});
    m_klucz.clear();
    m_byloCos = true;
}

void SkanerPlaski::doloz(const char* p, size_t n)
{
    if (m_wartosc.size() < kNajdluzszaWartosc)
        m_wartosc.append(p, std::min(n, kNajdluzszaWartosc - m_wartosc.size()));
}

// Goes on with a text value from `i`: up to its closing quote (the value is
// then taken and the position after the quote returned) or to the end of the
// piece. A backslash takes the next byte as it is.
size_t SkanerPlaski::dalejTekst(const char* d, size_t n, size_t i)
{
    while (i < n) {
        if (m_ucieczka) {
            doloz(d + i, 1);
            m_ucieczka = false;
            ++i;
            continue;
        }
        size_t j = i;
        while (j < n && d[j] != '"' && d[j] != '\\')
            ++j;
        doloz(d + i, j - i);
        if (j == n)
            return n;
        if (d[j] == '\\') {
            m_ucieczka = true;
            i = j + 1;
            continue;
        }
        m_stan = Stan::Miedzy;
        wartosc(m_wartosc.data(), m_wartosc.size());
        return j + 1;
    }
    return n;
}

// Goes on with a bare scalar from `i`: to its first other byte (the value is
// then taken and that byte's position returned) or to the end of the piece.
size_t SkanerPlaski::dalejGola(const char* d, size_t n, size_t i)
{
    size_t j = i;
    while (j < n && wGolej(d[j]))
        ++j;
    doloz(d + i, j - i);
    if (j == n)
        return n;
    m_stan = Stan::Miedzy;
    wartosc(m_wartosc.data(), m_wartosc.size());
    return j;
}

// Scans a piece from `i` to its end; a value the end cuts is carried on by
// the state (m_stan, m_wartosc), so no byte is looked at again.
void SkanerPlaski::przetworz(const char* d, size_t n, size_t i)
{
    while (i < n && m_blad.isEmpty()) {
        const char c = d[i];
        if (m_stos.empty() && c != '{' && !bialy(c)) {
            niePlaski();
            return;
        }
        switch (c) {
        case ' ': case '\t': case '\r': case '\n': case ':':
            ++i;
            break;
        case ',':
            m_stos.back().czekaKlucz = true;
            ++i;
            break;
        case '{': otworz(true); ++i; break;
        case '[': otworz(false); ++i; break;
        case '}': case ']':
            if (m_stos.back().obiekt != (c == '}')) {
                niePlaski();
                return;
            }
            m_stos.pop_back();
            m_klucz.clear();
            ++i;
            break;
        case '"': {
            const Ramka& r = m_stos.back();
            // The bulk of the file: a hash of 128 characters in a list.
            if (i + 129 < n && d[i + 129] == '"' && !r.obiekt && (r.lista == Lista::Czynni || r.lista == Lista::Zwolnieni)) {
                quint64 prefiks = 0;
                if (prefiksSkrotu(QByteArrayView(d + i + 1, 128), &prefiks)) {
                    (r.lista == Lista::Czynni ? m_czynni : m_zwolnieni).push_back(prefiks);
                    i += 130;
                    break;
                }
            }
            // A whole text with no backslash is taken where it lies.
            const char* p = d + i + 1;
            const char* q = static_cast<const char*>(std::memchr(p, '"', size_t(d + n - p)));
            if (q && !std::memchr(p, '\\', size_t(q - p))) {
                wartosc(p, size_t(q - p));
                i = size_t(q - d) + 1;
                break;
            }
            m_wartosc.clear();
            m_ucieczka = false;
            m_stan = Stan::WTekscie;
            i = dalejTekst(d, n, i + 1);
            break;
        }
        default: {
            if (!wGolej(c)) {
                niePlaski();
                return;
            }
            size_t j = i + 1;
            while (j < n && wGolej(d[j]))
                ++j;
            if (j < n) {
                wartosc(d + i, j - i);
                i = j;
                break;
            }
            m_wartosc.clear();
            m_stan = Stan::WGolej;
            i = dalejGola(d, n, i);
            break;
        }
        }
    }
}

namespace {

struct Zrodlo {
    qint64 rozmiar = 0;
    qint64 zmiana = 0;  // ms since epoch
    QString sciezka;
};

QByteArray kluczZrodla(const Zrodlo& z)
{
    return z.sciezka.toUtf8() + '\n' + QByteArray::number(z.rozmiar) + '\n' + QByteArray::number(z.zmiana);
}

QString nazwaPamieci(const Zrodlo& z)
{
    const QByteArray h = QCryptographicHash::hash(kluczZrodla(z), QCryptographicHash::Sha1).toHex().left(16);
    return QStringLiteral("BialaLista_%1.cache").arg(QString::fromLatin1(h));
}

QString przerwano(const QString& plik)
{
    return QStringLiteral("Przerwano czytanie pliku %1.").arg(plik);
}

bool czytajJson(const QString& plik, SkanerPlaski& skaner, const PostepBialejListy& postep, QString* blad)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) {
        *blad = QStringLiteral("Nie można otworzyć pliku %1.").arg(plik);
        return false;
    }
    const qint64 rozmiar = f.size();
    skaner.zarezerwuj(rozmiar);
    const auto bufor = std::make_unique_for_overwrite<char[]>(kKawalek);  // filled by the reads
    qint64 zrobione = 0;
    for (;;) {
        const qint64 n = f.read(bufor.get(), qint64(kKawalek));
        if (n < 0) {
            *blad = QStringLiteral("Błąd odczytu pliku %1.").arg(plik);
            return false;
        }
        if (n == 0)
            break;
        zrobione += n;
        if (!skaner.podaj(bufor.get(), size_t(n)))
            break;
        if (postep && !postep(zrobione, rozmiar)) {
            *blad = przerwano(plik);
            return false;
        }
    }
    if (!skaner.koniec()) {
        *blad = skaner.blad();
        return false;
    }
    return true;
}

bool czytaj7z(const QString& plik, SkanerPlaski& skaner, const PostepBialejListy& postep, QString* blad)
{
    archive* a = la::archive_read_new();
    la::archive_read_support_format_7zip(a);
    la::archive_read_support_filter_all(a);
    const qint64 rozmiar = QFileInfo(plik).size();
    bool ok = false;
    auto bladArchiwum = [&] {
        *blad = QStringLiteral("Błąd archiwum %1: %2").arg(plik, QString::fromLocal8Bit(la::archive_error_string(a)));
    };
    if (la::archive_read_open_filename(a, QFile::encodeName(plik).constData(), 1 << 20) != ARCHIVE_OK) {
        bladArchiwum();
        la::archive_read_free(a);
        return false;
    }
    archive_entry* wpis = nullptr;
    bool znaleziony = false;
    int r = ARCHIVE_OK;
    while ((r = la::archive_read_next_header(a, &wpis)) == ARCHIVE_OK) {
        if (la::archive_entry_filetype(wpis) != AE_IFREG)
            continue;
        znaleziony = true;
        if (la::archive_entry_size_is_set(wpis))
            skaner.zarezerwuj(la::archive_entry_size(wpis));
        const auto bufor = std::make_unique_for_overwrite<char[]>(kKawalek);  // filled by the reads
        ok = true;
        for (;;) {
            const la_ssize_t n = la::archive_read_data(a, bufor.get(), kKawalek);
            if (n < 0) {
                bladArchiwum();
                ok = false;
                break;
            }
            if (n == 0)
                break;
            if (!skaner.podaj(bufor.get(), size_t(n)))
                break;
            if (postep && !postep(std::min<qint64>(la::archive_filter_bytes(a, -1), rozmiar), rozmiar)) {
                *blad = przerwano(plik);
                ok = false;
                break;
            }
        }
        if (ok && !skaner.koniec()) {
            *blad = skaner.blad();
            ok = false;
        }
        if (ok && postep)
            postep(rozmiar, rozmiar);
        break;
    }
    if (!znaleziony) {
        if (r != ARCHIVE_EOF)
            bladArchiwum();
        else
            *blad = QStringLiteral("Archiwum %1 jest puste.").arg(plik);
    }
    la::archive_read_free(a);
    return ok;
}

void dopisz(QByteArray& out, const void* p, size_t n) { out.append(static_cast<const char*>(p), qsizetype(n)); }

bool zapiszPamiec(const QString& sciezka, const Zrodlo& z, const BialaLista::Dane& d)
{
    QByteArray naglowek;
    dopisz(naglowek, kMagia, 8);
    const QByteArray klucz = kluczZrodla(z);
    const quint64 liczby[] = {quint64(klucz.size()), quint64(d.data.size()), quint64(d.transformacje),
                              quint64(d.maski.size()), quint64(d.nCzynni), quint64(d.nZwolnieni)};
    dopisz(naglowek, liczby, sizeof liczby);
    naglowek += klucz + d.data;
    for (const QByteArray& m : d.maski)
        naglowek += m;
    while (naglowek.size() % 8 != 0)
        naglowek += '\0';
    QSaveFile f(sciezka);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(naglowek);
    f.write(reinterpret_cast<const char*>(d.czynni), qint64(d.nCzynni) * 8);
    f.write(reinterpret_cast<const char*>(d.zwolnieni), qint64(d.nZwolnieni) * 8);
    return f.commit();
}

std::shared_ptr<BialaLista::Dane> mapujPamiec(const QString& sciezka, const Zrodlo& z)
{
    auto d = std::make_shared<BialaLista::Dane>();
    d->pamiec = std::make_unique<QFile>(sciezka);
    if (!d->pamiec->open(QIODevice::ReadOnly))
        return nullptr;
    const qint64 rozmiar = d->pamiec->size();
    if (rozmiar < qint64(8 + 6 * 8))
        return nullptr;
    const uchar* m = d->pamiec->map(0, rozmiar);
    if (!m || std::memcmp(m, kMagia, 8) != 0)
        return nullptr;
    quint64 l[6];
    std::memcpy(l, m + 8, sizeof l);
    const QByteArray klucz = kluczZrodla(z);
    qint64 poz = 8 + qint64(sizeof l);
    const quint64 reszta = quint64(rozmiar - poz);
    if (l[0] != quint64(klucz.size()) || l[1] != 8 || l[3] > reszta / 26 || l[4] > reszta / 8 || l[5] > reszta / 8)
        return nullptr;
    qint64 koniecNaglowka = poz + qint64(l[0] + l[1] + l[3] * 26);
    koniecNaglowka = (koniecNaglowka + 7) / 8 * 8;
    if (koniecNaglowka + qint64(l[4] + l[5]) * 8 != rozmiar)
        return nullptr;
    if (QByteArrayView(reinterpret_cast<const char*>(m + poz), qsizetype(l[0])) != klucz)
        return nullptr;
    poz += qint64(l[0]);
    d->data = QByteArray(reinterpret_cast<const char*>(m + poz), 8);
    poz += 8;
    d->transformacje = int(l[2]);
    for (quint64 i = 0; i < l[3]; ++i, poz += 26)
        d->maski.append(QByteArray(reinterpret_cast<const char*>(m + poz), 26));
    d->czynni = reinterpret_cast<const quint64*>(m + koniecNaglowka);
    d->nCzynni = qsizetype(l[4]);
    d->zwolnieni = d->czynni + l[4];
    d->nZwolnieni = qsizetype(l[5]);
    d->zPamieci = true;
    d->plikPamieci = sciezka;
    return d;
}

// The flat file a cache was made from, as its key says (path, size, time);
// empty when the cache cannot be read.
QString zrodloPamieci(const QString& sciezka, qint64* rozmiar, qint64* zmiana)
{
    QFile f(sciezka);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    char naglowek[8 + 6 * 8];
    if (f.read(naglowek, sizeof naglowek) != qint64(sizeof naglowek) || std::memcmp(naglowek, kMagia, 8) != 0)
        return {};
    quint64 dlugosc = 0;
    std::memcpy(&dlugosc, naglowek + 8, 8);
    if (dlugosc > 64 * 1024)
        return {};
    const QByteArray klucz = f.read(qint64(dlugosc));
    const QList<QByteArray> czesci = klucz.split('\n');
    if (klucz.size() != qint64(dlugosc) || czesci.size() < 3)
        return {};
    bool ok1 = false, ok2 = false;
    *rozmiar = czesci[czesci.size() - 2].toLongLong(&ok1);
    *zmiana = czesci.last().toLongLong(&ok2);
    if (!ok1 || !ok2)
        return {};
    return QString::fromUtf8(klucz.left(klucz.size() - czesci[czesci.size() - 2].size() - czesci.last().size() - 2));
}

// The first bytes of the JSON, straight or out of the archive.
QByteArray poczatekPliku(const QString& plik, qint64 ile)
{
    if (QFileInfo(plik).suffix().compare(QStringLiteral("7z"), Qt::CaseInsensitive) != 0) {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.read(ile) : QByteArray();
    }
    QByteArray out;
    archive* a = la::archive_read_new();
    la::archive_read_support_format_7zip(a);
    la::archive_read_support_filter_all(a);
    archive_entry* wpis = nullptr;
    if (la::archive_read_open_filename(a, QFile::encodeName(plik).constData(), 1 << 16) == ARCHIVE_OK) {
        while (la::archive_read_next_header(a, &wpis) == ARCHIVE_OK) {
            if (la::archive_entry_filetype(wpis) != AE_IFREG)
                continue;
            out.resize(ile);
            const la_ssize_t n = la::archive_read_data(a, out.data(), size_t(ile));
            out.resize(n > 0 ? n : 0);
            break;
        }
    }
    la::archive_read_free(a);
    return out;
}

} // namespace

QDate dataPlikuPlaskiego(const QString& plik)
{
    const QByteArray poczatek = poczatekPliku(plik, 64 * 1024);
    const qsizetype klucz = poczatek.indexOf("\"dataGenerowaniaDanych\"");
    if (klucz < 0)
        return {};
    qsizetype i = klucz + 23;
    while (i < poczatek.size() && (poczatek[i] == ' ' || poczatek[i] == ':' || poczatek[i] == '\t'
                                   || poczatek[i] == '\r' || poczatek[i] == '\n'))
        ++i;
    if (i >= poczatek.size() || poczatek[i] != '"')
        return {};
    return QDate::fromString(QString::fromLatin1(poczatek.mid(i + 1, 8)), QStringLiteral("yyyyMMdd"));
}

void usunNieaktualnePamieci(const QString& folderPamieci)
{
    const QDir dir(folderPamieci.isEmpty() ? domyslnyFolderPamieci() : folderPamieci);
    if (dir.path().isEmpty() || !dir.exists())
        return;
    for (const QString& nazwa : dir.entryList({QStringLiteral("BialaLista_*.cache")}, QDir::Files)) {
        const QString sciezka = dir.filePath(nazwa);
        qint64 rozmiar = -1, zmiana = -1;
        const QFileInfo zrodlo(zrodloPamieci(sciezka, &rozmiar, &zmiana));
        if (zrodlo.filePath().isEmpty() || !zrodlo.isFile() || zrodlo.size() != rozmiar
            || zrodlo.lastModified().toMSecsSinceEpoch() != zmiana)
            QFile::remove(sciezka);
    }
}

QString domyslnyFolderPamieci()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

BialaLista BialaLista::otworz(const QString& plik, const QString& folderPamieci,
                              const PostepBialejListy& postep, QString* blad)
{
    QString bladLokalny;
    if (!blad)
        blad = &bladLokalny;
    blad->clear();
    const QFileInfo info(plik);
    if (!info.isFile()) {
        *blad = QStringLiteral("Nie ma pliku %1.").arg(plik);
        return {};
    }
    const Zrodlo zrodlo{info.size(), info.lastModified().toMSecsSinceEpoch(), info.absoluteFilePath()};
    const QString folder = folderPamieci.isEmpty() ? domyslnyFolderPamieci() : folderPamieci;
    const QString sciezkaPamieci = folder.isEmpty() ? QString() : QDir(folder).filePath(nazwaPamieci(zrodlo));
    if (!folder.isEmpty())
        usunNieaktualnePamieci(folder);

    BialaLista wynik;
    if (!sciezkaPamieci.isEmpty()) {
        if (auto d = mapujPamiec(sciezkaPamieci, zrodlo)) {
            wynik.m_dane = std::move(d);
            return wynik;
        }
    }

    auto d = std::make_shared<Dane>();
    SkanerPlaski skaner(plik, d->wlasneCzynni, d->wlasneZwolnieni);
    const bool archiwum = info.suffix().compare(QStringLiteral("7z"), Qt::CaseInsensitive) == 0;
    try {
        if (!(archiwum ? czytaj7z(plik, skaner, postep, blad) : czytajJson(plik, skaner, postep, blad)))
            return {};
    } catch (const std::bad_alloc&) {
        *blad = QStringLiteral("Za mało pamięci, by przeczytać plik %1.").arg(plik);
        return {};
    }
    bool liczba = false;
    const int transformacje = skaner.transformacje.trimmed().toInt(&liczba);
    const QDate dzien = QDate::fromString(QString::fromLatin1(skaner.data), QStringLiteral("yyyyMMdd"));
    if (!liczba || transformacje < 1 || skaner.data.size() != 8 || !dzien.isValid()) {
        *blad = QStringLiteral("Plik %1 nie ma poprawnego nagłówka.").arg(plik);
        return {};
    }
    d->data = skaner.data;
    d->transformacje = transformacje;
    d->maski = skaner.maski;
    sortujPrefiksy(d->wlasneCzynni);
    sortujPrefiksy(d->wlasneZwolnieni);
    d->czynni = d->wlasneCzynni.data();
    d->nCzynni = qsizetype(d->wlasneCzynni.size());
    d->zwolnieni = d->wlasneZwolnieni.data();
    d->nZwolnieni = qsizetype(d->wlasneZwolnieni.size());

    // The cache is a convenience: without it the list works from memory.
    if (!sciezkaPamieci.isEmpty() && QDir().mkpath(folder) && zapiszPamiec(sciezkaPamieci, zrodlo, *d)) {
        if (auto zmapowane = mapujPamiec(sciezkaPamieci, zrodlo)) {
            zmapowane->zPamieci = false;
            d = std::move(zmapowane);
            const QDir dir(folder);
            for (const QString& stary : dir.entryList({QStringLiteral("BialaLista_*.cache")}, QDir::Files)) {
                if (dir.filePath(stary) != sciezkaPamieci)
                    QFile::remove(dir.filePath(stary));
            }
        }
    }
    wynik.m_dane = std::move(d);
    return wynik;
}

} // namespace remitto::kontrahenci
