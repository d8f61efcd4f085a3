#include "core/QuoteFormat.h"

#include "core/TextFile.h"
#include "core/modZmiene.h"

namespace remitto {

namespace {

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

} // namespace

QuoteReader::QuoteReader(const QString& text) : m_text(text) {}

bool QuoteReader::onlyPaddingLeft() const
{
    // Blanks and end-of-file marks after the last line end are no value; an
    // empty line is one (a value never set, written as nothing).
    for (qsizetype p = m_pos; p < m_text.size(); ++p)
        if (!isBlank(m_text[p]) && m_text[p] != QChar(0x1A))
            return false;
    return true;
}

bool QuoteReader::atEnd()
{
    if (m_afterComma)
        return false;  // a comma always announces one more value, maybe empty
    return onlyPaddingLeft();
}

QString QuoteReader::next()
{
    if (atEnd())
        return {};
    const bool atLineStart = !m_afterComma;
    m_afterComma = false;
    m_lastEmptyLine = false;
    const qsizetype n = m_text.size();
    while (m_pos < n && isBlank(m_text[m_pos]))
        ++m_pos;

    QString value;
    if (m_pos < n && m_text[m_pos] == QLatin1Char('"')) {
        const qsizetype close = m_text.indexOf(QLatin1Char('"'), m_pos + 1);
        if (close < 0) {
            m_truncated = true;
            value = m_text.mid(m_pos + 1);
            m_pos = n;
            return value;
        }
        value = m_text.mid(m_pos + 1, close - m_pos - 1);
        m_pos = close + 1;
        // Anything between the closing quote and the separator is dropped.
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < n && m_text[m_pos] != QLatin1Char(',') && !isLineEnd(m_text[m_pos]))
            ++m_pos;
        value = m_text.mid(start, m_pos - start).trimmed();
        m_lastEmptyLine = atLineStart && value.isEmpty() && (m_pos >= n || isLineEnd(m_text[m_pos]));
    }
    if (m_pos < n) {
        if (m_text[m_pos] == QLatin1Char(',')) {
            m_afterComma = true;
            ++m_pos;
        } else {
            // One line end (CR LF, LF or CR) closes the value.
            if (m_text[m_pos] == QLatin1Char('\r') && m_pos + 1 < n && m_text[m_pos + 1] == QLatin1Char('\n'))
                ++m_pos;
            ++m_pos;
        }
    }
    return value;
}

QStringList QuoteReader::readAll()
{
    QStringList out;
    // Every value ends at a comma or a line end: room for all of them at once
    // instead of growing the list value by value.
    const QStringView rest = QStringView(m_text).mid(m_pos);
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
    QString clean = ZamienCudzyslow(value);
    // A line end inside a value would split it in two on reading.
    clean.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    m_out += clean;
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
    if (file.endsWithEmptyLine && size > 0 && file.values.size() % size == 1)
        return splitRecords(file.values.mid(0, file.values.size() - 1), size, records);
    return splitRecords(file.values, size, records);
}

QString damagedFileMessage(const QString& path, int recordSize)
{
    return QStringLiteral("Plik %1 jest uszkodzony: liczba wartości nie dzieli się na rekordy po %2.")
        .arg(path)
        .arg(recordSize);
}

} // namespace remitto
