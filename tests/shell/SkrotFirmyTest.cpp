// A company's short name names its files; one that is no plain file name must
// never become part of a path, whether typed or read from MojaFirma.txt.
#include "core/NazwaPliku.h"
#include "core/Session.h"
#include "history/Historia.h"
#include "shell/MojaFirma.h"
#include "shell/Startup.h"
#include "transfers/LiniaEksportu.h"
#include "transfers/Przelew.h"
#include "transfers/RejestrWydruku.h"

#include "Budowa.h"
#include "MojaFirmaPliki.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

using namespace remitto;

namespace {

struct Przypadek {
    const char* skrot;
    bool dobry;
};

const Przypadek kSkroty[] = {
    {"KOWAL", true},       {"ABC-2", true},      {"Firma 1", true},   {"ŻABKA", true},      {"A.B", true},
    {"CONSTANS", true},    {"COM10", true},      {"", false},         {"   ", false},       {"../OUTSIDE", false},
    {"..", false},         {".", false},         {"A/B", false},      {"A\\B", false},      {"..\\X", false},
    {"A..B", false},       {"AB.", false},       {"AB ", false},      {"A\tB", false},      {"A\nB", false},
    {"CON", false},        {"con", false},       {"PRN", false},      {"AUX", false},       {"NUL", false},
    {"COM1", false},       {"LPT9", false},      {"NUL.txt", false},  {"A<B", false},       {"A>B", false},
    {"C:X", false},        {"A\"B", false},      {"A|B", false},      {"A?B", false},       {"A*B", false},
};

// Every file in and beside the data folder, by path relative to the parent.
QStringList pliki(const QString& rodzic)
{
    QStringList wynik;
    QDirIterator it(rodzic, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        wynik << QDir(rodzic).relativeFilePath(it.next());
    wynik.sort();
    return wynik;
}

} // namespace

TEST(SkrotFirmy, EveryPathBuiltFromTheShortNameGoesThroughOneCheck)
{
    remitto::test::TempFolder rodzic;
    const QString folder = rodzic.path() + QStringLiteral("/dane");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const Przypadek& c : kSkroty) {
        const QString skrot = QString::fromUtf8(c.skrot);
        SCOPED_TRACE(c.skrot);
        EXPECT_EQ(bladSkrotuFirmy(skrot).isEmpty(), c.dobry) << bladSkrotuFirmy(skrot).toStdString();

        Session s;
        s.SciezkaProgramu = folder;
        s.SkrotFirmy = skrot;
        for (const char* dzis : {"20190101", "20240105"}) {
            s.DataDzisKlucz = QString::fromLatin1(dzis);
            EXPECT_EQ(plikWyslanych(s).sciezka.isEmpty(), !c.dobry);
        }
        EXPECT_EQ(plikArchiwum(s, 2019).isEmpty(), !c.dobry);
        EXPECT_EQ(sciezkaHistorii(folder, skrot).isEmpty(), !c.dobry);
        if (c.dobry) {
            EXPECT_EQ(plikArchiwum(s, 2019), folder + QLatin1Char('/') + skrot + QStringLiteral("2019.arh"));
            continue;
        }
        // The print register writes nothing anywhere and says why.
        const QStringList przed = pliki(rodzic.path());
        const Przelew p = test::BudowaPrzelewu::pusty().nazwa(QStringLiteral("KOWALSKI"));
        QString blad;
        EXPECT_FALSE(zapiszWydruk(s, p, &blad));
        EXPECT_FALSE(blad.isEmpty());
        EXPECT_EQ(pliki(rodzic.path()), przed);
    }
}

TEST(SkrotFirmy, StartUpReportsAFileShortNameAndMakesNoCompanyCurrent)
{
    for (const char* skrot : {"../OUTSIDE", "CON", "A:B", " "}) {
        SCOPED_TRACE(skrot);
        remitto::test::MojaFirmaPliki dane;
        Firma f;
        f.nrId = QStringLiteral("1");
        f.skrot = QString::fromUtf8(skrot);
        f.nazwa = QStringLiteral("Zła Firma");
        f.konto[0] = QStringLiteral("11").repeated(13);
        dane.zapisz({f});
        Session s;
        s.SciezkaProgramu = dane.dir.path();
        s.SkrotFirmy = QStringLiteral("STARA");
        QString blad;
        EXPECT_EQ(wczytajPierwszaFirme(s, &blad), StanFirmy::ZlySkrot);
        EXPECT_TRUE(blad.contains(QStringLiteral("MojaFirma.txt"))) << blad.toStdString();
        EXPECT_TRUE(s.SkrotFirmy.isEmpty());
        EXPECT_TRUE(s.KontoWybrane.isEmpty());
        EXPECT_TRUE(plikWyslanych(s).sciezka.isEmpty());
    }
}
