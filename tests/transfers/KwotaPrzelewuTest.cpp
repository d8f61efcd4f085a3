#include "transfers/Banknoty.h"
#include "transfers/KwotaPrzelewu.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace Qt::StringLiterals;

TEST(PoleSumowania, AddsAndSubtractsLeftToRightInGrosze)
{
    const struct {
        const char* tekst;
        Suma::Wynik wynik;
        const char* po;
    } przypadki[] = {
        {"12,50+7,50", Suma::Obliczono, "20"},
        {"100-30-20", Suma::Obliczono, "50"},
        {"-5", Suma::Obliczono, "-5"},
        {"100+20-5", Suma::Obliczono, "115"},
        {"100-20+5", Suma::Obliczono, "85"},
        {"0,1+0,2", Suma::Obliczono, "0,3"},        // exact, where single precision is not
        {"16777217+1", Suma::Obliczono, "16777218"},
        {"12.5+1,25", Suma::Obliczono, "13,75"},
        {"5+", Suma::Obliczono, "5"},
        {"+5", Suma::Obliczono, "5"},
        {" 10 + 2,5 ", Suma::Obliczono, "12,5"},
        {"1 000+1", Suma::Obliczono, "1001"},
        {"5-5", Suma::Obliczono, "0"},
        {"0,05-0,1", Suma::Obliczono, "-0,05"},
        {"12,50", Suma::BezDzialan, "12,50"},
        {"abc", Suma::BezDzialan, "abc"},
        {"", Suma::BezDzialan, ""},
        {"10+abc", Suma::Blad, "10+abc"},
        {"10-2x", Suma::Blad, "10-2x"},
        {"1,2,3+4", Suma::Blad, "1,2,3+4"},
        {"999999999999999+999999999999999-1", Suma::Obliczono, "1999999999999997"},
    };
    for (const auto& p : przypadki) {
        const Suma s = zsumujKwote(QString::fromUtf8(p.tekst));
        EXPECT_EQ(s.wynik, p.wynik) << p.tekst;
        EXPECT_EQ(s.tekst, QString::fromUtf8(p.po)) << p.tekst;
    }
}

TEST(PoleVat, GrossFromNetAndVatAmountOrRate)
{
    const struct {
        const char* netto;
        const char* vat;
        bool ok;
        const char* brutto;
        const char* vatPo;
    } przypadki[] = {
        {"100", "23", true, "123,00", "23"},           // a VAT amount
        {"100", "23%", true, "123,00", "23%"},         // a rate
        {"100,01", "23%", true, "123,01", "23%"},      // 23,0023 rounds down
        {"0,50", "23%", true, "0,62", "23%"},          // 0,115 rounds half up
        {"99,99", "8 %", true, "107,99", "8 %"},
        {"200", "5,5%", true, "211,00", "5,5%"},
        {"100", "zw", true, "100", "zw"},              // no VAT: the net text as typed
        {"100,5", "NP", true, "100,5", "NP"},
        {"12,30", "0", true, "12,30", "0"},
        {"12,30", "", true, "12,30", "0"},
        {"100", "0,00", true, "100,00", "0,00"},
        {"100.25", "10,1", true, "110,35", "10,1"},
        {"-50", "-11,5", true, "-61,50", "-11,5"},
        {"100", "abc", false, "", "abc"},
        {"100", "%", false, "", "%"},
        {"100", "23%%", false, "", "23%%"},
        {"abc", "23", false, "", "23"},
        {"", "zw", false, "", "zw"},
    };
    for (const auto& p : przypadki) {
        const Brutto b = bruttoZVat(QString::fromUtf8(p.netto), QString::fromUtf8(p.vat));
        EXPECT_EQ(b.ok, p.ok) << p.netto << " " << p.vat;
        EXPECT_EQ(b.brutto, QString::fromUtf8(p.brutto)) << p.netto << " " << p.vat;
        EXPECT_EQ(b.vat, QString::fromUtf8(p.vatPo)) << p.netto << " " << p.vat;
    }
}

TEST(PoleVat, ZeroVatMakesTheGrossTheNetRightAfterTheAmount)
{
    struct Przypadek {
        const char* vat;
        const char* brutto;
    };
    for (const Przypadek& p : {Przypadek{"0", "100,00"}, Przypadek{"", "7,00"}, Przypadek{"zw", "7,00"},
                               Przypadek{"0%", "7,00"}, Przypadek{"23%", "7,00"}})
        EXPECT_EQ(bruttoPoKwocie(QStringLiteral("100,00"), QString::fromUtf8(p.vat), QStringLiteral("7,00")),
                  QString::fromUtf8(p.brutto))
            << p.vat;
}

TEST(Banknoty, BanknoteFrameCountsPiecesAndAmounts)
{
    const Specyfikacja s = specyfikacjaBanknotow({QStringLiteral("2"), QStringLiteral(""), QStringLiteral("1"),
                                                  QStringLiteral(" 3 "), QStringLiteral("x"), QStringLiteral("0"),
                                                  QStringLiteral("-1"), QStringLiteral("7")});
    const std::array<qint64, 8> kwoty = {40000, 0, 5000, 6000, 0, 0, 0, 700};
    EXPECT_EQ(s.kwoty, kwoty);
    EXPECT_EQ(s.sztuk, 13);
    EXPECT_EQ(s.razem, 51700);
    const std::array<bool, 8> bledne = {false, false, false, false, true, false, true, false};
    EXPECT_EQ(s.bledne, bledne);
    const PodpisySpecyfikacji podpisy = podpisySpecyfikacji(s);
    const std::array<QString, 8> opisy = {u"400"_s, u"0"_s, u"50"_s, u"60"_s, u"0"_s, u"0"_s, u"0"_s, u"7"_s};
    EXPECT_EQ(podpisy.kwoty, opisy);
    EXPECT_EQ(podpisy.sztuk, u"13"_s);
    EXPECT_EQ(podpisy.razem, u"517,00"_s);

    const Specyfikacja duza = specyfikacjaBanknotow({QStringLiteral("999999999")});
    EXPECT_EQ(duza.razem, 999999999LL * 20000);
    EXPECT_TRUE(specyfikacjaBanknotow({QStringLiteral("1000000000")}).bledne[0]);
}
