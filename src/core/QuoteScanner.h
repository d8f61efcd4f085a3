#pragma once

// The one scanner of the quote-delimited format. QuoteReader runs it over
// decoded text; the sent-transfers file and the check before an append run it
// over the file's bytes (commas, quotes, blanks and line ends are single bytes
// in Windows-1250 and in UTF-8), so every reader finds the same values and
// decides alike whether a file ends in whole records.

#include <QChar>
#include <QtGlobal>

#include <cstring>
#include <type_traits>

namespace remitto {

/// Which characters a bare value loses at both ends: those QString::trimmed()
/// drops from the decoded text, found on the text itself or on its bytes.
enum class Blanks { Text, Cp1250, Utf8 };

namespace quotescan {

template <typename Ch>
inline unsigned unit(Ch c)
{
    return static_cast<std::make_unsigned_t<Ch>>(c);
}

template <typename Ch>
inline bool isLineEnd(Ch c)
{
    return c == Ch('\r') || c == Ch('\n');
}

// Blanks before a value and after the last line end; an end-of-file mark
// after the last line end is padding too.
template <typename Ch>
inline bool isBlank(Ch c)
{
    return c == Ch(' ') || c == Ch('\t');
}

template <typename Ch>
inline bool isPadding(Ch c)
{
    return isBlank(c) || c == Ch(0x1A);
}

// Length of the UTF-8 sequence a lead byte starts (0 for a continuation or a
// byte no sequence starts with).
inline int utf8Length(unsigned b)
{
    if (b < 0x80)
        return 1;
    if (b >= 0xC2 && b <= 0xDF)
        return 2;
    if (b >= 0xE0 && b <= 0xEF)
        return 3;
    if (b >= 0xF0 && b <= 0xF4)
        return 4;
    return 0;
}

inline char32_t utf8Decode(const char* p, int n)
{
    const auto b = [p](int i) { return char32_t(static_cast<unsigned char>(p[i])); };
    switch (n) {
    case 2:
        return (b(0) & 0x1F) << 6 | (b(1) & 0x3F);
    case 3:
        return (b(0) & 0x0F) << 12 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    default:
        return (b(0) & 0x07) << 18 | (b(1) & 0x3F) << 12 | (b(2) & 0x3F) << 6 | (b(3) & 0x3F);
    }
}

// Length of the blank that starts at `b` (0 when none).
template <typename Ch>
inline int blankAtFront(const Ch* b, const Ch* e, Blanks blanks)
{
    const unsigned c = unit(*b);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c < 0x80)
        return 0;
    if constexpr (sizeof(Ch) == 2) {
        return QChar::isSpace(char32_t(c)) ? 1 : 0;
    } else {
        if (blanks == Blanks::Cp1250)
            return c == 0xA0 ? 1 : 0;
        const int n = utf8Length(c);
        if (n < 2 || e - b < n)
            return 0;
        return QChar::isSpace(utf8Decode(b, n)) ? n : 0;
    }
}

// Length of the blank that ends at `e` (0 when none).
template <typename Ch>
inline int blankAtBack(const Ch* b, const Ch* e, Blanks blanks)
{
    const unsigned c = unit(e[-1]);
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c < 0x80)
        return 0;
    if constexpr (sizeof(Ch) == 2) {
        return QChar::isSpace(char32_t(c)) ? 1 : 0;
    } else {
        if (blanks == Blanks::Cp1250)
            return c == 0xA0 ? 1 : 0;
        const Ch* p = e - 1;
        while (p > b && e - p < 4 && (unit(*p) & 0xC0) == 0x80)
            --p;
        const int n = int(e - p);
        if (n < 2 || utf8Length(unit(*p)) != n)
            return 0;
        return QChar::isSpace(utf8Decode(p, n)) ? n : 0;
    }
}

template <typename Ch>
inline const Ch* findQuote(const Ch* p, const Ch* end)
{
    if constexpr (sizeof(Ch) == 1) {
        return static_cast<const Ch*>(std::memchr(p, '"', size_t(end - p)));
    } else {
        for (; p < end; ++p)
            if (*p == Ch('"'))
                return p;
        return nullptr;
    }
}

// First separator (comma or line end) at or after `p`.
template <typename Ch>
inline const Ch* toSeparator(const Ch* p, const Ch* end)
{
    while (p < end && *p != Ch(',') && !isLineEnd(*p))
        ++p;
    return p;
}

} // namespace quotescan

/// Reads values one by one: values are separated by commas or line ends (CR
/// LF, LF or CR), quotes around a value are stripped (anything between the
/// closing quote and the separator is dropped), a bare value loses its blanks
/// at both ends. An empty line is one empty value; blanks and end-of-file
/// marks after the last line end are none. A comma always announces one more
/// value.
template <typename Ch>
class QuoteScanner {
public:
    struct Value {
        const Ch* begin = nullptr;
        const Ch* end = nullptr;
        /// An empty bare value alone on its line (an editor's empty last line
        /// when it is the last value of a file).
        bool emptyLine = false;
        /// Cut by an interrupted write: the text ends inside its quotes, or
        /// ends right after the comma that announced it (a value that was
        /// never set is closed by a comma or a line end, so nothing after a
        /// comma is no whole value).
        bool cut = false;
    };

    QuoteScanner(const Ch* begin, const Ch* end, Blanks blanks) : m_pos(begin), m_end(end), m_blanks(blanks) {}

    /// True when no value is left.
    bool atEnd() const
    {
        if (m_afterComma)
            return false;
        const Ch* p = m_pos;
        while (p < m_end && quotescan::isPadding(*p))
            ++p;
        return p == m_end;
    }

    /// The next value; call only when !atEnd().
    Value next()
    {
        using namespace quotescan;
        Value v;
        const bool atLineStart = !m_afterComma;
        m_afterComma = false;
        while (m_pos < m_end && isBlank(*m_pos))
            ++m_pos;
        if (m_pos < m_end && *m_pos == Ch('"')) {
            const Ch* close = findQuote(m_pos + 1, m_end);
            if (!close) {
                v.begin = m_pos + 1;
                v.end = m_end;
                v.cut = true;
                m_pos = m_end;
                return v;
            }
            v.begin = m_pos + 1;
            v.end = close;
            m_pos = toSeparator(close + 1, m_end);
        } else {
            const Ch* b = m_pos;
            m_pos = toSeparator(m_pos, m_end);
            const Ch* e = m_pos;
            for (int n; b < e && (n = blankAtFront(b, e, m_blanks)) > 0;)
                b += n;
            for (int n; e > b && (n = blankAtBack(b, e, m_blanks)) > 0;)
                e -= n;
            v.begin = b;
            v.end = e;
            if (b == e) {
                const bool atTextEnd = m_pos == m_end;
                v.emptyLine = atLineStart && (atTextEnd || isLineEnd(*m_pos));
                v.cut = !atLineStart && atTextEnd;
            }
        }
        if (m_pos < m_end) {
            if (*m_pos == Ch(',')) {
                m_afterComma = true;
                ++m_pos;
            } else {
                // One line end (CR LF, LF or CR) closes the value.
                if (*m_pos == Ch('\r') && m_pos + 1 < m_end && m_pos[1] == Ch('\n'))
                    ++m_pos;
                ++m_pos;
            }
        }
        return v;
    }

    /// Just past the last value read and its separator: where the next value
    /// begins.
    const Ch* position() const { return m_pos; }

private:
    const Ch* m_pos;
    const Ch* m_end;
    Blanks m_blanks;
    bool m_afterComma = false;
};

/// Whole records among the values of a file, and the values after them.
struct RecordCount {
    qsizetype records = 0;
    qsizetype tornValues = 0;
};

/// The one rule for how a file of records of `recordSize` values ends, given
/// how many values it holds and what its last value was: a cut last value is
/// never part of a whole record, and one empty line after the last whole
/// record (as a text editor leaves it) is no value of a record.
inline RecordCount countRecords(qsizetype values, bool lastCut, bool lastEmptyLine, int recordSize)
{
    const qsizetype size = qMax(recordSize, 1);
    RecordCount c;
    if (lastCut) {
        c.records = (values - 1) / size;
        c.tornValues = values - c.records * size;
        return c;
    }
    c.records = values / size;
    c.tornValues = values % size;
    if (c.tornValues == 1 && lastEmptyLine)
        c.tornValues = 0;
    return c;
}

} // namespace remitto
