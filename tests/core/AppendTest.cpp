// Appending records so that a kill at any moment loses no whole record and
// never leaves a torn one that reads as whole.
#include "KilledChild.h"
#include "TempFolder.h"

#include "core/Append.h"
#include "core/AppendJournal.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace remitto;
using remitto::test::TempFolder;

namespace {

using State = RecordTail::State;

QList<QStringList> recordsOf(const QString& path, int size)
{
    if (!QFileInfo::exists(path))
        return {};  // killed before its first write
    const QuoteFile f = readQuoteFile(path);
    EXPECT_TRUE(f.ok) << f.error.toStdString();
    QList<QStringList> records;
    EXPECT_TRUE(splitRecords(f.values, size, &records)) << path.toStdString();
    return records;
}

TEST(Append, FileEndIsMadeReadyForTheNextRecord)
{
    const QString rec = QStringLiteral("\"Żuk\",\"12,50\"\r\n");
    const struct {
        const char* name;
        QByteArray before;  ///< nothing: no file
        QByteArray after;
    } cases[] = {
        {"no file", {}, "\"\xAFuk\",\"12,50\"\r\n"},
        {"empty file", "", "\"\xAFuk\",\"12,50\"\r\n"},
        {"whole records", "\"a\",\"1\"\r\n", "\"a\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"one value per line", "\"a\"\r\n\"1\"\r\n", "\"a\"\r\n\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"no final line end", "\"a\",\"1\"", "\"a\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"bare last value, no line end", "\"a\",1", "\"a\",1\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"empty last value, no line end", "\"a\",\"\"", "\"a\",\"\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"line feed only", "\"a\",\"1\"\n", "\"a\",\"1\"\n\"\xAFuk\",\"12,50\"\r\n"},
        {"cut after the carriage return", "\"a\",\"1\"\r", "\"a\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"an editor's empty last line", "\"a\",\"1\"\r\n\r\n", "\"a\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"end-of-file mark", "\"a\",\"1\"\r\n\x1A", "\"a\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
        {"saved as UTF-8", "\xEF\xBB\xBF\"\xC5\x81\xC3\xB3\x64\xC5\xBA\",\"1\"\r\n",
         "\"\xA3\xF3\x64\x9F\",\"1\"\r\n\"\xAFuk\",\"12,50\"\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        if (!c.before.isNull())
            dir.writeBytes(QStringLiteral("ZUK.dat"), c.before);
        QString message;
        EXPECT_EQ(appendRecords(dir.file(QStringLiteral("ZUK.dat")), 2, rec, &message), AppendResult::Appended)
            << message.toStdString();
        EXPECT_EQ(dir.readBytes(QStringLiteral("ZUK.dat")), c.after);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("ZUK.dat")});
    }
}

TEST(Append, TornTailIsReportedAndCutOnlyWhenAsked)
{
    const struct {
        const char* name;
        QByteArray torn;
        qsizetype records;
        qsizetype tornValues;
    } cases[] = {
        {"values after the last record", "\"a\",\"1\"\r\n\"b\",", 1, 2},
        {"half a record on one line", "\"a\",\"1\"\r\n\"b\"", 1, 1},
        {"last value cut inside its quotes", "\"a\",\"1\"\r\n\"b\",\"2", 1, 2},
        {"only record cut", "\"a\",\"1", 0, 2},
        {"one value per line, cut", "\"a\"\r\n\"1\"\r\n\"b\"\r\n", 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const QString path = dir.file(QStringLiteral("ZUK.dat"));
        dir.writeBytes(QStringLiteral("ZUK.dat"), c.torn);
        const RecordTail tail = checkRecordTail(path, 2);
        EXPECT_EQ(tail.state, State::Torn);
        EXPECT_EQ(tail.records, c.records);
        EXPECT_EQ(tail.tornValues, c.tornValues);
        EXPECT_TRUE(tail.message.contains(path)) << tail.message.toStdString();
        EXPECT_TRUE(cutTornTailQuestion(DamagedFile::Package, tail.message).text.startsWith(tail.message));

        QString message;
        EXPECT_EQ(appendRecords(path, 2, QStringLiteral("\"c\",\"3\"\r\n"), &message), AppendResult::TornTail);
        EXPECT_EQ(message, tail.message);
        EXPECT_EQ(dir.readBytes(QStringLiteral("ZUK.dat")), c.torn);

        ASSERT_TRUE(cutTornTail(path, 2));
        EXPECT_EQ(checkRecordTail(path, 2).state, State::Whole);
        ASSERT_EQ(appendRecords(path, 2, QStringLiteral("\"c\",\"3\"\r\n")), AppendResult::Appended);
        QList<QStringList> expected;
        if (c.records)
            expected.append({QStringLiteral("a"), QStringLiteral("1")});
        expected.append({QStringLiteral("c"), QStringLiteral("3")});
        EXPECT_EQ(recordsOf(path, 2), expected);
    }
}

// Files of megabytes are counted a block at a time, as long as their quotes
// stand where the writer puts them, and read in pieces of a megabyte: the
// end found must be the one the value reader finds in the whole text, for
// any ending, any place of an odd quote, a piece boundary anywhere.
TEST(Append, EndOfABigFileIsFoundAsInTheWholeText)
{
    const QList<QByteArray> endings = {
        "", "\"x\",", "\"x\",\"y", "\"x\"", "\r\n", "\xA0", "\"x\",\"y\",", "\"x\",1,\xA0", "\"x\",\"y\",\"\"",
    };
    const QList<QByteArray> oddities = {
        "\"a\" ,", " \"b\",", "c\"d,", "\"e\"f\"g\",", "\"h,\r\ni\",", "\r", "\x1A,", "\"\",",
    };
    QRandomGenerator random(17);
    TempFolder dir;
    const QString path = dir.file(QStringLiteral("H.dat"));
    for (int round = 0; round < 24; ++round) {
        const bool utf8 = round % 6 == 5;
        QByteArray bytes;
        // Records of three values, until past a megabyte and a bit.
        const qsizetype length = (1 << 20) + qsizetype(random.bounded(1 << 20));
        const qsizetype oddAt = round % 3 == 0 ? -1 : qsizetype(random.bounded(int(length)));
        for (int seq = 0; bytes.size() < length; ++seq) {
            if (oddAt >= 0 && bytes.size() >= oddAt && bytes.size() < oddAt + 300)
                bytes += oddities[random.bounded(int(oddities.size()))];
            QByteArray body(int(random.bounded(200)), utf8 ? 'u' : '\xB3');
            if (seq % 97 == 0)
                body += utf8 ? "\xC5\xBC" : "\"\r\n\",\"";  // a letter, or line ends and a comma inside quotes
            bytes += QByteArray::number(seq) + ",\"" + body + "\",\"" + (utf8 ? "\xC4\x85" : "\xB9") + "\"\r\n";
        }
        if (round == 7)
            bytes += "\"" + QByteArray(1500000, 'v') + "\",1,2\r\n";  // one value longer than a piece
        bytes += endings[round % endings.size()];
        if (utf8)
            bytes += "\xE3\x80\x80";
        SCOPED_TRACE(round);
        dir.writeBytes(QStringLiteral("H.dat"), bytes);
        const RecordTail expected = recordTailOfText(decodeText(bytes), 3, path);
        const RecordTail tail = checkRecordTail(path, 3);
        ASSERT_EQ(tail.state, expected.state);
        ASSERT_EQ(tail.records, expected.records);
        ASSERT_EQ(tail.tornValues, expected.tornValues);
        if (tail.state == State::Torn) {
            ASSERT_TRUE(cutTornTail(path, 3));
            EXPECT_EQ(checkRecordTail(path, 3).records, expected.records);
        }
    }
}

// Three records as the program writes them: one per line, one value per line.
QString record(int seq, int bodyLength)
{
    QuoteWriter w;
    const QString body = QStringLiteral("Zażółć %1 ").arg(seq).leftJustified(bodyLength, QLatin1Char('x'));
    if (seq % 2 == 0) {
        w.number(seq).text(body).text(QStringLiteral("Koniec")).endLine();
    } else {
        w.number(seq).endLine().text(body).endLine().text(QStringLiteral("Koniec")).endLine();
    }
    return w.result();
}

QStringList recordValues(int seq, int bodyLength)
{
    return QuoteReader(record(seq, bodyLength)).readAll();
}

// A kill can stop a write after any byte. Every such cut of an append of two
// records is found, cut back to whole records, and the next append reads
// back with nothing torn read as whole.
TEST(Append, EveryCutOfAnAppendIsFoundAndMended)
{
    const QString old = record(0, 30) + record(1, 30);
    const QString added = record(2, 20) + record(3, 20);
    const QByteArray oldBytes = toCp1250(old);
    const QByteArray addedBytes = toCp1250(added);
    // Where each new record's last value is complete.
    const qsizetype ends[] = {addedBytes.indexOf("Koniec\"") + 7, addedBytes.lastIndexOf("Koniec\"") + 7};

    TempFolder dir;
    const QString path = dir.file(QStringLiteral("ZUK.dat"));
    for (qsizetype cut = 0; cut <= addedBytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        dir.writeBytes(QStringLiteral("ZUK.dat"), oldBytes + addedBytes.left(cut));
        const int whole = int(cut >= ends[0]) + int(cut >= ends[1]);
        const qsizetype lastEnd = whole ? ends[whole - 1] : 0;
        const QByteArray rest = addedBytes.mid(lastEnd, cut - lastEnd);
        const bool torn = !(rest.isEmpty() || rest == "\r" || rest == "\r\n");

        const RecordTail tail = checkRecordTail(path, 3);
        ASSERT_EQ(tail.state, torn ? State::Torn : State::Whole);
        ASSERT_EQ(tail.records, 2 + whole);
        if (torn) {
            ASSERT_TRUE(cutTornTail(path, 3));
        }
        ASSERT_EQ(appendRecords(path, 3, record(4, 10)), AppendResult::Appended);

        QList<QStringList> expected = {recordValues(0, 30), recordValues(1, 30)};
        for (int i = 0; i < whole; ++i)
            expected.append(recordValues(2 + i, 20));
        expected.append(recordValues(4, 10));
        ASSERT_EQ(recordsOf(path, 3), expected);
    }
}


// Records of the kill tests: short ones and long ones whose one write spans
// hundreds of pages of the file, where a kill can cut it.
int bodyLength(int seq)
{
    return seq % 2 == 0 ? 40 + seq % 13 * 50 : 250000 + seq % 7 * 25000;
}

// The same with long records of 1 to 2.2 MB: an append of two of them is
// one write of up to 4.5 MB.
int bigBodyLength(int seq)
{
    return seq % 2 == 0 ? 40 + seq % 13 * 50 : 1000000 + seq % 5 * 300000;
}

// Each round a child appends to a file holding two records, in a loop,
// telling over a pipe when each append starts (minus the record number) and
// when it has returned (the new count), and is killed at a random moment
// inside its second or third append. Then the file holds every record the
// child saw written plus, all or nothing, the batch in flight: never a torn
// tail, never part of a batch. Every other round the interrupted append is
// settled as at start-up, the others by the next check; either way the file
// takes the next append.
void killAppends(int kills, int (*length)(int), quint32 seed)
{
    QTemporaryDir dir(test::killFolderTemplate());
    ASSERT_TRUE(dir.isValid());
    QRandomGenerator random(seed);
    int rolledBack = 0;
    int completed = 0;
    for (int round = 0; round < kills; ++round) {
        const QString path = dir.filePath(QStringLiteral("H%1.dat").arg(round));
        ASSERT_EQ(appendRecords(path, 3, record(0, 30) + record(1, 30)), AppendResult::Appended);
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            for (int seq = 2;;) {
                // Every third append writes two records at once.
                QString batch = record(seq, length(seq));
                int n = 1;
                if (seq % 3 == 0) {
                    batch += record(seq + 1, length(seq + 1));
                    n = 2;
                }
                const int starting = -seq;
                if (write(fds[1], &starting, sizeof starting) != sizeof starting)
                    _exit(4);
                if (appendRecords(path, 3, batch) != AppendResult::Appended)
                    _exit(3);
                seq += n;
                if (write(fds[1], &seq, sizeof seq) != sizeof seq)
                    _exit(4);
            }
        }
        close(fds[1]);
        // The child's second or third append is killed at a random moment
        // within the time its previous one took.
        int confirmed = 2;
        int message = 0;
        QElapsedTimer took;
        qint64 lastAppend = 0;
        for (int starts = 2 + int(random.bounded(2)); starts > 0;) {
            ASSERT_EQ(read(fds[0], &message, sizeof message), ssize_t(sizeof message)) << "the child ended";
            if (message < 0) {
                --starts;
                took.start();
            } else {
                confirmed = message;
                lastAppend = took.nsecsElapsed() / 1000;
            }
        }
        test::spin(qint64(random.bounded(lastAppend + 1)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child stopped by itself with " << WEXITSTATUS(status);
        // Whether the last message tells of a batch started and not confirmed.
        int last = message;
        while (read(fds[0], &message, sizeof message) == sizeof message) {
            last = message;
            if (message > 0)
                confirmed = message;
        }
        const int inFlight = last < 0 ? (-last % 3 == 0 ? 2 : 1) : 0;
        close(fds[0]);

        if (round % 2 == 0) {
            EXPECT_EQ(finishInterruptedAppends(dir.path()), QStringList()) << "round " << round;
        } else {
            const RecordTail tail = checkRecordTail(path, 3);
            ASSERT_EQ(tail.state, State::Whole) << "round " << round << ": " << tail.message.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(appendJournalPath(path))) << "round " << round;
        const int count = int(recordsOf(path, 3).size());
        ASSERT_TRUE(count == confirmed || count == confirmed + inFlight)
            << "round " << round << ": " << count << " records, " << confirmed << " confirmed, " << inFlight
            << " in flight";
        if (inFlight)
            ++(count == confirmed ? rolledBack : completed);
        ASSERT_EQ(appendRecords(path, 3, record(count, 20)), AppendResult::Appended);
        const QList<QStringList> records = recordsOf(path, 3);
        ASSERT_EQ(records.size(), count + 1);
        for (qsizetype i = 0; i < records.size(); ++i) {
            const int bytes = i < 2 ? 30 : i == count ? 20 : length(int(i));
            ASSERT_EQ(records[i], recordValues(int(i), bytes)) << "round " << round << ", record " << i;
        }
        QFile::remove(path);
    }
    std::cout << "[          ] appends cut and rolled back: " << rolledBack << ", found whole: " << completed
              << " of " << kills << " kills\n";
}

TEST(Append, KilledAppendsLoseNoRecordAndLeaveNoTornOne)
{
    killAppends(200, bodyLength, 7);
}

TEST(Append, KilledAppendsOfMegabytesAreAllOrNothing)
{
    killAppends(120, bigBodyLength, 13);
}

// A write stopped after any byte, as a kill or a full disk stops it (the
// file size limit kills the child at the byte aimed at), is taken back to
// the old bytes, by the next check or at start-up; bytes that reached their
// full length but are not the ones written (a power failure) are taken back
// too, and the right bytes found whole are kept.
TEST(Append, AnAppendCutAtAnyByteIsTakenBack)
{
    const QString old = record(0, 300) + record(1, 300);
    const QString added = record(2, 1200000) + record(3, 20);
    const QByteArray oldBytes = toCp1250(old);
    const QByteArray addedBytes = toCp1250(added);
    enum class After { Check, Start, Garbage, Rest };
    const struct {
        const char* name;
        bool missing;  ///< the append makes the file
        qsizetype cut;
        After after;
    } cases[] = {
        {"before the first byte", false, 0, After::Check},
        {"after one byte", false, 1, After::Start},
        {"at a page boundary", false, 4096 - oldBytes.size() % 4096, After::Check},
        {"past the first megabyte", false, 1100000, After::Start},
        {"one byte short", false, addedBytes.size() - 1, After::Check},
        {"making the file, halfway", true, addedBytes.size() / 2, After::Start},
        {"full length of other bytes", false, addedBytes.size() / 2, After::Garbage},
        {"full length of the right bytes", false, addedBytes.size() / 2, After::Rest},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir(test::killFolderTemplate());
        ASSERT_TRUE(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("ZUK.dat"));
        if (!c.missing) {
            ASSERT_EQ(appendRecords(path, 3, old), AppendResult::Appended);
        }
        const qsizetype before = c.missing ? 0 : oldBytes.size();

        ASSERT_NO_FATAL_FAILURE(test::killedAt(rlim_t(before + c.cut), [&] { appendRecords(path, 3, added); }));
        ASSERT_EQ(QFileInfo(path).size(), before + c.cut);
        ASSERT_TRUE(QFileInfo::exists(appendJournalPath(path)));

        QList<QStringList> expected;
        if (!c.missing)
            expected = {recordValues(0, 300), recordValues(1, 300)};
        if (c.after == After::Garbage || c.after == After::Rest) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::Append));
            const QByteArray rest = addedBytes.mid(c.cut);
            f.write(c.after == After::Rest ? rest : QByteArray(rest.size(), 'x'));
        }
        if (c.after == After::Rest)
            expected += {recordValues(2, 1200000), recordValues(3, 20)};
        if (c.after == After::Start) {
            EXPECT_EQ(finishInterruptedAppends(dir.path()), QStringList());
        } else {
            EXPECT_EQ(checkRecordTail(path, 3).state, c.missing ? State::Missing : State::Whole);
        }
        EXPECT_FALSE(QFileInfo::exists(appendJournalPath(path)));
        EXPECT_EQ(QFileInfo::exists(path), !c.missing);
        if (c.after != After::Rest && !c.missing) {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_EQ(f.readAll(), oldBytes);
        }
        ASSERT_EQ(appendRecords(path, 3, record(9, 20)), AppendResult::Appended);
        expected.append(recordValues(9, 20));
        EXPECT_EQ(recordsOf(path, 3), expected);
    }
}

TEST(Append, KilledRewritesLeaveTheOldOrTheNewFile)
{
    TempFolder dir;
    const QString path = dir.file(QStringLiteral("kontrah.dta"));
    auto content = [](int version) {
        QString text;
        for (int i = 0; i < 20; ++i)
            text += record(version * 100 + i, 2000 + version % 7 * 3000);
        return text;
    };
    ASSERT_TRUE(rewriteTextFile(path, content(0)));
    QRandomGenerator random(11);
    int version = 0;
    for (int round = 0; round < 100; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            for (int v = version + 1;; ++v) {
                if (!rewriteTextFile(path, content(v)))
                    _exit(3);
                if (write(fds[1], &v, sizeof v) != sizeof v)
                    _exit(4);
            }
        }
        close(fds[1]);
        usleep(random.bounded(3000));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        int confirmed = version;
        for (int v = 0; read(fds[0], &v, sizeof v) == sizeof v;)
            confirmed = v;
        close(fds[0]);

        const QString text = readTextFile(path).text;
        if (text == content(confirmed + 1)) {
            version = confirmed + 1;
        } else {
            ASSERT_EQ(text, content(confirmed)) << "round " << round;
            version = confirmed;
        }
    }
}

} // namespace
