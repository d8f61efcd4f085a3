// One writer per data folder: the lock file in the folder itself.
#include "KilledChild.h"
#include "TempFolder.h"

#include "core/FolderLock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace remitto;
using remitto::test::KilledChild;
using remitto::test::TempFolder;

namespace {

void plant(const TempFolder& dir, LockHolder h, const QDateTime& touched)
{
    h.token = QStringLiteral("abc");
    dir.writeBytes(QStringLiteral("remitto.lock"), FolderLock::lockContent(h));
    QFile f(dir.file(QStringLiteral("remitto.lock")));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(touched, QFileDevice::FileModificationTime));
}

LockHolder otherComputer(const QDateTime& since)
{
    LockHolder h;
    h.host = QStringLiteral("KSIEGOWOSC-PC");
    h.user = QStringLiteral("Żaneta");
    h.pid = 4242;
    h.since = since;
    h.bootId = QStringLiteral("0000");
    return h;
}

/// A process id that surely belongs to no running process.
qint64 deadPid()
{
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

} // namespace

TEST(FolderLock, SecondProcessIsRefusedUntilTheFirstIsGoneThenTakesOverSilently)
{
    TempFolder dir;
    KilledChild first([&](KilledChild& me) {
        FolderLock lock;
        me.tell(lock.acquire(dir.path()) == LockState::Acquired ? 1 : 0);
        pause();
    });
    ASSERT_TRUE(first.started());
    ASSERT_EQ(first.hear(), 1);

    FolderLock second;
    EXPECT_EQ(second.acquire(dir.path()), LockState::HeldHere);
    EXPECT_FALSE(second.held());
    const LockHolder holder = second.holder();
    EXPECT_EQ(holder.host, QSysInfo::machineHostName());
    EXPECT_NE(holder.pid, getpid());
    EXPECT_TRUE(second.message().contains(QStringLiteral("proces %1").arg(holder.pid))) << second.message().toStdString();
    EXPECT_TRUE(second.message().contains(holder.since.toLocalTime().toString(QStringLiteral("dd-MM-yyyy HH:mm:ss"))));
    EXPECT_TRUE(second.message().contains(QDir::toNativeSeparators(dir.path())));

    // Killed: its lock stays behind and is taken over without a question.
    first.killNow();
    first.wait();
    ASSERT_TRUE(dir.exists(QStringLiteral("remitto.lock")));
    EXPECT_EQ(second.acquire(dir.path()), LockState::Acquired);
    EXPECT_EQ(FolderLock::readHolder(dir.file(QStringLiteral("remitto.lock"))).pid, getpid());
    second.release();
    EXPECT_FALSE(dir.exists(QStringLiteral("remitto.lock")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

TEST(FolderLock, ProgramsStartingTogetherOnAStaleLockLeaveExactlyOneWriter)
{
    for (int round = 0; round < 5; ++round) {
        TempFolder dir;
        LockHolder dead = FolderLock::thisProgram(QDateTime::currentDateTimeUtc());
        dead.pid = deadPid();
        plant(dir, dead, QDateTime::currentDateTime());
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        std::vector<std::unique_ptr<KilledChild>> children;
        for (int i = 0; i < 4; ++i)
            children.push_back(std::make_unique<KilledChild>([&](KilledChild& me) {
                char c;
                close(go[1]);
                if (read(go[0], &c, 1) < 0)  // the end of the pipe is the signal
                    _exit(3);
                FolderLock lock;
                me.tell(lock.acquire(dir.path()) == LockState::Acquired ? 1 : 0);
                pause();
            }));
        close(go[0]);
        close(go[1]);  // every child starts at once
        int winners = 0;
        for (auto& c : children)
            winners += c->hear().value_or(-1);
        EXPECT_EQ(winners, 1) << "round " << round;
    }
}

TEST(FolderLock, LockOfAnotherComputerIsKeptAndOnlyAnOldOneMayBeTakenOver)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    struct Case {
        const char* what;
        qint64 startedSecsAgo;
        qint64 touchedSecsAgo;
        LockState expected;
    };
    const Case cases[] = {
        {"opened an hour ago", 3600, 3600, LockState::HeldElsewhere},
        {"opened three days ago, in use today", 3 * 86400, 600, LockState::HeldElsewhere},
        {"opened three days ago, silent since", 3 * 86400, 3 * 86400, LockState::StaleElsewhere},
        {"clock of the other computer ahead", -3600, 3 * 86400, LockState::HeldElsewhere},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const LockHolder other = otherComputer(now.addSecs(-c.startedSecsAgo));
        plant(dir, other, now.addSecs(-c.touchedSecsAgo));
        const QByteArray planted = dir.readBytes(QStringLiteral("remitto.lock"));

        FolderLock lock;
        EXPECT_EQ(lock.acquire(dir.path(), now), c.expected) << c.what;
        EXPECT_TRUE(lock.message().contains(QStringLiteral("komputer KSIEGOWOSC-PC, użytkownik Żaneta, proces 4242")))
            << c.what << lock.message().toStdString();
        EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), planted) << c.what;
        lock.release();
        EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), planted) << c.what;
    }

    TempFolder dir;
    plant(dir, otherComputer(now.addDays(-3)), now.addDays(-3));
    FolderLock lock;
    ASSERT_EQ(lock.acquire(dir.path(), now), LockState::StaleElsewhere);
    ASSERT_TRUE(lock.takeOver());
    EXPECT_TRUE(lock.held());
    EXPECT_EQ(FolderLock::readHolder(dir.file(QStringLiteral("remitto.lock"))).pid, getpid());
}

TEST(FolderLock, TakeOverRefusedWhenTheLockChangedSinceItWasRead)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    TempFolder dir;
    plant(dir, otherComputer(now.addDays(-3)), now.addDays(-3));
    FolderLock lock;
    ASSERT_EQ(lock.acquire(dir.path(), now), LockState::StaleElsewhere);
    // Meanwhile the other computer's program came back and wrote a new lock.
    LockHolder back = otherComputer(now);
    back.pid = 5151;
    plant(dir, back, now.toLocalTime());
    const QByteArray fresh = dir.readBytes(QStringLiteral("remitto.lock"));
    EXPECT_FALSE(lock.takeOver());
    EXPECT_FALSE(lock.held());
    EXPECT_TRUE(lock.message().contains(QStringLiteral("proces 5151")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), fresh);
}

TEST(FolderLock, DeadHolderOfThisComputerIsReplacedWithoutAQuestion)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    LockHolder dead = FolderLock::thisProgram(now.addSecs(-60));
    dead.pid = deadPid();
    LockHolder beforeRestart = FolderLock::thisProgram(now.addSecs(-60));
    beforeRestart.pid = getppid();  // running now, but the lock is from before the machine restarted
    beforeRestart.bootId = QStringLiteral("another-boot");
    for (const LockHolder& h : {dead, beforeRestart}) {
        TempFolder dir;
        plant(dir, h, now.toLocalTime());
        FolderLock lock;
        EXPECT_EQ(lock.acquire(dir.path(), now), LockState::Acquired);
        EXPECT_EQ(FolderLock::readHolder(dir.file(QStringLiteral("remitto.lock"))).pid, getpid());
    }
}

TEST(FolderLock, ReleaseLeavesALockAnotherProgramTookOver)
{
    TempFolder dir;
    FolderLock lock;
    ASSERT_EQ(lock.acquire(dir.path()), LockState::Acquired);
    plant(dir, otherComputer(QDateTime::currentDateTimeUtc()), QDateTime::currentDateTime());
    const QByteArray theirs = dir.readBytes(QStringLiteral("remitto.lock"));
    lock.release();
    EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), theirs);
}

TEST(FolderLock, DamagedLockIsNeverRemovedAsIfDead)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("remitto.lock"), "\"half");
    FolderLock lock;
    EXPECT_EQ(lock.acquire(dir.path()), LockState::HeldElsewhere);
    EXPECT_TRUE(lock.message().contains(QStringLiteral("nie da się odczytać")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("remitto.lock")), QByteArray("\"half"));
}

TEST(FolderLock, ReadOnlyFolderGivesAClearMessage)
{
    // A folder closed to writing; root writes into any folder of a normal
    // file system, so it gets one of the kernel's instead.
    TempFolder dir;
    QString folder = dir.path();
    if (geteuid() == 0)
        folder = QStringLiteral("/sys/fs");
    else
        ASSERT_EQ(chmod(QFile::encodeName(folder).constData(), 0555), 0);
    FolderLock lock;
    const LockState state = lock.acquire(folder);
    chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(state, LockState::Unwritable);
    EXPECT_FALSE(lock.held());
    EXPECT_TRUE(lock.message().contains(QStringLiteral("tylko do odczytu"))) << lock.message().toStdString();
    EXPECT_TRUE(lock.message().contains(QDir::toNativeSeparators(folder)));
    EXPECT_FALSE(QFileInfo::exists(FolderLock::lockPath(folder)));
}

TEST(FolderLock, RefreshKeepsTheLockOfALongSessionYoung)
{
    TempFolder dir;
    FolderLock lock;
    ASSERT_EQ(lock.acquire(dir.path()), LockState::Acquired);
    const QString path = FolderLock::lockPath(dir.path());
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addDays(-3), QFileDevice::FileModificationTime));
    }
    lock.refresh();
    EXPECT_LT(QFileInfo(path).lastModified().secsTo(QDateTime::currentDateTime()), 60);
}
