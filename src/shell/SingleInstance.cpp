#include "shell/SingleInstance.h"

#include <QDir>

namespace remitto {

SingleInstance::SingleInstance(const QString& lockPath) : m_lock(lockPath)
{
    m_lock.setStaleLockTime(0);  // only a lock whose process is gone is stale
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    return QDir::tempPath() + QStringLiteral("/remitto-") + user + QStringLiteral(".lock");
}

} // namespace remitto
