#include "core/TextFile.h"

#include "core/RawFileIo.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <array>
#include <vector>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remitto {

namespace {

// Unicode of the bytes 0x80..0xFF; 0 marks a byte the code page leaves
// undefined (it maps to the control character of the same number).
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

char16_t decodeByte(unsigned char b)
{
    if (b < 0x80)
        return b;
    const char16_t u = kHigh[b - 0x80];
    return u ? u : char16_t(b);
}

// Reverse table over the whole Basic Multilingual Plane, built once.
const std::array<unsigned char, 0x10000>& encodeTable()
{
    static const auto table = [] {
        std::array<unsigned char, 0x10000> t{};
        t.fill('?');
        for (int b = 0; b < 256; ++b)
            t[decodeByte(static_cast<unsigned char>(b))] = static_cast<unsigned char>(b);
        return t;
    }();
    return table;
}

} // namespace

QString fromCp1250(const QByteArray& bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(decodeByte(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray toCp1250(const QString& text)
{
    const auto& table = encodeTable();
    const qsizetype size = text.size();
    const QChar* const in = text.constData();
    QByteArray out(size, Qt::Uninitialized);
    char* const o = out.data();
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = in[i];
        if (c.isHighSurrogate() && i + 1 < size && in[i + 1].isLowSurrogate())
            ++i;  // one character outside the plane: one "?"
        o[n++] = c.isSurrogate() ? '?' : static_cast<char>(table[c.unicode()]);
    }
    out.truncate(n);
    return out;
}

QByteArray toCp1250KeepingBlanks(QString text)
{
    for (QChar& c : text)
        if (c.unicode() >= 0x80 && c.isSpace())
            c = QChar(0xA0);
    return toCp1250(text);
}

namespace {

// Length of the valid UTF-8 sequence starting at p (1 to 4), or 0 when the
// bytes there are not one: overlong forms, surrogates and code points past
// U+10FFFF are refused as the standard says.
int utf8SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char b = p[0];
    if (b < 0x80)
        return 1;
    int n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0)
            lo = 0xA0;
        else if (b == 0xED)
            hi = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0)
            lo = 0x90;
        else if (b == 0xF4)
            hi = 0x8F;
    } else {
        return 0;
    }
    if (end - p < n || p[1] < lo || p[1] > hi)
        return 0;
    for (int i = 2; i < n; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    return n;
}

// Length of the sequence a lead byte announces; 0 for a byte no sequence
// starts with.
int expectedLength(unsigned char b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return 2;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    return 0;
}

bool hasUtf8Bom(const QByteArray& bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

} // namespace

Encoding detectEncoding(const QByteArray& bytes)
{
    if (hasUtf8Bom(bytes))
        return Encoding::Utf8;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* end = p + bytes.size();
    bool multiByte = false;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int n = utf8SequenceLength(p, end);
        if (n == 0)
            return Encoding::Cp1250;
        multiByte = true;
        p += n;
    }
    return multiByte ? Encoding::Utf8 : Encoding::Cp1250;
}

QString decodeText(const QByteArray& bytes, Encoding* used)
{
    const Encoding e = detectEncoding(bytes);
    if (used)
        *used = e;
    if (e == Encoding::Cp1250)
        return fromCp1250(bytes);
    const qsizetype skip = hasUtf8Bom(bytes) ? 3 : 0;
    return fromUtf8Bytes(QByteArrayView(bytes.constData() + skip, bytes.size() - skip));
}

void EncodingDetector::add(const char* bytes, qsizetype size)
{
    if (m_seen < 3)
        m_head += QByteArray(bytes, qMin<qsizetype>(size, 3 - m_seen));
    m_seen += size;
    if (m_invalid)
        return;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const auto* end = p + size;
    if (!m_pending.isEmpty()) {
        // Finish the sequence the last piece cut.
        const int n = expectedLength(static_cast<unsigned char>(m_pending[0]));
        while (m_pending.size() < n && p < end)
            m_pending += char(*p++);
        if (m_pending.size() < n)
            return;
        const auto* q = reinterpret_cast<const unsigned char*>(m_pending.constData());
        if (utf8SequenceLength(q, q + n) != n) {
            m_invalid = true;
            return;
        }
        m_multiByte = true;
        m_pending.clear();
    }
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        const int n = expectedLength(*p);
        if (n > 0 && end - p < n) {
            m_pending = QByteArray(reinterpret_cast<const char*>(p), end - p);
            return;
        }
        if (n == 0 || utf8SequenceLength(p, end) != n) {
            m_invalid = true;
            return;
        }
        m_multiByte = true;
        p += n;
    }
}

Encoding EncodingDetector::result() const
{
    if (hasUtf8Bom(m_head))
        return Encoding::Utf8;
    // A sequence cut by the end of the bytes is no UTF-8.
    return !m_invalid && m_pending.isEmpty() && m_multiByte ? Encoding::Utf8 : Encoding::Cp1250;
}

QString fromUtf8Bytes(QByteArrayView bytes)
{
    QString text = QString::fromUtf8(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        text.prepend(QChar(0xFEFF));
    return text;
}

QString writeErrorMessage(const QString& path, const QString& reason)
{
    return QStringLiteral("Nie można zapisać pliku %1: %2").arg(path, reason);
}

FileText readTextFile(const QString& path)
{
    FileText result;
    QFile f(path);
    if (!f.exists()) {
        result.missing = true;
        result.error = QStringLiteral("Brak pliku %1").arg(path);
        return result;
    }
    if (!f.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, f.errorString());
        return result;
    }
    result.text = decodeText(f.readAll(), &result.encoding);
    result.ok = true;
    return result;
}

bool linkLeavesFolder(const QString& path, QString* error)
{
    const QFileInfo link(path);
    if (!link.isSymLink())
        return false;
    const QString target = link.canonicalFilePath();  // empty when dangling
    const QString folder = QFileInfo(link.absolutePath()).canonicalFilePath();
    if (!target.isEmpty() && QFileInfo(target).absolutePath() == folder)
        return false;
    if (error)
        *error = writeErrorMessage(
            path, target.isEmpty()
                      ? QStringLiteral("to dowiązanie symboliczne do pliku, którego nie ma")
                      : QStringLiteral("to dowiązanie symboliczne do pliku spoza swojego folderu (%1)").arg(target));
    return true;
}

namespace {

// Creates a work file beside `path` under a fresh name (".NAME.XXXXXX.tmp",
// which the start-up knows as a work file), exclusively: an existing file or
// a link of that name is never opened.
int createWorkFile(const QString& path, QString* work)
{
    const QFileInfo target(path);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString tag;
        for (int i = 0; i < 6; ++i)
            tag += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
        *work = target.absolutePath() + QStringLiteral("/.") + target.fileName() + QLatin1Char('.') + tag
            + QStringLiteral(".tmp");
        const int fd = ::open(QFile::encodeName(*work).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives `from` the name `to` only when nothing has that name yet.
bool renameNoReplace(const QString& from, const QString& to)
{
    const QByteArray a = QFile::encodeName(from);
    const QByteArray b = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, a.constData(), AT_FDCWD, b.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that kind of rename: a second name, which is
    // refused when the name exists, then the work name goes.
    if (::link(a.constData(), b.constData()) != 0)
        return false;
    ::unlink(a.constData());
    return true;
}

} // namespace

void syncFolder(const QString& folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool writeNewFile(const QString& path, const QByteArray& content, QString* error)
{
    QString work;
    const int fd = createWorkFile(path, &work);
    if (fd < 0) {
        if (error)
            *error = writeErrorMessage(work, qt_error_string(errno));
        return false;
    }
    bool ok = writeAllAt(fd, content, 0) && ::fsync(fd) == 0;
    QString reason = ok ? QString() : qt_error_string(errno);
    if (::close(fd) != 0 && ok) {
        ok = false;
        reason = qt_error_string(errno);
    }
    if (!ok) {
        if (error)
            *error = writeErrorMessage(work, reason);
        QFile::remove(work);
        return false;
    }
    if (!renameNoReplace(work, path)) {
        const int e = errno;
        if (error)
            *error = writeErrorMessage(path, e == EEXIST ? QStringLiteral("plik o tej nazwie już istnieje")
                                                         : qt_error_string(e));
        QFile::remove(work);
        return false;
    }
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

bool rewriteFile(const QString& path, const QByteArray& content, QString* error)
{
    return rewriteFiles({{path, content}}, error);
}

bool rewriteFiles(const QList<QPair<QString, QByteArray>>& files, QString* error, int* renamed, int* failedFile)
{
    if (renamed)
        *renamed = 0;
    struct Work {
        QString target;
        QString work;
        int fd = -1;
    };
    std::vector<Work> works(size_t(files.size()));
    QString reason;
    qsizetype failed = -1;  // the file the failure concerns
    auto dropWorkFiles = [&works] {
        for (Work& w : works) {
            if (w.fd >= 0)
                ::close(w.fd);
            w.fd = -1;
            if (!w.work.isEmpty())
                ::unlink(QFile::encodeName(w.work).constData());
        }
    };
    for (qsizetype i = 0; i < files.size() && failed < 0; ++i) {
        const QString& path = files[i].first;
        if (linkLeavesFolder(path, error)) {
            if (failedFile)
                *failedFile = int(i);
            dropWorkFiles();
            return false;
        }
        // A link into its own folder: the file it points to is replaced.
        const QFileInfo link(path);
        Work& w = works[size_t(i)];
        w.target = link.isSymLink() ? link.canonicalFilePath() : link.absoluteFilePath();
        struct stat old {};
        const bool exists = ::stat(QFile::encodeName(w.target).constData(), &old) == 0;
        if (exists && !S_ISREG(old.st_mode)) {
            reason = QStringLiteral("to nie jest plik");
            failed = i;
            break;
        }
        w.fd = createWorkFile(w.target, &w.work);
        if (w.fd < 0) {
            w.work.clear();
            reason = qt_error_string(errno);
            failed = i;
            break;
        }
        // The new file keeps the old one's permissions.
        if (!((!exists || ::fchmod(w.fd, old.st_mode & 07777) == 0) && writeAllAt(w.fd, files[i].second, 0))) {
            reason = qt_error_string(errno);
            failed = i;
        }
    }
#ifdef SYNC_FILE_RANGE_WRITE
    // Every file's bytes start on their way to the disk together, so the
    // syncs below wait for the disk about once.
    if (failed < 0 && works.size() > 1)
        for (const Work& w : works)
            ::sync_file_range(w.fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    for (qsizetype i = 0; i < files.size() && failed < 0; ++i) {
        Work& w = works[size_t(i)];
        const bool ok = ::fsync(w.fd) == 0;
        const int e = errno;
        const bool closed = ::close(w.fd) == 0;
        w.fd = -1;
        if (!ok || !closed) {
            reason = qt_error_string(ok ? errno : e);
            failed = i;
        }
    }
    if (failed >= 0) {
        if (error)
            *error = writeErrorMessage(files[failed].first, reason);
        if (failedFile)
            *failedFile = int(failed);
        dropWorkFiles();
        return false;
    }
    // Only whole, synced work files take the names; an old file is never
    // removed first.
    for (qsizetype i = 0; i < files.size(); ++i) {
        Work& w = works[size_t(i)];
        if (::rename(QFile::encodeName(w.work).constData(), QFile::encodeName(w.target).constData()) != 0) {
            if (error)
                *error = writeErrorMessage(files[i].first, qt_error_string(errno));
            if (failedFile)
                *failedFile = int(i);
            dropWorkFiles();
            for (qsizetype k = 0; k < i; ++k)
                syncFolder(QFileInfo(works[size_t(k)].target).absolutePath());
            return false;
        }
        w.work.clear();
        if (renamed)
            *renamed = int(i) + 1;
    }
    QStringList folders;
    for (const Work& w : works) {
        const QString folder = QFileInfo(w.target).absolutePath();
        if (!folders.contains(folder)) {
            folders << folder;
            syncFolder(folder);
        }
    }
    return true;
}

bool rewriteTextFile(const QString& path, const QString& text, QString* error)
{
    return rewriteFile(path, toCp1250(text), error);
}

} // namespace remitto
