#include "core/AppendJournal.h"

#include "core/RawFileIo.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include "core/LazyCrypto.h"
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remitto {

namespace {

const QLatin1String kSuffix(".appending");
const QByteArray kMagic("remitto append 1");

struct Journal {
    QString name;      ///< file name of the file appended to
    bool create = false;
    qint64 from = 0;   ///< length before the append
    qint64 to = 0;     ///< length after it
    QByteArray sha256; ///< hex digest of the bytes appended
};

QByteArray digest(const QByteArray& bytes)
{
    // libcrypto uses the processor's SHA instructions where it has them.
    QByteArray d(SHA256_DIGEST_LENGTH, Qt::Uninitialized);
    ssl::SHA256(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size()),
           reinterpret_cast<unsigned char*>(d.data()));
    return d.toHex();
}

QByteArray journalBytes(const Journal& j)
{
    return kMagic + "\nfile " + QUrl::toPercentEncoding(j.name) + "\ncreate " + (j.create ? "1" : "0")
        + "\nfrom " + QByteArray::number(j.from) + "\nto " + QByteArray::number(j.to) + "\nsha256 " + j.sha256
        + "\nend\n";
}

// Nothing when the bytes are no whole journal of this program.
std::optional<Journal> parseJournal(const QByteArray& bytes)
{
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() != 8 || lines[0] != kMagic || lines[6] != "end" || !lines[7].isEmpty())
        return std::nullopt;
    auto field = [&lines](int i, const char* key) -> std::optional<QByteArray> {
        const QByteArray prefix = QByteArray(key) + ' ';
        if (!lines[i].startsWith(prefix))
            return std::nullopt;
        return lines[i].mid(prefix.size());
    };
    Journal j;
    const auto name = field(1, "file");
    const auto create = field(2, "create");
    const auto from = field(3, "from");
    const auto to = field(4, "to");
    const auto sha = field(5, "sha256");
    if (!name || !create || !from || !to || !sha || (*create != "0" && *create != "1") || sha->size() != 64)
        return std::nullopt;
    bool okFrom = false, okTo = false;
    j.name = QUrl::fromPercentEncoding(*name);
    j.create = *create == "1";
    j.from = from->toLongLong(&okFrom);
    j.to = to->toLongLong(&okTo);
    j.sha256 = *sha;
    if (!okFrom || !okTo || j.from < 0 || j.to < j.from || j.name.isEmpty())
        return std::nullopt;
    return j;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

// Takes a cut append back: the file gets its old length again, or goes when
// the append made it.
bool rollBack(const QString& path, const Journal& j, QString* error)
{
    if (j.create && j.from == 0) {
        if (::unlink(nativePath(path).constData()) == 0 || errno == ENOENT) {
            syncFolder(QFileInfo(path).absolutePath());
            return true;
        }
    } else {
        const int fd = ::open(nativePath(path).constData(), O_WRONLY | O_CLOEXEC);
        if (fd >= 0) {
            const bool ok = ::ftruncate(fd, off_t(j.from)) == 0 && ::fsync(fd) == 0;
            ::close(fd);
            if (ok)
                return true;
        }
    }
    if (error)
        *error = writeErrorMessage(path, QStringLiteral("nie można cofnąć przerwanego dopisywania (%1)")
                                             .arg(qt_error_string(errno)));
    return false;
}

} // namespace

QString appendJournalPath(const QString& path)
{
    const QFileInfo fi(path);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + kSuffix;
}

bool appendAllOrNothing(const QString& path, qint64 oldSize, bool create, const QByteArray& bytes, QString* error)
{
    if (linkLeavesFolder(path, error))
        return false;
    const QString journal = appendJournalPath(path);
    const QString folder = QFileInfo(path).absolutePath();
    Journal j;
    j.name = QFileInfo(path).fileName();
    j.create = create;
    j.from = oldSize;
    j.to = oldSize + bytes.size();
    j.sha256 = digest(bytes);
    // The journal is on disk, under its name, before the file is touched.
    if (!rewriteFile(journal, journalBytes(j), error))
        return false;
    syncFolder(folder);

    const int flags = O_WRONLY | O_CLOEXEC | (create ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(nativePath(path).constData(), flags, 0666);
    if (fd < 0) {
        if (error)
            *error = writeErrorMessage(path, qt_error_string(errno));
        QFile::remove(journal);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || qint64(st.st_size) != oldSize) {
        if (error)
            *error = writeErrorMessage(path, QStringLiteral("plik zmienił się w trakcie dopisywania"));
        ::close(fd);
        QFile::remove(journal);
        return false;
    }
    if (!writeAllAt(fd, bytes, oldSize) || ::fsync(fd) != 0) {
        if (error)
            *error = writeErrorMessage(path, qt_error_string(errno));
        // Whatever got written goes again; the journal stays if even that fails.
        const bool back = ::ftruncate(fd, off_t(oldSize)) == 0 && ::fsync(fd) == 0;
        ::close(fd);
        if (create)
            ::unlink(nativePath(path).constData());
        if (back || create)
            QFile::remove(journal);
        return false;
    }
    ::close(fd);
    if (create)
        syncFolder(folder);
    QFile::remove(journal);
    return true;
}

AppendRecovery finishInterruptedAppend(const QString& path, QString* error)
{
    const QString journalPath = appendJournalPath(path);
    QFile journal(journalPath);
    if (!journal.open(QIODevice::ReadOnly))
        return AppendRecovery::Nothing;
    const std::optional<Journal> j = parseJournal(journal.read(4096));
    journal.close();
    auto done = [&journalPath](AppendRecovery r) {
        QFile::remove(journalPath);
        return r;
    };
    // A journal that is not whole was never followed by a write.
    if (!j || j->name != QFileInfo(path).fileName())
        return done(AppendRecovery::Nothing);
    // Nothing is cut through a link that now leads out of the folder.
    if (linkLeavesFolder(path, error))
        return AppendRecovery::Failed;

    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return done(AppendRecovery::Nothing);  // the file was never made
    struct stat st {};
    const bool stated = ::fstat(fd, &st) == 0;
    const qint64 size = stated ? qint64(st.st_size) : -1;
    bool whole = false;
    if (size >= j->to) {
        QByteArray added;
        added.resize(j->to - j->from);
        whole = readAllAt(fd, added.data(), added.size(), j->from) && digest(added) == j->sha256;
    }
    ::close(fd);
    if (!stated || size < j->from)
        return done(AppendRecovery::Nothing);  // changed by something else: left to the tail check
    if (whole)
        return done(AppendRecovery::Completed);
    if (size > j->to)
        return done(AppendRecovery::Nothing);  // more than the append, and not it: not ours to cut
    if (!rollBack(path, *j, error))
        return AppendRecovery::Failed;
    return done(AppendRecovery::RolledBack);
}

QStringList finishInterruptedAppends(const QString& folder)
{
    QStringList errors;
    const QDir dir(folder);
    const QStringList journals =
        dir.entryList({QStringLiteral(".*") + kSuffix}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : journals) {
        const QString target = name.mid(1, name.size() - 1 - kSuffix.size());
        if (target.isEmpty())
            continue;
        QString error;
        if (finishInterruptedAppend(dir.filePath(target), &error) == AppendRecovery::Failed)
            errors.append(error);
    }
    return errors;
}

} // namespace remitto
