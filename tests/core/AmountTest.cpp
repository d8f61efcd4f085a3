#include "core/Amount.h"

#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

using namespace Qt::StringLiterals;

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace remitto {
namespace {

TEST(ParseAmount, ReadsAmountsInEveryAcceptedForm)
{
    const struct {
        QString text;
        qint64 grosze;
    } cases[] = {
        {u"0"_s, 0},
        {u"0,00"_s, 0},
        {u"-0,00"_s, 0},
        {u"12,30"_s, 1230},
        {u"12.3"_s, 1230},
        {u"12"_s, 1200},
        {u"12,"_s, 1200},
        {u",5"_s, 50},
        {u"0,05"_s, 5},
        {u"-12,30"_s, -1230},
        {u"+5"_s, 500},
        {u"  7,05 \t"_s, 705},
        {u"- 7,05"_s, -705},
        {u"1 234 567,89"_s, 123456789},
        {u"1\u00A0234,50"_s, 123450},  // Polish thousands separator
        {u"0001,01"_s, 101},
        {u"999999999999999,99"_s, Q_INT64_C(99999999999999999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const std::optional<qint64> got = parseAmount(c.text);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(*got, c.grosze);
    }
}

TEST(ParseAmount, RoundsFurtherDecimalsHalfAwayFromZero)
{
    const struct {
        QString text;
        qint64 grosze;
    } cases[] = {
        {u"2,345"_s, 235},
        {u"2.344"_s, 234},
        {u"2,3449"_s, 234},
        {u"-2,345"_s, -235},
        {u"0,005"_s, 1},
        {u"0,0049"_s, 0},
        {u"9,995"_s, 1000},
        {u"-9,995"_s, -1000},
        {u"999999999999999,994"_s, Q_INT64_C(99999999999999999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(parseAmount(c.text), std::optional<qint64>(c.grosze));
    }
}

TEST(ParseAmount, RefusesTextThatIsNotAnAmount)
{
    const QString cases[] = {
        u""_s, u"   "_s, u"abc"_s, u"12a"_s, u"12zł"_s, u"1,2,3"_s, u"1.234,56"_s,
        u"-"_s, u","_s, u"--5"_s, u"5-"_s, u"1e5"_s, u"0x10"_s, u"٣"_s,
        u"1000000000000000"_s,  // sixteen integer digits
        u"999999999999999,995"_s,  // sixteen once rounded
        u"-999999999999999,999"_s,
    };
    for (const QString& text : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_FALSE(parseAmount(text).has_value());
    }
}

TEST(ParseAmount, ViewsAndLatinBytesReadAsTheText)
{
    // Data files' values are parsed on their bytes (Latin-1 characters) or
    // through views; each must read exactly as the text does, blanks inside
    // and at the ends, refusals and rounding included.
    const QString cases[] = {
        u"0"_s, u"12,30"_s, u"12."_s, u",5"_s, u"  7,05 \t"_s, u"- 7,05"_s, u"+ 1 2 , 3 4"_s,
        u"1\u00A0234,50"_s, u"1\u0085234"_s, u"12\r\n"_s, u"0001,01"_s, u"00000000000000000001"_s,
        u"999999999999999,99"_s, u"2,345"_s, u"-9,995"_s, u"0,0049"_s, u"999999999999999,995"_s,
        u"1000000000000000"_s, u""_s, u"   "_s, u"abc"_s, u"12a"_s, u"1,2,3"_s, u"-"_s, u"--5"_s,
        u"5-"_s, u"1e5"_s, u"12\u00E9"_s, u"\u00A0"_s, QString(QChar(0)) + u"1"_s, u"1"_s + QChar(0),
    };
    for (const QString& text : cases) {
        SCOPED_TRACE(text.toStdString());
        const std::optional<qint64> expected = parseAmount(text);
        EXPECT_EQ(parseAmount(QStringView(text)), expected);
        const QByteArray latin1 = text.toLatin1();
        EXPECT_EQ(parseAmount(QLatin1String(latin1.constData(), latin1.size())), expected);
    }
    EXPECT_EQ(parseAmount(QLatin1String("  1 234,567 ")), std::optional<qint64>(123457));
    EXPECT_EQ(parseAmount(QLatin1String("12,3x")), std::nullopt);
}

TEST(FormatAmount, WritesDecimalCommaAndTwoDecimals)
{
    const struct {
        qint64 grosze;
        QString text;
    } cases[] = {
        {0, u"0,00"_s},
        {5, u"0,05"_s},
        {-5, u"-0,05"_s},
        {100, u"1,00"_s},
        {-1230, u"-12,30"_s},
        {123456789, u"1234567,89"_s},
        {std::numeric_limits<qint64>::max(), u"92233720368547758,07"_s},
        {std::numeric_limits<qint64>::min(), u"-92233720368547758,08"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grosze);
        EXPECT_EQ(formatAmount(c.grosze), c.text);
    }
}

TEST(FormatAmount, IsReadBackByParseAmount)
{
    for (const qint64 g : {Q_INT64_C(0), Q_INT64_C(1), Q_INT64_C(-99), Q_INT64_C(10000),
                           Q_INT64_C(99999999999), Q_INT64_C(-123456789012)}) {
        SCOPED_TRACE(g);
        EXPECT_EQ(parseAmount(formatAmount(g)), std::optional<qint64>(g));
    }
}

TEST(ParseAmount, WhatItAcceptsIsWrittenAndReadBack)
{
    for (const QString& text : {u"999999999999999,994"_s, u"-999999999999999,99"_s, u"99999999999999,995"_s,
                                u"0,995"_s, u"-0,004"_s}) {
        SCOPED_TRACE(text.toStdString());
        const std::optional<qint64> g = parseAmount(text);
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(parseAmount(formatAmount(*g)), g);
    }
}

TEST(ToGrosze, RoundsLikeZaokraglij)
{
    const struct {
        double amount;
        qint64 grosze;
    } cases[] = {
        {2.345, 235},
        {2.344, 234},
        {1.005, 101},
        {0.1 + 0.2, 30},
        {-2.345, -235},
        {-0.001, 0},
        {987654.32, 98765432},
        {123456789.99, Q_INT64_C(12345678999)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(toGrosze(c.amount), c.grosze);
    }
}

TEST(ToGrosze, OddValuesGiveZeroOrTheEndOfTheRange)
{
    EXPECT_EQ(toGrosze(std::nan("")), 0);
    EXPECT_EQ(toGrosze(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(toGrosze(1e30), std::numeric_limits<qint64>::max());
    EXPECT_EQ(toGrosze(-1e30), std::numeric_limits<qint64>::min());
}

TEST(FromGrosze, GivesZlotyAsDouble)
{
    EXPECT_DOUBLE_EQ(fromGrosze(Q_INT64_C(12345678999)), 123456789.99);
    EXPECT_DOUBLE_EQ(fromGrosze(-5), -0.05);
    EXPECT_EQ(toGrosze(fromGrosze(Q_INT64_C(98765432101))), Q_INT64_C(98765432101));
}

} // namespace
} // namespace remitto
