// Golden files of what the export writes: the export lines, the history
// (sent-transfers) records, the closed package and the invoices' payment
// marks (tests/data/export), and of the package records as the program
// rewrites a package (tests/data/package-records). See tests/support/Wzorce.h
// for how a case is laid out and how its expected files are made.
#include "transfers/EksportPaczki.h"
#include "transfers/PlikPaczki.h"

#include "Wzorce.h"

#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::sprawdzWzorce;
using remitto::test::Wzorzec;

// args: the package file under Paczki/. The data folder is the case's
// folder, the shop tree Kramix/FIRMA in it; the export runs on 10-12-2026
// for the company "LAN" as "Paczka &Do Ecorponet" with "Przelew" selected.
TEST(WzorceEksportu, EveryFileTheExportWrites)
{
    sprawdzWzorce(QStringLiteral("export"), [](const Wzorzec& w) {
        ASSERT_EQ(w.args.size(), 1);
        DaneEksportu dane;
        dane.folder = w.folder;
        dane.skrotFirmy = QStringLiteral("LAN");
        dane.nadawca = {QStringLiteral("61 1090 1014 0000 0712 1981 2874"),
                        QStringLiteral("PIEKARNIA ŁAN|Sp. z o.o.|30-001 Kraków Długa 5")};
        dane.sciezkaKramix = w.folder + QStringLiteral("/Kramix");
        dane.folderFirmyKramix = QStringLiteral("FIRMA");
        dane.dzis = QDate(2026, 12, 10);
        const QString paczka = w.folder + QStringLiteral("/Paczki/") + w.args[0];
        const OdczytPaczki p = czytajPaczke(paczka);
        ASSERT_TRUE(p.ok()) << p.blad.toStdString();
        const WynikEksportu wynik = eksportujPaczke(dane, paczka, p.rekordy, Rodzaj::Przelew);
        EXPECT_TRUE(wynik.wykonano()) << wynik.blad.toStdString();
    });
}

// args: the package file. It is read and rewritten as an edit rewrites it
// (one value a line, transfers numbered 1, 2, ...).
TEST(WzorcePaczki, PackageRewrittenAsAnEditRewritesIt)
{
    sprawdzWzorce(QStringLiteral("package-records"), [](const Wzorzec& w) {
        ASSERT_EQ(w.args.size(), 1);
        const QString paczka = w.folder + QLatin1Char('/') + w.args[0];
        const OdczytPaczki p = czytajPaczke(paczka);
        ASSERT_TRUE(p.ok()) << p.blad.toStdString();
        QString blad;
        EXPECT_TRUE(przepiszPaczke(paczka, p.rekordy, &blad)) << blad.toStdString();
    });
}
