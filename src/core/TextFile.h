#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace remitto {

/// Decodes Windows-1250 bytes. Never fails: bytes the code page leaves
/// undefined come back as the control character of the same number.
QString fromCp1250(const QByteArray& bytes);

/// Encodes text as Windows-1250; a character the code page cannot hold is
/// written as "?".
QByteArray toCp1250(const QString& text);

/// Outcome of reading a whole file.
struct FileText {
    bool ok = false;
    bool missing = false;  ///< the file does not exist
    QString text;
    QString error;         ///< Polish message naming the file, when !ok
};

/// Reads a whole Windows-1250 text file in one pass.
FileText readTextFile(const QString& path);

/// Replaces the file with `content`: the complete new content is written to a
/// work file in the same folder, flushed and renamed over the old file. On any
/// failure the old file stays byte for byte and `error` gets a Polish message.
bool rewriteFile(const QString& path, const QByteArray& content, QString* error = nullptr);

/// rewriteFile() of text encoded as Windows-1250.
bool rewriteTextFile(const QString& path, const QString& text, QString* error = nullptr);

/// Appends text encoded as Windows-1250 to the end of a file (created when
/// missing). A failed append cuts the file back to its old length.
bool appendTextFile(const QString& path, const QString& text, QString* error = nullptr);

/// "Nie można zapisać pliku <path>" with the reason, used by every writer.
QString writeErrorMessage(const QString& path, const QString& reason);

} // namespace remitto
