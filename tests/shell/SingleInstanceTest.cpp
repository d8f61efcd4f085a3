#include "TempFolder.h"

#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

using namespace remitto;

TEST(SingleInstance, SecondCopyIsRefusedUntilFirstEnds)
{
    remitto::test::TempFolder dir;
    const QString lock = dir.file(QStringLiteral("remitto.lock"));
    auto first = std::make_unique<SingleInstance>(lock);
    ASSERT_TRUE(first->acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
    first.reset();
    EXPECT_TRUE(second.acquire());
}

TEST(SingleInstance, LockOfAKilledCopyIsTakenOver)
{
    remitto::test::TempFolder dir;
    const QString lock = dir.file(QStringLiteral("remitto.lock"));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleInstance crashed(lock);
        _exit(crashed.acquire() ? 0 : 1);  // ends without letting the lock go
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(QFile::exists(lock));
    SingleInstance next(lock);
    EXPECT_TRUE(next.acquire());
}

TEST(SingleInstance, LockIsNamedFromTheUserIdInTheRuntimeFolder)
{
    remitto::test::TempFolder runtime;
    EXPECT_EQ(SingleInstance::lockPath(runtime.path(), 1000), runtime.file(QStringLiteral("remitto-1000.lock")));
    EXPECT_NE(SingleInstance::lockPath(runtime.path(), 1000), SingleInstance::lockPath(runtime.path(), 1001));
    const QString fallback = QDir::temp().filePath(QStringLiteral("remitto-1000.lock"));
    EXPECT_EQ(SingleInstance::lockPath(QString(), 1000), fallback);
    EXPECT_EQ(SingleInstance::lockPath(runtime.file(QStringLiteral("brak")), 1000), fallback);

    // Without a user name two users still get two locks.
    const QByteArray user = qgetenv("USER");
    qunsetenv("USER");
    const QString path = SingleInstance::defaultLockPath();
    qputenv("USER", user);
    EXPECT_TRUE(path.endsWith(QStringLiteral("/remitto-%1.lock").arg(::getuid()))) << path.toStdString();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/'))) << path.toStdString();
}
