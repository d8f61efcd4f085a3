#include "transfers/Paczki.h"
#include "transfers/WpisPrzelewu.h"

#include "Budowa.h"
#include "TempFolder.h"
#include "core/Amount.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QDate kDzis(2026, 12, 10);
const QString kKonto = QStringLiteral("12345678901234567890123456");

Przelew wpis(const QString& nazwa = QStringLiteral("Kowalski \"Hurt\""), const QString& brutto = QStringLiteral("123,00"))
{
    WpisPrzelewu w;
    w.nazwa1 = nazwa;
    w.nazwa2 = QStringLiteral("Jan");
    w.konto = kKonto;
    w.kwota = QStringLiteral("100");
    w.vat = QStringLiteral("23");
    w.brutto = brutto;
    w.tytul = QStringLiteral("FV 1/12");
    w.ulica = QStringLiteral("Rynek");
    w.numerDomu = QStringLiteral("5");
    w.adres = QStringLiteral("Łódź");
    w.kod = QStringLiteral("90-001");
    w.skrot = QStringLiteral("KOWAL");
    w.bank = QStringLiteral("Bank Śląski");
    w.nip = QStringLiteral("6810000000");
    return przelewZWpisu(w, Rodzaj::Przelew, QStringLiteral("10-12-2026"));
}

class Paczki : public ::testing::Test, public FolderPaczek {
protected:
    Paczki() : FolderPaczek(kBezPaczek) {}
    QString paczka(int nr, int miesiac = 12) const { return FolderPaczek::paczka(2026, miesiac, nr); }
    QString numeracja() const { return dir.file(QStringLiteral("NumP26.dat")); }
    NumeracjaMiesiaca miesiac(int m = 12) const { return czytajNumeracje(numeracja()).miesiace.value(m - 1); }
    DodaniePrzelewu dodaj(const QString& status = kOtwarta, const Przelew& r = wpis(), QDate dzien = kDzis)
    {
        return dodajDoPaczki(dir.path(), dzien, status, r, false);
    }
    QList<Przelew> rekordy(int nr, int m = 12) const { return FolderPaczek::rekordy(2026, m, nr); }
    void zamknij(int nr) const { FolderPaczek::zamknij(2026, 12, nr); }
};

} // namespace

TEST_F(Paczki, FirstTransferOfTheYearCreatesNumberingAndPackageOne)
{
    ASSERT_FALSE(QDir(dir.file(QStringLiteral("Paczki"))).exists());
    const DodaniePrzelewu w = dodaj(QString());
    ASSERT_EQ(w.wynik, WynikDodania::Dodano) << w.blad.toStdString();
    EXPECT_TRUE(w.decyzja.pierwszaWMiesiacu);
    EXPECT_EQ(w.nn, QStringLiteral("01"));
    EXPECT_EQ(w.sciezka, dir.file(QStringLiteral("Paczki/Paczka202612_01.dta")));
    EXPECT_TRUE(QDir(dir.file(QStringLiteral("DoECorponet"))).exists());

    // One line, texts quoted (a double quote becomes two apostrophes), the
    // rest and NrPrzel bare, Windows-1250.
    const QString linia = QStringLiteral(
        "\"Kowalski ''Hurt''\",\"Jan\",\"12345678901234567890123456\",\"100\",\"23\",\"123,00\","
        "\"FV 1/12\",\"2026-12-10\",\"123,00\",0,\"2026-12-10\",\"Spłacona\",\"Rynek\",\"5\",\"Łódź\","
        "\"90-001\",\"KOWAL\",\"Bank Śląski\",\"\",\"01\",1,\"\",\"6810000000\",\"Otwarta\",\"110\",\"51\",\"\"\r\n");
    EXPECT_EQ(dir.readText(QStringLiteral("Paczki/Paczka202612_01.dta")), linia);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")).count('\xB3'), 1);  // ł of Łódź

    QByteArray num;
    for (int m = 1; m <= 12; ++m)
        num += m == 12 ? QByteArray("12,1,1,1,1,\"c\"\r\n") : QByteArray::number(m) + ",0,0,0,0,\"c\"\r\n";
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), num);
}

TEST_F(Paczki, SecondTransferJoinsTheOpenPackage)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    const DodaniePrzelewu w = dodaj(kOtwarta, wpis(QStringLiteral("Nowak")));
    ASSERT_EQ(w.wynik, WynikDodania::Dodano);
    EXPECT_FALSE(w.decyzja.nowa);
    ASSERT_EQ(w.rekordy.size(), 2);
    EXPECT_EQ(w.rekordy[1].nrPrzel, QStringLiteral("2"));
    const QList<Przelew> r = rekordy(1);
    ASSERT_EQ(r.size(), 2);
    EXPECT_EQ(r[1].nazwaKontrahenta, QStringLiteral("Nowak"));
    EXPECT_EQ(r[1].nrPrzel, QStringLiteral("2"));
    const NumeracjaMiesiaca m = miesiac();
    EXPECT_EQ(m.koniecPacz, 1);
    EXPECT_EQ(m.koniecPrzel, 2);
    EXPECT_FALSE(QFile::exists(paczka(2)));
}

TEST_F(Paczki, ClosedPackageStartsTheNextOne)
{
    // Closed as shown in the window, or closed on disk while the window still
    // says "Otwarta": either starts the next package, which takes the rest.
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    zamknij(1);
    DodaniePrzelewu w = dodaj(kZamknieta);
    ASSERT_EQ(w.wynik, WynikDodania::Dodano);
    EXPECT_TRUE(w.decyzja.poZamknietejWidoku);
    EXPECT_EQ(w.nn, QStringLiteral("02"));
    EXPECT_EQ(rekordy(2).value(0).nrPrzel, QStringLiteral("1"));
    EXPECT_EQ(rekordy(2).value(0).nrPaczk, QStringLiteral("02"));
    EXPECT_EQ(miesiac().koniecPacz, 2);
    EXPECT_EQ(miesiac().koniecPrzel, 2);

    zamknij(2);
    w = dodaj(kOtwarta);
    ASSERT_EQ(w.wynik, WynikDodania::Dodano);
    EXPECT_FALSE(w.decyzja.poZamknietejWidoku);
    EXPECT_EQ(w.nn, QStringLiteral("03"));

    w = dodaj(kOtwarta);
    EXPECT_EQ(w.nn, QStringLiteral("03"));
    EXPECT_EQ(rekordy(3).size(), 2);
    const NumeracjaMiesiaca m = miesiac();
    EXPECT_EQ(m.poczatPaczk, 1);
    EXPECT_EQ(m.koniecPacz, 3);
    EXPECT_EQ(m.koniecPrzel, 4);
}

TEST_F(Paczki, RefusedEntriesAndDepositsChangeNoFile)
{
    Przelew krotkie = wpis();
    krotkie.konto = QStringLiteral("1234 5678");
    Przelew bezKwoty = wpis();
    bezKwoty.kwotaB.clear();
    Przelew bezNazwy = wpis(QString());
    const struct {
        const char* opis;
        Przelew r;
        bool wplata;
        WynikDodania wynik;
    } przypadki[] = {
        {"short account", krotkie, false, WynikDodania::ZleKonto},
        {"no gross", bezKwoty, false, WynikDodania::BrakKwoty},
        {"no name", bezNazwy, false, WynikDodania::BrakNazwy},
        {"deposit", wpis(), true, WynikDodania::Wplata},
    };
    for (const auto& c : przypadki) {
        const DodaniePrzelewu w = dodajDoPaczki(dir.path(), kDzis, QString(), c.r, c.wplata);
        EXPECT_EQ(w.wynik, c.wynik) << c.opis;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << c.opis;
    }

    // With a package already there the deposit leaves both files alone.
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    const QByteArray przed = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    const QByteArray numPrzed = dir.readBytes(QStringLiteral("NumP26.dat"));
    EXPECT_EQ(dodajDoPaczki(dir.path(), kDzis, kOtwarta, wpis(), true).wynik, WynikDodania::Wplata);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), przed);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), numPrzed);
}

TEST_F(Paczki, DeletedNumberIsNeverGivenAgain)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    for (int nr = 1; nr <= 2; ++nr) {
        zamknij(nr);
        ASSERT_EQ(dodaj(kZamknieta).wynik, WynikDodania::Dodano);
    }
    // Package 02 of three is closed; open a fourth-to-be by reopening 02.
    QList<Przelew> r2 = rekordy(2);
    r2[0].status = kOtwarta;
    ASSERT_TRUE(przepiszPaczke(paczka(2), r2));
    ASSERT_EQ(usunPaczke(paczka(2)), WynikUsunieciaPaczki::Usunieto);
    EXPECT_TRUE(QFile::exists(paczka(1)));
    EXPECT_FALSE(QFile::exists(paczka(2)));
    EXPECT_TRUE(QFile::exists(paczka(3)));
    EXPECT_EQ(miesiac().koniecPacz, 3);

    const ListaPaczek lista = listaPaczek(dir.path(), 2026, 12);
    ASSERT_EQ(lista.wiersze.size(), 3);
    EXPECT_EQ(lista.wiersze[1].komorki(),
              (QStringList{QStringLiteral("2"), paczka(2), {}, {}, {}, {}, {}, {}, kBrakPliku, {}}));

    zamknij(3);
    EXPECT_EQ(dodaj(kZamknieta).nn, QStringLiteral("04"));

    // The last package deleted while open: the next transfer opens 05, not 04 again.
    ASSERT_EQ(usunPaczke(paczka(4)), WynikUsunieciaPaczki::Usunieto);
    EXPECT_EQ(dodaj(kOtwarta).nn, QStringLiteral("05"));

    // A closed package is not deleted.
    EXPECT_EQ(usunPaczke(paczka(1)), WynikUsunieciaPaczki::Zamknieta);
    EXPECT_TRUE(QFile::exists(paczka(1)));
    EXPECT_EQ(usunPaczke(paczka(2)), WynikUsunieciaPaczki::BrakPliku);
}

TEST_F(Paczki, HundredthPackageOfAMonthIsRefused)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    NumeracjaRoku n = czytajNumeracje(numeracja()).miesiace;
    n[11].koniecPacz = 99;
    ASSERT_TRUE(zapiszNumeracje(numeracja(), n));
    const QByteArray numPrzed = dir.readBytes(QStringLiteral("NumP26.dat"));
    const DodaniePrzelewu w = dodaj(kZamknieta);
    EXPECT_EQ(w.wynik, WynikDodania::LimitPaczek);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), numPrzed);
    EXPECT_EQ(QDir(dir.file(QStringLiteral("Paczki"))).entryList(QDir::Files).size(), 1);
}

TEST_F(Paczki, TornTailIsNotAppendedToUntilCutBack)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    QByteArray b = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    b.chop(40);  // a kill inside the second write
    dir.writeBytes(QStringLiteral("Paczki/Paczka202612_01.dta"), b);
    const QByteArray numPrzed = dir.readBytes(QStringLiteral("NumP26.dat"));

    const DodaniePrzelewu w = dodaj();
    EXPECT_EQ(w.wynik, WynikDodania::UszkodzonaPaczka);
    EXPECT_TRUE(w.blad.contains(QStringLiteral("Paczka202612_01.dta")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), b);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), numPrzed);
    EXPECT_EQ(listaPaczek(dir.path(), 2026, 12).wiersze.value(0).status, kUszkodzona);

    ASSERT_TRUE(przytnijPaczke(paczka(1)));
    ASSERT_EQ(rekordy(1).size(), 1);
    const DodaniePrzelewu po = dodaj();
    ASSERT_EQ(po.wynik, WynikDodania::Dodano);
    EXPECT_EQ(po.rekord.nrPrzel, QStringLiteral("2"));
    EXPECT_EQ(rekordy(1).size(), 2);
}

TEST_F(Paczki, LastLineWithoutLineEndGetsOneBeforeTheRecord)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    QByteArray b = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    b.chop(2);
    dir.writeBytes(QStringLiteral("Paczki/Paczka202612_01.dta"), b);
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    const QByteArray po = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    EXPECT_EQ(po.count("\r\n"), 2);
    EXPECT_EQ(rekordy(1).size(), 2);
}

TEST_F(Paczki, RemovingRenumbersOneValuePerLineAndCountsDownThePackagesMonth)
{
    // Package of November, removal done in December.
    const QDate listopad(2026, 11, 20);
    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("A")), listopad).wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("B")), listopad).wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("C")), listopad).wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);  // December

    UsuniecieRekordu u = usunRekord(dir.path(), paczka(1, 11), 0);
    ASSERT_EQ(u.wynik, WynikUsuniecia::Usunieto) << u.blad.toStdString();
    EXPECT_TRUE(u.licznikZmniejszony);
    EXPECT_EQ(miesiac(11).koniecPrzel, 2);
    EXPECT_EQ(miesiac(12).koniecPrzel, 1);

    u = usunRekord(dir.path(), paczka(1, 11), 1);
    ASSERT_EQ(u.wynik, WynikUsuniecia::Usunieto);
    ASSERT_EQ(u.rekordy.size(), 1);
    EXPECT_EQ(u.rekordy[0].nazwaKontrahenta, QStringLiteral("B"));
    EXPECT_EQ(u.rekordy[0].nrPrzel, QStringLiteral("1"));
    const QStringList linie = dir.readText(QStringLiteral("Paczki/Paczka202611_01.dta")).split(QStringLiteral("\r\n"));
    ASSERT_EQ(linie.size(), 28);  // 27 values and the empty rest after the last CR LF
    EXPECT_EQ(linie[0], QStringLiteral("\"B\""));
    EXPECT_EQ(linie[9], QStringLiteral("0"));
    EXPECT_EQ(linie[19], QStringLiteral("\"01\""));
    EXPECT_EQ(linie[20], QStringLiteral("1"));
    EXPECT_EQ(linie[26], QStringLiteral("\"\""));
    EXPECT_EQ(miesiac(11).koniecPrzel, 1);

    // The only record stays; so does everything in a closed package.
    EXPECT_EQ(usunRekord(dir.path(), paczka(1, 11), 0).wynik, WynikUsuniecia::JedynaPozycja);
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    zamknij(1);
    const QByteArray przed = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    EXPECT_EQ(usunRekord(dir.path(), paczka(1), 0).wynik, WynikUsuniecia::Zamknieta);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), przed);
}

TEST_F(Paczki, RemovingWithoutNumberingFileLeavesItMissing)
{
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj().wynik, WynikDodania::Dodano);
    ASSERT_TRUE(QFile::remove(numeracja()));
    const UsuniecieRekordu u = usunRekord(dir.path(), paczka(1), 1);
    EXPECT_EQ(u.wynik, WynikUsuniecia::Usunieto);
    EXPECT_FALSE(u.licznikZmniejszony);
    EXPECT_FALSE(QFile::exists(numeracja()));
    EXPECT_EQ(rekordy(1).size(), 1);
}

TEST_F(Paczki, ListShowsSumsAndLastRecordAndSurvivesBadFiles)
{
    EXPECT_TRUE(listaPaczek(dir.path(), 2026, 12).wiersze.isEmpty());  // no numbering file
    EXPECT_TRUE(listaPaczek(dir.path(), 2026, 12).blad.isEmpty());

    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("A"), QStringLiteral("123,00"))).wynik, WynikDodania::Dodano);
    Przelew drugi = wpis(QStringLiteral("B"), QStringLiteral("0,05"));
    drugi.kwotaN = QStringLiteral("0.04");
    drugi.vat = QStringLiteral("zw");
    ASSERT_EQ(dodaj(kOtwarta, drugi).wynik, WynikDodania::Dodano);
    // A VAT written as a rate counts as gross minus net.
    Przelew trzeci = wpis(QStringLiteral("C"), QStringLiteral("24,60"));
    trzeci.kwotaN = QStringLiteral("20,00");
    trzeci.vat = QStringLiteral("23%");
    ASSERT_EQ(dodaj(kOtwarta, trzeci).wynik, WynikDodania::Dodano);
    zamknij(1);
    ASSERT_EQ(dodaj(kZamknieta).wynik, WynikDodania::Dodano);
    dir.writeBytes(QStringLiteral("Paczki/Paczka202612_02.dta"), "\"torn");
    NumeracjaRoku n = czytajNumeracje(numeracja()).miesiace;
    n[11].koniecPacz = 3;  // package 03 never written
    ASSERT_TRUE(zapiszNumeracje(numeracja(), n));

    const ListaPaczek lista = listaPaczek(dir.path(), 2026, 12);
    ASSERT_EQ(lista.wiersze.size(), 3);
    EXPECT_EQ(lista.wiersze[0].komorki(),
              (QStringList{QStringLiteral("1"), paczka(1), QStringLiteral("2026-12-10"), QStringLiteral("120,04"),
                           QStringLiteral("27,60"), QStringLiteral("147,65"), QStringLiteral("147,65"),
                           QStringLiteral("2026-12-10"), kZamknieta, QStringLiteral("3")}));
    EXPECT_EQ(lista.wiersze[1].status, kUszkodzona);
    EXPECT_EQ(lista.wiersze[2].status, kBrakPliku);
    EXPECT_EQ(lista.status, kBrakPliku);
    EXPECT_EQ(naglowkiListyPaczek().size(), 10);

    EXPECT_TRUE(listaPaczek(dir.path(), 2026, 13).wiersze.isEmpty());
    dir.writeBytes(QStringLiteral("NumP26.dat"), "garbage");
    EXPECT_FALSE(listaPaczek(dir.path(), 2026, 12).blad.isEmpty());
}

TEST_F(Paczki, CellEditRecomputesByTheEntryFieldsVatRule)
{
    // The record's VAT text is read as the entry field reads it: an amount,
    // a rate with "%", or no VAT. The VAT column's question asks for a rate,
    // so a bare number answered there is stored with "%".
    const struct {
        const char* vat;  // the record's VAT text before the edit
        int kolumna;
        const char* odpowiedz;
        WynikEdycji wynik;
        const char* brutto;  // gross and paid afterwards
        const char* vatPo;   // the record's VAT text afterwards
    } przypadki[] = {
        {"23", 4, "100", WynikEdycji::Zmieniono, "123,00", "23"},
        // A paid invoice keeps its VAT amount: a new net amount adds it, it
        // is not read as a rate of 161,17 % (which gave 7835,10 for 3000).
        {"161,17", 4, "3000,00", WynikEdycji::Zmieniono, "3161,17", "161,17"},
        {"23%", 4, "10,01", WynikEdycji::Zmieniono, "12,31", "23%"},   // VAT 2,3023 -> 2,30
        {"23%", 4, "0,50", WynikEdycji::Zmieniono, "0,62", "23%"},     // VAT 0,115 -> 0,12
        {"zw", 4, "70", WynikEdycji::Zmieniono, "70,00", "zw"},
        {"brak", 4, "70", WynikEdycji::Zmieniono, "70,00", "brak"},    // a word is no VAT
        {"23", 5, "8", WynikEdycji::Zmieniono, "54,00", "8%"},
        {"23", 5, " 8 ", WynikEdycji::Zmieniono, "54,00", "8%"},
        {"23", 5, "8%", WynikEdycji::Zmieniono, "54,00", "8%"},
        {"23", 5, "zw", WynikEdycji::Zmieniono, "50,00", "zw"},
        {"23", 5, "5,5", WynikEdycji::Zmieniono, "52,75", "5,5%"},
        {"99999999999999%", 4, "99999999999999", WynikEdycji::ZlaKwota, "61,50", "99999999999999%"},  // too large
        {"23", 4, "abc", WynikEdycji::ZlaKwota, "61,50", "23"},
        {"23", 4, "", WynikEdycji::Anulowano, "61,50", "23"},
        {"23", 5, "0", WynikEdycji::Anulowano, "61,50", "23"},
        {"23", 1, "Nowa nazwa", WynikEdycji::Zmieniono, "61,50", "23"},  // amounts untouched
        {"23", 6, "999", WynikEdycji::Anulowano, "61,50", "23"},
    };
    for (const auto& c : przypadki) {
        Przelew r = wpis();
        r.kwotaN = QStringLiteral("50");
        r.vat = QString::fromUtf8(c.vat);
        r.kwotaB = QStringLiteral("61,50");
        r.splacono = QStringLiteral("61,50");
        const Przelew przed = r;
        const WynikEdycji w = zmienWartosc(r, c.kolumna, QString::fromUtf8(c.odpowiedz));
        EXPECT_EQ(w, c.wynik) << c.vat << " " << c.kolumna << " " << c.odpowiedz;
        EXPECT_EQ(r.kwotaB, QString::fromUtf8(c.brutto)) << c.vat << " " << c.odpowiedz;
        EXPECT_EQ(r.splacono, QString::fromUtf8(c.brutto)) << c.odpowiedz;
        EXPECT_EQ(r.kwDoSplaty, QStringLiteral("0")) << c.odpowiedz;
        EXPECT_EQ(r.vat, QString::fromUtf8(c.vatPo)) << c.odpowiedz;
        if (w != WynikEdycji::Zmieniono)
            EXPECT_EQ(r, przed) << c.odpowiedz;
        else if (c.kolumna != 5)
            EXPECT_EQ(r.wartosci()[c.kolumna - 1], QString::fromUtf8(c.odpowiedz));
    }
}

TEST_F(Paczki, CellEditIsWrittenBackAndRefusedForClosedPackage)
{
    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("A"))).wynik, WynikDodania::Dodano);
    ASSERT_EQ(dodaj(kOtwarta, wpis(QStringLiteral("B"))).wynik, WynikDodania::Dodano);
    const Przelew pierwszy = rekordy(1)[0];
    Przelew r = rekordy(1)[1];
    ASSERT_EQ(zmienWartosc(r, 4, QStringLiteral("200")), WynikEdycji::Zmieniono);
    ASSERT_EQ(zapiszRekord(paczka(1), 1, r), WynikEdycji::Zmieniono);
    const QList<Przelew> po = rekordy(1);
    ASSERT_EQ(po.size(), 2);
    EXPECT_EQ(po[0], pierwszy);
    EXPECT_EQ(po[1].kwotaB, QStringLiteral("223,00"));
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")).count("\r\n"), 2);
    // No work file is left beside the package.
    EXPECT_EQ(QDir(dir.file(QStringLiteral("Paczki"))).entryList(QDir::Files).size(), 1);

    EXPECT_EQ(zapiszRekord(paczka(1), 5, r), WynikEdycji::ZlyWiersz);
    zamknij(1);
    const QByteArray przed = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));
    EXPECT_EQ(zapiszRekord(paczka(1), 1, r), WynikEdycji::Zamknieta);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), przed);
}

TEST(PlikPaczki, NamesOfPackagesAndExportFiles)
{
    EXPECT_EQ(nrPaczkiTekst(7), QStringLiteral("07"));
    EXPECT_EQ(sciezkaPaczki(QStringLiteral("/d"), 2026, 3, 12), QStringLiteral("/d/Paczki/Paczka202603_12.dta"));
    int r = 0, m = 0, n = 0;
    EXPECT_TRUE(rozpoznajNazwePaczki(QStringLiteral("/x/DoECorponet/FIRMA202603_12.TXT"), &r, &m, &n));
    EXPECT_EQ(r, 2026);
    EXPECT_EQ(m, 3);
    EXPECT_EQ(n, 12);
    for (const char* zla : {"FIRMA202613_01.TXT", "FIRMA202603_00.TXT", "FIRMA2026031.TXT", "notes.txt"})
        EXPECT_FALSE(rozpoznajNazwePaczki(QString::fromUtf8(zla), &r, &m, &n)) << zla;
}

// The package list totals each file in one pass without building its records;
// every row must be what the full reading of the file gives.
TEST_F(Paczki, ListRowIsWhatTheFullReadingGives)
{
    const auto linia = [](const char* netto, const char* vat, const char* brutto, const char* splacono,
                          const char* status, int nr) {
        return QStringLiteral("\"Kowalski, ''Hurt''\",\"Jan\",\"12345678901234567890123456\",\"%1\",\"%2\",\"%3\","
                              "\"FV 1/12\",\"2026-12-1%6\",\"%4\",0,\"2026-12-2%6\",\"Spłacona\",\"Rynek\",\"5\","
                              "\"Łódź\",\"90-001\",\"KOWAL\",\"Bank\",\"\",\"01\",%6,\"\",\"6810000000\",\"%5\","
                              "\"110\",\"51\",\"\"\r\n")
            .arg(QLatin1String(netto), QLatin1String(vat), QLatin1String(brutto), QLatin1String(splacono),
                 QLatin1String(status))
            .arg(nr);
    };
    const QString trzy = linia("100", "23", "123,00", "123,00", "Zamknięta", 1)
                         + linia("200,50", "23%", "246,62", "0", "Otwarta", 2)
                         + linia("1", "0,23", "1,23", "1,23", "Otwarta", 3);
    const QString jeden = linia("100", "23", "123,00", "123,00", "Otwarta", 1);
    struct Przypadek {
        const char* opis;
        QString tekst;  ///< null: no file
    };
    const Przypadek przypadki[] = {
        {"three whole records", trzy},
        {"one record", jeden},
        {"no line end after the last record", trzy.chopped(2)},
        {"torn inside the last value", trzy.chopped(4)},
        {"torn inside a value of the last record", trzy.left(trzy.size() - 40)},
        {"values left over after the last record", trzy + QStringLiteral("\"x\",\"y\"\r\n")},
        {"the only record torn", jeden.chopped(4)},
        {"empty file", QString()},
        {"no file", QString()},
    };
    const auto oczekiwany = [](const QString& sciezka) {
        const OdczytPaczki p = czytajPaczke(sciezka);
        WierszPaczki w;
        for (const Przelew& r : p.rekordy) {
            w.netto += parseAmount(r.kwotaN).value_or(0);
            w.vat += r.vat.trimmed().endsWith(QLatin1Char('%'))
                         ? parseAmount(r.kwotaB).value_or(0) - parseAmount(r.kwotaN).value_or(0)
                         : parseAmount(r.vat).value_or(0);
            w.brutto += parseAmount(r.kwotaB).value_or(0);
            w.splacono += parseAmount(r.splacono).value_or(0);
        }
        if (!p.rekordy.isEmpty()) {
            w.terminSplaty = p.rekordy.last().terminSpla;
            w.dataSplaty = p.rekordy.last().dataSplaty;
            w.status = p.rekordy.last().status;
            w.ilPrzel = p.rekordy.last().nrPrzel;
        }
        if (!p.ok())
            w.status = p.stan == OdczytPaczki::Brak ? kBrakPliku : kUszkodzona;
        w.dobry = p.ok();
        return w;
    };
    int nr = 0;
    for (const Przypadek& c : przypadki) {
        SCOPED_TRACE(c.opis);
        const QString sciezka = paczka(++nr);
        if (QLatin1String(c.opis) != QLatin1String("no file"))
            dir.writeText(QStringLiteral("Paczki/") + QFileInfo(sciezka).fileName(), c.tekst);
        const WierszPaczki o = oczekiwany(sciezka);
        const WierszPaczki w = wierszPaczki(sciezka, nr);
        EXPECT_EQ(w.nr, nr);
        EXPECT_EQ(w.sciezka, sciezka);
        EXPECT_EQ(w.komorki().mid(2), o.komorki().mid(2));
        EXPECT_EQ(w.dobry, o.dobry);
    }
    // The totals themselves, for the whole file: VAT typed as a rate counts
    // as gross minus net.
    const WierszPaczki w = wierszPaczki(paczka(1), 1);
    EXPECT_EQ(w.netto, 30150);
    EXPECT_EQ(w.vat, 2300 + 4612 + 23);
    EXPECT_EQ(w.brutto, 37085);
    EXPECT_EQ(w.ilPrzel, QStringLiteral("3"));
}
