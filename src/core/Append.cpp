#include "core/Append.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace remitto {

namespace {

// A file read and cut into whole records and what follows them.
struct Scan {
    RecordTail tail;
    Encoding encoding = Encoding::Cp1250;
    QString text;
    qsizetype wholeEnd = 0;  ///< offset just past the last whole record
};

// True when the value just read was cut by an interrupted write: the file
// ends inside its quotes, or ends right after the comma that announced it
// (a never-set value written as nothing is closed by a comma or line end).
bool valueCut(const QString& text, qsizetype start, const QString& value, QuoteReader& reader)
{
    if (reader.truncated())
        return true;
    if (!value.isEmpty() || start == 0 || text[start - 1] != QLatin1Char(',') || !reader.atEnd())
        return false;
    // Nothing but blanks after that comma: no quotes of an empty text value,
    // no line end closing a never-set one.
    for (qsizetype p = start; p < reader.position(); ++p)
        if (text[p] == QLatin1Char('"') || text[p] == QLatin1Char('\r') || text[p] == QLatin1Char('\n'))
            return false;
    return true;
}

void scanText(Scan& s, int recordSize, const QString& path);

Scan scanFile(const QString& path, int recordSize)
{
    Scan s;
    const FileText f = readTextFile(path);
    if (f.missing)
        return s;
    if (!f.ok) {
        s.tail.state = RecordTail::State::Unreadable;
        s.tail.message = f.error;
        return s;
    }
    s.encoding = f.encoding;
    s.text = f.text;
    scanText(s, recordSize, path);
    return s;
}

void scanText(Scan& s, int recordSize, const QString& path)
{
    const qsizetype size = qMax(recordSize, 1);
    QuoteReader reader(s.text);
    qsizetype values = 0;
    while (!reader.atEnd()) {
        const qsizetype start = reader.position();
        const QString value = reader.next();
        ++values;
        if (valueCut(s.text, start, value, reader))
            break;
        if (values % size == 0) {
            s.wholeEnd = reader.position();
            s.tail.records = values / size;
        }
    }
    s.tail.tornValues = values - s.tail.records * size;
    // One empty line after the last record, as a text editor leaves it, is
    // no value; the append drops it.
    if (s.tail.tornValues == 1 && reader.lastWasEmptyLine())
        s.tail.tornValues = 0;
    if (s.tail.tornValues == 0) {
        s.tail.state = RecordTail::State::Whole;
        return;
    }
    s.tail.state = RecordTail::State::Torn;
    s.tail.message = QStringLiteral("Plik %1 kończy się przerwanym zapisem: po ostatnim pełnym rekordzie "
                                    "(%2) zostało wartości: %3.")
                         .arg(path)
                         .arg(s.tail.records)
                         .arg(s.tail.tornValues);
    // A comma after the last whole record would announce one more value.
    if (s.wholeEnd > 0 && s.text[s.wholeEnd - 1] == QLatin1Char(','))
        --s.wholeEnd;
}

// What must come before new records so that they start on a line of their
// own after `text`.
QString lineEndAfter(const QString& text)
{
    if (text.isEmpty() || text.endsWith(QLatin1Char('\n')))
        return {};
    if (text.endsWith(QLatin1Char('\r')))
        return QStringLiteral("\n");
    return QStringLiteral("\r\n");
}

// One write at the end of the file, synced; a failed write is taken back.
bool appendBytes(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        if (error)
            *error = writeErrorMessage(path, f.errorString());
        return false;
    }
    const qint64 oldSize = f.size();
    bool ok = f.write(bytes) == bytes.size() && f.flush();
#ifdef Q_OS_UNIX
    // The records reach the disk before the caller reports them written.
    ok = ok && ::fsync(f.handle()) == 0;
#endif
    if (!ok) {
        if (error)
            *error = writeErrorMessage(path, f.errorString());
        // Unbuffered, nothing is left to be written after the cut.
        f.resize(oldSize);
        return false;
    }
    return true;
}

} // namespace

RecordTail checkRecordTail(const QString& path, int recordSize)
{
    return scanFile(path, recordSize).tail;
}

RecordTail recordTailOfText(const QString& text, int recordSize, const QString& path, qsizetype* wholeEnd)
{
    Scan s;
    s.text = text;
    scanText(s, recordSize, path);
    if (wholeEnd)
        *wholeEnd = s.wholeEnd;
    return s.tail;
}

AppendResult appendRecords(const QString& path, int recordSize, const QString& records, QString* message)
{
    const Scan s = scanFile(path, recordSize);
    switch (s.tail.state) {
    case RecordTail::State::Unreadable:
        if (message)
            *message = s.tail.message;
        return AppendResult::Failed;
    case RecordTail::State::Torn:
        if (message)
            *message = s.tail.message;
        return AppendResult::TornTail;
    case RecordTail::State::Missing:
        return appendBytes(path, toCp1250(records), message) ? AppendResult::Appended : AppendResult::Failed;
    case RecordTail::State::Whole:
        break;
    }
    const QString kept = s.text.left(s.wholeEnd);
    const QString lineEnd = lineEndAfter(kept);
    // Blanks or end-of-file marks after the last record would run into the
    // first new value, and UTF-8 must not be mixed with the program's own
    // encoding: such a file is written anew, whole.
    if (s.encoding == Encoding::Utf8 || s.wholeEnd < s.text.size()) {
        return rewriteTextFile(path, kept + lineEnd + records, message) ? AppendResult::Appended
                                                                        : AppendResult::Failed;
    }
    return appendBytes(path, toCp1250(lineEnd + records), message) ? AppendResult::Appended : AppendResult::Failed;
}

bool cutTornTail(const QString& path, int recordSize, QString* error)
{
    const Scan s = scanFile(path, recordSize);
    if (s.tail.state == RecordTail::State::Unreadable) {
        if (error)
            *error = s.tail.message;
        return false;
    }
    if (s.tail.state != RecordTail::State::Torn)
        return true;
    return rewriteTextFile(path, s.text.left(s.wholeEnd), error);
}

QString cutTornTailQuestion(const RecordTail& tail)
{
    return tail.message + QStringLiteral("\nCzy obciąć plik do ostatniego pełnego rekordu ?");
}

bool appendTextFile(const QString& path, const QString& text, QString* error)
{
    // A text of its own: every value is a record, so only a value cut inside
    // its quotes counts as torn.
    return appendRecords(path, 1, text, error) == AppendResult::Appended;
}

} // namespace remitto
