#include "core/FolderLock.h"

#include "core/QuoteFormat.h"
#include "core/RawFileIo.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSysInfo>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace remitto {

namespace {

constexpr int kLockValues = 6;
constexpr qint64 kDaySecs = 24 * 60 * 60;

QString bootId()
{
    QFile f(QStringLiteral("/proc/sys/kernel/random/boot_id"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(f.readAll()).trimmed();
}

QString userName()
{
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

bool processRunning(qint64 pid)
{
    if (pid <= 0)
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QByteArray readBytes(const QString& path, bool* exists)
{
    QFile f(path);
    *exists = f.exists();
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(64 * 1024);
}

/// One program at a time takes a lock over: an exclusive flock() on a small
/// file beside the lock, which the kernel frees when its holder dies. Where
/// the file system has no such locks the takeover goes on without it.
class TakeoverGuard {
public:
    explicit TakeoverGuard(const QString& folder)
        : m_path(QFile::encodeName(QDir(folder).filePath(QStringLiteral(".remitto.lock.takeover"))))
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const int fd = ::open(m_path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
            if (fd < 0)
                return;
            if (::flock(fd, LOCK_EX) != 0) {
                ::close(fd);
                return;
            }
            // The one before may have removed the file while this one waited.
            struct stat opened{}, named{};
            if (::fstat(fd, &opened) == 0 && ::lstat(m_path.constData(), &named) == 0 && opened.st_dev == named.st_dev
                && opened.st_ino == named.st_ino) {
                m_fd = fd;
                return;
            }
            ::close(fd);
        }
    }
    ~TakeoverGuard()
    {
        if (m_fd >= 0) {
            ::unlink(m_path.constData());
            ::close(m_fd);
        }
    }
    TakeoverGuard(const TakeoverGuard&) = delete;
    TakeoverGuard& operator=(const TakeoverGuard&) = delete;

private:
    QByteArray m_path;
    int m_fd = -1;
};

QString shown(const QDateTime& t)
{
    return t.isValid() ? t.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH:mm:ss")) : QStringLiteral("?");
}

} // namespace

QString FolderLock::lockPath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("remitto.lock"));
}

LockHolder FolderLock::thisProgram(const QDateTime& now)
{
    LockHolder h;
    h.host = QSysInfo::machineHostName();
    h.user = userName();
    h.pid = ::getpid();
    h.since = now.toUTC();
    h.bootId = bootId();
    h.token = QString::number(QRandomGenerator::system()->generate64(), 16);
    h.readable = true;
    return h;
}

QByteArray FolderLock::lockContent(const LockHolder& h)
{
    QuoteWriter w;
    w.text(h.host).text(h.user).number(h.pid).text(h.since.toUTC().toString(Qt::ISODate)).text(h.bootId).text(h.token);
    w.endLine();
    return toCp1250(w.result());
}

LockHolder FolderLock::readHolder(const QString& path)
{
    LockHolder h;
    const QuoteFile f = readQuoteFile(path);
    if (!f.ok || f.values.size() < kLockValues)
        return h;
    h.host = f.values.at(0);
    h.user = f.values.at(1);
    bool pidOk = false;
    h.pid = f.values.at(2).toLongLong(&pidOk);
    h.since = QDateTime::fromString(f.values.at(3), Qt::ISODate);
    h.bootId = f.values.at(4);
    h.token = f.values.at(5);
    h.readable = pidOk && h.since.isValid() && !h.host.isEmpty();
    return h;
}

FolderLock::~FolderLock()
{
    release();
}

bool FolderLock::create(QString* error)
{
    const QString path = lockPath(m_folder);
    const QByteArray content = lockContent(m_mine);
    if (writeNewFile(path, content, error))
        return true;
    const QFileInfo lock(path);
    if (lock.exists() || lock.isSymLink())
        return false;
    // A file system that cannot give a name only while it is free (neither
    // that kind of rename nor hard links, as some network shares): the lock
    // itself is created exclusively. A program reading it half written takes
    // it for a lock it cannot read, never for a dead one.
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) {
        if (errno != EEXIST && error)
            *error = writeErrorMessage(path, qt_error_string(errno));
        return false;
    }
    const bool ok = writeAllAt(fd, content, 0) && ::fsync(fd) == 0;
    ::close(fd);
    if (!ok) {
        ::unlink(name.constData());
        return false;
    }
    syncFolder(m_folder);
    return true;
}

LockState FolderLock::acquire(const QString& folder, const QDateTime& now)
{
    release();
    m_folder = QDir(folder).absolutePath();
    m_other = {};
    m_otherBytes.clear();
    m_message.clear();
    m_mine = thisProgram(now);
    const QString path = lockPath(m_folder);
    // A few rounds: another program may take or free the lock between the steps.
    for (int round = 0; round < 3; ++round) {
        QString error;
        if (create(&error)) {
            m_held = true;
            return LockState::Acquired;
        }
        bool exists = false;
        const QByteArray bytes = readBytes(path, &exists);
        if (!exists) {
            if (QFileInfo(path).isSymLink() || round == 2 || !QFileInfo(m_folder).isDir()
                || !QFileInfo(m_folder).isWritable() || !error.contains(QStringLiteral("już istnieje"))) {
                m_message = QStringLiteral("W folderze danych %1 nie można założyć blokady (pliku remitto.lock), "
                                           "która chroni dane przed zapisem z dwóch programów naraz.\n%2\n"
                                           "Folder jest tylko do odczytu albo brak uprawnień do zapisu w nim: "
                                           "program nie zapisze w nim danych. Wybierz inny folder danych.")
                                .arg(QDir::toNativeSeparators(m_folder), error);
                return LockState::Unwritable;
            }
            continue;  // freed in between
        }
        m_otherBytes = bytes;
        m_other = readHolder(path);
        const LockState state = judge(m_other, now);
        if (state != LockState::Acquired) {
            m_message = heldMessage(m_other);
            return state;
        }
        // A dead holder of this computer: its lock goes, silently.
        if (takeOver())
            return LockState::Acquired;
    }
    m_other = readHolder(path);
    m_message = heldMessage(m_other);
    return LockState::HeldHere;
}

LockState FolderLock::judge(const LockHolder& other, const QDateTime& now)
{
    const QString path = lockPath(m_folder);
    if (other.readable && other.host == m_mine.host) {
        const bool restarted = !other.bootId.isEmpty() && !m_mine.bootId.isEmpty() && other.bootId != m_mine.bootId;
        return restarted || !processRunning(other.pid) ? LockState::Acquired : LockState::HeldHere;
    }
    // Another computer (or a lock that cannot be read): its age counts from
    // the last sign of life, the start or the last refresh.
    QDateTime seen = QFileInfo(path).lastModified().toUTC();
    if (other.readable && (!seen.isValid() || other.since > seen))
        seen = other.since;
    const bool old = seen.isValid() && seen.secsTo(now.toUTC()) > kDaySecs;
    return old ? LockState::StaleElsewhere : LockState::HeldElsewhere;
}

bool FolderLock::takeOver()
{
    if (m_held)
        return true;
    const QString path = lockPath(m_folder);
    const TakeoverGuard guard(m_folder);
    // Only the lock that was judged is replaced, never one another program
    // wrote in the meantime; and it is replaced in one step, so the name is
    // never free for a third program to take at the same time.
    bool exists = false;
    const QByteArray bytes = readBytes(path, &exists);
    QString error;
    if (!exists) {
        if (create(&error)) {
            m_held = true;
            return true;
        }
    } else if (bytes == m_otherBytes) {
        const QString fresh = QDir(m_folder).filePath(
            QStringLiteral(".remitto.lock.%1.%2.new").arg(::getpid()).arg(m_mine.token));
        if (writeNewFile(fresh, lockContent(m_mine), &error)) {
            if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) == 0) {
                syncFolder(m_folder);
                m_held = true;
                return true;
            }
            error = writeErrorMessage(path, qt_error_string(errno));
            QFile::remove(fresh);
        }
    }
    m_other = readHolder(path);
    m_message = m_other.readable ? heldMessage(m_other) : error;
    return false;
}

void FolderLock::release()
{
    if (!m_held)
        return;
    m_held = false;
    const QString path = lockPath(m_folder);
    // A lock another program took over is its own now.
    if (readHolder(path).token == m_mine.token) {
        QFile::remove(path);
        syncFolder(m_folder);
    }
}

void FolderLock::refresh()
{
    if (m_held && readHolder(lockPath(m_folder)).token == m_mine.token)
        ::utime(QFile::encodeName(lockPath(m_folder)).constData(), nullptr);
}

QString FolderLock::heldMessage(const LockHolder& other) const
{
    const QString folder = QDir::toNativeSeparators(m_folder);
    if (!other.readable)
        return QStringLiteral("Folder danych %1 jest zablokowany plikiem remitto.lock, którego nie da się odczytać "
                              "(ostatnio zmieniony %2). Inny program może właśnie zapisywać w tym folderze.")
            .arg(folder, shown(QFileInfo(lockPath(m_folder)).lastModified()));
    return QStringLiteral("Folder danych %1 jest otwarty w innym programie Remitto:\n"
                          "komputer %2, użytkownik %3, proces %4, od %5.\n"
                          "Dwa programy zapisujące w jednym folderze gubią albo podwajają rekordy.")
        .arg(folder, other.host, other.user.isEmpty() ? QStringLiteral("?") : other.user)
        .arg(other.pid)
        .arg(shown(other.since));
}

} // namespace remitto
