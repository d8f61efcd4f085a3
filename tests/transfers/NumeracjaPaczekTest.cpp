#include "transfers/NumeracjaPaczek.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

QByteArray swiezyPlik()
{
    QByteArray b;
    for (int m = 1; m <= 12; ++m)
        b += QByteArray::number(m) + ",0,0,0,0,\"c\"\r\n";
    return b;
}

} // namespace

TEST(NumeracjaPaczek, FileNameCarriesTwoDigitsOfTheYear)
{
    EXPECT_EQ(sciezkaNumeracji(QStringLiteral("/d"), 2026), QStringLiteral("/d/NumP26.dat"));
    EXPECT_EQ(sciezkaNumeracji(QStringLiteral("/d"), 2105), QStringLiteral("/d/NumP05.dat"));
}

TEST(NumeracjaPaczek, MissingFileIsCreatedWithTwelveFreshLinesAndReadsBack)
{
    TempFolder dir;
    const QString p = dir.file(QStringLiteral("NumP26.dat"));
    EXPECT_TRUE(czytajNumeracje(p).brak);

    const OdczytNumeracji n = czytajLubUtworzNumeracje(p);
    ASSERT_TRUE(n.ok) << n.blad.toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), swiezyPlik());

    // A second call reads the existing file and leaves it alone.
    NumeracjaRoku r = n.miesiace;
    r[4].poczatPaczk = 1;
    r[4].koniecPacz = 7;
    r[4].poczatPrzel = 1;
    r[4].koniecPrzel = 123456;
    r[4].typ = QStringLiteral("m");
    ASSERT_TRUE(zapiszNumeracje(p, r));
    const OdczytNumeracji again = czytajLubUtworzNumeracje(p);
    ASSERT_TRUE(again.ok);
    EXPECT_EQ(again.miesiace, r);
    EXPECT_TRUE(dir.readBytes(QStringLiteral("NumP26.dat")).contains("5,1,7,1,123456,\"m\"\r\n6,0,0,0,0,\"c\"\r\n"));
}

TEST(NumeracjaPaczek, ValuesAreCountedNotLines)
{
    TempFolder dir;
    // The same twelve months written one value per line, never-set numbers as
    // 0, a whole number with decimals as the other program may write it.
    QByteArray b;
    for (int m = 1; m <= 12; ++m)
        b += QByteArray::number(m) + "\r\n" + (m == 3 ? "2.0" : "") + "\r\n0\r\n0\r\n4\r\n\"c\"\r\n";
    dir.writeBytes(QStringLiteral("NumP26.dat"), b);
    const OdczytNumeracji n = czytajNumeracje(dir.file(QStringLiteral("NumP26.dat")));
    ASSERT_TRUE(n.ok) << n.blad.toStdString();
    EXPECT_EQ(n.miesiace[2].poczatPaczk, 2);
    EXPECT_EQ(n.miesiace[0].poczatPaczk, 0);
    EXPECT_EQ(n.miesiace[11].koniecPrzel, 4);
}

TEST(NumeracjaPaczek, DamagedFilesAreReportedNotGuessed)
{
    TempFolder dir;
    const QByteArray dobry = swiezyPlik();
    const struct {
        const char* opis;
        QByteArray tresc;
    } przypadki[] = {
        {"eleven lines", dobry.left(dobry.lastIndexOf("12,"))},
        {"a word for a number", QByteArray(dobry).replace("3,0,0", "3,abc,0")},
        {"a negative number", QByteArray(dobry).replace("3,0,0", "3,-1,0")},
        {"not a number", QByteArray(dobry).replace("3,0,0", "3,nan,0")},
        {"an endless number", QByteArray(dobry).replace("3,0,0", "3,inf,0")},
        {"a part of a number", QByteArray(dobry).replace("3,0,0", "3,2.5,0")},
        {"a number too big for a counter", QByteArray(dobry).replace("3,0,0", "3,1e10,0")},
        {"a torn quote", dobry.left(dobry.size() - 3)},
        {"an empty file", QByteArray()},
    };
    for (const auto& c : przypadki) {
        dir.writeBytes(QStringLiteral("NumP26.dat"), c.tresc);
        const OdczytNumeracji n = czytajLubUtworzNumeracje(dir.file(QStringLiteral("NumP26.dat")));
        EXPECT_FALSE(n.ok) << c.opis;
        EXPECT_FALSE(n.brak) << c.opis;
        EXPECT_TRUE(n.blad.contains(QStringLiteral("NumP26.dat"))) << c.opis;
        EXPECT_TRUE(n.blad.contains(QStringLiteral("jest uszkodzony"))) << c.opis << " " << n.blad.toStdString();
        // Never replaced by fresh lines.
        EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), c.tresc) << c.opis;
    }
}

TEST(NumeracjaPaczek, TypedCellNumbers)
{
    const struct {
        const char* tekst;
        int max;
        std::optional<int> wynik;
    } przypadki[] = {
        {"0", 99, 0},         {"99", 99, 99},        {" 7 ", 99, 7},     {"100", 99, std::nullopt},
        {"-1", 99, std::nullopt}, {"1,5", 99, std::nullopt}, {"abc", 99, std::nullopt},
        {"", 99, std::nullopt}, {"999999", 999999, 999999}, {"1000000", 999999, std::nullopt},
        {"99999999999", 999999, std::nullopt},
    };
    for (const auto& c : przypadki)
        EXPECT_EQ(liczbaNumeracji(QString::fromUtf8(c.tekst), c.max), c.wynik) << c.tekst;
}
