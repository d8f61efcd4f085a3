#pragma once

#include <QLockFile>
#include <QString>

namespace remitto {

/// Refuses a second running copy of the program for the same user. A lock
/// left by a copy that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    /// True when this copy is the only one running. Without a private folder
    /// for the lock (empty lock path) every copy runs.
    bool acquire();

    /// The lock of this user: named from the numeric user id (a user name
    /// may be unset or shared), in a folder only this user can write to.
    static QString defaultLockPath();

    /// "remitto-<uid>.lock" in `runtimeDir` when it is a folder of that user
    /// closed to everyone else; otherwise in "remitto" under `cacheDir`, made
    /// with mode 0700 when missing. Never in a shared folder such as /tmp,
    /// where another user could take the name first: empty when neither
    /// folder is private.
    static QString lockPath(const QString& runtimeDir, const QString& cacheDir, quint64 uid);

private:
    QString m_path;
    QLockFile m_lock;
};

} // namespace remitto
