#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace remitto {

/// The journal that makes one append all or nothing: ".NAME.appending" in the
/// folder of the file NAME. It holds the file's length before the append, its
/// length after it and a SHA-256 of the bytes appended; it exists from before
/// the first byte is written until the last one is on disk, so a journal found
/// later means the append may have been cut (a kill can stop a long write part
/// of the way, a power failure can lose what was not synced yet).
QString appendJournalPath(const QString& path);

/// Appends `bytes` to `path`, all or nothing. `oldSize` is the file's length
/// as checked by the caller (the append is refused when it changed since);
/// `create` says the file does not exist yet and is made by this append.
/// The journal is written and synced first, then the bytes are written at
/// the old end and synced, then the journal is removed. A failed write cuts
/// the file back (or removes the file it created). A link leaving the file's
/// folder is refused. `error` gets a Polish message naming the file.
bool appendAllOrNothing(const QString& path, qint64 oldSize, bool create, const QByteArray& bytes,
                        QString* error = nullptr);

enum class AppendRecovery {
    Nothing,     ///< no journal, or one left by an append that never touched the file
    Completed,   ///< every byte of the append was found on disk; the journal is removed
    RolledBack,  ///< the append was cut: the file is back at its old length (or gone, if the append made it)
    Failed,      ///< the file could not be cut back; `error` says why and the journal stays
};

/// Settles an append to `path` that a kill or a crash interrupted, as its
/// journal says. Called before every check and append of a file of records
/// and at start-up (finishInterruptedAppends()). A file that does not match
/// the journal (shorter than before the append, or changed past its new end)
/// is left alone and only the journal goes.
AppendRecovery finishInterruptedAppend(const QString& path, QString* error = nullptr);

/// finishInterruptedAppend() for every journal in `folder`. Returns the
/// messages of the appends that could not be settled.
QStringList finishInterruptedAppends(const QString& folder);

} // namespace remitto
