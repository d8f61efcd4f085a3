#include "shell/MojaFirmaRekordy.h"

#include "core/QuoteFormat.h"

#include "FullDisk.h"
#include "MojaFirmaPliki.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

using namespace remitto;
using remitto::test::FullDisk;
using remitto::test::MojaFirmaPliki;
using remitto::test::TempFolder;

namespace {

Firma firma(const QString& nr, const QString& skrot, const QString& kramix = {}, const QString& ecorponet = {})
{
    Firma f;
    f.nrId = nr;
    f.skrot = skrot;
    f.nazwa = QStringLiteral("Nazwa ") + skrot;
    f.nazwa2 = QStringLiteral("sp. z o.o.");
    f.kod = QStringLiteral("32-400");
    f.miasto = QStringLiteral("Myślenice");
    f.ulica = QStringLiteral("Rynek");
    f.numerDomu = nr;
    f.konto = {QStringLiteral("1111"), QStringLiteral("2222"), QStringLiteral("3333"), QStringLiteral("4444")};
    f.idn = QStringLiteral("N");
    f.nip = QStringLiteral("6810000000");
    f.sciezkaKramix = kramix;
    f.sciezkaEcorponet = ecorponet;
    return f;
}

QStringList numery(const QList<Firma>& firmy)
{
    QStringList out;
    for (const Firma& f : firmy)
        out << f.nrId;
    return out;
}

QStringList skroty(const QList<Firma>& firmy)
{
    QStringList out;
    for (const Firma& f : firmy)
        out << f.skrot;
    return out;
}

class MojaFirmaRekordy : public ::testing::Test, public MojaFirmaPliki {
protected:

};

} // namespace

TEST(MojaFirmaNawigacja, NeighbourWrapsAtBothEnds)
{
    struct Przypadek {
        int nr, liczba, krok, oczekiwany;
    };
    const Przypadek przypadki[] = {
        {1, 3, +1, 2}, {3, 3, +1, 1}, {1, 3, -1, 3}, {2, 3, -1, 1}, {1, 1, +1, 1}, {1, 1, -1, 1},
        {0, 3, -1, 3},  // the shown number did not read as a number
        {7, 3, +1, 1},  // records deleted meanwhile
        {1, 0, +1, 0}, {1, 0, -1, 0},
    };
    for (const auto& p : przypadki)
        EXPECT_EQ(numerSasiada(p.nr, p.liczba, p.krok), p.oczekiwany)
            << "nr " << p.nr << " of " << p.liczba << " step " << p.krok;
}

TEST_F(MojaFirmaRekordy, BrowsingFindsRecordsByTheirNumber)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("CCC"))});
    struct Przypadek {
        int nr, krok;
        const char* skrot;
    };
    for (const Przypadek& p : {Przypadek{3, +1, "AAA"}, Przypadek{1, -1, "CCC"}, Przypadek{1, +1, "BBB"},
                               Przypadek{2, -1, "AAA"}}) {
        const WynikFirmy w = sasiedniaFirma(path(), p.nr, p.krok);
        EXPECT_EQ(w.wynik, WynikRekordu::Gotowe);
        EXPECT_EQ(w.liczba, 3);
        EXPECT_EQ(w.firma.skrot, QLatin1String(p.skrot)) << p.nr << " step " << p.krok;
    }

    // Numbers out of file order are followed; a number missing from the file
    // falls back to the record at that place.
    zapisz({firma(QStringLiteral("2"), QStringLiteral("DRUGI")), firma(QStringLiteral("1"), QStringLiteral("PIERWSZY")),
            firma(QStringLiteral("9"), QStringLiteral("DZIEWIATY"))});
    EXPECT_EQ(sasiedniaFirma(path(), 1, +1).firma.skrot, QStringLiteral("DRUGI"));
    EXPECT_EQ(sasiedniaFirma(path(), 2, -1).firma.skrot, QStringLiteral("PIERWSZY"));
    EXPECT_EQ(sasiedniaFirma(path(), 2, +1).firma.skrot, QStringLiteral("DZIEWIATY"));

    EXPECT_EQ(sasiedniaFirma(dir.file(QStringLiteral("brak.txt")), 1, +1).wynik, WynikRekordu::NieZnaleziono);
}

TEST_F(MojaFirmaRekordy, AddRenumbersAndAppendsWithFoldersOfTheLastRecord)
{
    zapisz({firma(QStringLiteral("5"), QStringLiteral("AAA"), QStringLiteral("/kramix/a"), QStringLiteral("/eco/a")),
            firma(QStringLiteral("9"), QStringLiteral("BBB"), QStringLiteral("/kramix/b"), QStringLiteral("/eco/b"))});

    const WynikFirmy w = dodajFirme(path());

    ASSERT_EQ(w.wynik, WynikRekordu::Gotowe);
    EXPECT_EQ(w.liczba, 3);
    const QList<Firma> firmy = naDysku();
    EXPECT_EQ(numery(firmy), (QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(firmy[0].nazwa, QStringLiteral("Nazwa AAA"));  // only the number changes
    EXPECT_EQ(w.firma, firmy[2]);
    // The new record, one value per line as the file keeps it.
    const QString tekst = dir.readText(QStringLiteral("MojaFirma.txt"));
    EXPECT_TRUE(tekst.endsWith(QStringLiteral("\"3\"\r\n\"3NOWY\"\r\n") + QStringLiteral("\"\"\r\n").repeated(12)
                               + QStringLiteral("\"/kramix/b\"\r\n\"/eco/b\"\r\n")))
        << tekst.right(200).toStdString();
}

TEST_F(MojaFirmaRekordy, AddToAnEmptyOrMissingFileStartsAtOne)
{
    for (const bool pustyPlik : {false, true}) {
        SCOPED_TRACE(pustyPlik ? "empty file" : "missing file");
        if (pustyPlik)
            dir.writeBytes(QStringLiteral("MojaFirma.txt"), {});
        const WynikFirmy w = dodajFirme(path());
        ASSERT_EQ(w.wynik, WynikRekordu::Gotowe);
        Firma oczekiwana;
        oczekiwana.nrId = QStringLiteral("1");
        oczekiwana.skrot = QStringLiteral("1NOWY");
        EXPECT_EQ(naDysku(), QList<Firma>{oczekiwana});
        EXPECT_EQ(w.liczba, 1);
        QFile::remove(path());
    }
}

TEST_F(MojaFirmaRekordy, SaveReplacesOnlyTheNumberedRecordAndStoresQuotesAsApostrophes)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("CCC"))});
    const QList<Firma> przed = naDysku();

    Firma zmiana = firma(QStringLiteral("77"), QStringLiteral("B\"B"));
    zmiana.nazwa = QStringLiteral("Firma \"Kowalski\"");
    zmiana.nazwa2 = QStringLiteral("\"");
    zmiana.konto[3] = QStringLiteral("83 1010 0000 0000 0000 0000 0000");
    const WynikFirmy w = zapiszFirme(path(), 2, zmiana);

    ASSERT_EQ(w.wynik, WynikRekordu::Gotowe);
    const QList<Firma> po = naDysku();
    ASSERT_EQ(po.size(), 3);
    EXPECT_EQ(po[0], przed[0]);
    EXPECT_EQ(po[2], przed[2]);
    EXPECT_EQ(po[1].nrId, QStringLiteral("2"));  // the record keeps its number
    EXPECT_EQ(po[1].nazwa, QStringLiteral("Firma ''Kowalski''"));
    EXPECT_EQ(po[1].nazwa2, QStringLiteral("''"));
    EXPECT_EQ(po[1].skrot, QStringLiteral("B''B"));
    EXPECT_EQ(po[1].konto[3], zmiana.konto[3]);
    EXPECT_EQ(w.firma, po[1]);
    EXPECT_TRUE(dir.readText(QStringLiteral("MojaFirma.txt")).contains(QStringLiteral("\r\n\"Firma ''Kowalski''\"\r\n")));

    // No record with that number: nothing is written.
    const QByteArray bajtyPrzed = bajty();
    EXPECT_EQ(zapiszFirme(path(), 4, zmiana).wynik, WynikRekordu::NieZnaleziono);
    EXPECT_EQ(bajty(), bajtyPrzed);
}

TEST_F(MojaFirmaRekordy, DeleteRemovesEveryRecordWithTheShortNameAndRenumbers)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("aaa")), firma(QStringLiteral("4"), QStringLiteral("CCC"))});

    const WynikFirmy w = usunFirme(path(), QStringLiteral("Aaa"));

    ASSERT_EQ(w.wynik, WynikRekordu::Gotowe);
    EXPECT_EQ(w.usuniete, 2);
    EXPECT_EQ(w.liczba, 2);
    const QList<Firma> firmy = naDysku();
    EXPECT_EQ(skroty(firmy), (QStringList{QStringLiteral("BBB"), QStringLiteral("CCC")}));
    EXPECT_EQ(numery(firmy), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(w.firma, firmy[0]);

    // A short name nobody has: nothing written.
    const QByteArray bajtyPrzed = bajty();
    EXPECT_EQ(usunFirme(path(), QStringLiteral("XYZ")).wynik, WynikRekordu::NieZnaleziono);
    EXPECT_EQ(bajty(), bajtyPrzed);

    // The middle record of three: the rest carry 1 and 2.
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB")),
            firma(QStringLiteral("3"), QStringLiteral("CCC"))});
    ASSERT_EQ(usunFirme(path(), QStringLiteral("BBB")).wynik, WynikRekordu::Gotowe);
    EXPECT_EQ(skroty(naDysku()), (QStringList{QStringLiteral("AAA"), QStringLiteral("CCC")}));
    EXPECT_EQ(numery(naDysku()), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));

    // The last company: an empty file, nothing to show.
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA"))});
    const WynikFirmy ostatni = usunFirme(path(), QStringLiteral("AAA"));
    EXPECT_EQ(ostatni.wynik, WynikRekordu::Gotowe);
    EXPECT_EQ(ostatni.liczba, 0);
    EXPECT_TRUE(bajty().isEmpty());
}

TEST_F(MojaFirmaRekordy, FindIgnoresLetterCase)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("ŻÓŁW")),
            firma(QStringLiteral("3"), QStringLiteral("Kow"))});
    struct Przypadek {
        QString szukany;
        QString nr;  ///< "" = not found
    };
    const Przypadek przypadki[] = {
        {QStringLiteral("aaa"), QStringLiteral("1")}, {QStringLiteral("żółw"), QStringLiteral("2")},
        {QStringLiteral("KOW"), QStringLiteral("3")}, {QStringLiteral("KO"), QString()},
        {QStringLiteral("AAAA"), QString()},
    };
    for (const auto& p : przypadki) {
        const WynikFirmy w = znajdzFirme(path(), p.szukany);
        if (p.nr.isEmpty()) {
            EXPECT_EQ(w.wynik, WynikRekordu::NieZnaleziono) << p.szukany.toStdString();
        } else {
            EXPECT_EQ(w.wynik, WynikRekordu::Gotowe) << p.szukany.toStdString();
            EXPECT_EQ(w.firma.nrId, p.nr) << p.szukany.toStdString();
        }
    }
}

TEST_F(MojaFirmaRekordy, DamagedFileIsReadAsFarAsWholeAndRewrittenOnlyWithConsent)
{
    QuoteWriter dwa;
    for (const Firma& f : {firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB"))})
        for (const QString& v : f.toValues())
            dwa.text(v).endLine();
    const QString caly = dwa.result();
    const struct {
        const char* opis;
        QString tekst;
    } uszkodzenia[] = {
        {"stray value", caly + QStringLiteral("\"3\"\r\n")},
        {"cut inside a value", caly + QStringLiteral("\"3\"\r\n\"CC")},
        {"second record short", caly.left(caly.indexOf(QStringLiteral("\"2\"\r\n")) + 10)},
    };
    using Operacja = std::function<WynikFirmy(bool)>;
    const struct {
        const char* opis;
        Operacja op;
    } operacje[] = {
        {"add", [&](bool zgoda) { return dodajFirme(path(), zgoda); }},
        {"save", [&](bool zgoda) { return zapiszFirme(path(), 1, firma(QStringLiteral("1"), QStringLiteral("NOWA")), zgoda); }},
        {"delete", [&](bool zgoda) { return usunFirme(path(), QStringLiteral("AAA"), zgoda); }},
    };
    for (const auto& u : uszkodzenia) {
        for (const auto& o : operacje) {
            SCOPED_TRACE(std::string(u.opis) + ", " + o.opis);
            dir.writeText(QStringLiteral("MojaFirma.txt"), u.tekst);
            const QByteArray przed = bajty();

            const WynikFirmy pierwsza = pierwszaFirma(path());
            EXPECT_EQ(pierwsza.stan, StanPliku::Uszkodzony);
            EXPECT_TRUE(pierwsza.blad.contains(path())) << pierwsza.blad.toStdString();
            EXPECT_EQ(pierwsza.firma.skrot, QStringLiteral("AAA"));

            const WynikFirmy bezZgody = o.op(false);
            EXPECT_EQ(bezZgody.wynik, WynikRekordu::WymagaZgody);
            EXPECT_TRUE(bezZgody.blad.contains(path()));
            EXPECT_EQ(bajty(), przed);

            const WynikFirmy zeZgoda = o.op(true);
            EXPECT_EQ(zeZgoda.wynik, WynikRekordu::Gotowe);
            EXPECT_EQ(zeZgoda.stan, StanPliku::Caly);
            const MojaFirmaOdczyt r = readMojaFirma(path());
            EXPECT_TRUE(r.ok);
            EXPECT_EQ(r.firmy.size(), zeZgoda.liczba);
        }
    }
}

TEST_F(MojaFirmaRekordy, FailedRewriteKeepsTheOldFile)
{
    zapisz({firma(QStringLiteral("1"), QStringLiteral("AAA")), firma(QStringLiteral("2"), QStringLiteral("BBB"))});
    const QByteArray przed = bajty();
    WynikFirmy dodana, zapisana, usunieta;
    {
        FullDisk pelny(64);
        dodana = dodajFirme(path());
        zapisana = zapiszFirme(path(), 1, firma(QStringLiteral("1"), QStringLiteral("NOWA")));
        usunieta = usunFirme(path(), QStringLiteral("AAA"));
    }
    for (const WynikFirmy* w : {&dodana, &zapisana, &usunieta}) {
        EXPECT_EQ(w->wynik, WynikRekordu::BladZapisu);
        EXPECT_TRUE(w->blad.contains(path())) << w->blad.toStdString();
    }
    EXPECT_EQ(bajty(), przed);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("MojaFirma.txt")});
}
