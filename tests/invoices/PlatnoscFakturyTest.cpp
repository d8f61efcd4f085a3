#include "invoices/PlatnoscFaktury.h"

#include "shop/ListaFaktur.h"
#include "transfers/NumeracjaPaczek.h"
#include "transfers/PlikPaczki.h"

#include "FullDisk.h"
#include "Budowa.h"

#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QString kKonto = QStringLiteral("61109010140000071219812874");
const QDate kDzis(2026, 12, 10);

// An invoice row as the list shows an invoice not yet paid: gross 1000,00.
QStringList wiersz(const QString& konto = kKonto)
{
    QStringList w(kol::Liczba);
    w[kol::Nr] = QStringLiteral("1");
    w[kol::Nazwa] = QStringLiteral("Kowalski");
    w[kol::Imie] = QStringLiteral("Jan");
    w[kol::Netto] = QStringLiteral("813,01");
    w[kol::Vat] = QStringLiteral("186,99");
    w[kol::Brutto] = QStringLiteral("1000,00");
    w[kol::Tytulem] = QStringLiteral("FV/1/2026");
    w[kol::DataZakupu] = QStringLiteral("03-12-2026");
    w[kol::Termin] = QStringLiteral("17-12-2026");
    w[kol::Splacono] = QStringLiteral("0,00");
    w[kol::DoSplaty] = QStringLiteral("1000,00");
    w[kol::Stan] = QStringLiteral("DoPrzelewu");
    w[kol::Ulica] = QStringLiteral("Rynek");
    w[kol::NrDomu] = QStringLiteral("12/3");
    w[kol::Adres] = QStringLiteral("Dobczyce");
    w[kol::Kod] = QStringLiteral("32-410");
    w[kol::Skrot] = QStringLiteral("KOWAL");
    w[kol::Bank] = konto;
    w[kol::Plik] = QStringLiteral("Fz261200001.dat");
    w[kol::Konto] = konto;
    w[kol::Nip] = QStringLiteral("6810001122");
    return w;
}

QByteArray numeracja(int poczatPaczk, int koniecPacz, int koniecPrzel)
{
    QByteArray b;
    for (int m = 1; m <= 12; ++m) {
        if (m == 12)
            b += "12," + QByteArray::number(poczatPaczk) + "," + QByteArray::number(koniecPacz) + ",1,"
               + QByteArray::number(koniecPrzel) + ",\"m\"\r\n";
        else
            b += QByteArray::number(m) + ",1,3,1,9,\"c\"\r\n";
    }
    return b;
}

} // namespace

TEST(PlatnoscFaktury, RowChecksBeforeTheAmountIsAsked)
{
    struct Przypadek {
        const char* opis;
        QString konto;
        QString reszta;
        WierszDoZaplaty::Stan stan;
    };
    const QString k33 = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    ASSERT_EQ(k33.size(), 32);
    const QList<Przypadek> przypadki = {
        {"account of 25", kKonto.left(25), QStringLiteral("1000,00"), WierszDoZaplaty::Stan::ZleKonto},
        {"account of 26", kKonto, QStringLiteral("1000,00"), WierszDoZaplaty::Stan::Ok},
        {"account of 33", k33 + QLatin1Char(' '), QStringLiteral("1000,00"), WierszDoZaplaty::Stan::Ok},
        {"account of 34", k33 + QStringLiteral("  "), QStringLiteral("1000,00"), WierszDoZaplaty::Stan::ZleKonto},
        {"no account (missing invoice file)", QString(), QStringLiteral("0,00"), WierszDoZaplaty::Stan::ZleKonto},
        {"paid in full", kKonto, QStringLiteral("0,00"), WierszDoZaplaty::Stan::Splacona},
        {"paid in full, written 0", kKonto, QStringLiteral(" 0 "), WierszDoZaplaty::Stan::Splacona},
        {"rest unreadable", kKonto, QStringLiteral("abc"), WierszDoZaplaty::Stan::ZlaKwota},
    };
    for (const Przypadek& p : przypadki) {
        QStringList w = wiersz(p.konto);
        w[kol::DoSplaty] = p.reszta;
        EXPECT_EQ(sprawdzWierszDoZaplaty(w).stan, p.stan) << p.opis;
    }
}

TEST(PlatnoscFaktury, TypedAmountIsCheckedAgainstTheRest)
{
    struct Przypadek {
        QString tekst;
        KwotaPlatnosci wynik;
        qint64 grosze;
    };
    const QList<Przypadek> przypadki = {
        {QStringLiteral("400"), KwotaPlatnosci::Ok, 40000},
        {QStringLiteral(" 400,50 "), KwotaPlatnosci::Ok, 40050},
        {QStringLiteral("1000.00"), KwotaPlatnosci::Ok, 100000},
        {QStringLiteral("1000,01"), KwotaPlatnosci::PonadReszte, 0},
        {QStringLiteral("0"), KwotaPlatnosci::NieDodatnia, 0},
        {QStringLiteral("0,004"), KwotaPlatnosci::NieDodatnia, 0},
        {QStringLiteral("-5"), KwotaPlatnosci::NieDodatnia, 0},
        {QStringLiteral("abc"), KwotaPlatnosci::Nieczytelna, 0},
        {QStringLiteral("12,34,5"), KwotaPlatnosci::Nieczytelna, 0},
        {QStringLiteral(" "), KwotaPlatnosci::Nieczytelna, 0},
    };
    for (const Przypadek& p : przypadki) {
        qint64 g = 0;
        EXPECT_EQ(sprawdzKwotePlatnosci(p.tekst, 100000, &g), p.wynik) << p.tekst.toStdString();
        EXPECT_EQ(g, p.grosze) << p.tekst.toStdString();
    }
}

TEST(PlatnoscFaktury, PartPaymentsLeaveTheRightRestAndTheFullOneClosesTheInvoice)
{
    // 400,00 of 1000,00, then what is left.
    QStringList w = wiersz();
    WierszDoZaplaty s = sprawdzWierszDoZaplaty(w);
    ASSERT_EQ(s.stan, WierszDoZaplaty::Stan::Ok);
    EXPECT_EQ(s.domyslnaKwota, QStringLiteral("1000,00"));
    w = zaplaconyWiersz(w, 40000, QStringLiteral("10-12-2026"), QStringLiteral("03"), 1);
    EXPECT_EQ(w[kol::Splacono], QStringLiteral("400,00"));
    EXPECT_EQ(w[kol::DoSplaty], QStringLiteral("600,00"));
    EXPECT_EQ(w[kol::DataSplaty], QStringLiteral("10-12-2026"));
    EXPECT_EQ(w[kol::Stan], QStringLiteral("SplCz"));
    EXPECT_EQ(w[kol::NrPaczki], QStringLiteral("03"));
    EXPECT_EQ(w[kol::NrPrzelewu], QStringLiteral("1"));

    s = sprawdzWierszDoZaplaty(w);
    ASSERT_EQ(s.stan, WierszDoZaplaty::Stan::Ok);
    EXPECT_EQ(s.domyslnaKwota, QStringLiteral("600,00"));
    qint64 g = 0;
    EXPECT_EQ(sprawdzKwotePlatnosci(QStringLiteral("600,01"), s.doSplaty, &g), KwotaPlatnosci::PonadReszte);
    ASSERT_EQ(sprawdzKwotePlatnosci(QStringLiteral("200"), s.doSplaty, &g), KwotaPlatnosci::Ok);
    w = zaplaconyWiersz(w, g, QStringLiteral("10-12-2026"), QStringLiteral("03"), 2);
    EXPECT_EQ(w[kol::DoSplaty], QStringLiteral("400,00"));  // not 1000 - 200
    EXPECT_EQ(sprawdzWierszDoZaplaty(w).domyslnaKwota, QStringLiteral("400,00"));
    w = zaplaconyWiersz(w, 40000, QStringLiteral("10-12-2026"), QStringLiteral("03"), 3);
    EXPECT_EQ(w[kol::DoSplaty], QStringLiteral("0,00"));
    EXPECT_EQ(w[kol::Stan], QStringLiteral("SplCz"));
    EXPECT_EQ(sprawdzWierszDoZaplaty(w).stan, WierszDoZaplaty::Stan::Splacona);

    // The whole gross at once.
    const QStringList calosc = zaplaconyWiersz(wiersz(), 100000, QStringLiteral("10-12-2026"), QStringLiteral("01"), 1);
    EXPECT_EQ(calosc[kol::Splacono], QStringLiteral("1000,00"));
    EXPECT_EQ(calosc[kol::DoSplaty], QStringLiteral("0,00"));
    EXPECT_EQ(calosc[kol::Stan], QStringLiteral("Spłacono"));
}

TEST(PlatnoscFaktury, TransferCarriesTheInvoiceRowInThePackageGridLayout)
{
    const QStringList w = zaplaconyWiersz(wiersz(), 40000, QStringLiteral("10-12-2026"), QStringLiteral("05"), 2);
    const Przelew p = przelewZFaktury(w, QStringLiteral("05"), 2);
    const QStringList g = p.wierszSiatki(2);
    const QStringList oczekiwane = {
        QStringLiteral("2"), QStringLiteral("Kowalski"), QStringLiteral("Jan"), kKonto, QStringLiteral("813,01"),
        QStringLiteral("186,99"), QStringLiteral("1000,00"), QStringLiteral("FV/1/2026"),
        QStringLiteral("2026-12-03"), QStringLiteral("400,00"), QStringLiteral("600"),
        QStringLiteral("2026-12-17"), QStringLiteral("2026-12-10"), QStringLiteral("SplCz"), QStringLiteral("Rynek"),
        QStringLiteral("12/3"), QStringLiteral("Dobczyce"), QStringLiteral("32-410"), QStringLiteral("KOWAL"), kKonto,
        QStringLiteral("Fz261200001.dat"), QStringLiteral("05"), QStringLiteral("2"), QStringLiteral("6810001122"),
        QStringLiteral("Otwarta"), QStringLiteral("110"), QStringLiteral("51"), QString()};
    EXPECT_EQ(g, oczekiwane);
    // The record line whole: the rest is a bare number, like the position.
    EXPECT_EQ(liniaPrzelewu(p),
              QStringLiteral("\"Kowalski\",\"Jan\",\"") + kKonto
                  + QStringLiteral("\",\"813,01\",\"186,99\",\"1000,00\",\"FV/1/2026\",\"2026-12-17\",\"400,00\",600,"
                                   "\"2026-12-10\",\"SplCz\",\"Rynek\",\"12/3\",\"Dobczyce\",\"32-410\",\"KOWAL\",\"")
                  + kKonto
                  + QStringLiteral("\",\"Fz261200001.dat\",\"05\",2,\"2026-12-03\",\"6810001122\",\"Otwarta\",\"110\","
                                   "\"51\",\"\"\r\n"));

    const QList<Przelew> lista = {p, przelewZFaktury(zaplaconyWiersz(wiersz(), 12345, {}, {}, 1), {}, 1)};
    EXPECT_EQ(sumaListy(lista), 52345);
    EXPECT_EQ(sumaListy({}), 0);
}

TEST(PlatnoscFaktury, PackageNumberOfTheListComesFromTheMonthsNumberingLine)
{
    struct Przypadek {
        const char* opis;
        QByteArray plik;  ///< empty: no numbering file
        NumerPaczkiListy::Stan stan;
        QString nn;
        bool nowa;
    };
    const QList<Przypadek> przypadki = {
        {"no numbering file", {}, NumerPaczkiListy::Stan::Ok, QStringLiteral("01"), true},
        {"month without a package", numeracja(0, 0, 0), NumerPaczkiListy::Stan::Ok, QStringLiteral("01"), true},
        {"month with packages 1 to 4", numeracja(1, 4, 17), NumerPaczkiListy::Stan::Ok, QStringLiteral("05"), false},
        {"unexpected first package", numeracja(2, 4, 17), NumerPaczkiListy::Stan::ZlyStan, QStringLiteral("00"), false},
        {"package 99 made", numeracja(1, 99, 500), NumerPaczkiListy::Stan::Limit, QStringLiteral("100"), false},
        {"damaged file", QByteArray("1,0,0\r\n"), NumerPaczkiListy::Stan::ZlaNumeracja, QStringLiteral("00"), false},
    };
    for (const Przypadek& p : przypadki) {
        TempFolder dir;
        if (!p.plik.isEmpty())
            dir.writeBytes(QStringLiteral("NumP26.dat"), p.plik);
        const NumerPaczkiListy n = numerPaczkiListy(dir.path(), kDzis);
        EXPECT_EQ(n.stan, p.stan) << p.opis;
        EXPECT_EQ(n.nowa, p.nowa) << p.opis;
        if (n.ok()) {
            EXPECT_EQ(n.nn(), p.nn) << p.opis;
        } else {
            EXPECT_FALSE(n.blad.isEmpty()) << p.opis;
        }
        // Finding the number changes nothing.
        EXPECT_EQ(dir.exists(QStringLiteral("NumP26.dat")), !p.plik.isEmpty()) << p.opis;
        if (!p.plik.isEmpty()) {
            EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), p.plik) << p.opis;
        }
    }
    TempFolder dir;
    dir.writeBytes(QStringLiteral("NumP26.dat"), numeracja(2, 4, 17));
    EXPECT_TRUE(numerPaczkiListy(dir.path(), kDzis).blad.contains(QStringLiteral("PoczatPaczk = 2")));
}

TEST(PlatnoscFaktury, SavingWritesTheWholePackageThenCountsItInTheNumberingFile)
{
    const FolderPaczek f(kBezPaczek);
    const TempFolder& dir = f.dir;
    dir.writeBytes(QStringLiteral("NumP26.dat"), numeracja(1, 4, 17));
    const QStringList w1 = zaplaconyWiersz(wiersz(), 40000, QStringLiteral("10-12-2026"), QStringLiteral("05"), 1);
    const QStringList w2 = zaplaconyWiersz(wiersz(), 100000, QStringLiteral("10-12-2026"), QStringLiteral("05"), 2);
    QList<Przelew> lista = {przelewZFaktury(w1, QStringLiteral("05"), 1), przelewZFaktury(w2, QStringLiteral("05"), 2)};
    lista[1].nrPrzel = QStringLiteral("7");  // positions are given again on saving

    const ZapisListy z = zapiszListeJakoPaczke(dir.path(), kDzis, lista);
    ASSERT_EQ(z.stan, ZapisListy::Stan::Zapisano) << z.blad.toStdString();
    EXPECT_EQ(z.numer.sciezkaPaczki, dir.file(QStringLiteral("Paczki/Paczka202612_05.dta")));
    const OdczytPaczki p = czytajPaczke(z.numer.sciezkaPaczki);
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.rekordy.size(), 2);
    EXPECT_EQ(p.rekordy, z.rekordy);
    EXPECT_EQ(p.rekordy[1].nrPrzel, QStringLiteral("2"));
    EXPECT_EQ(p.rekordy[1].nrPaczk, QStringLiteral("05"));
    EXPECT_EQ(p.rekordy[0].splacono, QStringLiteral("400,00"));
    // One record per line, as an added transfer is written.
    EXPECT_EQ(dir.readText(QStringLiteral("Paczki/Paczka202612_05.dta")).count(QStringLiteral("\r\n")), 2);
    QByteArray po = numeracja(1, 5, 19);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), po);

    // The same number again (the numbering file put back) is refused and
    // nothing changes.
    dir.writeBytes(QStringLiteral("NumP26.dat"), numeracja(1, 4, 17));
    const QByteArray paczka = dir.readBytes(QStringLiteral("Paczki/Paczka202612_05.dta"));
    const ZapisListy drugi = zapiszListeJakoPaczke(dir.path(), kDzis, lista.mid(0, 1));
    EXPECT_EQ(drugi.stan, ZapisListy::Stan::Odmowa);
    EXPECT_EQ(drugi.numer.stan, NumerPaczkiListy::Stan::PlikIstnieje);
    EXPECT_EQ(drugi.blad, QStringLiteral(" Ten numer paczki ") + z.numer.sciezkaPaczki
                              + QStringLiteral(" juz istnieje w systemie "));
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_05.dta")), paczka);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), numeracja(1, 4, 17));

    EXPECT_EQ(zapiszListeJakoPaczke(dir.path(), kDzis, {}).stan, ZapisListy::Stan::Pusta);
}

TEST(PlatnoscFaktury, FirstPackageOfAYearCreatesTheNumberingFile)
{
    const FolderPaczek f(kBezPaczek);
    const TempFolder& dir = f.dir;
    const QStringList w = zaplaconyWiersz(wiersz(), 100000, QStringLiteral("10-12-2026"), QStringLiteral("01"), 1);
    const ZapisListy z = zapiszListeJakoPaczke(dir.path(), kDzis, {przelewZFaktury(w, QStringLiteral("01"), 1)});
    ASSERT_EQ(z.stan, ZapisListy::Stan::Zapisano) << z.blad.toStdString();
    EXPECT_TRUE(dir.exists(QStringLiteral("Paczki/Paczka202612_01.dta")));
    const OdczytNumeracji n = czytajNumeracje(dir.file(QStringLiteral("NumP26.dat")));
    ASSERT_TRUE(n.ok);
    EXPECT_EQ(n.miesiace[11].poczatPaczk, 1);
    EXPECT_EQ(n.miesiace[11].koniecPacz, 1);
    EXPECT_EQ(n.miesiace[11].koniecPrzel, 1);
    EXPECT_EQ(n.miesiace[10], nowaNumeracja()[10]);
}

TEST(PlatnoscFaktury, PackageThatCannotBeWrittenWholeLeavesNoFileAndNoCount)
{
    const FolderPaczek f;
    const TempFolder& dir = f.dir;
    dir.writeBytes(QStringLiteral("NumP26.dat"), numeracja(0, 0, 0));
    QList<Przelew> lista;
    for (int i = 1; i <= 40; ++i)
        lista.append(przelewZFaktury(zaplaconyWiersz(wiersz(), 100000, QStringLiteral("10-12-2026"), {}, i), {}, i));
    ZapisListy z;
    {
        FullDisk pelny(2048);
        z = zapiszListeJakoPaczke(dir.path(), kDzis, lista);
    }
    EXPECT_EQ(z.stan, ZapisListy::Stan::BladZapisu);
    EXPECT_FALSE(z.blad.isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("Paczki/Paczka202612_01.dta")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), numeracja(0, 0, 0));
}
