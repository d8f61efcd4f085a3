#include "shell/SingleInstance.h"

#include <QDir>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace remitto {

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0);  // only a lock whose process is gone is stale
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

QString SingleInstance::lockPath(const QString& runtimeDir, quint64 uid)
{
    const bool usable = !runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir();
    const QString dir = usable ? runtimeDir : QDir::tempPath();
    return QDir(dir).filePath(QStringLiteral("remitto-%1.lock").arg(uid));
}

QString SingleInstance::defaultLockPath()
{
#ifdef Q_OS_UNIX
    const quint64 uid = ::getuid();
#else
    const quint64 uid = 0;  // one user per Windows session
#endif
    return lockPath(qEnvironmentVariable("XDG_RUNTIME_DIR"), uid);
}

} // namespace remitto
