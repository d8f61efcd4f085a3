#include "history/Historia.h"
#include "history/WydrukHistorii.h"

#include "core/Amount.h"
#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "transfers/Przelew.h"

#include "Budowa.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

Przelew przelew(const QString& skrot, const QString& data, const QString& kwota, const QString& tytul = {})
{
    return BudowaPrzelewu::wyslany()
        .nazwa(QStringLiteral("Firma ") + skrot)
        .konto(QStringLiteral("12345678901234567890123456"))
        .brutto(kwota)
        .tytul(tytul.isEmpty() ? QStringLiteral("Faktura ") + skrot : tytul)
        .data(data)
        .skrot(skrot)
        .pozycja(1);
}

QByteArray plikZ(const QList<Przelew>& lista, bool wartoscWLinii = false)
{
    QString t;
    for (const Przelew& p : lista)
        t += wartoscWLinii ? wartosciPrzelewuWLiniach(p) : liniaPrzelewu(p);
    return t.toLatin1();  // the fixtures use ASCII only
}

QList<Przelew> trzy()
{
    return {przelew(QStringLiteral("ALFA"), QStringLiteral("2025-12-30"), QStringLiteral("100,50")),
            przelew(QStringLiteral("beta"), QStringLiteral("2026-01-02"), QStringLiteral("20")),
            przelew(QStringLiteral("ALFAX"), QStringLiteral("2026-01-05"), QStringLiteral("1.25"))};
}

std::vector<int> lista(const PlikHistorii& p, const QString& skrot, const QString& od, const QString& doD)
{
    FiltrHistorii::Blad blad;
    const FiltrHistorii f = FiltrHistorii::zPol(skrot, od, doD, &blad);
    EXPECT_EQ(blad, FiltrHistorii::Blad::Brak);
    return filtrujHistorie(p, f);
}

} // namespace

TEST(PlikHistorii, ReadsRecordsWrittenOnOneLineOrOneValuePerLine)
{
    QByteArray bajty = plikZ(trzy(), false);
    bajty += plikZ({przelew(QStringLiteral("GAMMA"), QStringLiteral("2026-02-01"), QStringLiteral("5"))}, true);
    const PlikHistorii p = PlikHistorii::zBajtow(bajty, kUkladPrzelewu);
    ASSERT_EQ(p.stan(), PlikHistorii::Stan::Ok);
    ASSERT_EQ(p.liczbaRekordow(), 4);
    // The same values as the program's own reader.
    QuoteReader r{QString::fromLatin1(bajty)};
    const QStringList wszystkie = r.readAll();
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(p.wartosci(i), wszystkie.mid(i * 27, 27)) << i;
    EXPECT_EQ(p.kwota(0), 10050);
    EXPECT_EQ(p.kwota(2), 125);
    EXPECT_EQ(p.kluczDaty(3), 20260201);
    EXPECT_EQ(sumaKwot(p, wszystkieRekordy(p)), 10050 + 2000 + 125 + 500);
}

TEST(PlikHistorii, EveryValueReadsAloneAsTheValueReaderReadsIt)
{
    // A title of 70,000 bytes puts the values after it past what an offset
    // from the record's start holds in 16 bits; the second record follows the
    // first after a comma on the same line; the third has its values on lines
    // of their own.
    Przelew dlugi = przelew(QStringLiteral("DLUGI"), QStringLiteral("2026-03-04"), QStringLiteral("7,5"),
                            QString(70000, QLatin1Char('x')));
    QByteArray bajty = plikZ({dlugi, trzy()[0]});
    const qsizetype koniecPierwszego = bajty.indexOf("\r\n");
    bajty.replace(koniecPierwszego, 2, ",");
    bajty += plikZ({trzy()[1]}, true);
    const PlikHistorii p = PlikHistorii::zBajtow(bajty, kUkladPrzelewu);
    ASSERT_EQ(p.stan(), PlikHistorii::Stan::Ok);
    ASSERT_EQ(p.liczbaRekordow(), 3);
    const QStringList wszystkie = QuoteReader{QString::fromLatin1(bajty)}.readAll();
    for (int r = 0; r < 3; ++r) {
        for (int nr = 0; nr < 27; ++nr)
            EXPECT_EQ(p.wartosc(r, nr), wszystkie[r * 27 + nr]) << r << " " << nr;
        EXPECT_EQ(p.wartosci(r), wszystkie.mid(r * 27, 27)) << r;
    }
    EXPECT_EQ(p.kwota(0), 750);
    EXPECT_EQ(p.kwotaWartosci(0, 8), 750);
    EXPECT_EQ(p.kluczDaty(0), 20260304);
    EXPECT_EQ(p.kwota(1), 10050);
    EXPECT_EQ(p.wartosc(3, 0), QString());
}

TEST(PlikHistorii, AmountsReadAsTheAmountParserReadsThem)
{
    // Plain amounts are read on their bytes; each must give what the
    // parser gives, and anything else must still reach the parser.
    const char* teksty[] = {"100,50", "-12.3", "5,", "-,5", "007", "0", "-0", "1,234", "12.345", "999999999999999",
                            "9999999999999999", "+5", " 5", "5 ", "1 000,00", "1.2.3", "-", ",5", "", "1,2a", "--1"};
    QByteArray bajty;
    for (const char* t : teksty)
        bajty += QByteArray("\"") + t + "\"\r\n";
    const PlikHistorii p = PlikHistorii::zBajtow(bajty, UkladHistorii{1, 0, 0, 0, 0, 0});
    ASSERT_EQ(p.liczbaRekordow(), int(std::size(teksty)));
    for (int r = 0; r < p.liczbaRekordow(); ++r) {
        const std::optional<qint64> oczekiwana = parseAmount(QString::fromLatin1(teksty[r]));
        EXPECT_EQ(p.kwotaWartosci(r, 0), oczekiwana) << teksty[r];
        EXPECT_EQ(p.kwota(r), oczekiwana.value_or(0)) << teksty[r];
    }
}

TEST(PlikHistorii, SumAddsWhatWasPaidNotTheInvoiceGross)
{
    Przelew czesc = przelew(QStringLiteral("ALFA"), QStringLiteral("2026-01-02"), QStringLiteral("5333,14"));
    czesc.splacono = QStringLiteral("1000,00");  // a part payment of the invoice
    Przelew nieczytelna = przelew(QStringLiteral("BETA"), QStringLiteral("2026-01-03"), QStringLiteral("20,00"));
    nieczytelna.splacono = QStringLiteral("x");  // counts its gross
    const PlikHistorii p = PlikHistorii::zBajtow(
        plikZ({czesc, nieczytelna, przelew(QStringLiteral("G"), QStringLiteral("2026-01-04"), QStringLiteral("1.25"))}),
        kUkladPrzelewu);
    ASSERT_EQ(p.stan(), PlikHistorii::Stan::Ok);
    EXPECT_EQ(sumaKwot(p, wszystkieRekordy(p)), 100000 + 2000 + 125);

    // Paid values with blanks only the encodings know: a no-break space in
    // Windows-1250 and in UTF-8 groups thousands, as the amount reader has it.
    Przelew grupy = przelew(QStringLiteral("D"), QStringLiteral("2026-01-05"), QStringLiteral("5000,00"));
    grupy.splacono = QStringLiteral("1\u00A0234,50");
    const PlikHistorii cp1250 = PlikHistorii::zBajtow(toCp1250(liniaPrzelewu(grupy)), kUkladPrzelewu);
    ASSERT_EQ(cp1250.liczbaRekordow(), 1);
    EXPECT_FALSE(cp1250.utf8());
    EXPECT_EQ(sumaKwot(cp1250, wszystkieRekordy(cp1250)), 123450);
    const PlikHistorii utf8 = PlikHistorii::zBajtow(liniaPrzelewu(grupy).toUtf8(), kUkladPrzelewu);
    ASSERT_EQ(utf8.liczbaRekordow(), 1);
    EXPECT_TRUE(utf8.utf8());
    EXPECT_EQ(sumaKwot(utf8, wszystkieRekordy(utf8)), 123450);
}

TEST(PlikHistorii, DecodesWindows1250AndUtf8)
{
    Przelew a = przelew(QStringLiteral("ŁÓDŹ"), QStringLiteral("2026-01-02"), QStringLiteral("1"),
                        QStringLiteral("Zapłata za żółte świece"));
    const QString t = liniaPrzelewu(a);
    for (const QByteArray& b : {toCp1250(t), t.toUtf8(), QByteArray("\xEF\xBB\xBF") + t.toUtf8()}) {
        const PlikHistorii p = PlikHistorii::zBajtow(b, kUkladPrzelewu);
        ASSERT_EQ(p.liczbaRekordow(), 1);
        EXPECT_EQ(p.wartosc(0, 6), QStringLiteral("Zapłata za żółte świece"));
        EXPECT_EQ(p.wartosc(0, 0), QStringLiteral("Firma ŁÓDŹ"));
        // Written back always in Windows-1250.
        EXPECT_EQ(p.rekordDoZapisu(0), toCp1250(t));
    }
}

TEST(PlikHistorii, DamagedFileKeepsWholeRecordsAndNamesTheFile)
{
    const QByteArray whole = plikZ(trzy());
    struct Case {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"cut inside quotes", whole + "\"Firma X\",\"Imi"},
        {"values not a multiple of 27", whole + "\"A\",\"B\",\"C\"\r\n"},
    };
    for (const Case& c : cases) {
        const PlikHistorii p = PlikHistorii::zBajtow(c.bytes, kUkladPrzelewu, QStringLiteral("/dane/ABC.dat"));
        EXPECT_EQ(p.stan(), PlikHistorii::Stan::Uszkodzony) << c.name;
        EXPECT_EQ(p.liczbaRekordow(), 3) << c.name;
        EXPECT_TRUE(p.blad().contains(QStringLiteral("/dane/ABC.dat"))) << c.name;
        // Date keys made on reading belong to the whole records kept, in order.
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(p.kluczDaty(r), kluczDowolnejDaty(p.surowa(r, kUkladPrzelewu.data))) << c.name << r;
        EXPECT_NE(p.kluczDaty(0), 0) << c.name;
        EXPECT_EQ(p.kluczDaty(3), 0) << c.name;
    }
    // One empty line after the last record is no damage.
    EXPECT_EQ(PlikHistorii::zBajtow(whole + "\r\n", kUkladPrzelewu).stan(), PlikHistorii::Stan::Ok);
}

TEST(Historia, DatesAreComparedAsDatesWhateverTheirForm)
{
    struct Case {
        const char* text;
        int key;
    } cases[] = {
        {"2026-01-05", 20260105}, {"05-01-2026", 20260105}, {"05,01,2026", 20260105},
        {"5.1.2026", 20260105},   {"20260105", 20260105},   {"31-02-2026", 0},
        {"2026-13-01", 0},        {"abc", 0},                {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(kluczDowolnejDaty(QString::fromLatin1(c.text)), c.key) << c.text;
}

// Ten-byte "dd-mm-yyyy" and "yyyy-mm-dd" values are read by a short way; a
// blank in front takes the same text the general way, and both must agree.
TEST(Historia, TenByteDatesReadTheSameAsByTheGeneralRule)
{
    struct Case {
        const char* text;
        int key;
    } cases[] = {
        {"11-12-2026", 20261211}, {"2026-12-11", 20261211}, {"29-02-2024", 20240229}, {"2024-02-29", 20240229},
        {"31-12-9999", 99991231}, {"0001-01-01", 10101},    {"20261211", 20261211},   {"2026121100", 0},
        {"  20261211", 20261211}, {"11 12 2026", 20261211}, {"2026/12/11", 20261211}, {"11-12-26  ", 0},
        {"          ", 0},         {"29-02-2026", 0},         {"2026-02-29", 0},         {"31-04-2026", 0},
        {"00-12-2026", 0},         {"11-00-2026", 0},         {"11-13-2026", 0},         {"2026-12-32", 0},
        {"0000-12-11", 0},         {"11-12-0000", 0},         {"1a-12-2026", 0},         {"2026-1x-11", 0},
        {"11-12-2026x", 0},       {"2026-12-1", 20261201},  {"11--2-2026", 20260211},         {"11-12--026", 0},
    };
    for (const Case& c : cases) {
        const QByteArray b(c.text);
        EXPECT_EQ(kluczDowolnejDaty(QByteArrayView(b)), c.key) << c.text;
        EXPECT_EQ(kluczDowolnejDaty(QByteArrayView(" " + b)), c.key) << c.text;  // the general way
    }
}

TEST(Historia, FilterByShortNameAndStrictDates)
{
    const PlikHistorii p = PlikHistorii::zBajtow(plikZ(trzy()), kUkladPrzelewu);
    struct Case {
        const char* skrot;
        const char* od;
        const char* doD;
        std::vector<int> expected;
    } cases[] = {
        {"Wszystkie", "", "", {0, 1, 2}},
        {"WSZYSTKIE", "", "", {0, 1, 2}},
        {"", "", "", {0, 1, 2}},
        {"alfa", "", "", {0, 2}},
        {"BETA", "", "", {1}},
        {"ALFAXY", "", "", {}},
        // Bounds are strict: a record dated on a bound is left out.
        {"Wszystkie", "30-12-2025", "", {1, 2}},
        {"Wszystkie", "", "05-01-2026", {0, 1}},
        {"Wszystkie", "29-12-2025", "06-01-2026", {0, 1, 2}},
        {"Wszystkie", "30-12-2025", "05-01-2026", {1}},
        {"alfa", "31-12-2025", "", {2}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lista(p, QString::fromLatin1(c.skrot), QString::fromLatin1(c.od), QString::fromLatin1(c.doD)),
                  c.expected)
            << c.skrot << " " << c.od << " " << c.doD;

    FiltrHistorii::Blad blad;
    FiltrHistorii::zPol(QStringLiteral("Wszystkie"), QStringLiteral("32-01-2026"), {}, &blad);
    EXPECT_EQ(blad, FiltrHistorii::Blad::DataOd);
}

TEST(Historia, OlderFileOfFiveValues)
{
    const QByteArray bajty = "\"12,05,2018\",\"ALFA\",\"11112222333344445555666677\",\"10,50\",\"Faktura 1\"\r\n"
                             "\"13,05,2018\",\"BETA\",\"11112222333344445555666677\",\"2\",\"Faktura 2\"\r\n";
    const PlikHistorii p = PlikHistorii::zBajtow(bajty, kUkladStary);
    ASSERT_EQ(p.liczbaRekordow(), 2);
    EXPECT_EQ(lista(p, QStringLiteral("Wszystkie"), QStringLiteral("12-05-2018"), {}), std::vector<int>{1});
    EXPECT_EQ(sumaKwot(p, wszystkieRekordy(p)), 1250);
    EXPECT_EQ(p.wartosc(0, wartoscKolumnyHistorii(18, kUkladStary)), QStringLiteral("ALFA"));

    Session s;
    s.SciezkaProgramu = QStringLiteral("/d");
    s.SkrotFirmy = QStringLiteral("ABC");
    s.DataDzisKlucz = QStringLiteral("20190812");
    EXPECT_EQ(plikWyslanych(s).sciezka, QStringLiteral("/d/ABC1908.dat"));
    EXPECT_EQ(plikWyslanych(s).uklad, kUkladStary);
    s.DataDzisKlucz = QStringLiteral("20190813");
    EXPECT_EQ(plikWyslanych(s).sciezka, QStringLiteral("/d/ABC.dat"));
    EXPECT_EQ(plikWyslanych(s).uklad, kUkladPrzelewu);
}

TEST(Historia, ColumnsShowTheValuesTheirHeadersName)
{
    const Przelew a = przelew(QStringLiteral("ALFA"), QStringLiteral("2026-01-02"), QStringLiteral("7"));
    Przelew b = a;
    b.dataZakup = QStringLiteral("2025-12-01");
    b.terminSpla = QStringLiteral("2026-01-20");
    b.oznPrz = QStringLiteral("Spłacona");
    const PlikHistorii p = PlikHistorii::zBajtow(toCp1250(liniaPrzelewu(b)), kUkladPrzelewu);
    auto kol = [&](const char* naglowek) {
        const int k = int(naglowkiHistorii().indexOf(QString::fromUtf8(naglowek)));
        EXPECT_GE(k, 0) << naglowek;
        return p.wartosc(0, wartoscKolumnyHistorii(k, kUkladPrzelewu));
    };
    EXPECT_EQ(kol("DataSplaty"), b.dataSplaty);
    EXPECT_EQ(kol("TerminSpla"), b.terminSpla);
    EXPECT_EQ(kol("DataZakupu"), b.dataZakup);
    EXPECT_EQ(kol("OznPrz"), b.oznPrz);
    EXPECT_EQ(kol(" Skrót "), b.skrot);
    EXPECT_EQ(kol("KwotaB"), b.kwotaB);
    EXPECT_EQ(kol("Nip "), b.nip);
    EXPECT_EQ(naglowkiHistorii().size(), 28);
}

TEST(Historia, DeletesTheRecordAtItsPositionOnly)
{
    TempFolder dir;
    const QList<Przelew> l = trzy();
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(l, true));
    const PlikWyslanych plik{dir.file(QStringLiteral("ABC.dat")), kUkladPrzelewu};
    const PlikHistorii przed = PlikHistorii::wczytaj(plik.sciezka, plik.uklad);

    // The record shown at position 2 is not the one now in the file.
    EXPECT_EQ(usunRekordHistorii(plik, 2, przed.wartosci(0), false).wynik, WynikHistorii::Zmieniony);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ(l, true));

    EXPECT_EQ(usunRekordHistorii(plik, 2, przed.wartosci(1), false).wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ({l[0], l[2]}, true));
    EXPECT_EQ(usunRekordHistorii(plik, 3, {}, false).wynik, WynikHistorii::BrakRekordu);
    EXPECT_EQ(usunRekordHistorii({dir.file(QStringLiteral("X.dat")), kUkladPrzelewu}, 1, {}, false).wynik,
              WynikHistorii::BrakPliku);
}

TEST(Historia, DamagedFileIsRewrittenOnlyWithPermission)
{
    TempFolder dir;
    const QByteArray bajty = plikZ(trzy()) + "\"Firma X\",\"Imi";
    dir.writeBytes(QStringLiteral("ABC.dat"), bajty);
    const PlikWyslanych plik{dir.file(QStringLiteral("ABC.dat")), kUkladPrzelewu};
    const WynikOperacji w = usunRekordHistorii(plik, 1, {}, false);
    EXPECT_EQ(w.wynik, WynikHistorii::Uszkodzony);
    EXPECT_TRUE(w.blad.contains(plik.sciezka));
    EXPECT_EQ(archiwizujRok(plik, dir.file(QStringLiteral("ABC2026.arh")), 2026, false).wynik,
              WynikHistorii::Uszkodzony);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), bajty);
    EXPECT_FALSE(dir.exists(QStringLiteral("ABC2026.arh")));

    EXPECT_EQ(usunRekordHistorii(plik, 1, {}, true).wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ(trzy().mid(1)));
}

TEST(Historia, ArchiveMovesTheYearByDateAndOnlyAppends)
{
    TempFolder dir;
    const QList<Przelew> l = trzy();
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(l));
    dir.writeBytes(QStringLiteral("ABC2026.arh"), plikZ({l[0]}));  // an earlier run
    const PlikWyslanych plik{dir.file(QStringLiteral("ABC.dat")), kUkladPrzelewu};
    const QString arh = dir.file(QStringLiteral("ABC2026.arh"));

    int wywolania = 0;
    WynikOperacji w = archiwizujRok(plik, arh, 2026, false, [&](qint64 z, qint64 r) {
        EXPECT_LE(z, r);
        ++wywolania;
    });
    EXPECT_EQ(w.wynik, WynikHistorii::Zrobione);
    EXPECT_EQ(w.przeniesione, 2);
    EXPECT_GT(wywolania, 0);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ({l[0]}));
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC2026.arh")), plikZ({l[0], l[1], l[2]}));

    // A second run moves nothing and leaves the archive as it is.
    w = archiwizujRok(plik, arh, 2026, false);
    EXPECT_EQ(w.przeniesione, 0);
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC2026.arh")), plikZ({l[0], l[1], l[2]}));
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ({l[0]}));
}

TEST(Historia, ArchiveThatCannotBeWrittenChangesNothing)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(trzy()));
    const PlikWyslanych plik{dir.file(QStringLiteral("ABC.dat")), kUkladPrzelewu};
    // A folder in the archive's place cannot be appended to.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("ABC2026.arh")));
    const WynikOperacji w = archiwizujRok(plik, dir.file(QStringLiteral("ABC2026.arh")), 2026, false);
    EXPECT_EQ(w.wynik, WynikHistorii::BladArchiwum);
    EXPECT_TRUE(w.blad.contains(QStringLiteral("ABC2026.arh")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("ABC.dat")), plikZ(trzy()));
}

TEST(Historia, DeleteEverythingAndYearBox)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(trzy()));
    EXPECT_EQ(usunHistorie(dir.file(QStringLiteral("ABC.dat"))).wynik, WynikHistorii::Zrobione);
    EXPECT_FALSE(dir.exists(QStringLiteral("ABC.dat")));
    EXPECT_EQ(usunHistorie(dir.file(QStringLiteral("ABC.dat"))).wynik, WynikHistorii::BrakPliku);

    EXPECT_EQ(rokZPola(QStringLiteral("2026")), 2026);
    for (const char* zly : {"", "26", "20266", "2o26"})
        EXPECT_FALSE(rokZPola(QString::fromLatin1(zly))) << zly;
    EXPECT_EQ(kwotaGrupowana(123456789), QStringLiteral("1 234 567,89"));
    EXPECT_EQ(kwotaGrupowana(-100000), QStringLiteral("-1 000,00"));
    EXPECT_EQ(kwotaGrupowana(5), QStringLiteral("0,05"));
}

TEST(WydrukHistorii, PrintedListLineByLine)
{
    Przelew a = przelew(QStringLiteral("ALFAOMEGA1"), QStringLiteral("2026-01-02"), QStringLiteral("1234,5"),
                        QStringLiteral("Zapłata za fakturę"));
    Przelew b = przelew(QStringLiteral("BETA"), QStringLiteral("2026-01-05"), QStringLiteral("7"));
    const PlikHistorii p = PlikHistorii::zBajtow(toCp1250(liniaPrzelewu(a) + liniaPrzelewu(b)), kUkladPrzelewu);
    const OpisWydruku opis{QStringLiteral("Wszystkie"), QStringLiteral("01-01-2026"), {}, QStringLiteral("10-12-2026")};
    const PrintJob job = wydrukHistorii(p, {0, 1}, opis);
    ASSERT_EQ(job.pages().size(), 1);
    QStringList linie;
    for (const PrintLine& l : job.pages()[0].lines)
        linie.append(l.text);
    const QString sep = QStringLiteral(
        "!----!----------!--------!--------------!---------------------------!-------------------------------!");
    const QStringList oczekiwane = {
        QStringLiteral(" Zestawienie wysłanych przelewów  razem od 01-01-2026 do "),
        sep,
        QStringLiteral(
            "!Lp. !Data      ! skrót  !  Kwota       !   Numer konta bankowego   ! Tytuł przelewu                !"),
        sep,
        QStringLiteral("!   1!2026-01-02!ALFAOMEG!      1 234,50!12345678901234567890123456 !Zapłata za fakturę") +
            QString(52, QLatin1Char(' ')) + QStringLiteral("!"),
        sep,
        QStringLiteral("!   2!2026-01-05!BETA    !          7,00!12345678901234567890123456 !Faktura BETA") +
            QString(58, QLatin1Char(' ')) + QStringLiteral("!"),
        sep,
        sep,
        QStringLiteral("! Razem                  !      1 241,50|"),
        QStringLiteral(
            "!------------------------!--------------!---------------------------!-------------------------------!"),
        QString(),
        QString(),
        QStringLiteral(" Sporządził : ......................   Data 10,12,2026"),
    };
    EXPECT_EQ(linie, oczekiwane);

    const OpisWydruku dla{QStringLiteral("beta"), {}, {}, QStringLiteral("10-12-2026")};
    EXPECT_EQ(wydrukHistorii(p, {1}, dla).pages()[0].lines[0].text,
              QStringLiteral(" Zestawienie wysłanych przelewów  dla beta"));
    // Long lists go on to further pages, each with the table heading.
    std::vector<int> duzo(200, 1);
    const PrintJob dlugi = wydrukHistorii(p, duzo, opis);
    ASSERT_GT(dlugi.pages().size(), 1);
    EXPECT_EQ(dlugi.pages()[1].lines[1].text, oczekiwane[2]);
}
