// The command line: options, the data folder given, and what happens to a
// folder that cannot be used.
#include "TempFolder.h"

#include "shell/Instalka.h"
#include "shell/LiniaPolecen.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

LiniaPolecen rozbierz(QStringList args)
{
    args.prepend(QStringLiteral("/usr/bin/remitto"));
    return rozbierzLiniePolecen(args);
}

void zInstalka(const TempFolder& dir)
{
    dir.writeText(kPlikInstalka, QStringLiteral("\"\",\"%1\",\"L\",\"\",\"1\",\"1\",\"F-RA NR.\"\r\n").arg(dir.path()));
}

} // namespace

TEST(LiniaPolecen, OptionsAndArguments)
{
    struct Przypadek {
        QStringList args;
        Polecenie polecenie;
        QString folder;
        QString poczatekTekstu;
    };
    const QList<Przypadek> przypadki{
        {{}, Polecenie::Uruchom, QString(), QString()},
        {{QStringLiteral("/dane/firma")}, Polecenie::Uruchom, QStringLiteral("/dane/firma"), QString()},
        {{QStringLiteral("dane z odstępem")}, Polecenie::Uruchom, QStringLiteral("dane z odstępem"), QString()},
        {{QStringLiteral("--"), QStringLiteral("-dziwny")}, Polecenie::Uruchom, QStringLiteral("-dziwny"), QString()},
        {{QStringLiteral("--version")}, Polecenie::Wersja, QString(), QStringLiteral("Wersja 2020.7.2\n")},
        {{QStringLiteral("-v")}, Polecenie::Wersja, QString(), QStringLiteral("Wersja 2020.7.2\n")},
        {{QStringLiteral("/dane"), QStringLiteral("--version")}, Polecenie::Wersja, QString(), QStringLiteral("Wersja")},
        {{QStringLiteral("--help")}, Polecenie::Pomoc, QString(), QStringLiteral("Użycie: remitto [opcje] [FOLDER_DANYCH]")},
        {{QStringLiteral("-h"), QStringLiteral("--version")}, Polecenie::Pomoc, QString(), QStringLiteral("Użycie:")},
        {{QStringLiteral("--wersja")}, Polecenie::Blad, QString(), QStringLiteral("Nieznana opcja: --wersja\n")},
        {{QStringLiteral("-x")}, Polecenie::Blad, QString(), QStringLiteral("Nieznana opcja: -x\n")},
        {{QStringLiteral("/a"), QStringLiteral("/b")}, Polecenie::Blad, QString(),
         QStringLiteral("Można podać tylko jeden folder danych, podano 2.")},
    };
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.args.join(QLatin1Char(' ')).toStdString());
        const LiniaPolecen l = rozbierz(p.args);
        EXPECT_EQ(l.polecenie, p.polecenie);
        EXPECT_EQ(l.folder, p.folder);
        EXPECT_TRUE(l.tekst.startsWith(p.poczatekTekstu)) << l.tekst.toStdString();
    }
}

TEST(LiniaPolecen, HelpListsEveryOption)
{
    const QString t = rozbierz({QStringLiteral("--help")}).tekst;
    for (const char* s : {"-h, --help", "-v, --version", "FOLDER_DANYCH"})
        EXPECT_TRUE(t.contains(QLatin1String(s))) << s;
    EXPECT_TRUE(rozbierz({QStringLiteral("-q")}).tekst.contains(QStringLiteral("remitto --help")));
}

TEST(LiniaPolecen, GivenFolderWinsOverCurrentAndRemembered)
{
    TempFolder current, remembered, given;
    zInstalka(current);
    zInstalka(remembered);
    EXPECT_EQ(wybierzFolderDanych(given.path(), current.path(), remembered.path()).folder, given.path());
    EXPECT_TRUE(wybierzFolderDanych(given.path(), current.path(), remembered.path()).komunikat.isEmpty());

    // A relative folder is taken from the current folder; without one the
    // usual rules hold.
    QDir(current.path()).mkdir(QStringLiteral("firma 2"));
    EXPECT_EQ(wybierzFolderDanych(QStringLiteral("./firma 2/"), current.path(), remembered.path()).folder,
              current.file(QStringLiteral("firma 2")));
    EXPECT_EQ(wybierzFolderDanych(QString(), given.path(), remembered.path()).folder, remembered.path());
}

TEST(LiniaPolecen, UnusableFolderIsReportedAndUsualRulesPick)
{
    TempFolder current, remembered;
    zInstalka(remembered);
    current.writeText(QStringLiteral("plik.txt"), QStringLiteral("x"));
    const QString missing = current.file(QStringLiteral("nie ma"));

    WyborFolderu w = wybierzFolderDanych(missing, current.path(), remembered.path());
    EXPECT_EQ(w.folder, remembered.path());
    EXPECT_EQ(w.komunikat, QStringLiteral("Folder danych %1 nie istnieje.\nProgram otworzy folder danych %2.")
                               .arg(missing, remembered.path()));

    // Nothing to fall back on: the current folder, where the usual
    // missing-settings question follows.
    w = wybierzFolderDanych(current.file(QStringLiteral("plik.txt")), current.path(), QString());
    EXPECT_EQ(w.folder, current.path());
    EXPECT_EQ(w.komunikat, current.file(QStringLiteral("plik.txt")) + QStringLiteral(" nie jest folderem."));
}

TEST(LiniaPolecen, UnreadableFolderIsReported)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads every folder";
    TempFolder current;
    const QString locked = current.file(QStringLiteral("zamkniety"));
    QDir().mkdir(locked);
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    const WyborFolderu w = wybierzFolderDanych(locked, current.path(), QString());
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(w.folder, current.path());
    EXPECT_EQ(w.komunikat, QStringLiteral("Nie można odczytać folderu danych %1 (brak uprawnień).").arg(locked));
}
