#include "contractors/Kontrahent.h"

#include "KontrahenciPliki.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto::kontrahenci {
namespace {

using test::pelnyKontrahent;
using test::TempFolder;

TEST(PlikKontrahentow, EveryValueSurvivesAWriteAndARead)
{
    TempFolder dir;
    Kontrahent a = pelnyKontrahent(1, u"Kowalski, Jan i S-ka"_s, u"KOW"_s);
    a[UwagiK] = u"zamówienie \"pilne\""_s;  // a double quote never reaches the file
    a[Ulica] = u"Długa \"Róg\""_s;
    Kontrahent b;  // never-set values
    b[NrKol] = u"2"_s;
    const QString sciezka = dir.file(kPlikKontrahentow);
    ASSERT_TRUE(zapiszKontrahentow(sciezka, {a, b}));

    const QByteArray bajty = dir.readBytes(kPlikKontrahentow);
    EXPECT_TRUE(bajty.startsWith("1\r\n\"Kowalski, Jan i S-ka\"\r\n"));
    EXPECT_EQ(bajty.count('\n'), 58);
    EXPECT_TRUE(bajty.contains("\"zam\xf3wienie ''pilne''\"\r\n"));  // Windows-1250

    const OdczytKontrahentow o = czytajKontrahentow(sciezka);
    ASSERT_TRUE(o.ok) << o.blad.toStdString();
    ASSERT_EQ(o.lista.size(), 2);
    Kontrahent oczekiwany = a;
    oczekiwany[UwagiK] = u"zamówienie ''pilne''"_s;
    oczekiwany[Ulica] = u"Długa ''Róg''"_s;
    EXPECT_EQ(o.lista[0], oczekiwany);
    EXPECT_EQ(o.lista[1], b);
}

TEST(PlikKontrahentow, ReadsRecordsWrittenOnOneLineOrWithEmptyLines)
{
    TempFolder dir;
    // One record of 29 values on one line, then one with never-set values
    // written as empty lines, as other programs write them.
    QString tekst = u"1,\"Nowak\",\"Jan\""_s + u",\"\""_s.repeated(26) + u"\r\n"_s;
    tekst += u"2\r\n\"Zet\"\r\n"_s + u"\r\n"_s.repeated(27);
    dir.writeText(kPlikKontrahentow, tekst);
    const OdczytKontrahentow o = czytajKontrahentow(dir.file(kPlikKontrahentow));
    ASSERT_TRUE(o.ok) << o.blad.toStdString();
    ASSERT_EQ(o.lista.size(), 2);
    EXPECT_EQ(o.lista[0][ImieKontrahenta], u"Jan"_s);
    EXPECT_EQ(o.lista[1][NazwaKontrahenta], u"Zet"_s);
    EXPECT_EQ(o.lista[1][WalutaKh], QString());
}

TEST(PlikKontrahentow, DamagedFilesAreReportedNamingTheFileWithTheWholeRecordsKept)
{
    TempFolder dir;
    const QString sciezka = dir.file(kPlikKontrahentow);
    const QString dwa = tekstPliku({pelnyKontrahent(1, u"A"_s, u"A"_s), pelnyKontrahent(2, u"B"_s, u"B"_s)});

    dir.writeText(kPlikKontrahentow, dwa + u"3\r\n\"C\"\r\n"_s);  // value count not a multiple of 29
    OdczytKontrahentow o = czytajKontrahentow(sciezka);
    EXPECT_FALSE(o.ok);
    EXPECT_TRUE(o.uszkodzony);
    EXPECT_EQ(o.lista.size(), 2);
    EXPECT_TRUE(o.blad.contains(sciezka));

    dir.writeText(kPlikKontrahentow, dwa.left(dwa.size() - 5));  // cut inside the last quoted value
    o = czytajKontrahentow(sciezka);
    EXPECT_TRUE(o.uszkodzony);
    EXPECT_EQ(o.lista.size(), 1);
    EXPECT_TRUE(o.blad.contains(sciezka));

    o = czytajKontrahentow(dir.file(u"brak.dta"_s));
    EXPECT_TRUE(o.brak);
    EXPECT_FALSE(o.uszkodzony);
    EXPECT_TRUE(o.lista.isEmpty());
}

TEST(PlikKontrahentow, AppendAddsALineEndMissingAtTheEndFirst)
{
    TempFolder dir;
    const QString sciezka = dir.file(kPlikKontrahentow);
    QString tekst = tekstPliku({pelnyKontrahent(1, u"A"_s, u"A"_s)});
    tekst.chop(2);
    dir.writeText(kPlikKontrahentow, tekst);
    ASSERT_TRUE(dopiszKontrahenta(sciezka, pelnyKontrahent(2, u"B"_s, u"B"_s)));
    const OdczytKontrahentow o = czytajKontrahentow(sciezka);
    ASSERT_TRUE(o.ok) << o.blad.toStdString();
    ASSERT_EQ(o.lista.size(), 2);
    EXPECT_EQ(o.lista[1][NazwaKontrahenta], u"B"_s);

    ASSERT_TRUE(dopiszKontrahenta(dir.file(u"nowy.dta"_s), pelnyKontrahent(1, u"N"_s, u"N"_s)));
    EXPECT_EQ(czytajKontrahentow(dir.file(u"nowy.dta"_s)).lista.size(), 1);
}

TEST(PlikKontrahentow, GridRowFollowsTheColumnTable)
{
    const Kontrahent k = pelnyKontrahent(7, u"Nazwa"_s, u"SKR"_s);
    const QStringList wiersz = wierszSiatki(k);
    ASSERT_EQ(wiersz.size(), 27);
    EXPECT_EQ(naglowkiSiatki().size(), 27);
    EXPECT_EQ(szerokosciSiatki().size(), 27);
    const struct {
        int kolumna;
        int pole;  // 1-based number of the record value
    } mapa[] = {{0, 1},   {1, 2},   {2, 3},   {3, 14},  {4, 16},  {5, 7},   {6, 10},  {7, 4},  {8, 24},
                {9, 5},   {10, 11}, {11, 27}, {12, 6},  {13, 8},  {14, 9},  {15, 17}, {16, 18}, {17, 19},
                {18, 21}, {19, 22}, {20, 25}, {21, 26}, {22, 29}, {23, 23}, {24, 12}, {25, 15}, {26, 28}};
    for (const auto& m : mapa)
        EXPECT_EQ(wiersz[m.kolumna], k.w[static_cast<size_t>(m.pole - 1)]) << m.kolumna;
    // The second account and the last VAT text have no column.
    EXPECT_FALSE(wiersz.contains(k[NrRachunku2K]));
    EXPECT_FALSE(wiersz.contains(k[OstVatK]));
}

TEST(PlikKontrahentow, ReadingForTheGridGivesTheRowsOfTheRecords)
{
    TempFolder dir;
    const QString sciezka = dir.file(kPlikKontrahentow);
    const QList<Kontrahent> lista = {pelnyKontrahent(1, u"A"_s, u"A"_s), pelnyKontrahent(2, u"B"_s, u"B"_s)};
    for (const QString& ogon : {QString(), u"3\r\n\"C"_s}) {
        dir.writeText(kPlikKontrahentow, tekstPliku(lista) + ogon);
        const OdczytKontrahentow rekordy = czytajKontrahentow(sciezka);
        const OdczytSiatki siatka = czytajDoSiatki(sciezka);
        EXPECT_EQ(siatka.ok, rekordy.ok);
        EXPECT_EQ(siatka.uszkodzony, rekordy.uszkodzony);
        EXPECT_EQ(siatka.blad, rekordy.blad);
        EXPECT_EQ(siatka.wiersze, (QList<QStringList>{wierszSiatki(lista[0]), wierszSiatki(lista[1])}));
    }
    EXPECT_TRUE(czytajDoSiatki(dir.file(u"brak.dta"_s)).brak);
}

TEST(DoPrzelewu, ListAndCardHandOverTheTransferWindowBoxes)
{
    Kontrahent k = pelnyKontrahent(5, u"Firma"_s, u"fir"_s);
    k[NrRachunku1K] = u"61 1090-1014 0000 0712 1981 2874"_s;
    const KontrahentDoPrzelewu z = doPrzelewuZListy(k);
    EXPECT_EQ(z.txtNazwa1K, u"Firma"_s);
    EXPECT_EQ(z.txtNazwa2K, k[ImieKontrahenta]);
    EXPECT_EQ(z.txtSkrotK, u"FIR"_s);
    EXPECT_EQ(z.lbNazwaFirmy, u"fir"_s);
    EXPECT_EQ(z.txtKODK, k[Kod]);
    EXPECT_EQ(z.txtAdresK, k[Miejscowosc]);
    EXPECT_EQ(z.txtUlicaK, k[Ulica]);
    EXPECT_EQ(z.txtNumerDomuK, k[NrDomu]);
    EXPECT_EQ(z.txtNrLok, k[NrLokaluK]);
    EXPECT_EQ(z.txtBankK, k[BankK]);
    EXPECT_EQ(z.txtKontoK, u"61109010140000071219812874"_s);
    EXPECT_EQ(z.txtTytulem1, k[TytulK]);
    EXPECT_EQ(z.txtKwotaK, k[OstKwotaK]);
    EXPECT_EQ(z.txtKwotaBrutto, k[OstKwotaK]);
    EXPECT_EQ(z.txtVat, k[OstVatK]);
    EXPECT_EQ(z.txtNrKol, u"5"_s);
    EXPECT_EQ(z.txtKodIden, k[KodIden]);
    EXPECT_EQ(z.txtNIPK, k[NipKontr]);
    EXPECT_EQ(z.txtTelefon, k[Telefon]);
    EXPECT_EQ(z.txtMail, k[MailK]);
    // Both hand over every box the record fills, so nothing of the
    // contractor shown before stays in the transfer window.
    EXPECT_EQ(z.txtPoczta, k[Poczta]);
    EXPECT_EQ(z.txtRodzKl, k[Svat]);

    const KontrahentDoPrzelewu c = doPrzelewuZKarty(k);
    EXPECT_EQ(c.txtPoczta, k[Poczta]);
    EXPECT_EQ(c.txtRodzKl, u"V"_s);
    EXPECT_EQ(c.txtKontoK, z.txtKontoK);
    EXPECT_EQ(c.txtVat, k[OstVatK]);
    EXPECT_EQ(c.txtTelefon, k[Telefon]);
    EXPECT_EQ(c.txtMail, k[MailK]);
    EXPECT_FALSE(c.txtKwotaBrutto.has_value());
}

} // namespace
} // namespace remitto::kontrahenci
