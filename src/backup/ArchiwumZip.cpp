#include "backup/ArchiwumZip.h"

#include <QCryptographicHash>
#include <QFile>

#include "core/LazyArchive.h"
#include <zlib.h>

#include <cerrno>
#include <future>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remitto::zip {

namespace {

constexpr qint64 kKawalek = 1 << 20;

QString bladArchiwum(struct archive* a)
{
    const char* s = a ? la::archive_error_string(a) : nullptr;
    return s ? QString::fromLocal8Bit(s) : QStringLiteral("nieznany błąd");
}

} // namespace

Zapis::~Zapis()
{
    if (m_a)
        la::archive_write_free(m_a);
}

bool Zapis::otworz(int fd, QString* blad)
{
    m_a = la::archive_write_new();
    if (!m_a || la::archive_write_set_format_zip(m_a) != ARCHIVE_OK) {
        *blad = bladArchiwum(m_a);
        return false;
    }
    // Level 1: a backup of a big folder must not keep the user waiting;
    // the data files are plain text and shrink well even so.
    la::archive_write_set_options(m_a, "zip:compression=deflate,zip:compression-level=1,zip:hdrcharset=UTF-8");
    la::archive_write_set_bytes_in_last_block(m_a, 1);
    if (la::archive_write_open_fd(m_a, fd) != ARCHIVE_OK) {
        *blad = bladArchiwum(m_a);
        return false;
    }
    return true;
}

bool Zapis::dodajPlik(const QString& nazwa, const QString& sciezka, const std::function<bool(qint64)>& postep,
                      Skrot* skrot, QString* blad, bool* przerwano)
{
    const int fd = ::open(QFile::encodeName(sciezka).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    struct stat st{};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        *blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(sciezka, QString::fromLocal8Bit(strerror(errno)));
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    archive_entry* e = la::archive_entry_new();
    la::archive_entry_set_pathname_utf8(e, nazwa.toUtf8().constData());
    la::archive_entry_set_filetype(e, AE_IFREG);
    la::archive_entry_set_perm(e, 0644);
    la::archive_entry_set_size(e, st.st_size);
    la::archive_entry_set_mtime(e, st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
    bool ok = la::archive_write_header(m_a, e) == ARCHIVE_OK;
    la::archive_entry_free(e);
    if (!ok) {
        *blad = bladArchiwum(m_a);
        ::close(fd);
        return false;
    }
    QCryptographicHash sha(QCryptographicHash::Sha256);
    uLong crc = crc32(0L, Z_NULL, 0);
    QByteArray bufor(kKawalek, Qt::Uninitialized);
    qint64 razem = 0;
    for (;;) {
        const ssize_t n = ::read(fd, bufor.data(), size_t(bufor.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *blad = QStringLiteral("Nie można odczytać pliku %1: %2").arg(sciezka, QString::fromLocal8Bit(strerror(errno)));
            ok = false;
            break;
        }
        if (n == 0)
            break;
        // The hashes of a piece are taken on a second core while it is compressed.
        auto skroty = std::async(std::launch::async, [&] {
            sha.addData(QByteArrayView(bufor.constData(), n));
            crc = crc32(crc, reinterpret_cast<const Bytef*>(bufor.constData()), uInt(n));
        });
        const bool zapisano = la::archive_write_data(m_a, bufor.constData(), size_t(n)) == n;
        skroty.wait();
        if (!zapisano) {
            *blad = bladArchiwum(m_a);
            ok = false;
            break;
        }
        razem += n;
        if (postep && !postep(n)) {
            *przerwano = true;
            ok = false;
            break;
        }
    }
    ::close(fd);
    if (ok && razem != st.st_size) {
        *blad = QStringLiteral("Plik %1 zmienił się w czasie kopii.").arg(sciezka);
        ok = false;
    }
    skrot->rozmiar = razem;
    skrot->crc = quint32(crc);
    skrot->sha256 = sha.result();
    return ok;
}

bool Zapis::dodajDane(const QString& nazwa, const QByteArray& dane, QString* blad)
{
    archive_entry* e = la::archive_entry_new();
    la::archive_entry_set_pathname_utf8(e, nazwa.toUtf8().constData());
    la::archive_entry_set_filetype(e, AE_IFREG);
    la::archive_entry_set_perm(e, 0644);
    la::archive_entry_set_size(e, dane.size());
    la::archive_entry_set_mtime(e, ::time(nullptr), 0);
    const bool ok = la::archive_write_header(m_a, e) == ARCHIVE_OK
                    && la::archive_write_data(m_a, dane.constData(), size_t(dane.size())) == dane.size();
    la::archive_entry_free(e);
    if (!ok)
        *blad = bladArchiwum(m_a);
    return ok;
}

bool Zapis::zamknij(QString* blad)
{
    if (la::archive_write_close(m_a) != ARCHIVE_OK) {
        *blad = bladArchiwum(m_a);
        return false;
    }
    return true;
}

bool czytajWpisy(const QString& archiwum, const Wpis& wpis, QString* blad)
{
    struct archive* a = la::archive_read_new();
    la::archive_read_support_format_zip(a);
    la::archive_read_support_filter_none(a);
    if (la::archive_read_open_filename(a, QFile::encodeName(archiwum).constData(), 1 << 16) != ARCHIVE_OK) {
        *blad = bladArchiwum(a);
        la::archive_read_free(a);
        return false;
    }
    bool ok = true;
    for (;;) {
        archive_entry* e = nullptr;
        const int r = la::archive_read_next_header(a, &e);
        if (r == ARCHIVE_EOF)
            break;
        if (r != ARCHIVE_OK) {
            *blad = bladArchiwum(a);
            ok = false;
            break;
        }
        const char* n = la::archive_entry_pathname_utf8(e);
        const QString nazwa = n ? QString::fromUtf8(n) : QString();
        if (nazwa.isEmpty() || la::archive_entry_filetype(e) != AE_IFREG) {
            *blad = QStringLiteral("Nieoczekiwany wpis w archiwum.");
            ok = false;
            break;
        }
        bool bladDanych = false;
        auto czytaj = [&](char* bufor, qint64 ile) -> qint64 {
            const la_ssize_t m = la::archive_read_data(a, bufor, size_t(ile));
            if (m < 0) {
                *blad = bladArchiwum(a);
                bladDanych = true;
                return -1;
            }
            return m;
        };
        if (!wpis(nazwa, czytaj)) {
            if (!bladDanych)
                blad->clear();
            ok = false;
            break;
        }
    }
    la::archive_read_free(a);
    return ok;
}

bool czytajDoKonca(const std::function<qint64(char*, qint64)>& czytaj, const std::function<bool(qint64)>& postep,
                   Skrot* skrot, QByteArray* dane, bool* przerwano, bool sha)
{
    const bool liczSha = sha;
    QCryptographicHash skrotSha(QCryptographicHash::Sha256);
    uLong crc = crc32(0L, Z_NULL, 0);
    QByteArray bufor(kKawalek, Qt::Uninitialized);
    qint64 razem = 0;
    for (;;) {
        const qint64 n = czytaj(bufor.data(), bufor.size());
        if (n < 0)
            return false;
        if (n == 0)
            break;
        if (liczSha)
            skrotSha.addData(QByteArrayView(bufor.constData(), n));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(bufor.constData()), uInt(n));
        if (dane)
            dane->append(bufor.constData(), n);
        razem += n;
        if (postep && !postep(n)) {
            *przerwano = true;
            return false;
        }
    }
    skrot->rozmiar = razem;
    skrot->crc = quint32(crc);
    if (liczSha)
        skrot->sha256 = skrotSha.result();
    return true;
}

} // namespace remitto::zip
