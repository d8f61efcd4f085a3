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

    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

} // namespace remitto
