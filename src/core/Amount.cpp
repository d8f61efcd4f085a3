#include "core/Amount.h"

#include "core/modZmiene.h"

#include <cmath>
#include <iterator>
#include <limits>

namespace remitto {

namespace {

constexpr int kMaxIntegerDigits = 15;
// The largest amount of fifteen integer digits, in grosze.
constexpr qint64 kMaxGrosze = Q_INT64_C(99999999999999999);

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The parser over any text whose characters convert to QChar: blanks are
// dropped wherever they stand, so the cursor skips them as it goes.
template <typename Text>
std::optional<qint64> parseAmountIn(Text text)
{
    const qsizetype size = text.size();
    qsizetype pos = 0;
    const auto skipBlanks = [&] {
        while (pos < size && QChar(text[pos]).isSpace())
            ++pos;
    };
    const auto at = [&](char16_t c) { return QChar(text[pos]).unicode() == c; };
    const auto digitAt = [&] { return isAsciiDigit(QChar(text[pos])); };

    skipBlanks();
    bool negative = false;
    if (pos < size && (at(u'-') || at(u'+'))) {
        negative = at(u'-');
        ++pos;
        skipBlanks();
    }

    qint64 whole = 0;
    int significant = 0;
    int digits = 0;
    for (; pos < size && digitAt(); ++digits) {
        const int d = QChar(text[pos]).unicode() - u'0';
        ++pos;
        skipBlanks();
        if (significant == 0 && d == 0)
            continue;
        if (++significant > kMaxIntegerDigits)
            return std::nullopt;
        whole = whole * 10 + d;
    }

    int fraction = 0;  // grosze
    bool roundUp = false;
    if (pos < size && (at(u',') || at(u'.'))) {
        ++pos;
        skipBlanks();
        for (int place = 0; pos < size && digitAt(); ++place, ++digits) {
            const int d = QChar(text[pos]).unicode() - u'0';
            ++pos;
            skipBlanks();
            if (place == 0)
                fraction += d * 10;
            else if (place == 1)
                fraction += d;
            else if (place == 2)
                roundUp = d >= 5;
        }
    }
    if (pos != size || digits == 0)
        return std::nullopt;

    // The limit holds after rounding, so the carry of "999999999999999,995"
    // cannot make a sixteenth digit that formatAmount writes and this refuses.
    const qint64 grosze = whole * 100 + fraction + (roundUp ? 1 : 0);
    if (grosze > kMaxGrosze)
        return std::nullopt;
    return negative ? -grosze : grosze;
}

} // namespace

std::optional<qint64> parseAmount(const QString& text)
{
    return parseAmountIn(QStringView(text));
}

std::optional<qint64> parseAmount(QStringView text)
{
    return parseAmountIn(text);
}

std::optional<qint64> parseAmount(QLatin1String text)
{
    return parseAmountIn(text);
}

QString formatAmount(qint64 grosze)
{
    const bool negative = grosze < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(grosze) : quint64(grosze);
    // Written from the end into a buffer: one allocation for the text.
    char16_t buffer[32];
    char16_t* p = buffer + std::size(buffer);
    quint64 rest = magnitude;
    *--p = char16_t(u'0' + rest % 10);
    rest /= 10;
    *--p = char16_t(u'0' + rest % 10);
    rest /= 10;
    *--p = u',';
    do {
        *--p = char16_t(u'0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (negative)
        *--p = u'-';
    return QString(reinterpret_cast<const QChar*>(p), buffer + std::size(buffer) - p);
}

qint64 toGrosze(double amount)
{
    if (!std::isfinite(amount))
        return 0;
    const double grosze = std::round(Zaokraglij(amount) * 100.0);
    // 2^63 is exactly representable; anything at or past it does not fit.
    constexpr double kLimit = 9223372036854775808.0;
    if (grosze >= kLimit)
        return std::numeric_limits<qint64>::max();
    if (grosze <= -kLimit)
        return std::numeric_limits<qint64>::min();
    return qint64(grosze);
}

double fromGrosze(qint64 grosze)
{
    return double(grosze) / 100.0;
}

} // namespace remitto
