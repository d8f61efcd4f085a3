#pragma once

// The one scanner of the quote-delimited format. QuoteReader runs it over
// decoded text; the sent-transfers file and the check before an append run it
// over the file's bytes (commas, quotes, blanks and line ends are single bytes
// in Windows-1250 and in UTF-8), so every reader finds the same values and
// decides alike whether a file ends in whole records.

#include <QChar>
#include <QtAlgorithms>
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

// Length of the UTF-8 blank (a character QChar::isSpace() takes, written in
// more than one byte) that the bytes at `p` hold, or 0. Only its exact bytes
// count: a file with a byte-order mark is read as UTF-8 even where its bytes
// are not, and a broken sequence decodes to replacement characters.
inline int utf8Blank(const unsigned char* p, qsizetype n)
{
    if (n >= 2 && p[0] == 0xC2 && (p[1] == 0x85 || p[1] == 0xA0))
        return 2;  // U+0085, U+00A0
    if (n < 3)
        return 0;
    if (p[0] == 0xE2 && p[1] == 0x80 && (p[2] <= 0x8A || p[2] == 0xA8 || p[2] == 0xA9 || p[2] == 0xAF)
        && p[2] >= 0x80)
        return 3;  // U+2000-U+200A, U+2028, U+2029, U+202F
    if ((p[0] == 0xE2 && p[1] == 0x81 && p[2] == 0x9F) || (p[0] == 0xE1 && p[1] == 0x9A && p[2] == 0x80)
        || (p[0] == 0xE3 && p[1] == 0x80 && p[2] == 0x80))
        return 3;  // U+205F, U+1680, U+3000
    return 0;
}

// Whether the unit `c` alone is a blank: 1 yes, 0 no, -1 when only the UTF-8
// bytes around it can tell (a byte of 0x80 or more in a UTF-8 file).
template <typename Ch>
inline int unitBlank(unsigned c, Blanks blanks)
{
    if (c == ' ' || (c >= '\t' && c <= '\r'))
        return 1;
    if (c < 0x80)
        return 0;
    if constexpr (sizeof(Ch) == 2)
        return QChar::isSpace(char32_t(c)) ? 1 : 0;
    if (blanks == Blanks::Cp1250)
        return c == 0xA0 ? 1 : 0;
    return -1;
}

// Length of the blank that starts at `b` (0 when none).
template <typename Ch>
inline int blankAtFront(const Ch* b, const Ch* e, Blanks blanks)
{
    const int alone = unitBlank<Ch>(unit(*b), blanks);
    if (alone >= 0)
        return alone;
    return utf8Blank(reinterpret_cast<const unsigned char*>(b), e - b);
}

// Length of the blank that ends at `e` (0 when none).
template <typename Ch>
inline int blankAtBack(const Ch* b, const Ch* e, Blanks blanks)
{
    const int alone = unitBlank<Ch>(unit(e[-1]), blanks);
    if (alone >= 0)
        return alone;
    // Every blank's first byte is a lead byte, so the bytes before it never
    // make it part of another character.
    for (int n = 2; n <= 3; ++n)
        if (e - b >= n && utf8Blank(reinterpret_cast<const unsigned char*>(e - n), n) == n)
            return n;
    return 0;
}

template <typename Ch>
inline const Ch* findQuote(const Ch* p, const Ch* end)
{
    if constexpr (sizeof(Ch) == 1) {
        // Eight bytes at a time: most values are short, and the library's
        // search costs more to start than to run on them.
        constexpr quint64 kOnes = 0x0101010101010101ULL;
        constexpr quint64 kHighs = 0x8080808080808080ULL;
        while (end - p >= 8) {
            quint64 w;
            std::memcpy(&w, p, 8);
            w ^= kOnes * '"';
            // The lowest byte of w that is zero (a quote) sets its high bit
            // here first; higher false marks cannot come before it.
            const quint64 zero = (w - kOnes) & ~w & kHighs;
            if (zero)
                return p + (qCountTrailingZeroBits(zero) >> 3);
            p += 8;
        }
    }
    for (; p < end; ++p)
        if (*p == Ch('"'))
            return p;
    return nullptr;
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

    /// `afterComma`: the text starts right after a comma (a piece of a
    /// longer text read in pieces).
    QuoteScanner(const Ch* begin, const Ch* end, Blanks blanks, bool afterComma = false)
        : m_pos(begin), m_end(end), m_blanks(blanks), m_afterComma(afterComma)
    {
    }

    /// True when no value is left.
    Q_ALWAYS_INLINE bool atEnd() const
    {
        if (m_afterComma || (m_pos < m_end && !quotescan::isPadding(*m_pos)))
            return false;
        const Ch* p = m_pos;
        while (p < m_end && quotescan::isPadding(*p))
            ++p;
        return p == m_end;
    }

    /// The next value; call only when !atEnd(). Inlined: it runs once a
    /// value over files of millions of values.
    Q_ALWAYS_INLINE Value next()
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
    /// True when the last separator read was a comma: one more value follows.
    bool afterComma() const { return m_afterComma; }

private:
    const Ch* m_pos;
    const Ch* m_end;
    Blanks m_blanks;
    bool m_afterComma;
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
