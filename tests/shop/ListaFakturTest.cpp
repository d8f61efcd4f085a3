#include "shop/ListaFaktur.h"

#include "core/Amount.h"

#include "DrzewoFaktur.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::DrzewoFaktur;

namespace {

QString fz(int miesiac, int numer)
{
    return QStringLiteral("Fz20%1%2.dat").arg(miesiac, 2, 10, QLatin1Char('0')).arg(numer, 5, 10, QLatin1Char('0'));
}

class ListaFakturTest : public ::testing::Test, public DrzewoFaktur {
protected:
    WynikListy wczytaj(RodzajListy rodzaj, int miesiac, const QString& dzien = {})
    {
        ZapytanieListy z;
        z.rodzaj = rodzaj;
        z.rok = QStringLiteral("2020");
        z.miesiac = miesiac;
        z.dataRobocza = dzien;
        return wczytajListeFaktur(kramix(), firma, z);
    }
    /// An invoice with a header changed by `zmien`.
    template <typename F>
    void faktura(int miesiac, int numer, F zmien)
    {
        QStringList h = naglowek(fz(miesiac, numer));
        zmien(h);
        DrzewoFaktur::faktura(fz(miesiac, numer), h);
    }
    void faktura(int miesiac, int numer)
    {
        faktura(miesiac, numer, [](QStringList&) {});
    }
    static QStringList kwoty(const QStringList& w)
    {
        return {w[kol::Splacono], w[kol::DoSplaty], w[kol::DataSplaty], w[kol::Stan], w[kol::NrPaczki]};
    }
};

} // namespace

TEST_F(ListaFakturTest, RowShowsTheHeaderAmountsAndPaymentState)
{
    numeracja(QStringLiteral("20"), {0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0});
    faktura(7, 1, [](QStringList& h) {
        h[8] = QStringLiteral("4");                                  // flat number
        h[14] = QStringLiteral("10 2029 0000 0000 0000 0012 3456 "); // 33 characters with blanks
    });
    faktura(7, 2, [](QStringList& h) { h[0] = QStringLiteral("00    300,0005-07-2020"); });
    faktura(7, 3, [](QStringList& h) { h[0] = QStringLiteral("03   1000,0020200710  "); });
    faktura(7, 4, [](QStringList& h) { h[17] = QStringLiteral("gotówka"); });
    faktura(7, 5, [](QStringList& h) { h[0] = QStringLiteral("      300,00          "); });
    // number 6 has no file

    const WynikListy w = wczytaj(RodzajListy::Miesiac, 7);
    ASSERT_EQ(w.stan, WynikListy::Stan::Ok) << w.blad.toStdString();
    ASSERT_EQ(w.wiersze.size(), 6);
    const QStringList& r = w.wiersze[0];
    ASSERT_EQ(r.size(), 24);
    EXPECT_EQ(r, (QStringList{QStringLiteral("1"), QStringLiteral("Kowalski"), QStringLiteral("Jan"),
                              QStringLiteral("813,01"), QStringLiteral("186,99"), QStringLiteral("1000,00"),
                              QStringLiteral("FV/1/2020"), QStringLiteral("03-07-2020"), QStringLiteral("17-07-2020"),
                              QStringLiteral("0,00"), QStringLiteral("1000,00"), QString(), QStringLiteral("DoPrzelewu"),
                              QStringLiteral("Rynek"), QStringLiteral("12/4"), QStringLiteral("Dobczyce"),
                              QStringLiteral("32-410"), QStringLiteral("KOWAL"), QStringLiteral("10202900000000000000123456"),
                              fz(7, 1), QString(), QString(), QStringLiteral("10202900000000000000123456"),
                              QStringLiteral("6810001122")}));

    const QString zakup = QStringLiteral("03-07-2020");
    // Paid in part outside a package.
    EXPECT_EQ(kwoty(w.wiersze[1]), (QStringList{QStringLiteral("300,00"), QStringLiteral("700,00"),
                                                QStringLiteral("05-07-2020"), QStringLiteral("DoPrzelewu"), QStringLiteral("00")}));
    // Paid through package 03: the whole gross, on the purchase date.
    EXPECT_EQ(kwoty(w.wiersze[2]), (QStringList{QStringLiteral("1000,00"), QStringLiteral("0,00"), zakup,
                                                QStringLiteral("Spłacona"), QStringLiteral("03")}));
    // Cash, whatever the case of the first letter.
    EXPECT_EQ(kwoty(w.wiersze[3]), (QStringList{QStringLiteral("1000,00"), QStringLiteral("0,00"), zakup,
                                                QStringLiteral("Gotówka"), QString()}));
    // A blank package number is no package.
    EXPECT_EQ(kwoty(w.wiersze[4]), (QStringList{QStringLiteral("300,00"), QStringLiteral("700,00"), QString(),
                                                QStringLiteral("DoPrzelewu"), QString()}));
    EXPECT_EQ(w.wiersze[5][kol::Nazwa], QStringLiteral("Brak faktury o tym numerze"));
    EXPECT_EQ(w.wiersze[5][kol::Brutto], QStringLiteral("0,00"));
    EXPECT_EQ(w.wiersze[5][kol::Nr], QStringLiteral("6"));

    EXPECT_EQ(w.sumy.brutto, 500000);
    EXPECT_EQ(w.sumy.netto, 5 * 81301);
    EXPECT_EQ(w.sumy.vat, 5 * 18699);
    EXPECT_EQ(w.sumy.splacono, 30000 + 100000 + 100000 + 30000);
    EXPECT_EQ(w.sumy.doSplaty, 100000 + 70000 + 70000);
    EXPECT_EQ(w.plikow, 6);
}

TEST_F(ListaFakturTest, VatRatesInCapitalsAndATinyRestCountAsNothing)
{
    numeracja(QStringLiteral("20"), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QStringList h = naglowek(fz(1, 1));
    h[0] = QStringLiteral("00    200,0010-01-2020");
    DrzewoFaktur::faktura(fz(1, 1), h,
                          {pozycja(QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("100.00"), QStringLiteral("ZW"), QStringLiteral("100.00")),
                           pozycja(QStringLiteral("10"), QStringLiteral("5"), QStringLiteral("50.00"), QStringLiteral("NP"), QStringLiteral("50.004")),
                           pozycja(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("10.05"), QStringLiteral("8"), QStringLiteral("10.85")),
                           pozycja(QStringLiteral("10"), QStringLiteral("1"), QStringLiteral("39.15"), QString(), QStringLiteral("39.15"))});
    const WynikListy w = wczytaj(RodzajListy::Wszystkie, 1);
    ASSERT_EQ(w.wiersze.size(), 1);
    EXPECT_EQ(w.wiersze[0][kol::Vat], QStringLiteral("0,80"));     // only the 8% line: 0.804
    EXPECT_EQ(w.wiersze[0][kol::Brutto], QStringLiteral("200,00"));
    EXPECT_EQ(w.wiersze[0][kol::DoSplaty], QStringLiteral("0,00"));
    EXPECT_EQ(vatPozycji(81301, QStringLiteral("23")), 18699);
    EXPECT_EQ(vatPozycji(10000, QStringLiteral(" zw ")), 0);
    EXPECT_EQ(vatPozycji(10000, QStringLiteral("0")), 0);
}

TEST_F(ListaFakturTest, EveryFileIsReadWholeWhateverItsSizeAndEveryRateAsWritten)
{
    // Files are read one after another through one buffer: a long file, a
    // short one after it, a folder that only has an invoice's name, and
    // rates in every form the shop program or a user may leave.
    numeracja(QStringLiteral("20"), {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    QList<QStringList> dlugie;
    for (int i = 0; i < 100; ++i)
        dlugie.append(pozycja(QStringLiteral("10.00"), QStringLiteral("1"), QStringLiteral("10.00"), QStringLiteral("23"),
                              QStringLiteral("12.30")));
    DrzewoFaktur::faktura(fz(1, 1), naglowek(fz(1, 1)), dlugie);
    faktura(1, 2);
    ASSERT_TRUE(QDir().mkpath(dir.file(wFirmie(QStringLiteral("Faktury/") + fz(1, 3)))));
    const QStringList stawki = {QStringLiteral("023"), QStringLiteral("5"), QStringLiteral(" 8 "), QStringLiteral("8%"),
                                QStringLiteral("7,5"), QStringLiteral("zw"), QStringLiteral("NP"), QString(),
                                QStringLiteral("00"), QStringLiteral("1000"), QStringLiteral("x")};
    QList<QStringList> rozne;
    qint64 vat = 0;
    for (const QString& s : stawki) {
        rozne.append(pozycja(QStringLiteral("33.33"), QStringLiteral("1"), QStringLiteral("33.33"), s, QStringLiteral("40.00")));
        vat += vatPozycji(3333, s);
    }
    DrzewoFaktur::faktura(fz(1, 4), naglowek(fz(1, 4)), rozne);

    const WynikListy w = wczytaj(RodzajListy::Wszystkie, 1);
    ASSERT_EQ(w.wiersze.size(), 4);
    EXPECT_EQ(w.wiersze[0][kol::Netto], QStringLiteral("1000,00"));
    EXPECT_EQ(w.wiersze[0][kol::Vat], QStringLiteral("230,00"));
    EXPECT_EQ(w.wiersze[0][kol::Brutto], QStringLiteral("1230,00"));
    EXPECT_EQ(w.wiersze[1][kol::Brutto], QStringLiteral("1000,00"));
    EXPECT_EQ(w.wiersze[1][kol::Nazwa], QStringLiteral("Kowalski"));
    EXPECT_EQ(w.wiersze[1][kol::Plik], fz(1, 2));
    EXPECT_EQ(w.wiersze[2][kol::Nazwa], QStringLiteral("Brak faktury o tym numerze"));
    EXPECT_EQ(w.wiersze[2][kol::Plik], fz(1, 3));
    // 23 % of 33.33 is 7.67, 5 % 1.67, 8 % 2.67 (twice), 7.5 % 2.50, 1000 % 333.30.
    EXPECT_EQ(vat, 767 + 167 + 267 + 267 + 250 + 33330);
    EXPECT_EQ(w.wiersze[3][kol::Vat], formatAmount(vat));
    EXPECT_EQ(w.plikow, 4);
}

TEST_F(ListaFakturTest, MonthSelectionsOfEachAction)
{
    // Month 2 registered nothing: the lists from a month on stop there,
    // "&NaDziś" reads every month.
    numeracja(QStringLiteral("20"), {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    faktura(1, 1);
    faktura(1, 2, [](QStringList& h) { h[18] = QStringLiteral("20-03-2020"); });
    faktura(3, 1, [](QStringList& h) { h[18] = QStringLiteral("20-03-2020"); });

    EXPECT_EQ(wczytaj(RodzajListy::Wszystkie, 1).wiersze.size(), 2);
    EXPECT_EQ(wczytaj(RodzajListy::Niesplacone, 1).wiersze.size(), 2);
    EXPECT_EQ(wczytaj(RodzajListy::Wszystkie, 3).wiersze.size(), 1);
    EXPECT_EQ(wczytaj(RodzajListy::Miesiac, 2).wiersze.size(), 0);
    const WynikListy dzis = wczytaj(RodzajListy::NaDzis, 0, QStringLiteral("20-03-2020"));
    ASSERT_EQ(dzis.wiersze.size(), 2);
    EXPECT_EQ(dzis.wiersze[1][kol::Plik], fz(3, 1));
    EXPECT_EQ(dzis.wiersze[1][kol::Nr], QStringLiteral("2"));
    EXPECT_EQ(dzis.sumy.brutto, 200000);
}

TEST_F(ListaFakturTest, CutOffDatesAndStatesOfEachList)
{
    numeracja(QStringLiteral("20"), {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    faktura(1, 1, [](QStringList& h) { h[18] = QStringLiteral("27-02-2019"); });
    faktura(1, 2, [](QStringList& h) { h[18] = QStringLiteral("28-02-2019"); });
    faktura(1, 3, [](QStringList& h) { h[18] = QStringLiteral("21-09-2018"); });
    faktura(1, 4, [](QStringList& h) {
        h[18] = QStringLiteral("22-09-2018");
        h[0] = QStringLiteral("04   1000,0010-10-2018");
    });
    faktura(1, 5, [](QStringList& h) { h[18] = QString(); });  // no term: not "before" anything

    const auto stany = [](const WynikListy& w) {
        QStringList s;
        for (const QStringList& r : w.wiersze)
            s.append(r[kol::Plik].mid(10, 1) + r[kol::Stan]);
        return s;
    };
    EXPECT_EQ(stany(wczytaj(RodzajListy::Otwarcie, 1)),
              (QStringList{QStringLiteral("1Spłacona"), QStringLiteral("2DoPrzelewu"), QStringLiteral("3Spłacona"),
                           QStringLiteral("4Spłacona"), QStringLiteral("5DoPrzelewu")}));
    EXPECT_EQ(stany(wczytaj(RodzajListy::Miesiac, 1)),
              (QStringList{QStringLiteral("1DoPrzelewu"), QStringLiteral("2DoPrzelewu"), QStringLiteral("3DoPrzelewu"),
                           QStringLiteral("4Spłacona"), QStringLiteral("5DoPrzelewu")}));
    // The unpaid list keeps the mark's own values (4 paid in full through a
    // package drops out as nothing is left to pay) and skips terms before
    // 22-09-2018.
    EXPECT_EQ(stany(wczytaj(RodzajListy::Niesplacone, 1)),
              (QStringList{QStringLiteral("1DoPrzelewu"), QStringLiteral("2DoPrzelewu"), QStringLiteral("5DoPrzelewu")}));
}

TEST_F(ListaFakturTest, MarkBelowTheGrossLeavesTheRestToPay)
{
    numeracja(QStringLiteral("20"), {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    faktura(1, 1, [](QStringList& h) { h[0] = QStringLiteral("02    400,0020200105  "); });
    faktura(1, 2, [](QStringList& h) { h[0] = QStringLiteral("02   1000,0020200105  "); });
    faktura(1, 3, [](QStringList& h) { h[0] = QStringLiteral("02                    "); });  // no amount
    // Written without grosze: 999 of 1000,00 would leave a rest of 1,00, 1000 none.
    faktura(1, 4, [](QStringList& h) { h[0] = QStringLiteral("02      100020200105  "); });
    for (RodzajListy r : {RodzajListy::Miesiac, RodzajListy::Wszystkie, RodzajListy::Niesplacone}) {
        const WynikListy w = wczytaj(r, 1);
        ASSERT_GE(w.wiersze.size(), 1);
        EXPECT_EQ(kwoty(w.wiersze[0]), (QStringList{QStringLiteral("400,00"), QStringLiteral("600,00"),
                                                    QStringLiteral("20200105"), QStringLiteral("SplCz"),
                                                    QStringLiteral("02")}));
        if (r == RodzajListy::Niesplacone) {
            // The mark without an amount keeps its own reading there: nothing paid.
            ASSERT_EQ(w.wiersze.size(), 2);
            EXPECT_EQ(w.wiersze[1][kol::Stan], QStringLiteral("DoPrzelewu"));
            continue;
        }
        ASSERT_EQ(w.wiersze.size(), 4);
        for (int i : {1, 2, 3}) {
            EXPECT_EQ(w.wiersze[i][kol::Stan], QStringLiteral("Spłacona")) << i;
            EXPECT_EQ(w.wiersze[i][kol::DoSplaty], QStringLiteral("0,00")) << i;
        }
    }
}

TEST_F(ListaFakturTest, NaDzisKeepsTheMarkValuesOfAPackagePayment)
{
    numeracja(QStringLiteral("20"), {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    faktura(1, 1, [](QStringList& h) { h[0] = QStringLiteral("02    400,0020200105  "); });
    const WynikListy w = wczytaj(RodzajListy::NaDzis, 0, QStringLiteral("17-07-2020"));
    ASSERT_EQ(w.wiersze.size(), 1);
    EXPECT_EQ(kwoty(w.wiersze[0]), (QStringList{QStringLiteral("400,00"), QStringLiteral("600,00"),
                                                QStringLiteral("20200105"), QStringLiteral("SplCz"), QStringLiteral("02")}));
}

TEST_F(ListaFakturTest, DamagedFilesAndBadNamesGiveRowsThatSaySo)
{
    numeracja(QStringLiteral("20"), {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    surowa(fz(1, 1), "\"\",\"Kowalski\",\"Jan\"\r\n");
    surowa(fz(1, 2), "\"\",\"Kowalski\",\"Jan, urwany");
    faktura(1, 3, [](QStringList& h) { h[0] = QStringLiteral("03 1000,00"); });
    faktura(1, 4, [](QStringList& h) { h[12] = QStringLiteral("VFZ../../etc/passw"); });

    const WynikListy w = wczytaj(RodzajListy::Niesplacone, 1);
    ASSERT_EQ(w.wiersze.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(w.wiersze[i][kol::Nazwa], QStringLiteral("Uszkodzony plik faktury")) << i;
        EXPECT_EQ(w.wiersze[i][kol::Stan], QStringLiteral("Błąd pliku")) << i;
        EXPECT_EQ(w.wiersze[i][kol::Plik], fz(1, i + 1)) << i;
    }
    EXPECT_TRUE(w.wiersze[0][kol::Imie].contains(QStringLiteral("nagłówek ma 3 z 19")));
    EXPECT_TRUE(w.wiersze[1][kol::Imie].contains(QStringLiteral("urwana")));
    EXPECT_TRUE(w.wiersze[2][kol::Imie].contains(QStringLiteral("znacznik")));
    EXPECT_EQ(w.wiersze[3][kol::Plik], QStringLiteral("Zła nazwa pliku: ../../etc/passw"));
    EXPECT_EQ(w.wiersze[3][kol::Brutto], QStringLiteral("1000,00"));
    EXPECT_EQ(w.sumy.brutto, 100000);
}

TEST_F(ListaFakturTest, MissingTreeOrNumberingFileIsNamed)
{
    const auto blad = [&](const QString& kramixPath, const QString& rok) {
        ZapytanieListy z;
        z.rok = rok;
        z.miesiac = 1;
        return wczytajListeFaktur(kramixPath, firma, z);
    };
    EXPECT_EQ(blad(QString(), QStringLiteral("2020")).stan, WynikListy::Stan::BrakKramix);
    const WynikListy bezKramix = blad(kramix(), QStringLiteral("2020"));
    EXPECT_EQ(bezKramix.stan, WynikListy::Stan::BrakKramix);
    EXPECT_TRUE(bezKramix.blad.contains(kramix()));

    dir.writeText(QStringLiteral("Kramix/INNA/x.txt"), QStringLiteral("x"));
    const WynikListy bezFirmy = blad(kramix(), QStringLiteral("2020"));
    EXPECT_EQ(bezFirmy.stan, WynikListy::Stan::BrakFolderuFirmy);
    EXPECT_TRUE(bezFirmy.blad.contains(kramix() + QStringLiteral("/FIRMA")));

    dir.writeText(wFirmie(QStringLiteral("Faktury/x.txt")), QStringLiteral("x"));
    const WynikListy bezNumeracji = blad(kramix(), QStringLiteral("2020"));
    EXPECT_EQ(bezNumeracji.stan, WynikListy::Stan::BrakNumeracji);
    EXPECT_TRUE(bezNumeracji.blad.contains(QStringLiteral("NumZ20.dat")));

    EXPECT_EQ(blad(kramix(), QStringLiteral("20")).stan, WynikListy::Stan::ZlyRok);
    EXPECT_EQ(blad(kramix(), QStringLiteral("../20")).stan, WynikListy::Stan::ZlyRok);
}

TEST_F(ListaFakturTest, InvoiceFilesInAnotherLetterCaseAreRead)
{
    firma = QStringLiteral("firma");
    dir.writeText(wFirmie(QStringLiteral("parametry/numz20.dat")), QStringLiteral("1,0,2\r\n2,0,0\r\n3,0,0\r\n4,0,0\r\n5,0,0\r\n6,0,0\r\n7,0,0\r\n8,0,0\r\n9,0,0\r\n10,0,0\r\n11,0,0\r\n12,0,0\r\n"));
    DrzewoFaktur::faktura(QStringLiteral("FZ200100001.DAT"), naglowek(fz(1, 1)));
    DrzewoFaktur::faktura(fz(1, 2), naglowek(fz(1, 2)));
    ZapytanieListy z;
    z.rodzaj = RodzajListy::Wszystkie;
    z.rok = QStringLiteral("2020");
    z.miesiac = 1;
    const WynikListy w = wczytajListeFaktur(kramix(), QStringLiteral("FIRMA"), z);
    ASSERT_EQ(w.stan, WynikListy::Stan::Ok) << w.blad.toStdString();
    ASSERT_EQ(w.wiersze.size(), 2);
    EXPECT_EQ(w.wiersze[0][kol::Nazwa], QStringLiteral("Kowalski"));
    EXPECT_EQ(w.wiersze[1][kol::Nazwa], QStringLiteral("Kowalski"));
}

TEST(ListaFaktur, ContractorFilterRenumbersAndSumsAgain)
{
    const auto wiersz = [](const char* nazwa, const char* brutto, const char* doSplaty) {
        QStringList w(kol::Liczba);
        w[kol::Nazwa] = QString::fromUtf8(nazwa);
        w[kol::Brutto] = QString::fromUtf8(brutto);
        w[kol::Netto] = QStringLiteral("1,00");
        w[kol::DoSplaty] = QString::fromUtf8(doSplaty);
        return w;
    };
    const QList<QStringList> wiersze = {wiersz("Kowalski", "100,00", "100,00"), wiersz("Nowak", "200,00", "0,00"),
                                        wiersz("NOWAKOWSKA", "1000,00", "400,50")};
    const QList<QStringList> k = tylkoKontrahent(wiersze, QStringLiteral("kow"));
    ASSERT_EQ(k.size(), 2);
    EXPECT_EQ(k[0][kol::Nazwa], QStringLiteral("Kowalski"));
    EXPECT_EQ(k[1][kol::Nazwa], QStringLiteral("NOWAKOWSKA"));
    EXPECT_EQ(k[1][kol::Nr], QStringLiteral("2"));
    const SumyFaktur s = zsumujWiersze(k);
    EXPECT_EQ(s.brutto, 110000);
    EXPECT_EQ(s.netto, 200);
    EXPECT_EQ(s.doSplaty, 50050);
}

TEST(ListaFaktur, DateSortsAreChronological)
{
    const auto wiersz = [](const char* nr, const char* data) {
        QStringList w(kol::Liczba);
        w[kol::Nr] = QString::fromUtf8(nr);
        w[kol::Termin] = QString::fromUtf8(data);
        return w;
    };
    QList<QStringList> w = {wiersz("1", "05-01-2021"), wiersz("2", "31-12-2020"), wiersz("3", ""),
                            wiersz("4", "10-02-2020"), wiersz("5", "31-12-2020")};
    sortujWgDaty(w, kol::Termin);
    QStringList kolejnosc;
    for (const QStringList& r : w)
        kolejnosc.append(r[kol::Nr]);
    EXPECT_EQ(kolejnosc, (QStringList{QStringLiteral("4"), QStringLiteral("2"), QStringLiteral("5"),
                                      QStringLiteral("1"), QStringLiteral("3")}));
    EXPECT_EQ(kluczDaty(QStringLiteral("05-01-2021")), QStringLiteral("20210105"));
    EXPECT_EQ(kluczDaty(QStringLiteral("2021-01-05")), QString());
}
