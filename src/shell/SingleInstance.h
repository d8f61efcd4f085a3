#pragma once

#include <QLockFile>
#include <QString>

namespace remitto {

/// Refuses a second running copy of the program for the same user. A lock
/// left by a copy that crashed is taken over.
class SingleInstance {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());

    /// True when this copy is the only one running.
    bool acquire();

    /// The lock of this user: named from the numeric user id (a user name
    /// may be unset or shared), in the user's runtime folder when there is
    /// one, otherwise in the temporary folder.
    static QString defaultLockPath();

    /// "remitto-<uid>.lock" in `runtimeDir`, or in the temporary folder when
    /// `runtimeDir` is empty or not a folder.
    static QString lockPath(const QString& runtimeDir, quint64 uid);

private:
    QLockFile m_lock;
};

} // namespace remitto
