// Two real programs on one data folder, each as another user would start it
// (its own home and runtime folder, so the per-user single-copy check does
// not stop the second one).
#include "Budowa.h"
#include "TempFolder.h"

#include "core/FolderLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <memory>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

QString programPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../remitto"));
}

/// The program started on `folder` as a user of its own.
struct Program {
    QTemporaryDir home;
    QTemporaryDir runtime;
    QProcess process;

    explicit Program(const QString& folder)
    {
        QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral(".config")));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral(".cache")));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(QProcess::nullDevice());
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(programPath(), {folder});
    }
    ~Program()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    /// Ends it as a logout would.
    bool terminate()
    {
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
        return process.waitForFinished(15000) && process.exitStatus() == QProcess::NormalExit;
    }
};

bool waitFor(const std::function<bool()>& ready, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!ready()) {
        if (t.elapsed() > ms)
            return false;
        QThread::msleep(50);
    }
    return true;
}

} // namespace

TEST(TwoPrograms, SecondProgramOnTheSameFolderWritesNothingThereAndTheLockGoesWithTheFirst)
{
    if (!QFile::exists(programPath()))
        GTEST_SKIP() << "the program is not built";
    TempFolder dir;
    test::folderStartowy(dir, QStringLiteral("ALFA"));
    dir.writeBytes(QStringLiteral("kontrah.dta"), "\"KOWAL\",\"Kowalski\"\r\n");
    const QString lock = dir.file(QStringLiteral("remitto.lock"));
    const QString leftover1 = QStringLiteral(".kontrah.dta.AbC123.tmp");
    const QString leftover2 = QStringLiteral(".kontrah.dta.XyZ789.tmp");
    dir.writeBytes(leftover1, "\"half");

    Program first(dir.path());
    ASSERT_TRUE(first.process.waitForStarted(10000));
    ASSERT_TRUE(waitFor([&] { return FolderLock::readHolder(lock).pid == first.process.processId(); }, 20000));
    // The writer tidies what a killed run left.
    EXPECT_TRUE(waitFor([&] { return !dir.exists(leftover1); }, 10000));

    dir.writeBytes(leftover2, "\"half");
    const QByteArray held = dir.readBytes(QStringLiteral("remitto.lock"));
    {
        Program second(dir.path());
        ASSERT_TRUE(second.process.waitForStarted(10000));
        // Time to reach the folder: the first one took its lock in far less.
        QThread::msleep(3000);
        EXPECT_EQ(second.process.state(), QProcess::Running) << "waits on the message naming the holder";
        EXPECT_TRUE(second.terminate());
        EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), held);
        EXPECT_TRUE(dir.exists(leftover2)) << "the second program tidied a folder it does not hold";
    }

    EXPECT_TRUE(first.terminate());
    EXPECT_FALSE(dir.exists(QStringLiteral("remitto.lock")));
}
