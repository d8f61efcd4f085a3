// Writers never change a file outside the folder they were given through a
// symbolic link planted there, and never open a work file someone else made.
#include "TempFolder.h"

#include "core/Append.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

// An invoice file of the shop folder that is a link to a file elsewhere: the
// atomic rewrite (the payment mark) and the append refuse it, naming it, and
// the file elsewhere keeps its bytes; a link to a file of the same folder is
// written through, and stays a link.
TEST(WriteSafety, WritesRefuseLinksLeavingTheirFolder)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("elsewhere/secret.txt"), "keep me\r\n");
    dir.writeBytes(QStringLiteral("shop/Fz261200001.dat"), "\"a\"\r\n");
    const QString shop = dir.file(QStringLiteral("shop"));
    const QString outside = shop + QStringLiteral("/Fz261200002.dat");
    const QString dangling = shop + QStringLiteral("/Fz261200003.dat");
    const QString inside = shop + QStringLiteral("/Fz261200004.dat");
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("elsewhere/secret.txt")), outside));
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("elsewhere/none.txt")), dangling));
    ASSERT_TRUE(QFile::link(QStringLiteral("Fz261200001.dat"), inside));

    for (const QString& link : {outside, dangling}) {
        SCOPED_TRACE(link.toStdString());
        QString error;
        EXPECT_FALSE(rewriteFile(link, "\"b\"\r\n", &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można zapisać pliku ") + link)) << error.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("dowiązanie symboliczne"))) << error.toStdString();
        error.clear();
        EXPECT_EQ(appendRecords(link, 1, QStringLiteral("\"b\"\r\n"), &error), AppendResult::Failed);
        EXPECT_TRUE(error.contains(link)) << error.toStdString();
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }
    EXPECT_EQ(dir.readBytes(QStringLiteral("elsewhere/secret.txt")), "keep me\r\n");
    EXPECT_EQ(entries(dir.file(QStringLiteral("elsewhere"))), QStringList{QStringLiteral("secret.txt")});

    ASSERT_TRUE(rewriteFile(inside, "\"b\"\r\n"));
    ASSERT_EQ(appendRecords(inside, 1, QStringLiteral("\"c\"\r\n")), AppendResult::Appended);
    EXPECT_TRUE(QFileInfo(inside).isSymLink());
    EXPECT_EQ(dir.readBytes(QStringLiteral("shop/Fz261200001.dat")), "\"b\"\r\n\"c\"\r\n");
}

// A new file (an export file) is written under a fresh work name made
// exclusively: a link planted under the old fixed work name or under the
// file's own name is never written through, an existing file never replaced.
TEST(WriteSafety, NewFileIsMadeExclusivelyAndNeverReplacesAName)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("elsewhere/secret.txt"), "keep me\r\n");
    const QString folder = dir.file(QStringLiteral("DoECorponet"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString secret = dir.file(QStringLiteral("elsewhere/secret.txt"));
    const QString file = folder + QStringLiteral("/LAN202612_01.TXT");
    ASSERT_TRUE(QFile::link(secret, folder + QStringLiteral("/.LAN202612_01.TXT.tmp")));

    ASSERT_TRUE(writeNewFile(file, "110,20261210\r\n"));
    EXPECT_EQ(dir.readBytes(QStringLiteral("DoECorponet/LAN202612_01.TXT")), "110,20261210\r\n");
    EXPECT_EQ(dir.readBytes(QStringLiteral("elsewhere/secret.txt")), "keep me\r\n");
    EXPECT_EQ(entries(folder), (QStringList{QStringLiteral(".LAN202612_01.TXT.tmp"), QStringLiteral("LAN202612_01.TXT")}));

    // The name taken, by a file or by a link to one elsewhere or to none.
    const QString linked = folder + QStringLiteral("/LAN202612_02.TXT");
    const QString dangling = folder + QStringLiteral("/LAN202612_03.TXT");
    ASSERT_TRUE(QFile::link(secret, linked));
    ASSERT_TRUE(QFile::link(dir.file(QStringLiteral("elsewhere/none.txt")), dangling));
    for (const QString& taken : {file, linked, dangling}) {
        SCOPED_TRACE(taken.toStdString());
        QString error;
        EXPECT_FALSE(writeNewFile(taken, "nowy\r\n", &error));
        EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można zapisać pliku ") + taken)) << error.toStdString();
    }
    EXPECT_EQ(dir.readBytes(QStringLiteral("DoECorponet/LAN202612_01.TXT")), "110,20261210\r\n");
    EXPECT_EQ(dir.readBytes(QStringLiteral("elsewhere/secret.txt")), "keep me\r\n");
    EXPECT_EQ(entries(dir.file(QStringLiteral("elsewhere"))), QStringList{QStringLiteral("secret.txt")});
    EXPECT_EQ(entries(folder).size(), 4);  // no work file left behind
}
