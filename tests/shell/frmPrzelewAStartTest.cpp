// Start-up over a settings or company file that is there but cannot be read:
// Enter alone never replaces it, and Yes keeps it beside the new one.
#include "Budowa.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/frmPrzelewA.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

using namespace remitto;
using remitto::test::ScriptedDialogs;
using remitto::test::TempFolder;

namespace {

const QString kZachowana = QStringLiteral(".uszkodzony-20200708-101530");
const QByteArray kUszkodzona("\"\x8F\x01garbage\",\"/dane\",\"Laserowa\",\"\",\"1\",\"1\",\"\"\r\n");

struct StartTest : ::testing::Test {
    TempFolder dir;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPrzelewA> window;

    void SetUp() override
    {
        session.clock.setSource([] { return QDateTime(QDate(2020, 7, 8), QTime(10, 15, 30)); });
        Firma f;
        f.nrId = QStringLiteral("1");
        f.skrot = QStringLiteral("ALFA");
        writeMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")), {f});
    }
    void start(const QString& folder)
    {
        window = std::make_unique<frmPrzelewA>(session, dialogs);
        window->uruchom(folder);
    }
    QStringList pliki() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }
};

} // namespace

TEST_F(StartTest, DamagedSettingsFileIsKeptBeforeDefaultsAreWritten)
{
    dir.writeBytes(QStringLiteral("instalka.dat"), kUszkodzona);
    dialogs.answer(Answer::Ok);  // the damage is named
    dialogs.answer(Answer::No);
    start(dir.path());
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[1].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), kUszkodzona);
    EXPECT_EQ(pliki(), (QStringList{QStringLiteral("MojaFirma.txt"), QStringLiteral("instalka.dat")}));

    dialogs.clear();
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::Yes);
    start(dir.path());
    ASSERT_EQ(dialogs.shown().size(), 3) << dialogs.texts().join(u'|').toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat") + kZachowana), kUszkodzona);
    EXPECT_TRUE(readInstalka(dir.path()).ok);
    EXPECT_TRUE(dialogs.shown()[2].text.contains(dir.file(QStringLiteral("instalka.dat") + kZachowana)))
        << dialogs.shown()[2].text.toStdString();
}

TEST_F(StartTest, AcceptingAFolderWithADamagedSettingsFileKeepsIt)
{
    test::ustawieniaStartowe(dir);
    start(dir.path());
    TempFolder inny;
    inny.writeBytes(QStringLiteral("instalka.dat"), kUszkodzona);
    const auto akceptuj = [&] {
        window->pokazFolder(inny.path());
        QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdAkceptuj")), Qt::LeftButton);
    };
    dialogs.answer(Answer::No);
    akceptuj();
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(inny.readBytes(QStringLiteral("instalka.dat")), kUszkodzona);

    dialogs.clear();
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);  // where the damaged file was kept
    dialogs.answer(Answer::No);  // no first company record
    akceptuj();
    EXPECT_TRUE(dialogs.allAnswersUsed());
    EXPECT_EQ(inny.readBytes(QStringLiteral("instalka.dat") + kZachowana), kUszkodzona);
    EXPECT_TRUE(readInstalka(inny.path()).ok);
}

TEST_F(StartTest, CompanyFileWithoutRecordsIsKeptBeforeTheFirstRecordIsWritten)
{
    test::ustawieniaStartowe(dir);
    dir.writeBytes(QStringLiteral("MojaFirma.txt"), QByteArray());
    dialogs.answer(Answer::No);
    start(dir.path());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(pliki(), (QStringList{QStringLiteral("MojaFirma.txt"), QStringLiteral("instalka.dat")}));

    dialogs.clear();
    dialogs.answer(Answer::Yes);
    start(dir.path());
    EXPECT_TRUE(dir.exists(QStringLiteral("MojaFirma.txt") + kZachowana));
    EXPECT_EQ(readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt"))).firmy.size(), 1);
}
