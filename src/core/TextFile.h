#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

namespace remitto {

/// Decodes Windows-1250 bytes. Never fails: bytes the code page leaves
/// undefined come back as the control character of the same number.
QString fromCp1250(const QByteArray& bytes);

/// Encodes text as Windows-1250; a character the code page cannot hold is
/// written as "?".
QByteArray toCp1250(const QString& text);

/// toCp1250() for text that goes back into a record file: a blank the code
/// page cannot hold becomes a no-break space, not a "?", so that a bare value
/// keeps losing it at its ends as it did before.
QByteArray toCp1250KeepingBlanks(QString text);

/// How the bytes of a data file are read.
enum class Encoding { Cp1250, Utf8 };

/// The one decision for every reader: bytes that start with a UTF-8
/// byte-order mark, or that are valid UTF-8 holding at least one multi-byte
/// sequence, are UTF-8 (a file saved by another tool); everything else is
/// Windows-1250, which never fails. Plain ASCII reads the same either way.
Encoding detectEncoding(const QByteArray& bytes);

/// UTF-8 bytes decoded as they are: a byte-order mark at their start stays a
/// character (U+FEFF), as anywhere else (QString::fromUtf8 drops it).
QString fromUtf8Bytes(QByteArrayView bytes);

/// detectEncoding() of bytes read in pieces, without holding them all.
class EncodingDetector {
public:
    void add(const char* bytes, qsizetype size);
    /// The decision for all the bytes added.
    Encoding result() const;

private:
    QByteArray m_head;     ///< the first bytes, for the byte-order mark
    QByteArray m_pending;  ///< the start of a sequence cut by the end of a piece
    qint64 m_seen = 0;
    bool m_invalid = false;
    bool m_multiByte = false;
};

/// Decodes a data file's bytes as detectEncoding() decides; one UTF-8
/// byte-order mark at the start of the file is dropped.
QString decodeText(const QByteArray& bytes, Encoding* used = nullptr);

/// Outcome of reading a whole file.
struct FileText {
    bool ok = false;
    bool missing = false;  ///< the file does not exist
    Encoding encoding = Encoding::Cp1250;  ///< how the bytes were read
    QString text;
    QString error;         ///< Polish message naming the file, when !ok
};

/// Reads a whole data file in one pass, decoded by decodeText().
FileText readTextFile(const QString& path);

/// Replaces the file with `content`, the one atomic rewrite of the program:
/// the complete new content is written to a work file created exclusively in
/// the same folder (".NAME.XXXXXX.tmp"), synced, given the old file's
/// permissions and renamed over the old file, and the folder is synced. On
/// any failure the old file stays byte for byte, the work file goes and
/// `error` gets a Polish message. A symbolic link is written through only
/// when it points into its own folder (see linkLeavesFolder()).
bool rewriteFile(const QString& path, const QByteArray& content, QString* error = nullptr);

/// rewriteFile() of several files that change together: every work file is
/// written first, then all are synced at once (one wait for the disk instead
/// of one a file), then they are renamed over the old files in the order
/// given and the folders are synced. When a work file cannot be made,
/// written or synced, no file changes. When a rename fails, the files before
/// it already have their new content: `renamed` (when given) says how many.
/// `failed` (when given) gets the position of the file `error` names.
bool rewriteFiles(const QList<QPair<QString, QByteArray>>& files, QString* error = nullptr, int* renamed = nullptr,
                  int* failed = nullptr);

/// True (and `error` says why, naming the file) when `path` is a symbolic link
/// whose target lies outside the link's own folder or does not exist: a write
/// through it would change a file elsewhere, so every writer refuses it.
bool linkLeavesFolder(const QString& path, QString* error = nullptr);

/// Writes a file that must not exist yet (an export file): the content goes
/// to a work file created exclusively under a fresh name in the same folder
/// (never through a link planted there), is synced, and the work file gets
/// its name only when nothing of that name exists, not even a dangling link.
/// On failure nothing is left behind.
bool writeNewFile(const QString& path, const QByteArray& content, QString* error = nullptr);

/// Makes the names in `folder` (a file created, renamed or removed there) last
/// through a power failure.
void syncFolder(const QString& folder);

/// rewriteFile() of text encoded as Windows-1250.
bool rewriteTextFile(const QString& path, const QString& text, QString* error = nullptr);

/// Appends text encoded as Windows-1250 to the end of a file (created when
/// missing): appendRecords() of core/Append.h with records of one value, so
/// a file ending inside a quoted value is refused and a last line without a
/// line end gets one first. A failed append cuts the file back to its old
/// length.
bool appendTextFile(const QString& path, const QString& text, QString* error = nullptr);

/// "Nie można zapisać pliku <path>" with the reason, used by every writer.
QString writeErrorMessage(const QString& path, const QString& reason);

} // namespace remitto
