#include "core/QuoteFormat.h"

#include "core/TextFile.h"
#include "core/modZmiene.h"

namespace remitto {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

} // namespace

QuoteReader::QuoteReader(const QString& text)
    : m_text(text), m_scanner(reinterpret_cast<const char16_t*>(m_text.utf16()),
                reinterpret_cast<const char16_t*>(m_text.utf16()) + m_text.size(), Blanks::Text)
{
}

QString QuoteReader::next()
{
    if (atEnd())
        return {};
    const QuoteScanner<char16_t>::Value v = m_scanner.next();
    m_truncated = m_truncated || v.cut;
    m_lastEmptyLine = v.emptyLine;
    return QString(reinterpret_cast<const QChar*>(v.begin), v.end - v.begin);
}

QStringList QuoteReader::readAll()
{
    QStringList out;
    // Every value ends at a comma or a line end: room for all of them at once
    // instead of growing the list value by value.
    const QStringView rest = QStringView(m_text).mid(position());
    out.reserve(rest.count(QLatin1Char(',')) + rest.count(QLatin1Char('\n')) + 1);
    while (!atEnd())
        out.append(next());
    return out;
}

void QuoteWriter::separate()
{
    if (m_lineStarted)
        m_out += QLatin1Char(',');
    m_lineStarted = true;
}

QuoteWriter& QuoteWriter::text(const QString& value)
{
    separate();
    m_out += QLatin1Char('"');
    bool czysta = true;  // nothing to change: the usual value, copied as it is
    for (QChar c : value)
        if (c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            czysta = false;
            break;
        }
    if (czysta) {
        m_out += value;
    } else {
        QString clean = ZamienCudzyslow(value);
        // A line end inside a value would split it in two on reading.
        clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        m_out += clean;
    }
    m_out += QLatin1Char('"');
    return *this;
}

QuoteWriter& QuoteWriter::number(const QString& bareValue)
{
    const QString value = bareValue.trimmed();
    for (QChar c : value)
        if (c == QLatin1Char(',') || c == QLatin1Char('"') || isLineEnd(c))
            return text(value);
    separate();
    m_out += value;
    return *this;
}

QuoteWriter& QuoteWriter::number(qint64 value)
{
    return number(QString::number(value));
}

QuoteWriter& QuoteWriter::empty()
{
    separate();
    return *this;
}

QuoteWriter& QuoteWriter::endLine()
{
    m_out += QLatin1String("\r\n");
    m_lineStarted = false;
    return *this;
}

QuoteFile readQuoteFile(const QString& path)
{
    QuoteFile result;
    const FileText file = readTextFile(path);
    if (!file.ok) {
        result.missing = file.missing;
        result.error = file.error;
        return result;
    }
    QuoteReader reader(file.text);
    result.values = reader.readAll();
    result.endsWithEmptyLine = reader.lastWasEmptyLine();
    result.truncated = reader.truncated();
    if (reader.truncated()) {
        result.error = QStringLiteral("Plik %1 jest uszkodzony: urywa się w środku wartości.").arg(path);
        return result;
    }
    result.ok = true;
    return result;
}

bool splitRecords(const QStringList& values, int size, QList<QStringList>* records)
{
    records->clear();
    if (size < 1)
        return false;
    const qsizetype whole = values.size() / size;
    records->reserve(whole);
    for (qsizetype i = 0; i < whole; ++i)
        records->append(values.mid(i * size, size));
    return values.size() % size == 0;
}

bool splitRecords(const QuoteFile& file, int size, QList<QStringList>* records)
{
    if (size < 1) {
        records->clear();
        return false;
    }
    const RecordCount c = countRecords(file.values.size(), file.truncated, file.endsWithEmptyLine, size);
    splitRecords(file.values.mid(0, c.records * size), size, records);
    return c.tornValues == 0;
}

QString damagedFileMessage(const QString& path, int recordSize)
{
    return QStringLiteral("Plik %1 jest uszkodzony: liczba wartości nie dzieli się na rekordy po %2.")
        .arg(path)
        .arg(recordSize);
}

} // namespace remitto
