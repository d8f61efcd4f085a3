// What a killed program leaves in a data folder is settled at start-up.
#include "KilledChild.h"
#include "TempFolder.h"

#include "core/Append.h"
#include "core/AppendJournal.h"
#include "core/Leftovers.h"
#include "core/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

TEST(Leftovers, StartUpSettlesCutAppendsAndRemovesWorkFilesOfWholeFiles)
{
    TempFolder dir;
    const QByteArray record = "\"1\",\"" + QByteArray(3000, 'x') + "\"\r\n";
    const QByteArray contractors = "\"KOWAL\",\"Kowalski\"\r\n";
    dir.writeBytes(QStringLiteral("kontrah.dta"), contractors);
    dir.writeBytes(QStringLiteral("Paczki/Paczka202612_01.dta"), record);
    dir.writeBytes(QStringLiteral("DoECorponet/LAN202612_01.TXT"), "110\r\n");

    // An append to a package and a rewrite of the contractors, both cut.
    const QString package = dir.file(QStringLiteral("Paczki/Paczka202612_01.dta"));
    ASSERT_NO_FATAL_FAILURE(test::killedAt(rlim_t(record.size() + 100),
                                           [&] { appendRecords(package, 2, QString::fromLatin1(record)); }));
    const QString kontrah = dir.file(QStringLiteral("kontrah.dta"));
    ASSERT_NO_FATAL_FAILURE(test::killedAt(100, [&] { rewriteFile(kontrah, QByteArray(5000, 'k')); }));
    ASSERT_TRUE(QFileInfo::exists(appendJournalPath(package)));
    ASSERT_EQ(entries(dir.path()).size(), 2);  // kontrah.dta and its work file

    // Work files of a file that is gone, and files that only look like work
    // files, stay.
    dir.writeBytes(QStringLiteral(".NumP26.dat.AbCdEf.tmp"), "12");
    dir.writeBytes(QStringLiteral("kontrah.dta.backup"), contractors);
    dir.writeBytes(QStringLiteral(".notes.AbCdEf.tmp"), "mine");
    dir.writeBytes(QStringLiteral("DoECorponet/.LAN202612_01.TXT.tmp"), "1");  // an old export's work file
    dir.writeBytes(QStringLiteral("..ZUK.dat.appending.XyZabc.tmp"), "remitto append 1\n");

    EXPECT_EQ(tidyDataFolder(dir.path()), QStringList());
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), record);
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), contractors);
    EXPECT_EQ(entries(dir.path()),
              (QStringList{QStringLiteral(".NumP26.dat.AbCdEf.tmp"), QStringLiteral(".notes.AbCdEf.tmp"),
                           QStringLiteral("kontrah.dta"), QStringLiteral("kontrah.dta.backup")}));
    EXPECT_EQ(entries(dir.file(QStringLiteral("Paczki"))), QStringList{QStringLiteral("Paczka202612_01.dta")});
    EXPECT_EQ(entries(dir.file(QStringLiteral("DoECorponet"))), QStringList{QStringLiteral("LAN202612_01.TXT")});
}
