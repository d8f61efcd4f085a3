#include "transfers/Przelew.h"
#include "transfers/WpisPrzelewu.h"

#include "core/QuoteFormat.h"

#include <gtest/gtest.h>

using namespace remitto;

namespace {

// Every value different, so a value put in the wrong place shows.
Przelew rekord()
{
    QStringList v;
    for (int i = 1; i <= kWartosciPrzelewu; ++i)
        v.append(QStringLiteral("w%1").arg(i));
    v[9] = QStringLiteral("0");   // KwDoSplaty
    v[20] = QStringLiteral("3");  // NrPrzel
    return Przelew::zWartosci(v);
}

} // namespace

TEST(PrzelewRekord, PackageGridColumnsShowTheirValues)
{
    const Przelew p = rekord();
    const QStringList wiersz = p.wierszSiatki(7);
    ASSERT_EQ(wiersz.size(), kKolumnyPaczki);
    ASSERT_EQ(naglowkiPaczki().size(), kKolumnyPaczki);
    EXPECT_EQ(wiersz[0], QStringLiteral("7"));

    // Header of each column and the value number it shows.
    const struct {
        int kolumna;
        const char* naglowek;
        int wartosc;
    } kolumny[] = {
        {1, "Nazwa Kontrahenta ", 1}, {2, "Imie Kontrahenta ", 2}, {3, "Konto", 3},   {4, "KwotaN", 4},
        {5, "VAT", 5},                {6, "KwotaB", 6},            {7, "Tytulem", 7}, {8, "DataZakup", 22},
        {9, "Spłacono", 9},           {10, "KwDoSplaty", 10},      {11, "TerminSpla", 8},
        {12, "DataSplaty", 11},       {13, "OznPrz", 12},          {14, "Ulica", 13}, {15, "NrDomu", 14},
        {16, "Adres", 15},            {17, "Kod", 16},             {18, " Skrót ", 17}, {19, "Bank", 18},
        {20, "NrKolFakt", 19},        {21, "NrPaczk", 20},         {22, "NrPrzel", 21}, {23, "Nip ", 23},
        {24, "Status", 24},           {25, "TypZlec", 25},         {26, "TypDok", 26}, {27, "KodIden", 27},
    };
    const QStringList wartosci = p.wartosci();
    for (const auto& k : kolumny) {
        EXPECT_EQ(naglowkiPaczki()[k.kolumna], QString::fromUtf8(k.naglowek)) << k.kolumna;
        EXPECT_EQ(wartoscKolumnyPaczki(k.kolumna), k.wartosc) << k.kolumna;
        EXPECT_EQ(wiersz[k.kolumna], wartosci[k.wartosc - 1]) << k.kolumna;
    }
    EXPECT_EQ(naglowkiPaczki()[0], QStringLiteral("Nrkol"));
    EXPECT_EQ(wartoscKolumnyPaczki(0), 0);
    EXPECT_EQ(wartoscKolumnyPaczki(28), 0);

    // And back: the row gives the same record, whatever its row number.
    EXPECT_EQ(Przelew::zWierszaSiatki(wiersz), p);
    EXPECT_EQ(Przelew::zWartosci(wartosci), p);
}

TEST(PrzelewRekord, LineHasTextsQuotedAndTheTwoNumbersBare)
{
    Przelew p = rekord();
    p.tytulem = QStringLiteral("F-ra 1, \"pilne\"");
    p.dataZakup.clear();

    const QString linia = liniaPrzelewu(p);
    EXPECT_TRUE(linia.startsWith(QStringLiteral("\"w1\",\"w2\",\"w3\",\"w4\",\"w5\",\"w6\",\"F-ra 1, ''pilne''\",\"w8\",\"w9\",0,\"w11\"")))
        << linia.toStdString();
    EXPECT_TRUE(linia.contains(QStringLiteral("\"w20\",3,\"\",\"w23\"")));
    EXPECT_TRUE(linia.endsWith(QStringLiteral("\"w27\"\r\n")));
    EXPECT_EQ(linia.count(QStringLiteral("\r\n")), 1);

    // Written on one line or one value per line, the reader gets the same record.
    p.tytulem = QStringLiteral("F-ra 1, ''pilne''");
    for (const QString& tekst : {linia + linia, wartosciPrzelewuWLiniach(p) + linia}) {
        QList<Przelew> przelewy;
        EXPECT_TRUE(przelewyZWartosci(QuoteReader(tekst).readAll(), &przelewy));
        ASSERT_EQ(przelewy.size(), 2);
        EXPECT_EQ(przelewy[0], p);
        EXPECT_EQ(przelewy[1], p);
    }
    EXPECT_EQ(wartosciPrzelewuWLiniach(p).count(QStringLiteral("\r\n")), kWartosciPrzelewu);

    // A cut record is reported; the whole ones are kept.
    QList<Przelew> przelewy;
    EXPECT_FALSE(przelewyZWartosci(QuoteReader(linia + QStringLiteral("\"x\",\"y\"\r\n")).readAll(), &przelewy));
    EXPECT_EQ(przelewy.size(), 1);
}

TEST(PrzelewRekord, RecordFromTheEntryAreaByKind)
{
    WpisPrzelewu w;
    w.nazwa1 = QStringLiteral("Firma \"Kos\"");
    w.nazwa2 = QStringLiteral("Jan");
    w.konto = QStringLiteral("12345678901234567890123456");
    w.kwota = QStringLiteral("100");
    w.vat = QStringLiteral("23");
    w.brutto = QStringLiteral("123,00");
    w.tytul = QString(110, QLatin1Char('t'));
    w.skrot = QStringLiteral("KOS");
    w.nip = QStringLiteral("1234563218");
    w.kodIden = QStringLiteral("ID7");

    const Przelew p = przelewZWpisu(w, Rodzaj::Skarbowy, QStringLiteral("09-12-2026"));
    EXPECT_EQ(p.nazwaKontrahenta, QStringLiteral("Firma ''Kos''"));
    EXPECT_EQ(p.tytulem.size(), 105);
    EXPECT_EQ(p.terminSpla, QStringLiteral("2026-12-09"));
    EXPECT_EQ(p.dataSplaty, QStringLiteral("2026-12-09"));
    EXPECT_EQ(p.splacono, QStringLiteral("123,00"));
    EXPECT_EQ(p.kwDoSplaty, QStringLiteral("0"));
    EXPECT_EQ(p.oznPrz, QStringLiteral("Spłacona"));
    EXPECT_EQ(p.status, QStringLiteral("Otwarta"));
    EXPECT_EQ(p.typZlec, QStringLiteral("114"));
    EXPECT_EQ(p.typDok, QStringLiteral("71"));
    EXPECT_TRUE(p.nrKolFakt.isEmpty());
    EXPECT_TRUE(p.dataZakup.isEmpty());
    EXPECT_EQ(p.kodIden, QStringLiteral("ID7"));
}
