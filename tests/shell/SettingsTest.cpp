// The settings file and the folder settings of the own-company file.
#include "TempFolder.h"

#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/Startup.h"

#include <QDateTime>
#include <QFile>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

Firma firma(int nr, const QString& skrot)
{
    Firma f;
    f.nrId = QString::number(nr);
    f.skrot = skrot;
    f.nazwa = skrot + QStringLiteral(" Sp. z o.o.");
    f.konto[0] = QStringLiteral("1010%1").arg(nr, 22, 10, QLatin1Char('0'));
    f.sciezkaKramix = QStringLiteral("/kramix/") + skrot;
    f.sciezkaEcorponet = QStringLiteral("/ecorponet/") + skrot;
    return f;
}

struct SettingsFixture : ::testing::Test {
    TempFolder dir;
    Session s;
    void SetUp() override
    {
        s.SciezkaProgramu = dir.path();
        writeInstalka(dir.path(), {QStringLiteral("Tajne"), dir.path(), QStringLiteral("L"), QString(),
                                   QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("F-RA NR.")});
        ustawieniaDoSesji(readInstalka(dir.path()).u, s);
    }
};

} // namespace

TEST_F(SettingsFixture, FileIsOneLineOfSevenQuotedValues)
{
    EXPECT_EQ(dir.readText(QStringLiteral("instalka.dat")),
              QStringLiteral("\"Tajne\",\"%1\",\"L\",\"\",\"1\",\"1\",\"F-RA NR.\"\r\n").arg(dir.path()));
}

TEST_F(SettingsFixture, WrongOldPasswordLeavesFileByteForByte)
{
    const QByteArray before = dir.readBytes(QStringLiteral("instalka.dat"));
    for (const QString& wrong : {QStringLiteral("tajne"), QStringLiteral("Tajne "), QString()}) {
        QString error;
        EXPECT_EQ(zmienHaslo(s, wrong, QStringLiteral("nowe"), &error), WynikZmiany::BezZmian);
        EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), before);
    }
    EXPECT_EQ(s.HasloZapisane, QStringLiteral("Tajne"));
}

TEST_F(SettingsFixture, PasswordChangeKeepsOtherValuesAndLogsIn)
{
    QString error;
    ASSERT_EQ(zmienHaslo(s, QStringLiteral("Tajne"), QString(), &error), WynikZmiany::Zmieniono);
    const UstawieniaOdczyt r = readInstalka(dir.path());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.u.haslo, QString());
    EXPECT_EQ(r.u.rodzajDrukarki, QStringLiteral("L"));
    EXPECT_EQ(r.u.opisSeryjny, QStringLiteral("F-RA NR."));
    EXPECT_EQ(s.HasloZapisane, QString());
    EXPECT_EQ(s.HasloWpisane, QString());
}

TEST_F(SettingsFixture, SerialDescriptionIsStoredUpperCase)
{
    QString error;
    EXPECT_EQ(zmienOpisSeryjny(s, QStringLiteral("faktura żółć nr"), &error), WynikZmiany::Zmieniono);
    EXPECT_EQ(readInstalka(dir.path()).u.opisSeryjny, QStringLiteral("FAKTURA ŻÓŁĆ NR"));
    EXPECT_EQ(s.OpisSeryjny, QStringLiteral("FAKTURA ŻÓŁĆ NR"));
    EXPECT_EQ(zmienOpisSeryjny(s, QString(), &error), WynikZmiany::BezZmian);
}

TEST_F(SettingsFixture, PrinterTypeIsFirstLetterUpperCase)
{
    QString error;
    EXPECT_EQ(zapiszDrukarke(s, QStringLiteral("laser"), true, &error), WynikZmiany::Zmieniono);
    const UstawieniaOdczyt r = readInstalka(dir.path());
    EXPECT_EQ(r.u.rodzajDrukarki, QStringLiteral("L"));
    EXPECT_EQ(r.u.drukPogrubiony, QStringLiteral("G"));
    EXPECT_EQ(nazwaDrukarki(r.u.rodzajDrukarki), QStringLiteral("Laserowa"));
    zapiszDrukarke(s, QStringLiteral("igłowa"), false, &error);
    EXPECT_EQ(readInstalka(dir.path()).u.rodzajDrukarki, QStringLiteral("I"));
    EXPECT_EQ(readInstalka(dir.path()).u.drukPogrubiony, QString());
}

TEST_F(SettingsFixture, MissingOrDamagedSettingsAreReportedAndNotWritten)
{
    TempFolder empty;
    s.SciezkaProgramu = empty.path();
    QString error;
    EXPECT_EQ(zmienOpisSeryjny(s, QStringLiteral("X"), &error), WynikZmiany::BladOdczytu);
    EXPECT_TRUE(error.contains(QStringLiteral("instalka.dat")));
    EXPECT_FALSE(empty.exists(QStringLiteral("instalka.dat")));

    empty.writeText(QStringLiteral("instalka.dat"), QStringLiteral("\"a\",\"b\"\r\n"));
    EXPECT_EQ(zmienHaslo(s, QStringLiteral("a"), QStringLiteral("b"), &error), WynikZmiany::BladOdczytu);
    EXPECT_EQ(empty.readText(QStringLiteral("instalka.dat")), QStringLiteral("\"a\",\"b\"\r\n"));
}

TEST(SettingsDefaults, UnreadableFileGetsDefaults)
{
    Ustawienia u;
    u.rodzajDruku = QStringLiteral("0");
    u.ustawienie6 = QStringLiteral("0");
    u.opisSeryjny = QStringLiteral("cokolwiek");
    const Ustawienia d = zDomyslnymi(u);
    EXPECT_EQ(d.rodzajDruku, QStringLiteral("1"));
    EXPECT_EQ(d.ustawienie6, QStringLiteral("1"));
    EXPECT_EQ(d.opisSeryjny, QStringLiteral("F-ra nr."));
    u.rodzajDruku = QStringLiteral("2");
    EXPECT_EQ(zDomyslnymi(u).rodzajDruku, QStringLiteral("2"));
}

TEST_F(SettingsFixture, EcorponetFolderChangesCurrentRecordOnly)
{
    const QList<Firma> firmy = {firma(1, QStringLiteral("ALFA")), firma(2, QStringLiteral("BETA")),
                                firma(3, QStringLiteral("GAMMA"))};
    ASSERT_TRUE(writeMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")), firmy));
    s.NrIdFirmy = QStringLiteral("2");
    QString error;
    ASSERT_EQ(ustawFolderEcorponet(s, QStringLiteral("/nowy/ecorponet"), &error), WynikFolderu::Zmieniono);
    const MojaFirmaOdczyt r = readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.firmy.size(), 3);
    EXPECT_EQ(r.firmy[0], firmy[0]);
    EXPECT_EQ(r.firmy[2], firmy[2]);
    Firma expected = firmy[1];
    expected.sciezkaEcorponet = QStringLiteral("/nowy/ecorponet");
    EXPECT_EQ(r.firmy[1], expected);
    EXPECT_EQ(s.SciezkaEcorponet, QStringLiteral("/nowy/ecorponet"));
}

TEST_F(SettingsFixture, ShopFolderChangeAndDamagedFileLeftAlone)
{
    ASSERT_TRUE(writeMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")), {firma(1, QStringLiteral("ALFA"))}));
    s.NrIdFirmy = QStringLiteral("1");
    QString error;
    ASSERT_EQ(ustawFolderKramix(s, QString(), &error), WynikFolderu::Zmieniono);
    EXPECT_EQ(readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt"))).firmy[0].sciezkaKramix, QString());

    // One value short of a record: never rewritten.
    dir.writeText(QStringLiteral("MojaFirma.txt"), QStringLiteral("\"1\"\r\n\"ALFA\"\r\n"));
    const QByteArray before = dir.readBytes(QStringLiteral("MojaFirma.txt"));
    EXPECT_EQ(ustawFolderKramix(s, QStringLiteral("/x"), &error), WynikFolderu::BladOdczytu);
    EXPECT_TRUE(error.contains(QStringLiteral("MojaFirma.txt")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("MojaFirma.txt")), before);
}

TEST(OwnCompanyFile, OneValuePerLineAndSessionValues)
{
    TempFolder dir;
    Firma f = firma(1, QStringLiteral("alfa"));
    f.nazwa2 = QStringLiteral("Oddział \"Południe\"");
    f.kod = QStringLiteral("32-400");
    f.miasto = QStringLiteral("Myślenice");
    f.ulica = QStringLiteral("Rynek");
    f.numerDomu = QStringLiteral("7");
    ASSERT_TRUE(writeMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")), {f}));
    const QString text = dir.readText(QStringLiteral("MojaFirma.txt"));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 16);
    EXPECT_TRUE(text.startsWith(QStringLiteral("\"1\"\r\n\"alfa\"\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\"Oddział ''Południe''\"\r\n")));

    Session s;
    s.NrKontaWybranego = 0;
    firmaDoSesji(readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt"))).firmy.first(), s);
    EXPECT_EQ(s.SkrotFirmy, QStringLiteral("ALFA"));
    EXPECT_EQ(s.FolderFirmyKramix, QStringLiteral("ALFA"));
    EXPECT_EQ(s.KontoWybrane, f.konto[0]);
    EXPECT_EQ(s.DaneFirmy, QStringLiteral("alfa Sp. z o.o.|Oddział ''Południe''|32-400 Myślenice Rynek 7"));
}

TEST(StartupFolder, SettingsInCurrentFolderWinOverRemembered)
{
    TempFolder current, remembered, none;
    writeInstalka(remembered.path(), {});
    EXPECT_EQ(folderStartowy(none.path(), remembered.path()), remembered.path());
    EXPECT_EQ(folderStartowy(none.path(), QString()), none.path());
    writeInstalka(current.path(), {});
    EXPECT_EQ(folderStartowy(current.path(), remembered.path()), current.path());
}

// Every file this program or an older copy wrote passes; damaged ones are
// refused with the file and the value named.
TEST(SettingsCheck, LenientForOwnFilesStrictForDamagedOnes)
{
    const struct {
        const char* name;
        QByteArray bytes;
        QString fault;  ///< empty: the file passes
    } cases[] = {
        {"first start", "\"\",\"/dane\",\"\",\"\",\"\",\"\",\"\"\r\n", {}},
        {"older copy with defaults", "\"\",\"C:\\Remitto\",\"\",\"\",\"0\",\"0\",\"F-ra nr.\"\r\n", {}},
        {"every value set", "\"Tajne\",\"/dane\",\"L\",\"G\",\"2\",\"1\",\"F-RA NR. Z \xA3\xD3\"\r\n", {}},
        {"no final line end", "\"\",\"/dane\",\"A\",\"\",\"1\",\"1\",\"\"", {}},
        {"an editor's empty last line", "\"\",\"/dane\",\"A\",\"\",\"1\",\"1\",\"\"\r\n\r\n", {}},
        {"six values", "\"\",\"/dane\",\"\",\"\",\"\",\"\"\r\n", QStringLiteral("zawiera 6 wartości")},
        {"eight values", "\"\",\"/dane\",\"\",\"\",\"\",\"\",\"\",\"x\"\r\n", QStringLiteral("zawiera 8 wartości")},
        {"control character in the password", "\"a\x01\x62\",\"/dane\",\"\",\"\",\"\",\"\",\"\"\r\n",
         QStringLiteral("wartość 1 (hasło) zawiera znak sterujący")},
        {"tab in the description", "\"\",\"/dane\",\"\",\"\",\"\",\"\",\"F-ra\tnr\"\r\n",
         QStringLiteral("wartość 7 (opis seryjny) zawiera znak sterujący")},
        {"printer type as a word", "\"\",\"/dane\",\"Laser\",\"\",\"\",\"\",\"\"\r\n",
         QStringLiteral("wartość 3 (rodzaj drukarki) ma więcej niż jedną literę")},
        {"bold flag as a word", "\"\",\"/dane\",\"L\",\"GG\",\"\",\"\",\"\"\r\n",
         QStringLiteral("wartość 4 (druk pogrubiony) ma więcej niż jedną literę")},
        {"long value 5", "\"\",\"/dane\",\"\",\"\",\"1000\",\"1\",\"\"\r\n",
         QStringLiteral("wartość 5 (rodzaj druku) ma więcej niż 3 znaki")},
        {"long value 6", "\"\",\"/dane\",\"\",\"\",\"1\",\"abcd\",\"\"\r\n",
         QStringLiteral("wartość 6 (ustawienie 6) ma więcej niż 3 znaki")},
        {"cut inside a value", "\"\",\"/dane\",\"\",\"\",\"\",\"\",\"F-ra", QStringLiteral("urywa się")},
        {"random bytes", QByteArray::fromHex("8f1a3c00ff2c2c2c2c2c2c81"), QStringLiteral("zawiera znak sterujący")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        dir.writeBytes(kPlikInstalka, c.bytes);
        const UstawieniaOdczyt r = readInstalka(dir.path());
        EXPECT_EQ(r.ok, c.fault.isEmpty());
        if (c.fault.isEmpty())
            continue;
        EXPECT_TRUE(r.error.startsWith(QStringLiteral("Plik ") + dir.file(kPlikInstalka))) << r.error.toStdString();
        EXPECT_TRUE(r.error.contains(c.fault)) << r.error.toStdString();
        EXPECT_EQ(dir.readBytes(kPlikInstalka), c.bytes);
    }
}

// Files saved as UTF-8 by another tool read right, and are written back in
// the program's own encoding.
TEST(SettingsCheck, Utf8FilesReadRightAndAreWrittenAsWindows1250)
{
    TempFolder dir;
    dir.writeBytes(kPlikInstalka,
                   QStringLiteral("\"hasłożółć\",\"/dane\",\"L\",\"\",\"1\",\"1\",\"F-RA NR.\"\r\n").toUtf8());
    Session s;
    s.SciezkaProgramu = dir.path();
    ASSERT_EQ(wczytajUstawienia(s, nullptr), StanUstawien::Wczytane);
    EXPECT_EQ(s.HasloZapisane, QStringLiteral("hasłożółć"));
    s.HasloWpisane = s.HasloZapisane;
    ASSERT_EQ(zmienOpisSeryjny(s, QStringLiteral("wpłata"), nullptr), WynikZmiany::Zmieniono);
    EXPECT_EQ(dir.readBytes(kPlikInstalka),
              QByteArray("\"has\xB3o\xBF\xF3\xB3\xE6\",\"/dane\",\"L\",\"\",\"1\",\"1\",\"WP\xA3\x41TA\"\r\n"));

    dir.writeBytes(QStringLiteral("MojaFirma.txt"),
                   QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"1\"\r\n\"ŻUK\"\r\n\"Zakład Ślusarski\"\r\n").toUtf8()
                       + QByteArray("\"\"\r\n").repeated(13));
    const MojaFirmaOdczyt f = readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")));
    ASSERT_TRUE(f.ok) << f.error.toStdString();
    EXPECT_EQ(f.firmy[0].skrot, QStringLiteral("ŻUK"));
    EXPECT_EQ(f.firmy[0].nazwa, QStringLiteral("Zakład Ślusarski"));
}

TEST(DamagedFileKept, MovedAsideUnderATimeStampedNameThatIsNeverReused)
{
    remitto::test::TempFolder dir;
    const QDateTime teraz(QDate(2026, 12, 10), QTime(9, 5, 7));
    QString kopia = QStringLiteral("x");
    QString blad;
    EXPECT_TRUE(odlozUszkodzonyPlik(dir.file(QStringLiteral("instalka.dat")), teraz, &kopia, &blad));
    EXPECT_TRUE(kopia.isEmpty());  // nothing there, nothing kept

    const QString nazwa = QStringLiteral("instalka.dat.uszkodzony-20261210-090507");
    for (const QByteArray& tresc : {QByteArray("pierwszy"), QByteArray("drugi"), QByteArray("trzeci")}) {
        dir.writeBytes(QStringLiteral("instalka.dat"), tresc);
        ASSERT_TRUE(odlozUszkodzonyPlik(dir.file(QStringLiteral("instalka.dat")), teraz, &kopia, &blad))
            << blad.toStdString();
        EXPECT_FALSE(dir.exists(QStringLiteral("instalka.dat")));
        EXPECT_EQ(QFile(kopia).size(), tresc.size());
    }
    EXPECT_EQ(dir.readBytes(nazwa), QByteArray("pierwszy"));
    EXPECT_EQ(dir.readBytes(nazwa + QStringLiteral("-2")), QByteArray("drugi"));
    EXPECT_EQ(dir.readBytes(nazwa + QStringLiteral("-3")), QByteArray("trzeci"));
}
