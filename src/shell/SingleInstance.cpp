#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace remitto {

namespace {

/// A folder owned by `uid` that no one else may enter or write to.
bool prywatnyFolder(const QString& path, quint64 uid)
{
    if (path.isEmpty() || !QDir::isAbsolutePath(path))
        return false;
#ifdef Q_OS_UNIX
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & (S_IRWXG | S_IRWXO)) == 0;
#else
    Q_UNUSED(uid);
    return QFileInfo(path).isDir();
#endif
}

/// "remitto" under `cacheDir`, made (or closed) to mode 0700 for `uid`.
QString folderWPamieciPodrecznej(const QString& cacheDir, quint64 uid)
{
    if (cacheDir.isEmpty() || !QDir::isAbsolutePath(cacheDir))
        return {};
    const QString folder = QDir(cacheDir).filePath(QStringLiteral("remitto"));
#ifdef Q_OS_UNIX
    QDir().mkpath(cacheDir);
    const QByteArray nazwa = QFile::encodeName(folder);
    ::mkdir(nazwa.constData(), 0700);
    struct stat st {};
    // A link or a folder of someone else is never used.
    if (::lstat(nazwa.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid)
        return {};
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(nazwa.constData(), 0700) != 0)
        return {};
#else
    QDir().mkpath(folder);
#endif
    return prywatnyFolder(folder, uid) ? folder : QString();
}

} // namespace

SingleInstance::SingleInstance(const QString& lockPath) : m_path(lockPath), m_lock(lockPath)
{
    m_lock.setStaleLockTime(0);  // only a lock whose process is gone is stale
}

bool SingleInstance::acquire()
{
    if (m_path.isEmpty())
        return true;
    return m_lock.tryLock(0);
}

QString SingleInstance::lockPath(const QString& runtimeDir, const QString& cacheDir, quint64 uid)
{
    const QString nazwa = QStringLiteral("remitto-%1.lock").arg(uid);
    if (prywatnyFolder(runtimeDir, uid))
        return QDir(runtimeDir).filePath(nazwa);
    const QString folder = folderWPamieciPodrecznej(cacheDir, uid);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(nazwa);
}

QString SingleInstance::defaultLockPath()
{
#ifdef Q_OS_UNIX
    const quint64 uid = ::getuid();
#else
    const quint64 uid = 0;  // one user per Windows session
#endif
    QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    if (!QDir::isAbsolutePath(cache))
        cache = QDir::homePath() + QStringLiteral("/.cache");
    return lockPath(qEnvironmentVariable("XDG_RUNTIME_DIR"), cache, uid);
}

} // namespace remitto
