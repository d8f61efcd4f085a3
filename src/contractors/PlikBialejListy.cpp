// Reading the flat file once (streamed, from the .json or straight out of the
// .7z) and the cache of sorted hash prefixes that later openings map.
#include "contractors/BialaLista.h"
#include "contractors/BialaListaDane.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace remitto::kontrahenci {

namespace {

// Read in pieces that stay in the processor's cache while they are scanned.
constexpr size_t kKawalek = 256 * 1024;

constexpr char kMagia[8] = {'R', 'M', 'B', 'L', 'V', 'A', 'T', '1'};

// A streaming scanner of just enough JSON for the flat file: objects, arrays,
// strings and bare scalars. It keeps only the unfinished tail of a chunk.
class Skaner {
public:
    explicit Skaner(DuzyWektor<quint64>& czynni, DuzyWektor<quint64>& zwolnieni)
        : m_czynni(czynni), m_zwolnieni(zwolnieni) {}

    bool podaj(const char* dane, size_t n)
    {
        size_t start = 0;
        if (!m_reszta.empty()) {
            // Finish the token cut at the end of the last chunk with a little
            // of this one, then go on in this chunk without copying it.
            const size_t stara = m_reszta.size();
            const size_t dolozone = std::min<size_t>(n, 4096);
            m_reszta.append(dane, dolozone);
            size_t zjedzone = przetworz(m_reszta.data(), m_reszta.size(), false);
            if (zjedzone <= stara) {
                m_reszta.append(dane + dolozone, n - dolozone);  // a very long token
                zjedzone = przetworz(m_reszta.data(), m_reszta.size(), false);
                m_reszta.erase(0, zjedzone);
                return m_blad.isEmpty();
            }
            start = zjedzone - stara;
            m_reszta.clear();
        }
        const size_t zjedzone = start + przetworz(dane + start, n - start, false);
        m_reszta.assign(dane + zjedzone, n - zjedzone);
        return m_blad.isEmpty();
    }

    bool koniec()
    {
        if (m_blad.isEmpty() && !m_reszta.empty())
            m_reszta.erase(0, przetworz(m_reszta.data(), m_reszta.size(), true));
        if (m_blad.isEmpty() && (!m_stos.empty() || !m_byloCos || !m_reszta.empty()))
            m_blad = QStringLiteral("Plik jest niekompletny.");
        return m_blad.isEmpty();
    }

    QString blad() const { return m_blad; }
    /// Room for every hash `bajty` of JSON can hold (pages untouched until used).
    void zarezerwuj(qint64 bajty)
    {
        if (bajty > 0)
            m_czynni.reserve(size_t(bajty / 130));
    }
    QByteArray data;
    QByteArray transformacje;
    QList<QByteArray> maski;

private:
    enum class Lista { Inna, Czynni, Zwolnieni, Maski, Naglowek };
    struct Ramka {
        bool obiekt;
        Lista lista;
        bool czekaKlucz;
    };

    Lista ktora(const std::string& klucz) const
    {
        if (m_stos.size() != 1)
            return Lista::Inna;
        if (klucz == "skrotyPodatnikowCzynnych") return Lista::Czynni;
        if (klucz == "skrotyPodatnikowZwolnionych") return Lista::Zwolnieni;
        if (klucz == "maski") return Lista::Maski;
        if (klucz == "naglowek") return Lista::Naglowek;
        return Lista::Inna;
    }

    void wartosc(const char* p, size_t n)
    {
        if (m_stos.empty()) {
            m_blad = QStringLiteral("Plik nie jest plikiem płaskim.");
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
                    m_blad = QStringLiteral("Niepoprawny skrót w pliku: %1").arg(QString::fromLatin1(p, qsizetype(std::min<size_t>(n, 140))));
                    return;
                }
                (r.lista == Lista::Czynni ? m_czynni : m_zwolnieni).push_back(prefiks);
            } else if (r.lista == Lista::Maski) {
                const QByteArray maska(p, qsizetype(n));
                if (!poprawnaMaska(maska)) {
                    m_blad = QStringLiteral("Niepoprawna maska w pliku: %1").arg(QString::fromLatin1(maska.left(40)));
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

    void otworz(bool obiekt)
    {
        Lista lista = Lista::Inna;
        if (!m_stos.empty() && m_stos.back().obiekt)
            lista = ktora(m_klucz);
        m_stos.push_back({obiekt, lista, true});
        m_byloCos = true;
    }

    // Returns how many bytes were consumed; an unfinished token stays.
    size_t przetworz(const char* d, size_t n, bool ostatni)
    {
        size_t i = 0;
        while (i < n && m_blad.isEmpty()) {
            const char c = d[i];
            switch (c) {
            case ' ': case '\t': case '\r': case '\n': case ':':
                ++i;
                break;
            case ',':
                if (!m_stos.empty())
                    m_stos.back().czekaKlucz = true;
                ++i;
                break;
            case '{': otworz(true); ++i; break;
            case '[': otworz(false); ++i; break;
            case '}': case ']':
                if (m_stos.empty() || m_stos.back().obiekt != (c == '}')) {
                    m_blad = QStringLiteral("Plik nie jest plikiem płaskim.");
                    return i;
                }
                m_stos.pop_back();
                ++i;
                break;
            case '"': {
                // The bulk of the file: a hash of 128 characters in a list.
                if (i + 129 < n && d[i + 129] == '"' && !m_stos.empty() && !m_stos.back().obiekt
                    && (m_stos.back().lista == Lista::Czynni || m_stos.back().lista == Lista::Zwolnieni)) {
                    quint64 prefiks = 0;
                    if (prefiksSkrotu(QByteArrayView(d + i + 1, 128), &prefiks)) {
                        (m_stos.back().lista == Lista::Czynni ? m_czynni : m_zwolnieni).push_back(prefiks);
                        i += 130;
                        break;
                    }
                }
                const char* koniec = nullptr;
                bool ucieczka = false;
                for (const char* p = d + i + 1; p < d + n;) {
                    const char* q = static_cast<const char*>(std::memchr(p, '"', size_t(d + n - p)));
                    if (!q)
                        break;
                    size_t ukosniki = 0;
                    for (const char* b = q - 1; b > d + i && *b == '\\'; --b)
                        ++ukosniki;
                    if (ukosniki % 2 == 0) {
                        koniec = q;
                        break;
                    }
                    ucieczka = true;
                    p = q + 1;
                }
                if (!koniec)
                    return i;  // the rest comes with the next chunk
                const char* p = d + i + 1;
                const size_t dl = size_t(koniec - p);
                if (!ucieczka && !std::memchr(p, '\\', dl)) {
                    wartosc(p, dl);
                } else {
                    std::string t;
                    for (size_t k = 0; k < dl; ++k) {
                        if (p[k] == '\\' && k + 1 < dl)
                            ++k;
                        t.push_back(p[k]);
                    }
                    wartosc(t.data(), t.size());
                }
                i = size_t(koniec - d) + 1;
                break;
            }
            default: {
                size_t j = i;
                while (j < n && !std::strchr(",}] \t\r\n", d[j]))
                    ++j;
                if (j == n && !ostatni)
                    return i;
                wartosc(d + i, j - i);
                i = j;
                break;
            }
            }
        }
        return i;
    }

    DuzyWektor<quint64>& m_czynni;
    DuzyWektor<quint64>& m_zwolnieni;
    std::vector<Ramka> m_stos;
    std::string m_klucz;
    std::string m_reszta;
    QString m_blad;
    bool m_byloCos = false;
};

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

bool czytajJson(const QString& plik, Skaner& skaner, const PostepBialejListy& postep, QString* blad)
{
    QFile f(plik);
    if (!f.open(QIODevice::ReadOnly)) {
        *blad = QStringLiteral("Nie można otworzyć pliku %1.").arg(plik);
        return false;
    }
    const qint64 rozmiar = f.size();
    skaner.zarezerwuj(rozmiar);
    std::vector<char> bufor(kKawalek);
    qint64 zrobione = 0;
    for (;;) {
        const qint64 n = f.read(bufor.data(), qint64(bufor.size()));
        if (n < 0) {
            *blad = QStringLiteral("Błąd odczytu pliku %1.").arg(plik);
            return false;
        }
        if (n == 0)
            break;
        zrobione += n;
        if (!skaner.podaj(bufor.data(), size_t(n)))
            break;
        if (postep && !postep(zrobione, rozmiar)) {
            *blad = QStringLiteral("Przerwano.");
            return false;
        }
    }
    if (!skaner.koniec()) {
        *blad = skaner.blad();
        return false;
    }
    return true;
}

bool czytaj7z(const QString& plik, Skaner& skaner, const PostepBialejListy& postep, QString* blad)
{
    archive* a = archive_read_new();
    archive_read_support_format_7zip(a);
    archive_read_support_filter_all(a);
    const qint64 rozmiar = QFileInfo(plik).size();
    bool ok = false;
    auto bladArchiwum = [&] {
        *blad = QStringLiteral("Błąd archiwum %1: %2").arg(plik, QString::fromLocal8Bit(archive_error_string(a)));
    };
    if (archive_read_open_filename(a, QFile::encodeName(plik).constData(), 1 << 20) != ARCHIVE_OK) {
        bladArchiwum();
        archive_read_free(a);
        return false;
    }
    archive_entry* wpis = nullptr;
    bool znaleziony = false;
    int r = ARCHIVE_OK;
    while ((r = archive_read_next_header(a, &wpis)) == ARCHIVE_OK) {
        if (archive_entry_filetype(wpis) != AE_IFREG)
            continue;
        znaleziony = true;
        if (archive_entry_size_is_set(wpis))
            skaner.zarezerwuj(archive_entry_size(wpis));
        std::vector<char> bufor(kKawalek);
        ok = true;
        for (;;) {
            const la_ssize_t n = archive_read_data(a, bufor.data(), bufor.size());
            if (n < 0) {
                bladArchiwum();
                ok = false;
                break;
            }
            if (n == 0)
                break;
            if (!skaner.podaj(bufor.data(), size_t(n)))
                break;
            if (postep && !postep(std::min<qint64>(archive_filter_bytes(a, -1), rozmiar), rozmiar)) {
                *blad = QStringLiteral("Przerwano.");
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
    archive_read_free(a);
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

// The first bytes of the JSON, straight or out of the archive.
QByteArray poczatekPliku(const QString& plik, qint64 ile)
{
    if (QFileInfo(plik).suffix().compare(QStringLiteral("7z"), Qt::CaseInsensitive) != 0) {
        QFile f(plik);
        return f.open(QIODevice::ReadOnly) ? f.read(ile) : QByteArray();
    }
    QByteArray out;
    archive* a = archive_read_new();
    archive_read_support_format_7zip(a);
    archive_read_support_filter_all(a);
    archive_entry* wpis = nullptr;
    if (archive_read_open_filename(a, QFile::encodeName(plik).constData(), 1 << 16) == ARCHIVE_OK) {
        while (archive_read_next_header(a, &wpis) == ARCHIVE_OK) {
            if (archive_entry_filetype(wpis) != AE_IFREG)
                continue;
            out.resize(ile);
            const la_ssize_t n = archive_read_data(a, out.data(), size_t(ile));
            out.resize(n > 0 ? n : 0);
            break;
        }
    }
    archive_read_free(a);
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

    BialaLista wynik;
    if (!sciezkaPamieci.isEmpty()) {
        if (auto d = mapujPamiec(sciezkaPamieci, zrodlo)) {
            wynik.m_dane = std::move(d);
            return wynik;
        }
    }

    auto d = std::make_shared<Dane>();
    Skaner skaner(d->wlasneCzynni, d->wlasneZwolnieni);
    const bool archiwum = info.suffix().compare(QStringLiteral("7z"), Qt::CaseInsensitive) == 0;
    if (!(archiwum ? czytaj7z(plik, skaner, postep, blad) : czytajJson(plik, skaner, postep, blad)))
        return {};
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
