#pragma once

#include <QDateTime>
#include <QString>

namespace remitto {

/// Who holds the lock of a data folder, as its lock file says.
struct LockHolder {
    QString host;
    QString user;
    qint64 pid = 0;
    QDateTime since;  ///< when the holder opened the folder (UTC)
    QString bootId;   ///< the holder's machine start, so a restart frees the lock
    QString token;    ///< unique per lock, so a holder never removes a lock taken over from it
    bool readable = false;
};

enum class LockState {
    Acquired,        ///< this program now holds the folder (a dead holder of this host was replaced)
    HeldHere,        ///< a running program on this computer holds it
    HeldElsewhere,   ///< another computer holds it, opened less than a day ago
    StaleElsewhere,  ///< another computer holds it since more than a day: may be taken over on request
    Unwritable,      ///< no lock can be written in the folder (read-only, no rights, missing)
};

/// One writer per data folder: "remitto.lock" in the folder names the program
/// that writes there (host, user, process id, start). It is made with an
/// exclusive create of a whole work file, so two programs never both win and
/// no reader sees half a lock; it is held for the session and removed on a
/// clean end. A lock of this computer whose process is gone (or left from
/// before the machine restarted) is taken over silently; a lock of another
/// computer is only taken over with takeOver(), once the user agreed.
class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    /// Takes the lock of `folder` (releasing one held before). `now` is the
    /// real time (never the program's own clock), to judge a lock's age.
    LockState acquire(const QString& folder, const QDateTime& now = QDateTime::currentDateTimeUtc());

    /// After StaleElsewhere and the user's yes: replaces that lock with this
    /// program's, unless it changed since it was read. False (and message())
    /// when it could not be taken.
    bool takeOver();

    /// Removes the lock file, when it is still this program's.
    void release();

    /// Marks the lock as in use (its time is moved to now), so a program
    /// left running for days on another computer is not taken for a dead one.
    void refresh();

    bool held() const { return m_held; }
    /// The folder of the lock held, or of the last attempt.
    QString folder() const { return m_folder; }
    /// The other holder, after a refused acquire().
    const LockHolder& holder() const { return m_other; }
    /// Polish text of the last refusal: who holds the folder and since when
    /// (the caller says what it does about it), or why no lock could be
    /// written.
    QString message() const { return m_message; }

    /// "remitto.lock" in `folder`.
    static QString lockPath(const QString& folder);
    /// Reads a lock file; `readable` is false for a damaged one.
    static LockHolder readHolder(const QString& path);
    /// The content of a lock file for `holder`.
    static QByteArray lockContent(const LockHolder& holder);
    /// This program as a holder, starting now.
    static LockHolder thisProgram(const QDateTime& now);

private:
    LockState judge(const LockHolder& other, const QDateTime& now);
    bool create(QString* error);
    QString heldMessage(const LockHolder& other) const;

    QString m_folder;
    bool m_held = false;
    LockHolder m_mine;
    LockHolder m_other;
    QByteArray m_otherBytes;
    QString m_message;
};

} // namespace remitto
