#include "TempFolder.h"

#include "shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

TEST(SingleInstance, LockIsNamedFromTheUserIdInAFolderOnlyTheUserCanWrite)
{
    const quint64 uid = ::getuid();
    const QString nazwa = QStringLiteral("remitto-%1.lock").arg(uid);
    remitto::test::TempFolder runtime;
    remitto::test::TempFolder cache;
    const QString wCache = cache.file(QStringLiteral("remitto/") + nazwa);
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(SingleInstance::lockPath(runtime.path(), cache.path(), uid), runtime.file(nazwa));
    EXPECT_NE(SingleInstance::lockPath(runtime.path(), cache.path(), uid),
              SingleInstance::lockPath(runtime.path(), cache.path(), uid + 1));

    // No runtime folder, one that is not there, one open to others (as /tmp
    // is), one of another user: the lock goes to the user's cache folder,
    // closed to everyone else, never to the shared temporary folder.
    ASSERT_TRUE(QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                          | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
    const QString zastepcze[] = {QString(), runtime.file(QStringLiteral("brak")), runtime.path(), QDir::tempPath(),
                                 QStringLiteral("/")};
    for (const QString& r : zastepcze) {
        const QString path = SingleInstance::lockPath(r, cache.path(), uid);
        EXPECT_EQ(path, wCache) << r.toStdString();
        EXPECT_NE(QFileInfo(path).path(), QDir::tempPath()) << r.toStdString();
    }
    EXPECT_EQ(QFileInfo(cache.file(QStringLiteral("remitto"))).permissions().toInt() & 0x0077, 0);

    // A cache folder left open by hand is closed again; a link in its place
    // (somebody else's folder) is never used, and nothing else either.
    ASSERT_TRUE(QFile::setPermissions(cache.file(QStringLiteral("remitto")),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::WriteOther));
    EXPECT_EQ(SingleInstance::lockPath(QString(), cache.path(), uid), wCache);
    EXPECT_EQ(QFileInfo(cache.file(QStringLiteral("remitto"))).permissions().toInt() & 0x0077, 0);
    remitto::test::TempFolder inny;
    remitto::test::TempFolder cache2;
    ASSERT_TRUE(QFile::link(inny.path(), cache2.file(QStringLiteral("remitto"))));
    EXPECT_EQ(SingleInstance::lockPath(QString(), cache2.path(), uid), QString());
    EXPECT_EQ(SingleInstance::lockPath(QString(), QString(), uid), QString());
    SingleInstance bezFolderu{QString()};
    EXPECT_TRUE(bezFolderu.acquire());

    // Without a user name two users still get two locks.
    const QByteArray user = qgetenv("USER");
    qunsetenv("USER");
    const QString path = SingleInstance::defaultLockPath();
    qputenv("USER", user);
    EXPECT_TRUE(path.endsWith(QStringLiteral("/remitto-%1.lock").arg(uid))) << path.toStdString();
    EXPECT_TRUE(path.startsWith(qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/'))) << path.toStdString();
}
