// "Kopia bezpieczeństwa..." and "Odtwórz z kopii..." of the main window's
// Globalne menu, answered through scripted boxes.
#include "KeyboardAnswers.h"
#include "ScriptedDialogs.h"
#include "Budowa.h"
#include "TempFolder.h"

#include "backup/KopiaDanych.h"
#include "core/Session.h"
#include "shell/MojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "ui/QtDialogs.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <gtest/gtest.h>

#include <memory>

using namespace remitto;
using remitto::test::KeyboardAnswers;
using remitto::test::ScriptedDialogs;
using remitto::test::TempFolder;

namespace {

struct KopiaOknoTest : ::testing::Test {
    TempFolder dir;
    TempFolder poza;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPrzelewA> window;

    void SetUp() override
    {
        test::folderStartowy(dir, QStringLiteral("ALFA"), QStringLiteral("Firma Alfa"));
        QDir().mkpath(dir.file(QStringLiteral("Paczki")));
        dir.writeText(QStringLiteral("kontrah.dta"), QStringLiteral("\"1\"\r\n\"Żuraw\"\r\n"));
        dir.writeText(QStringLiteral("Paczki/Paczka202007_01.dta"), QStringLiteral("\"100,00\"\r\n"));
        dir.writeText(QStringLiteral("ALFA.dat"), QStringLiteral("\"08-07-2020\"\r\n"));
        window = std::make_unique<frmPrzelewA>(session, dialogs);
        window->uruchom(dir.path());
        ASSERT_EQ(session.SkrotFirmy, QStringLiteral("ALFA"));
        dialogs.clear();
    }
    void trigger(const QString& action) const
    {
        QAction* a = window->findChild<QAction*>(action);
        ASSERT_NE(a, nullptr) << action.toStdString();
        a->trigger();
    }
    QString zrobKopie()
    {
        dialogs.type(poza.file(QStringLiteral("kopie")));
        trigger(QStringLiteral("mnuKopia"));
        const QStringList pliki = QDir(poza.file(QStringLiteral("kopie"))).entryList({QStringLiteral("*.zip")});
        EXPECT_EQ(pliki.size(), 1);
        return pliki.isEmpty() ? QString() : poza.file(QStringLiteral("kopie/") + pliki.first());
    }
};

} // namespace

TEST_F(KopiaOknoTest, BackupGoesToTheChosenFolderWhichIsRemembered)
{
    const QString przed = folderKopii();
    const QString archiwum = zrobKopie();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown().at(0).title, QStringLiteral("Kopia bezpieczeństwa"));
    EXPECT_EQ(dialogs.shown().at(0).defaultText, przed);
    EXPECT_TRUE(QFileInfo(archiwum).fileName().startsWith(QStringLiteral("Remitto_ALFA_")));
    EXPECT_EQ(dialogs.shown().at(1).text,
              QStringLiteral("Kopia bezpieczeństwa została zapisana i sprawdzona:\n%1\nPlików: 5, razem 0,0 MB.")
                  .arg(archiwum));
    EXPECT_EQ(dialogs.shown().at(1).icon, Icon::Information);
    EXPECT_EQ(folderKopii(), poza.file(QStringLiteral("kopie")));

    // The next backup offers the folder used last; one inside the data folder is refused.
    dialogs.clear();
    dialogs.type(dir.file(QStringLiteral("Paczki/kopie")));
    trigger(QStringLiteral("mnuKopia"));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown().at(0).defaultText, poza.file(QStringLiteral("kopie")));
    EXPECT_TRUE(dialogs.shown().at(1).text.contains(QStringLiteral("leży w folderze danych")));
    EXPECT_EQ(dialogs.shown().at(1).icon, Icon::Critical);
    EXPECT_FALSE(QFileInfo::exists(dir.file(QStringLiteral("Paczki/kopie"))));
    EXPECT_EQ(folderKopii(), poza.file(QStringLiteral("kopie")));
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(KopiaOknoTest, RestoreOverTheDataFolderShowsTheBackupAndListsFilesNotInIt)
{
    const QString archiwum = zrobKopie();
    const QByteArray kontrah = dir.readBytes(QStringLiteral("kontrah.dta"));
    dir.writeText(QStringLiteral("kontrah.dta"), QStringLiteral("\"zepsute\""));
    dir.writeText(QStringLiteral("Paczki/Paczka202007_02.dta"), QStringLiteral("\"5,00\"\r\n"));
    dialogs.clear();

    dialogs.type(archiwum);
    dialogs.answer(Answer::Yes);
    trigger(QStringLiteral("mnuOdtworz"));
    ASSERT_EQ(dialogs.shown().size(), 3);
    EXPECT_EQ(dialogs.shown().at(0).defaultText, archiwum);  // the newest backup is offered
    const QString pytanie = dialogs.shown().at(1).text;
    EXPECT_TRUE(pytanie.startsWith(QStringLiteral("Kopia z dnia ")));
    EXPECT_TRUE(pytanie.contains(QStringLiteral("\nFirma: ALFA\nPlików: 5 (0,0 MB)"))) << pytanie.toStdString();
    EXPECT_EQ(dialogs.shown().at(1).buttons, Buttons::YesNoDefaultNo);
    const QString koniec = dialogs.shown().at(2).text;
    EXPECT_TRUE(koniec.startsWith(QStringLiteral("Dane zostały odtworzone z kopii (plików: 5).\n"
                                                 "Stan sprzed odtworzenia zapisano w kopii:\n")));
    EXPECT_TRUE(koniec.endsWith(QStringLiteral("\n\nPliki, których nie ma w kopii (pozostawione bez zmian):\n"
                                               "Paczki/Paczka202007_02.dta")))
        << koniec.toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), kontrah);
    EXPECT_TRUE(dir.exists(QStringLiteral("Paczki/Paczka202007_02.dta")));
    EXPECT_EQ(QDir(poza.file(QStringLiteral("kopie"))).entryList({QStringLiteral("*_auto.zip")}).size(), 1);
}

TEST_F(KopiaOknoTest, RestoreIntoANewFolderAndADamagedBackupTouchesNothing)
{
    const QString archiwum = zrobKopie();
    dialogs.clear();
    const QString nowy = poza.file(QStringLiteral("stary stan"));
    dialogs.type(archiwum);
    dialogs.answer(Answer::No);
    dialogs.type(nowy);
    trigger(QStringLiteral("mnuOdtworz"));
    ASSERT_EQ(dialogs.shown().size(), 4);
    EXPECT_EQ(dialogs.shown().at(3).text,
              QStringLiteral("Kopia została odtworzona w folderze %1 (plików: 5).\n"
                             "Bieżący folder danych pozostał bez zmian.\n"
                             "Uwaga: plik instalka.dat kopii wskazuje folder danych %2; program otworzy tamten "
                             "folder, a nie odtworzoną kopię.")
                  .arg(nowy, dir.path()));
    for (const QString& p : plikiDanych(dir.path())) {
        QFile a(dir.file(p));
        QFile b(nowy + QLatin1Char('/') + p);
        ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly)) << p.toStdString();
        EXPECT_EQ(a.readAll(), b.readAll());
    }

    // A damaged copy: refused before any question, nothing changes.
    QFile f(archiwum);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(40);
    f.write("XXXX");
    f.close();
    const QByteArray kontrah = dir.readBytes(QStringLiteral("kontrah.dta"));
    dialogs.clear();
    dialogs.type(archiwum);
    trigger(QStringLiteral("mnuOdtworz"));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_TRUE(dialogs.shown().at(1).text.contains(QStringLiteral("jest uszkodzona")));
    EXPECT_TRUE(dialogs.shown().at(1).text.endsWith(QStringLiteral("\nNic nie zostało zmienione.")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), kontrah);
    EXPECT_TRUE(QDir(poza.file(QStringLiteral("kopie"))).entryList({QStringLiteral("*_auto.zip")}).isEmpty());
    EXPECT_TRUE(dialogs.allAnswersUsed());
}

TEST_F(KopiaOknoTest, RestoreOverAnotherDataFolderStaysInThatFolder)
{
    const QString archiwum = zrobKopie();
    // A second data folder, restored from the first one's backup: its settings
    // file then names the first folder, which exists.
    TempFolder inny;
    test::folderStartowy(inny, QStringLiteral("BETA"));
    Session drugaSesja;
    ScriptedDialogs drugieOkna;
    frmPrzelewA drugie(drugaSesja, drugieOkna);
    drugie.uruchom(inny.path());
    ASSERT_EQ(drugaSesja.SciezkaProgramu, inny.path());

    drugieOkna.type(archiwum);
    drugieOkna.answer(Answer::Yes);
    drugie.findChild<QAction*>(QStringLiteral("mnuOdtworz"))->trigger();
    ASSERT_EQ(drugieOkna.shown().size(), 3);
    EXPECT_TRUE(drugieOkna.shown().at(2).text.startsWith(QStringLiteral("Dane zostały odtworzone z kopii (plików: 5).")));
    EXPECT_EQ(drugaSesja.SciezkaProgramu, inny.path());
    EXPECT_EQ(drugaSesja.SkrotFirmy, QStringLiteral("ALFA"));
    EXPECT_EQ(inny.readBytes(QStringLiteral("kontrah.dta")), dir.readBytes(QStringLiteral("kontrah.dta")));
}

TEST(KopiaOknoPrawdziweOkna, BackupAndRestoreIntoANewFolderAtTheKeyboard)
{
    TempFolder dir;
    TempFolder poza;
    test::folderStartowy(dir, QStringLiteral("ALFA"));
    dir.writeText(QStringLiteral("kontrah.dta"), QStringLiteral("\"1\"\r\n\"Żuraw\"\r\n"));
    Session session;
    QtDialogs dialogs;
    frmPrzelewA window(session, dialogs);
    window.uruchom(dir.path());

    const QString kopie = poza.file(QStringLiteral("kopie"));
    {
        KeyboardAnswers keys;
        keys.type(kopie).keys({{Qt::Key_Return}});
        window.findChild<QAction*>(QStringLiteral("mnuKopia"))->trigger();
        EXPECT_EQ(keys.faults(), 0);
        ASSERT_EQ(keys.seen().size(), 2);
        EXPECT_TRUE(
            keys.seen().at(1).text.startsWith(QStringLiteral("Kopia bezpieczeństwa została zapisana i sprawdzona:")));
    }
    const QStringList pliki = QDir(kopie).entryList({QStringLiteral("Remitto_ALFA_*.zip")});
    ASSERT_EQ(pliki.size(), 1);

    // The newest backup is offered; Enter on the question answers "Nie": a new folder.
    const QString nowy = poza.file(QStringLiteral("stan"));
    KeyboardAnswers restore;
    restore.keys({{Qt::Key_Return}}).keys({{Qt::Key_Return}}).type(nowy).keys({{Qt::Key_Return}});
    window.findChild<QAction*>(QStringLiteral("mnuOdtworz"))->trigger();
    EXPECT_EQ(restore.faults(), 0);
    ASSERT_EQ(restore.seen().size(), 4);
    EXPECT_EQ(restore.seen().at(0).inputText, kopie + QLatin1Char('/') + pliki.first());
    EXPECT_TRUE(restore.seen().at(3).text.startsWith(QStringLiteral("Kopia została odtworzona w folderze")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), [&] {
        QFile k(nowy + QStringLiteral("/kontrah.dta"));
        k.open(QIODevice::ReadOnly);
        return k.readAll();
    }());
}
