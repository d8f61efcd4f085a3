#include "core/modZmiene.h"

#include "core/Session.h"
#include "TempFolder.h"

#include <QDir>
#include <QString>
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

using namespace Qt::StringLiterals;

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace remitto {
namespace {

/// The expected words padded with blanks to the 94 characters of the line.
QString linia94(const QString& slowa)
{
    return slowa + QString(94 - slowa.size(), u' ');
}

struct Slownie {
    QString kwota;
    QString slowa;  // without the trailing blanks
};

void sprawdzSlownie(const Slownie& c)
{
    SCOPED_TRACE(c.kwota.toStdString());
    const QString wynik = KwotaSlownie(c.kwota);
    EXPECT_EQ(wynik.size(), 94);
    EXPECT_EQ(wynik, linia94(c.slowa));
}

TEST(KwotaSlownie, SpellsAmountsAsOnThePrintedForms)
{
    const Slownie cases[] = {
        {u"1,00"_s, u"     jeden zł."_s},
        {u"15,50"_s, u"     piętnaście zł. pięćdziesiąt gr."_s},
        {u"20,01"_s, u"    dwadzieścia zł.   jeden gr."_s},
        {u"100,50"_s, u"   sto zł.   pięćdziesiąt gr."_s},
        {u"111,11"_s, u"   sto  jedynaście zł.  jedynaście gr."_s},
        {u"1000,00"_s, u"  jeden tyś. zł."_s},
        {u"12345,67"_s, u"  dwanaście tyś. trzysta czterdzieści pięć zł. sześćdziesiąt siedem gr."_s},
        {u"0,05"_s, u"       pięć gr."_s},
        {u"10000,00"_s, u" dziesięć  tyś. zł."_s},
        {u"1000,50"_s, u"  jeden tyś. zł.    pięćdziesiąt gr."_s},
        {u"0,00"_s, u""_s},
    };
    for (const Slownie& c : cases)
        sprawdzSlownie(c);
}

TEST(KwotaSlownie, PlacesGroupWordsOnTheLastFilledSlot)
{
    const Slownie cases[] = {
        {u"2,00"_s, u"     dwa zł."_s},
        {u"2000,00"_s, u"  dwa tyś. zł."_s},
        {u"50,00"_s, u"    pięćdziesiąt zł."_s},
        {u"0,50"_s, u"      pięćdziesiąt gr."_s},
        {u"110,00"_s, u"   sto dziesieć zł."_s},
        {u"10,10"_s, u"    dziesieć zł.  dziesięć gr."_s},
        {u"50000,00"_s, u" piędziesiąt  tyś. zł."_s},
        {u"100000,00"_s, u"sto  tyś. zł."_s},
        {u"200000,00"_s, u"dwieście  tyś. zł."_s},
        {u"1001,01"_s, u"  jeden tyś.   jeden zł.  jeden gr."_s},
        {u"210010,10"_s, u"dwieście dziesięć  tyś.   dziesieć zł.  dziesięć gr."_s},
        {u"345678,90"_s,
         u"trzysta czterdzieści pięć tyś. sześćset siedemdziesiąt osiem zł. dziewięćdziesiąt gr."_s},
    };
    for (const Slownie& c : cases)
        sprawdzSlownie(c);
}

TEST(KwotaSlownie, SpellsTeensInEveryGroup)
{
    const Slownie cases[] = {
        {u"11000,00"_s, u"  jedynaście tyś. zł."_s},
        {u"19,00"_s, u"     dziewiętnaście zł."_s},
        {u"0,13"_s, u"       trzynaście gr."_s},
        {u"514814,14"_s, u"pięćset  czternaście tyś. osiemset  czternaście zł.  czternaście gr."_s},
    };
    for (const Slownie& c : cases)
        sprawdzSlownie(c);
}

TEST(KwotaSlownie, CutsTheLargestAmountBelowAMillionAt94Characters)
{
    const QString wynik = KwotaSlownie(u"999999,99"_s);
    EXPECT_EQ(wynik,
              u"dziewięćset dziewięćdziesiąt dziewięć tyś. dziewięćset dziewięćdziesiąt "
              u"dziewięć zł. dziewięćd"_s);
    EXPECT_EQ(wynik.size(), 94);
}

TEST(KwotaSlownie, AcceptsAmountTextsNotYetFormatted)
{
    const Slownie cases[] = {
        {u"15.5"_s, u"     piętnaście zł. pięćdziesiąt gr."_s},
        {u"1 000"_s, u"  jeden tyś. zł."_s},
        {u"  20,01 "_s, u"    dwadzieścia zł.   jeden gr."_s},
        {u"0,045"_s, u"       pięć gr."_s},
    };
    for (const Slownie& c : cases)
        sprawdzSlownie(c);
}

TEST(KwotaSlownie, GivesBlanksForWhatCannotBeSpelled)
{
    for (const QString& kwota : {u""_s, u"abc"_s, u"12,3,4"_s, u"-12,30"_s, u"-0,01"_s,
                                 u"1000000000,00"_s}) {
        SCOPED_TRACE(kwota.toStdString());
        EXPECT_EQ(KwotaSlownie(kwota), QString(94, u' '));
    }
}

TEST(KwotaSlownie, SpellsMillionsInFrontWithoutCutting)
{
    const Slownie cases[] = {
        {u"1000000,00"_s, u"  jeden mln. zł."_s},
        {u"2500000,00"_s, u"  dwa mln. pięćset  tyś. zł."_s},
        {u"11000000,00"_s, u"  jedenaście mln. zł."_s},
        {u"12000001,01"_s, u"  dwanaście mln.      jeden zł.  jeden gr."_s},
        {u"50000000,00"_s, u" pięćdziesiąt mln. zł."_s},
        {u"100000000,00"_s, u"sto mln. zł."_s},
    };
    for (const Slownie& c : cases)
        sprawdzSlownie(c);

    EXPECT_EQ(KwotaSlownie(u"999999999,99"_s),
              u"dziewięćset dziewięćdziesiąt dziewięć mln. dziewięćset dziewięćdziesiąt "
              u"dziewięć tyś. dziewięćset dziewięćdziesiąt dziewięć zł. dziewięćdziesiąt "
              u"dziewięć gr."_s);
}

TEST(KwotaSlownie, GroszeOverloadMatchesText)
{
    EXPECT_EQ(KwotaSlownieZGroszy(1234567), KwotaSlownie(u"12345,67"_s));
    EXPECT_EQ(KwotaSlownieZGroszy(0), QString(94, u' '));
}

TEST(Rozstrzel, SeparatesCharactersWithSingleBlanks)
{
    const struct {
        QString tekst;
        QString wynik;
    } cases[] = {
        {u""_s, u""_s},
        {u"A"_s, u"A"_s},
        {u"AB"_s, u"A B"_s},
        {u"ABC"_s, u"A B C"_s},
        {u"1234567890"_s, u"1 2 3 4 5 6 7 8 9 0"_s},
        {u"ąż"_s, u"ą ż"_s},
        {u"A B"_s, u"A   B"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Rozstrzel(c.tekst), c.wynik) << c.tekst.toStdString();
}

TEST(ZamienCudzyslow, ReplacesEachDoubleQuoteByTwoApostrophes)
{
    const struct {
        QString tekst;
        QString wynik;
    } cases[] = {
        {u""_s, u""_s},
        {u"abc"_s, u"abc"_s},
        {u"a\""_s, u"a''"_s},
        {u"\""_s, u"''"_s},
        {u"Firma \"Kos\" s.c."_s, u"Firma ''Kos'' s.c."_s},
        {u"\"\""_s, u"''''"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ZamienCudzyslow(c.tekst), c.wynik) << c.tekst.toStdString();
}

TEST(PrzecinekKropka, ConvertsOnlyTextsLongerThanTwoCharacters)
{
    const struct {
        QString tekst;
        QString naKropke;
        QString naPrzecinek;
        QString naPrzecinekWszystkie;
    } cases[] = {
        {u""_s, u""_s, u""_s, u""_s},
        {u"0"_s, u"0"_s, u"0"_s, u"0"_s},
        {u",5"_s, u",5"_s, u",5"_s, u",5"_s},
        {u".5"_s, u".5"_s, u".5"_s, u",5"_s},
        {u"1,5"_s, u"1.5"_s, u"1,5"_s, u"1,5"_s},
        {u"1.5"_s, u"1.5"_s, u"1,5"_s, u"1,5"_s},
        {u"1234,56"_s, u"1234.56"_s, u"1234,56"_s, u"1234,56"_s},
        {u"1.2.3"_s, u"1.2.3"_s, u"1,2,3"_s, u"1,2,3"_s},
        {u"1,2.3"_s, u"1.2.3"_s, u"1,2,3"_s, u"1,2,3"_s},
        {u"abc"_s, u"abc"_s, u"abc"_s, u"abc"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tekst.toStdString());
        EXPECT_EQ(PrzecinekNaKropke(c.tekst), c.naKropke);
        EXPECT_EQ(KropkaNaPrzecinek(c.tekst), c.naPrzecinek);
        EXPECT_EQ(KropkaNaPrzecinekWszystkie(c.tekst), c.naPrzecinekWszystkie);
    }
}

TEST(Zaokraglij, RoundsToTwoDecimalsInDoublePrecision)
{
    const struct {
        double x;
        double wynik;
    } cases[] = {
        {0.0, 0.0},
        {2.345, 2.35},
        {2.344, 2.34},
        {1.005, 1.01},
        {1.004, 1.0},
        {0.125, 0.13},
        {7.0, 7.0},
        {123456.785, 123456.79},
        {987654.32, 987654.32},      // single precision would give 987654.3125
        {123456789.99, 123456789.99},
        {12345678.905, 12345678.91},
        {-2.345, -2.35},
        {-1.004, -1.0},
        {-0.001, 0.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(Zaokraglij(c.x), c.wynik);
    }
    EXPECT_EQ(Zaokraglij(std::nan("")), 0.0);
}

TEST(Zaokraglij, ReadsNumberTexts)
{
    const struct {
        QString x;
        double wynik;
    } cases[] = {
        {u""_s, 0.0},
        {u"abc"_s, 0.0},
        {u"0"_s, 0.0},
        {u"2,345"_s, 2.35},
        {u"2.345"_s, 2.35},
        {u" 1 234,567 "_s, 1234.57},
        {u"-2,345"_s, -2.35},
        {u"12"_s, 12.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x.toStdString());
        EXPECT_DOUBLE_EQ(Zaokraglij(c.x), c.wynik);
    }
}

TEST(Kwota, RightAlignsInItsColumn)
{
    const struct {
        double kwota;
        QString k9;
        QString k11;
        QString k13;
    } cases[] = {
        {0.0, u"     0,00"_s, u"       0,00"_s, u"         0,00"_s},
        {0.05, u"     0,05"_s, u"       0,05"_s, u"         0,05"_s},
        {12.3, u"    12,30"_s, u"      12,30"_s, u"        12,30"_s},
        {2.345, u"     2,35"_s, u"       2,35"_s, u"         2,35"_s},
        {-5.5, u"    -5,50"_s, u"      -5,50"_s, u"        -5,50"_s},
        {123456.78, u"123456,78"_s, u"  123456,78"_s, u"    123456,78"_s},
        // Wider than the column: the amount stays whole.
        {1234567.89, u"1234567,89"_s, u" 1234567,89"_s, u"   1234567,89"_s},
        {98765432109.87, u"98765432109,87"_s, u"98765432109,87"_s, u"98765432109,87"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kwota);
        EXPECT_EQ(Kwota9(c.kwota), c.k9);
        EXPECT_EQ(Kwota11(c.kwota), c.k11);
        EXPECT_EQ(Kwota13(c.kwota), c.k13);
    }
}

TEST(DataDMR, TurnsRecordDatesIntoDisplayDates)
{
    const struct {
        QString data;
        QString wynik;
    } cases[] = {
        {u"2024-03-15"_s, u"15-03-2024"_s},
        {u"1999-12-31"_s, u"31-12-1999"_s},
        {u"15-03-2024"_s, u"15-03-2024"_s},
        {u"2024-03-15 10:20:30"_s, u"15-03-2024"_s},
        {u""_s, u""_s},
        {u"2024-3-5"_s, u"2024-3-5"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DataDMR(c.data), c.wynik) << c.data.toStdString();
}

TEST(CzyPlikIstnieje, AnswersTakOnlyForAnExistingFile)
{
    test::TempFolder folder;
    folder.writeText(u"Paczka202403_01.dta"_s, u"x"_s);
    QDir(folder.path()).mkdir(u"Paczki"_s);

    EXPECT_EQ(CzyPlikIstnieje(folder.file(u"Paczka202403_01.dta"_s)), u"tak"_s);
    EXPECT_EQ(CzyPlikIstnieje(folder.file(u"Paczka202403_02.dta"_s)), u"nie"_s);
    EXPECT_EQ(CzyPlikIstnieje(folder.file(u"Paczki"_s)), u"nie"_s);
    EXPECT_EQ(CzyPlikIstnieje(u""_s), u"nie"_s);
}

TEST(KontoBezOdstepow, CompactsAccountNumbers)
{
    const QString cyfry = u"12345678901234567890123456"_s;
    const struct {
        QString konto;
        QString wynik;
    } cases[] = {
        {u"12 3456 7890 1234 5678 9012 3456"_s, cyfry},
        {u"12-3456-7890-1234-5678-9012-3456"_s, cyfry},
        {u"  12 3456-7890 1234 5678 9012 3456 "_s, cyfry},
        {u"  "_s + cyfry + u"  "_s, cyfry},
        {cyfry, cyfry},
        {u"  123 45  "_s, u"123 45"_s},  // too short for an account: only trimmed
        {u""_s, u""_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KontoBezOdstepow(c.konto), c.wynik) << c.konto.toStdString();
}

TEST(KontoBezSpacji, RemovesBlanksFromLongAccountNumbers)
{
    const QString cyfry = u"12345678901234567890123456"_s;
    const struct {
        QString konto;
        QString wynik;
    } cases[] = {
        {u"12 3456 7890 1234 5678 9012 3456"_s, cyfry},
        {u"12 3456 7890 1234 5678 9012 3456 "_s, cyfry},
        {u"PL12 3456 7890 1234 5678 9012 3456"_s, u"PL"_s + cyfry},  // nothing cut off
        {u"12-3456-7890-1234-5678-9012-3456"_s, u"12-3456-7890-1234-5678-9012-3456"_s},
        {cyfry, cyfry},
        {u"1234 5678"_s, u"1234 5678"_s},
        {u""_s, u""_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KontoBezSpacji(c.konto), c.wynik) << c.konto.toStdString();
}

TEST(KodPocztowy, FindsLocalityAndPostOffice)
{
    const struct {
        QString kod;
        QString miejscowosc;
        QString poczta;
    } cases[] = {
        {u"32-400"_s, u"Myślenice"_s, u"Myślenice"_s},
        {u"32-040"_s, u"Rzeszotary"_s, u"Rzeszotary"_s},  // the later of two rows
        {u"30-444"_s, u"Libertów"_s, u"Kraków 55"_s},
        {u"38-610"_s, u"Solina"_s, u"Solina-Jawor"_s},
        {u"32-740"_s, u"Łapanów"_s, u"Łapanów"_s},
        {u"34-700"_s, u"Rabka-Zdrój"_s, u"Rabka-Zdrój"_s},
        {u"08-210"_s, u"Platerów"_s, u"Platerów"_s},
        {u"00-950"_s, u""_s, u""_s},
        {u"32400"_s, u""_s, u""_s},
        {u""_s, u""_s, u""_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kod.toStdString());
        const KodPocztowyWynik wynik = KodPocztowy(c.kod);
        EXPECT_EQ(wynik.miejscowosc, c.miejscowosc);
        EXPECT_EQ(wynik.poczta, c.poczta);
    }
}

TEST(KodPocztowy, SetsAndClearsTheSessionValues)
{
    Session session;
    KodPocztowy(u"30-444"_s, session);
    EXPECT_EQ(session.MiejscowoscZKodu, u"Libertów"_s);
    EXPECT_EQ(session.PocztaZKodu, u"Kraków 55"_s);

    KodPocztowy(u"99-999"_s, session);
    EXPECT_EQ(session.MiejscowoscZKodu, u""_s);
    EXPECT_EQ(session.PocztaZKodu, u""_s);
}

} // namespace
} // namespace remitto
