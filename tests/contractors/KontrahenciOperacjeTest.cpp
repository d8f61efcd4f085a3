#include "contractors/KontrahenciOperacje.h"

#include "core/QuoteFormat.h"

#include "KontrahenciPliki.h"
#include "TempFolder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto::kontrahenci {
namespace {

using test::pelnyKontrahent;
using test::TempFolder;

QStringList pole(const QList<Kontrahent>& lista, Pole p)
{
    QStringList out;
    for (const Kontrahent& k : lista)
        out << k[p];
    return out;
}

class PlikTest : public ::testing::Test {
protected:
    QString sciezka() const { return dir.file(kPlikKontrahentow); }
    void zapisz(const QList<Kontrahent>& lista) { ASSERT_TRUE(zapiszKontrahentow(sciezka(), lista)); }
    QList<Kontrahent> odczyt()
    {
        const OdczytKontrahentow o = czytajKontrahentow(sciezka());
        EXPECT_TRUE(o.ok) << o.blad.toStdString();
        return o.lista;
    }
    TempFolder dir;
};

TEST_F(PlikTest, SortByNameRenumbersAndKeepsEveryValueWithItsRecord)
{
    const QList<Kontrahent> przed = {pelnyKontrahent(1, u"Żak"_s, u"Z"_s), pelnyKontrahent(2, u"adam"_s, u"A"_s),
                                     pelnyKontrahent(3, u"Łoś"_s, u"L"_s), pelnyKontrahent(4, u"Lis"_s, u"L2"_s),
                                     pelnyKontrahent(5, u"Adam"_s, u"A2"_s)};
    zapisz(przed);
    const WynikOperacji w = sortujPlik(sciezka());
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    const QList<Kontrahent> po = odczyt();
    EXPECT_EQ(pole(po, NazwaKontrahenta), (QStringList{u"adam"_s, u"Adam"_s, u"Lis"_s, u"Łoś"_s, u"Żak"_s}));
    EXPECT_EQ(pole(po, NrKol), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
    // Fields 13 and 20, which the grid does not show, travel with their records.
    for (const Kontrahent& k : po) {
        const Kontrahent& stary = przed[pole(przed, SkrotK).indexOf(k[SkrotK])];
        Kontrahent oczekiwany = stary;
        oczekiwany[NrKol] = k[NrKol];
        EXPECT_EQ(k, oczekiwany);
        EXPECT_EQ(k[NrRachunku2K], stary[NrRachunku2K]);
        EXPECT_EQ(k[OstVatK], stary[OstVatK]);
    }
}

TEST_F(PlikTest, DeleteLeavesOutTheOrdinalAndRenumbersWithoutGaps)
{
    const struct {
        int nr;
        QStringList zostaja;
    } przypadki[] = {
        {2, {u"A"_s, u"C"_s, u"D"_s}},
        {0, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}},  // header row: nothing removed, still renumbered
        {9, {u"A"_s, u"B"_s, u"C"_s, u"D"_s}},
    };
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.nr);
        QList<Kontrahent> lista;
        for (int i = 0; i < 4; ++i)
            lista << pelnyKontrahent(i + 5, QString(QChar(u'A' + i)), QString(QChar(u'A' + i)));
        zapisz(lista);
        // The file's ordinals 5..8 are off; row numbers count from 1.
        const QList<Kontrahent> z5 = bezKontrahenta(lista, p.nr + 4);
        const WynikOperacji w = usunZPliku(sciezka(), p.nr + 4);
        ASSERT_EQ(w.wynik, Wynik::Gotowe);
        const QList<Kontrahent> po = odczyt();
        EXPECT_EQ(pole(po, NazwaKontrahenta), p.zostaja);
        EXPECT_EQ(po, z5);
        QStringList numery;
        for (int i = 1; i <= p.zostaja.size(); ++i)
            numery << QString::number(i);
        EXPECT_EQ(pole(po, NrKol), numery);
        EXPECT_EQ(w.liczba, p.zostaja.size());
    }
}

TEST_F(PlikTest, DuplicateRemovalKeepsTheFirstOfNeighboursAndCarriesHiddenFields)
{
    Kontrahent a = pelnyKontrahent(1, u"Nowak"_s, u"NOW"_s);
    Kontrahent a2 = a, a3 = a;
    a2[NrRachunku2K] = u"inne"_s;  // not part of the comparison
    a3[OstVatK] = u"zw"_s;
    Kontrahent male = a;
    male[NazwaKontrahenta] = u"nowak"_s;  // differs in case only: stays
    Kontrahent daleko = a;             // equal but not a neighbour: stays, sorted next to its twin
    Kontrahent b = pelnyKontrahent(6, u"Bąk"_s, u"BAK"_s);
    Kontrahent bSpacja = b;
    bSpacja[SkrotK] = u"BAK "_s;  // no trimming
    zapisz({a, a2, a3, male, b, bSpacja, daleko});

    const WynikOperacji w = usunPodwojneZPliku(sciezka());
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(w.zmienione, 2);
    const QList<Kontrahent> po = odczyt();
    EXPECT_EQ(pole(po, NazwaKontrahenta), (QStringList{u"Bąk"_s, u"Bąk"_s, u"Nowak"_s, u"Nowak"_s, u"nowak"_s}));
    EXPECT_EQ(pole(po, NrKol), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
    EXPECT_EQ(po[2][NrRachunku2K], a[NrRachunku2K]);
    EXPECT_EQ(po[2][OstVatK], a[OstVatK]);
    EXPECT_EQ(po[1][SkrotK], u"BAK "_s);
}

TEST_F(PlikTest, SortMakesIdenticalRecordsNeighboursSoDuplicateRemovalTakesThemAll)
{
    // Three copies of one record, with other contractors of the same name
    // (one differing in letter case only) between them.
    const Kontrahent kopia = pelnyKontrahent(1, u"Kowalski"_s, u"KOW"_s);
    Kontrahent inny = pelnyKontrahent(2, u"Kowalski"_s, u"KOW2"_s);
    Kontrahent male = pelnyKontrahent(3, u"kowalski"_s, u"KOW"_s);
    male[NrRachunku1K] = kopia[NrRachunku1K];
    Kontrahent kopia2 = kopia, kopia3 = kopia;
    kopia2[OstKwotaK] = u"12,50"_s;  // not compared
    const Kontrahent adam = pelnyKontrahent(4, u"Adamski"_s, u"ADA"_s);
    zapisz({inny, kopia, male, kopia2, adam, kopia3});

    ASSERT_EQ(sortujPlik(sciezka()).wynik, Wynik::Gotowe);
    const QList<Kontrahent> posortowane = odczyt();
    // Different records of equal name keep their order; the copies gather at
    // the place of the first one.
    EXPECT_EQ(pole(posortowane, SkrotK), (QStringList{u"ADA"_s, u"KOW2"_s, u"KOW"_s, u"KOW"_s, u"KOW"_s, u"KOW"_s}));
    EXPECT_EQ(pole(posortowane, NazwaKontrahenta).mid(2),
              (QStringList{u"Kowalski"_s, u"Kowalski"_s, u"Kowalski"_s, u"kowalski"_s}));
    EXPECT_EQ(posortowane[3][OstKwotaK], kopia2[OstKwotaK]);  // file order within the copies

    const WynikOperacji w = usunPodwojneZPliku(sciezka());
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(w.zmienione, 2);
    const QList<Kontrahent> po = odczyt();
    EXPECT_EQ(pole(po, NazwaKontrahenta), (QStringList{u"Adamski"_s, u"Kowalski"_s, u"Kowalski"_s, u"kowalski"_s}));
    EXPECT_EQ(pole(po, SkrotK), (QStringList{u"ADA"_s, u"KOW2"_s, u"KOW"_s, u"KOW"_s}));
    EXPECT_EQ(pole(po, NrKol), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
}

TEST_F(PlikTest, DamagedFileIsRewrittenOnlyWithConsent)
{
    const QString tekst = tekstPliku({pelnyKontrahent(1, u"B"_s, u"B"_s), pelnyKontrahent(2, u"A"_s, u"A"_s)})
                        + u"3\r\n\"C\"\r\n"_s;
    dir.writeText(kPlikKontrahentow, tekst);
    const QByteArray bajty = dir.readBytes(kPlikKontrahentow);

    for (const WynikOperacji& w : {sortujPlik(sciezka()), usunZPliku(sciezka(), 1), usunPodwojneZPliku(sciezka()),
                                   dopiszZKarty(sciezka(), pelnyKontrahent(0, u"N"_s, u"N"_s)),
                                   zmienWPliku(sciezka(), u"A"_s, u"A"_s, pelnyKontrahent(0, u"N"_s, u"N"_s))}) {
        EXPECT_EQ(w.wynik, Wynik::WymagaZgody);
        EXPECT_TRUE(w.blad.contains(sciezka()));
    }
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), bajty);

    const WynikOperacji w = sortujPlik(sciezka(), true);
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(pole(odczyt(), NazwaKontrahenta), (QStringList{u"A"_s, u"B"_s}));
}

TEST_F(PlikTest, AFileThatIsNotTheListShownIsLeftAlone)
{
    zapisz({pelnyKontrahent(1, u"B"_s, u"B"_s), pelnyKontrahent(2, u"A"_s, u"A"_s)});
    const QByteArray bajty = dir.readBytes(kPlikKontrahentow);
    for (const WynikOperacji& w : {sortujPlik(sciezka(), false, 0), usunZPliku(sciezka(), 1, false, 1),
                                   usunPodwojneZPliku(sciezka(), false, 3)}) {
        EXPECT_EQ(w.wynik, Wynik::InnaLiczba);
        EXPECT_EQ(w.liczba, 2);
    }
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), bajty);
    EXPECT_EQ(sortujPlik(sciezka(), false, 2).wynik, Wynik::Gotowe);
    // No file and an empty list: nothing to write.
    EXPECT_EQ(sortujPlik(dir.file(u"brak.dta"_s), false, 0).wynik, Wynik::Gotowe);
    EXPECT_FALSE(dir.exists(u"brak.dta"_s));
}

TEST_F(PlikTest, CardAppendsWithTheNextOrdinalAndEditsByNameAndShortName)
{
    WynikOperacji w = dopiszZKarty(sciezka(), pelnyKontrahent(0, u"Pierwszy"_s, u"P"_s));
    EXPECT_EQ(w.liczba, 1);
    zapisz({pelnyKontrahent(1, u"Kot"_s, u"KOT"_s), pelnyKontrahent(2, u"Pies"_s, u"PIES"_s),
            pelnyKontrahent(3, u"Kot"_s, u"KOT"_s)});
    w = dopiszZKarty(sciezka(), pelnyKontrahent(0, u"Nowy"_s, u"N"_s));
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(w.liczba, 4);
    QList<Kontrahent> lista = odczyt();
    ASSERT_EQ(lista.size(), 4);
    EXPECT_EQ(lista[3][NrKol], u"4"_s);

    Kontrahent karta = zKarty(pelnyKontrahent(0, u"kocur"_s, u"kot2"_s));
    const QList<Kontrahent> przed = lista;
    w = zmienWPliku(sciezka(), u"Kot"_s, u"KOT"_s, karta);
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(w.zmienione, 2);
    lista = odczyt();
    EXPECT_EQ(lista[1], przed[1]);
    EXPECT_EQ(lista[3], przed[3]);
    for (int i : {0, 2}) {
        EXPECT_EQ(lista[i][NazwaKontrahenta], u"Kocur"_s);
        EXPECT_EQ(lista[i][SkrotK], u"KOT2"_s);
        for (Pole p : {NrKol, Platnosc, BankK, OstKwotaK, TytulK})
            EXPECT_EQ(lista[i][p], przed[i][p]);
        EXPECT_EQ(lista[i][OstVatK], QString());
        EXPECT_EQ(lista[i][NrRachunku2K], karta[NrRachunku2K]);
    }
    // No match: the file is written back unchanged.
    w = zmienWPliku(sciezka(), u"Nikt"_s, u"X"_s, karta);
    EXPECT_EQ(w.zmienione, 0);
    EXPECT_EQ(odczyt(), lista);
}

TEST(KartaKontrahenta, SavingRulesOfTheCard)
{
    const struct {
        QString nazwa, nazwaZapisana;
    } nazwy[] = {{u"kowalski"_s, u"Kowalski"_s}, {u"k"_s, u"k"_s}, {u"żak \"mały\""_s, u"Żak ''mały''"_s}, {u""_s, u""_s}};
    for (const auto& n : nazwy) {
        Kontrahent k;
        k[NazwaKontrahenta] = n.nazwa;
        k[ImieKontrahenta] = n.nazwa;
        EXPECT_EQ(zKarty(k)[NazwaKontrahenta], n.nazwaZapisana);
        EXPECT_EQ(zKarty(k)[ImieKontrahenta], n.nazwaZapisana);
    }
    Kontrahent k = pelnyKontrahent(0, u"A"_s, u"ab\"c"_s);
    k[Miejscowosc].clear();
    k[Poczta] = u"Kraków"_s;
    k[Ulica] = u"Rynek \"Główny\""_s;
    k[Svat] = u"s"_s;
    const Kontrahent z = zKarty(k);
    EXPECT_EQ(z[SkrotK], u"AB''C"_s);
    EXPECT_EQ(z[Miejscowosc], u"Kraków"_s);
    EXPECT_EQ(z[Ulica], u"Rynek ''Główny''"_s);
    EXPECT_EQ(z[Svat], u"S"_s);
    EXPECT_EQ(z[OstKwotaK], u"0"_s);
    EXPECT_EQ(z[TytulK], QString());
    EXPECT_EQ(z[OstVatK], QString());
    k[Miejscowosc] = u"Wieliczka"_s;
    EXPECT_EQ(zKarty(k)[Miejscowosc], u"Wieliczka"_s);
}

TEST(UkladPliku, RecognisesTheLayoutFromTheValues)
{
    auto rekordy = [](int rozmiar, int ile, int start = 1) {
        QStringList v;
        for (int r = 0; r < ile; ++r) {
            v << QString::number(start + r);
            for (int i = 1; i < rozmiar; ++i)
                v << u"x"_s;
        }
        return v;
    };
    const struct {
        const char* opis;
        QStringList wartosci;
        Uklad uklad;
    } przypadki[] = {
        {"empty", {}, Uklad::Pusty},
        {"29-value", rekordy(29, 3), Uklad::Nowy},
        {"19-value", rekordy(19, 3), Uklad::Stary},
        {"29 records of 19 values, also 19 of 29", rekordy(19, 29), Uklad::Stary},
        {"19 records of 29 values, also 29 of 19", rekordy(29, 19), Uklad::Nowy},
        {"29-value, ordinals off", rekordy(29, 2, 7), Uklad::Nowy},
        {"neither", rekordy(29, 2) << u"x"_s, Uklad::Nieznany},
        {"text where an ordinal stands", QStringList(29, u"x"_s), Uklad::Nieznany},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(rozpoznajUklad(p.wartosci), p.uklad) << p.opis;
}

TEST_F(PlikTest, ConversionFromTheOldLayoutAndACurrentFileLeftAlone)
{
    auto stary = [](int nr, const QString& konto) {
        QStringList v;
        v << QString::number(nr) << u"SKR%1"_s.arg(nr) << u"Nazwa%1"_s.arg(nr) << u"cd"_s << u"34-300"_s
          << u"Żywiec"_s << u"Rynek"_s << u"1a"_s << u"PKO"_s << konto << u"Tytuł"_s << u"12,50"_s << u"26"_s
          << u"M"_s << u"03"_s << u"VAT7"_s << u"x"_s << u"y"_s << u"ID%1"_s.arg(nr);
        return v;
    };
    QuoteWriter zapis;
    for (const QStringList& r : {stary(1, QString(26, u'1')), stary(2, QString()), stary(3, QString(33, u'3')),
                                 stary(4, QString(32, u'4'))})
        for (const QString& v : r)
            zapis.text(v).endLine();
    dir.writeText(kPlikKontrahentow, zapis.result());

    const Konwersja k = przygotujKonwersje(sciezka());
    ASSERT_EQ(k.wynik, Wynik::Gotowe);
    EXPECT_EQ(k.uklad, Uklad::Stary);
    ASSERT_EQ(k.lista.size(), 2);
    Kontrahent oczekiwany;
    oczekiwany[NrKol] = u"1"_s;
    oczekiwany[NazwaKontrahenta] = u"Nazwa1"_s;
    oczekiwany[ImieKontrahenta] = u"cd"_s;
    oczekiwany[Miejscowosc] = u"Żywiec"_s;
    oczekiwany[Ulica] = u"Rynek"_s;
    oczekiwany[Kod] = u"34-300"_s;
    oczekiwany[NrDomu] = u"1a"_s;
    oczekiwany[NrRachunku1K] = QString(26, u'1');
    oczekiwany[SkrotK] = u"SKR1"_s;
    oczekiwany[KodIden] = u"ID1"_s;
    oczekiwany[BankK] = u"PKO"_s;
    oczekiwany[OstKwotaK] = u"12,50"_s;
    oczekiwany[TytulK] = u"Tytuł"_s;
    EXPECT_EQ(k.lista[0], oczekiwany);
    EXPECT_EQ(k.lista[1][NrKol], u"2"_s);
    EXPECT_EQ(k.lista[1][SkrotK], u"SKR4"_s);

    // A file already in the 29-value layout is recognised and not converted.
    zapisz({pelnyKontrahent(1, u"A"_s, u"A"_s)});
    EXPECT_EQ(przygotujKonwersje(sciezka()).wynik, Wynik::ZlyUklad);
    EXPECT_EQ(przygotujKonwersje(sciezka()).uklad, Uklad::Nowy);
}

TEST_F(PlikTest, ImportFromTheShopProgramAppendsAcceptableRecordsNumberedOn)
{
    zapisz({pelnyKontrahent(1, u"A"_s, u"A"_s), pelnyKontrahent(2, u"B"_s, u"B"_s)});
    QDir(dir.path()).mkpath(u"Kramix/FIRMA/Kontrah"_s);  // letter case as copied from Windows
    const QString kramix = plikKontrahentowKramix(dir.file(u"Kramix"_s), u"firma"_s);
    EXPECT_EQ(kramix, dir.file(u"Kramix/FIRMA/Kontrah/kontrah.dta"_s));

    // A missing shop file changes nothing.
    const QByteArray przed = dir.readBytes(kPlikKontrahentow);
    WynikOperacji w = dopiszZKramix(sciezka(), kramix);
    EXPECT_EQ(w.wynik, Wynik::BladOdczytu);
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);

    Kontrahent k1 = pelnyKontrahent(10, u"Z1"_s, u"Z1"_s), k2 = pelnyKontrahent(11, u"Z2"_s, u"Z2"_s),
               k3 = pelnyKontrahent(12, u"Z3"_s, u"Z3"_s);
    k2[NrRachunku1K] = u"123"_s;
    ASSERT_TRUE(zapiszKontrahentow(kramix, {k1, k2, k3}));
    // A damaged shop file changes nothing either.
    dir.writeText(u"Kramix/FIRMA/Kontrah/kontrah.dta"_s, tekstPliku({k1}) + u"\"x\"\r\n"_s);
    EXPECT_EQ(dopiszZKramix(sciezka(), kramix).wynik, Wynik::BladOdczytu);
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);

    ASSERT_TRUE(zapiszKontrahentow(kramix, {k1, k2, k3}));
    w = dopiszZKramix(sciezka(), kramix);
    ASSERT_EQ(w.wynik, Wynik::Gotowe);
    EXPECT_EQ(w.zmienione, 2);
    const QList<Kontrahent> po = odczyt();
    EXPECT_EQ(pole(po, NazwaKontrahenta), (QStringList{u"A"_s, u"B"_s, u"Z1"_s, u"Z3"_s}));
    EXPECT_EQ(pole(po, NrKol), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    EXPECT_EQ(po[2][Platnosc], QString());
    Kontrahent oczekiwany = k1;
    oczekiwany[NrKol] = u"3"_s;
    oczekiwany[Platnosc].clear();
    EXPECT_EQ(po[2], oczekiwany);
}

TEST(Wyszukiwanie, ByShortNameAndForTheTransfer)
{
    const QList<Kontrahent> lista = {pelnyKontrahent(1, u"Alfa"_s, u"ALF"_s), pelnyKontrahent(2, u"Beta"_s, u"BET"_s),
                                     pelnyKontrahent(3, u"Beta"_s, u"BET2"_s)};
    EXPECT_EQ(indeksPoSkrocie(lista, u"BET"_s), 1);
    EXPECT_EQ(indeksPoSkrocie(lista, u"bet"_s), -1);
    EXPECT_EQ(indeksPoSkrocie(lista, u""_s), -1);
    EXPECT_EQ(indeksDoPrzelewu(lista, u"Beta"_s, u"BET2"_s), 1);  // first match on either
    EXPECT_EQ(indeksDoPrzelewu(lista, u"Gamma"_s, u"BET2"_s), 2);
    EXPECT_EQ(indeksDoPrzelewu(lista, u""_s, u""_s), -1);
    EXPECT_EQ(indeksDoPrzelewu(lista, u"Gamma"_s, u"G"_s), -1);
}

TEST_F(PlikTest, TheCardOpensTheRecordOfTheListsNameAndOrdinal)
{
    zapisz({pelnyKontrahent(1, u"Beta"_s, u"BET"_s), pelnyKontrahent(2, u"Beta"_s, u"BET2"_s)});
    const auto k = kontrahentDoKarty(sciezka(), u"Beta"_s, 2);
    ASSERT_TRUE(k);
    EXPECT_EQ((*k)[SkrotK], u"BET2"_s);
    // A row the file no longer holds, by name or by ordinal, opens nothing.
    EXPECT_FALSE(kontrahentDoKarty(sciezka(), u"Beta"_s, 3));
    EXPECT_FALSE(kontrahentDoKarty(sciezka(), u"beta"_s, 1));
    EXPECT_FALSE(kontrahentDoKarty(dir.file(u"brak.dta"_s), u"Beta"_s, 1));
}

TEST(Wyszukiwanie, TheListsFindGoesColumnByColumn)
{
    const QList<QStringList> wiersze = {{u"1"_s, u"Alfa"_s, u"Kraków"_s},
                                        {u"2"_s, u"Kraków Sp"_s, u"Opole"_s},
                                        {u"3"_s, u"Gamma"_s}};
    const auto komorki = [&](int w) { return wiersze[w]; };
    struct Przypadek {
        QString szukany;
        QList<int> trafienia;
    };
    for (const Przypadek& p : {
             Przypadek{u"kraków"_s, {1, 0}},  // column 1 first: row 1 is where the find goes
             Przypadek{u"KRAKÓW"_s, {1, 0}},
             Przypadek{u"a"_s, {0, 1, 2, 0}},  // a row once for each column holding it
             Przypadek{u"3"_s, {2}},
             Przypadek{u"Wrocław"_s, {}},
             Przypadek{QString(), {}},
         })
        EXPECT_EQ(trafieniaSzukania(int(wiersze.size()), 3, komorki, p.szukany), p.trafienia)
            << p.szukany.toStdString();
}

} // namespace
} // namespace remitto::kontrahenci
