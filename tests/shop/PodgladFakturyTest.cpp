#include "shop/PodgladFaktury.h"

#include "DrzewoFaktur.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::DrzewoFaktur;

namespace {

const QString kPlik = QStringLiteral("Fz200700012.dat");

class PodgladTest : public ::testing::Test, public DrzewoFaktur {
protected:
    PodgladFaktury wczytaj(const QString& plik = kPlik) { return wczytajPodglad(kramix(), firma, plik); }
};

} // namespace

TEST_F(PodgladTest, HeaderCaptionLinesMarginsAndTotals)
{
    QStringList h = naglowek(kPlik);
    h[12] = QStringLiteral("OKZ") + kPlik;
    faktura(kPlik, h,
            {pozycja(QStringLiteral("10.00"), QStringLiteral("2"), QStringLiteral("20.00"), QStringLiteral("23"),
                     QStringLiteral("24.60"), QStringLiteral("12.50")),
             pozycja(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("5.00"), QStringLiteral("zw"),
                     QStringLiteral("5.00"), QStringLiteral("7.00")),
             pozycja(QStringLiteral("3"), QStringLiteral("1"), QStringLiteral("3.00"), QStringLiteral("8"),
                     QStringLiteral("3.24"), QStringLiteral("3.10"))});
    const PodgladFaktury p = wczytaj();
    ASSERT_EQ(p.stan, PodgladFaktury::Stan::Ok) << p.blad.toStdString();
    EXPECT_EQ(p.tytul, QStringLiteral("Faktura zakupu nr Fz200700012 od Kowalski Jan NIP-6810001122"));
    EXPECT_EQ(p.nrKolejny, QStringLiteral("00012"));
    EXPECT_EQ(p.typ, QStringLiteral("RC "));
    EXPECT_EQ(p.dataZakupu, QStringLiteral("03-07-2020"));
    EXPECT_EQ(p.termin, QStringLiteral("17-07-2020"));
    EXPECT_EQ(p.sposobPlatnosci, QStringLiteral("Przelew 14 dni"));
    EXPECT_EQ(p.skrot, QStringLiteral("KOWAL"));
    ASSERT_EQ(p.wiersze.size(), 3);
    ASSERT_EQ(p.wiersze[0].size(), 21);
    EXPECT_EQ(p.wiersze[0][0], QStringLiteral("1"));
    EXPECT_EQ(p.wiersze[0][1], QStringLiteral("Mąka pszenna"));
    EXPECT_EQ(p.wiersze[0][7], QStringLiteral("25,00"));
    // Amounts with the decimal comma: prices, values, selling prices, cost.
    EXPECT_EQ((QStringList{p.wiersze[0][2], p.wiersze[0][4], p.wiersze[0][6], p.wiersze[0][10], p.wiersze[0][11],
                           p.wiersze[0][19]}),
              (QStringList{QStringLiteral("10,00"), QStringLiteral("20,00"), QStringLiteral("24,60"),
                           QStringLiteral("12,50"), QStringLiteral("12,50"), QStringLiteral("20,00")}));
    EXPECT_EQ(p.wiersze[2][2], QStringLiteral("3,00"));
    EXPECT_EQ(p.wiersze[0][3], QStringLiteral("2"));  // a quantity stays as it is
    EXPECT_EQ(p.wiersze[0][20], QStringLiteral("T00001"));
    EXPECT_EQ(p.wiersze[1][7], QString());  // bought at 0: no margin, after a line with one
    EXPECT_EQ(p.wiersze[2][7], QStringLiteral("3,33"));
    EXPECT_EQ(p.netto, QStringLiteral("28,00"));
    EXPECT_EQ(p.brutto, QStringLiteral("32,84"));
    EXPECT_EQ(p.vat, QStringLiteral("4,84"));
}

TEST_F(PodgladTest, TypeListShowsReverseChargeOnlyForTypesBeginningWithO)
{
    for (const char* typ : {"VFZ", "SPL", "OKZ"}) {
        QStringList h = naglowek(kPlik);
        h[12] = QString::fromUtf8(typ) + kPlik;
        faktura(kPlik, h, {});
        const PodgladFaktury p = wczytaj();
        EXPECT_EQ(p.typ, typ[0] == 'O' ? QStringLiteral("RC ") : QStringLiteral("VAT")) << typ;
        EXPECT_EQ(p.wiersze.size(), 0);
        EXPECT_EQ(p.netto + p.vat + p.brutto, QStringLiteral("0,000,000,00"));
    }
}

TEST_F(PodgladTest, BadNameMissingAndDamagedFiles)
{
    const PodgladFaktury zla = wczytaj(QStringLiteral("../../../etc/x.dat"));
    EXPECT_EQ(zla.stan, PodgladFaktury::Stan::ZlaNazwa);
    EXPECT_TRUE(zla.sciezka.isEmpty());

    faktura(QStringLiteral("Fz200700001.dat"), naglowek(QStringLiteral("Fz200700001.dat")));
    const PodgladFaktury brak = wczytaj();
    EXPECT_EQ(brak.stan, PodgladFaktury::Stan::BrakPliku);
    EXPECT_TRUE(brak.blad.contains(kPlik));
    EXPECT_TRUE(brak.nazwa.isEmpty());

    surowa(kPlik, "\"\",\"Nowak\",\"Anna\",\"123\"\r\n");
    {
        // A folder in the file's place is named as a folder.
        const PodgladFaktury jest = wczytaj();
        QFile::remove(jest.sciezka);
        ASSERT_TRUE(QDir().mkpath(jest.sciezka));
        const PodgladFaktury folder = wczytaj();
        EXPECT_EQ(folder.stan, PodgladFaktury::Stan::BrakPliku);
        EXPECT_TRUE(folder.blad.endsWith(QStringLiteral("jest folderem, nie plikiem faktury."))) << folder.blad.toStdString();
        QDir().rmdir(jest.sciezka);
        surowa(kPlik, "\"\",\"Nowak\",\"Anna\",\"123\"\r\n");
    }
    const PodgladFaktury uszkodzony = wczytaj();
    EXPECT_EQ(uszkodzony.stan, PodgladFaktury::Stan::Uszkodzony);
    EXPECT_EQ(uszkodzony.nazwa, QStringLiteral("Nowak"));
    EXPECT_TRUE(uszkodzony.blad.contains(QStringLiteral("nagłówek ma 4 z 19")));
}
