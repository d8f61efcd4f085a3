#include "core/Amount.h"

#include "core/modZmiene.h"

#include <cmath>
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

} // namespace

std::optional<qint64> parseAmount(const QString& text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isSpace())
            s.append(c);
    }

    qsizetype pos = 0;
    bool negative = false;
    if (pos < s.size() && (s[pos] == QLatin1Char('-') || s[pos] == QLatin1Char('+'))) {
        negative = s[pos] == QLatin1Char('-');
        ++pos;
    }

    qint64 whole = 0;
    int significant = 0;
    int digits = 0;
    for (; pos < s.size() && isAsciiDigit(s[pos]); ++pos, ++digits) {
        const int d = s[pos].unicode() - u'0';
        if (significant == 0 && d == 0)
            continue;
        if (++significant > kMaxIntegerDigits)
            return std::nullopt;
        whole = whole * 10 + d;
    }

    int fraction = 0;  // grosze
    bool roundUp = false;
    if (pos < s.size() && (s[pos] == QLatin1Char(',') || s[pos] == QLatin1Char('.'))) {
        ++pos;
        for (int place = 0; pos < s.size() && isAsciiDigit(s[pos]); ++pos, ++place, ++digits) {
            const int d = s[pos].unicode() - u'0';
            if (place == 0)
                fraction += d * 10;
            else if (place == 1)
                fraction += d;
            else if (place == 2)
                roundUp = d >= 5;
        }
    }
    if (pos != s.size() || digits == 0)
        return std::nullopt;

    // The limit holds after rounding, so the carry of "999999999999999,995"
    // cannot make a sixteenth digit that formatAmount writes and this refuses.
    const qint64 grosze = whole * 100 + fraction + (roundUp ? 1 : 0);
    if (grosze > kMaxGrosze)
        return std::nullopt;
    return negative ? -grosze : grosze;
}

QString formatAmount(qint64 grosze)
{
    const bool negative = grosze < 0;
    const quint64 magnitude = negative ? quint64(0) - quint64(grosze) : quint64(grosze);
    const quint64 cents = magnitude % 100;
    QString out;
    if (negative)
        out += QLatin1Char('-');
    out += QString::number(magnitude / 100);
    out += QLatin1Char(',');
    out += QLatin1Char(char('0' + cents / 10));
    out += QLatin1Char(char('0' + cents % 10));
    return out;
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
