#pragma once

#include "core/QuoteScanner.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

/// Reads the quote-delimited format value by value: values are separated by
/// commas or line ends, quotes around text values are stripped, bare values
/// are trimmed. An empty line is one empty value (a value never set, in a file
/// of one value per line). Records are addressed by counting values, never
/// lines. The values are those QuoteScanner finds, as for every reader.
class QuoteReader {
public:
    explicit QuoteReader(const QString& text);

    /// True when no value is left.
    bool atEnd() const { return m_scanner.atEnd(); }
    /// The next value ("" past the end).
    QString next();
    /// All remaining values.
    QStringList readAll();
    /// True when the text ended inside a value: inside its quotes, or right
    /// after the comma that announced it (a truncated file).
    bool truncated() const { return m_truncated; }
    /// True when the last value read was an empty line.
    bool lastWasEmptyLine() const { return m_lastEmptyLine; }
    /// Offset in the text just past the last value read and its separator:
    /// where the next value begins. Lets a caller replace one record of a file
    /// and keep every other character as it was.
    qsizetype position() const { return m_scanner.position() - reinterpret_cast<const char16_t*>(m_text.utf16()); }

private:
    const QString m_text;
    QuoteScanner<char16_t> m_scanner;
    bool m_truncated = false;
    bool m_lastEmptyLine = false;
};

/// Builds quote-delimited text: strings quoted (double quotes inside become
/// two apostrophes), numbers bare, never-set values as nothing, CR LF ends.
/// A "number" holding a comma, a quote or a line end would split the record,
/// so it is written as a text instead and reads back the same.
class QuoteWriter {
public:
    QuoteWriter& text(const QString& value);
    QuoteWriter& number(const QString& bareValue);
    QuoteWriter& number(qint64 value);
    /// A value that was never set: written as nothing.
    QuoteWriter& empty();
    QuoteWriter& endLine();

    const QString& result() const { return m_out; }

private:
    void separate();

    QString m_out;
    bool m_lineStarted = false;
};

/// Values of a whole quote-delimited file.
struct QuoteFile {
    bool ok = false;
    bool missing = false;
    QStringList values;
    QString error;  ///< Polish message naming the file, when !ok
    bool endsWithEmptyLine = false;  ///< the last value came from an empty last line
    bool truncated = false;  ///< the last value was cut (QuoteReader::truncated())
};

/// Reads every value of a Windows-1250 quote-delimited file. A file that ends
/// inside a value (inside its quotes, or right after a comma) is reported as
/// damaged (the values read are kept).
QuoteFile readQuoteFile(const QString& path);

/// Cuts values into records of `size` values. Returns false (and leaves the
/// incomplete tail out) when the count is not a multiple of `size`; a size
/// below 1 gives no records and false.
bool splitRecords(const QStringList& values, int size, QList<QStringList>* records);

/// splitRecords() of a file's values, by the rule every reader follows
/// (countRecords()): one empty line after the last whole record (as a text
/// editor leaves it) is no value of a record, and a cut last value is part of
/// no whole record.
bool splitRecords(const QuoteFile& file, int size, QList<QStringList>* records);

/// Polish message for a file whose value count does not fit its records.
QString damagedFileMessage(const QString& path, int recordSize);

} // namespace remitto
