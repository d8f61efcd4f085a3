// A data folder another program writes in is not opened for writing.
#include "ScriptedDialogs.h"
#include "Budowa.h"
#include "TempFolder.h"

#include "core/FolderLock.h"
#include "core/Session.h"
#include "shell/frmPrzelewA.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

using namespace remitto;
using remitto::test::ScriptedDialogs;
using remitto::test::TempFolder;

namespace {

const QString kLeftover = QStringLiteral(".kontrah.dta.AbC123.tmp");

struct BlokadaTest : ::testing::Test {
    TempFolder dir;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPrzelewA> window;

    void SetUp() override
    {
        test::folderStartowy(dir, QStringLiteral("ALFA"));
        dir.writeBytes(QStringLiteral("kontrah.dta"), "\"KOWAL\",\"Kowalski\"\r\n");
        // What a killed rewrite left: tidied only by the folder's writer.
        dir.writeBytes(kLeftover, "\"half");
    }
    void plantLock(qint64 secsAgo)
    {
        LockHolder h;
        h.host = QStringLiteral("KSIEGOWOSC-PC");
        h.user = QStringLiteral("anna");
        h.pid = 4242;
        h.since = QDateTime::currentDateTimeUtc().addSecs(-secsAgo);
        h.token = QStringLiteral("t");
        dir.writeBytes(QStringLiteral("remitto.lock"), FolderLock::lockContent(h));
        QFile f(dir.file(QStringLiteral("remitto.lock")));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(h.since, QFileDevice::FileModificationTime));
    }
    void start()
    {
        window = std::make_unique<frmPrzelewA>(session, dialogs);
        window->wlaczBlokadeFolderu();
        window->uruchom(dir.path());
    }
    void trigger(const QString& action)
    {
        window->findChild<QAction*>(action)->trigger();
    }
};

} // namespace

TEST_F(BlokadaTest, FolderOfAnotherComputerIsNotOpenedAndNothingIsWrittenInIt)
{
    plantLock(3600);
    const QByteArray lock = dir.readBytes(QStringLiteral("remitto.lock"));
    const QByteArray instalka = dir.readBytes(QStringLiteral("instalka.dat"));
    dialogs.answer(Answer::Yes);  // choose another folder
    start();
    ASSERT_EQ(dialogs.shown().size(), 1) << dialogs.texts().join(u'|').toStdString();
    const QString text = dialogs.shown()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("komputer KSIEGOWOSC-PC, użytkownik anna, proces 4242"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Ten program nie otworzy go do zapisu.\n\nCzy wybrać inny folder danych?")));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("cmdAkceptuj"))->isHidden());
    EXPECT_TRUE(window->zablokowanyFolder().isEmpty());

    // The menu does not lead into the folder either.
    dialogs.clear();
    trigger(QStringLiteral("kotr"));
    trigger(QStringLiteral("mnuNumP"));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("KSIEGOWOSC-PC")));
    EXPECT_EQ(window->oknoPrzelewu(), nullptr);

    // Accepting the same folder again is refused too; another folder opens.
    dialogs.clear();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdAkceptuj")), Qt::LeftButton);
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("KSIEGOWOSC-PC")));

    EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), lock);
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), instalka);
    EXPECT_TRUE(dir.exists(kLeftover));

    TempFolder inny;
    test::ustawieniaStartowe(inny);
    dialogs.clear();
    dialogs.answer(Answer::No);  // no first company record
    window->pokazFolder(inny.path());
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdAkceptuj")), Qt::LeftButton);
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_EQ(window->zablokowanyFolder(), inny.path());
    EXPECT_TRUE(inny.exists(QStringLiteral("remitto.lock")));
    window.reset();
    EXPECT_FALSE(inny.exists(QStringLiteral("remitto.lock")));
}

TEST_F(BlokadaTest, NoEndsTheProgram)
{
    plantLock(3600);
    dialogs.answer(Answer::No);
    window = std::make_unique<frmPrzelewA>(session, dialogs);
    window->wlaczBlokadeFolderu();
    QSignalSpy koniec(window.get(), &frmPrzelewA::programZakonczony);
    window->uruchom(dir.path());
    EXPECT_EQ(koniec.count(), 1);
    EXPECT_TRUE(dir.exists(kLeftover));
}

TEST_F(BlokadaTest, OldLockOfAnotherComputerIsTakenOverOnlyOnYes)
{
    plantLock(3 * 86400);
    dialogs.answer(Answer::No);  // keep it
    dialogs.answer(Answer::No);  // and end
    start();
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("Czy przejąć folder?")));
    EXPECT_EQ(FolderLock::readHolder(dir.file(QStringLiteral("remitto.lock"))).host, QStringLiteral("KSIEGOWOSC-PC"));

    dialogs.clear();
    dialogs.answer(Answer::Yes);
    start();
    EXPECT_TRUE(dialogs.allAnswersUsed()) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(window->zablokowanyFolder(), dir.path());
    EXPECT_EQ(FolderLock::readHolder(dir.file(QStringLiteral("remitto.lock"))).pid, QCoreApplication::applicationPid());
    EXPECT_FALSE(dir.exists(kLeftover));  // the writer tidies the folder
}

TEST_F(BlokadaTest, ASecondWindowOnTheSameFolderIsRefusedWhileTheFirstIsOpen)
{
    start();
    EXPECT_EQ(window->zablokowanyFolder(), dir.path());
    Session drugaSesja;
    ScriptedDialogs drugie;
    drugie.answer(Answer::No);
    frmPrzelewA drugi(drugaSesja, drugie);
    drugi.wlaczBlokadeFolderu();
    drugi.uruchom(dir.path());
    ASSERT_EQ(drugie.shown().size(), 1);
    EXPECT_TRUE(drugie.shown()[0].text.contains(QStringLiteral("proces %1").arg(QCoreApplication::applicationPid())));
    EXPECT_TRUE(drugi.zablokowanyFolder().isEmpty());
}

TEST_F(BlokadaTest, FolderWhereNoLockCanBeWrittenIsNamedWithTheReason)
{
    // Root writes into any folder of a normal file system: it gets one of the kernel's.
    TempFolder zamkniety;
    QString folder = zamkniety.path();
    if (geteuid() == 0)
        folder = QStringLiteral("/sys/fs");
    else
        ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    dialogs.answer(Answer::Yes);  // no settings file: write a new one
    dialogs.answer(Answer::No);   // then end
    window = std::make_unique<frmPrzelewA>(session, dialogs);
    window->wlaczBlokadeFolderu();
    window->uruchom(folder);
    QFile::setPermissions(zamkniety.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    ASSERT_EQ(dialogs.shown().size(), 2) << dialogs.texts().join(u'|').toStdString();
    const QString text = dialogs.shown()[1].text;
    EXPECT_TRUE(text.contains(QStringLiteral("nie można założyć blokady"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("tylko do odczytu")));
    EXPECT_TRUE(text.contains(QStringLiteral("Czy wybrać inny folder danych?")));
    EXPECT_FALSE(QFile::exists(QDir(folder).filePath(QStringLiteral("instalka.dat"))));
}
