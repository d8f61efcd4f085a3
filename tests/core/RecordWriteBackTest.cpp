// A record of the sent-transfers file written back (deleting a record,
// archiving a year) must read back as the same values, alone and among the
// other records written back.
#include "WriteBackRoundTrip.h"
#include "history/PlikHistorii.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace remitto;

namespace {

QByteArray testData(const char* name)
{
    QFile f(QStringLiteral(REMITTO_TEST_DATA "/") + QLatin1String(name));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
    return f.readAll();
}

// Every whole record of `bytes` written back alone reads back as one whole
// record of the same values; all of them written back, with one left out,
// read back as the rest; every reader finds the same records.
void expectRoundTrip(const QByteArray& bytes, int size, int leftOut)
{
    ASSERT_EQ(test::writeBackFault(bytes, size, leftOut).toStdString(), "") << "left out: " << leftOut;
}

} // namespace

TEST(RecordWriteBack, KeepsAnEmptyLastValueBeforeTheNextRecordOnItsLine)
{
    // Record 37 of a fuzzed file: "", a line end, a quoted value, then a
    // never-set value closed by the comma that starts the next record.
    const QByteArray fuzzed = testData("history/writeback-record37.bin").mid(1);
    const PlikHistorii p = PlikHistorii::zBajtow(fuzzed, UkladHistorii{3, 0, 0, 0, 0, 0});
    ASSERT_EQ(p.liczbaRekordow(), 243);
    EXPECT_EQ(p.rekordDoZapisu(37), QByteArray("\"\"\r\n\"Biuro Rachunkowe ''Bo\",\r\n"));
    for (int leftOut : {-1, 0, 36, 37, 38, 242})
        expectRoundTrip(fuzzed, 3, leftOut);

    const struct {
        const char* name;
        QByteArray raw;
        QByteArray record0;
    } cases[] = {
        {"two records on a line, the first one's last value empty", "\"a\",,\"c\",\"d\"\r\n", "\"a\",\r\n"},
        {"an empty last value alone on its line", "\"a\"\r\n,\"c\",\"d\"\r\n", "\"a\"\r\n\r\n"},
        {"a record ending at the end of the file", "\"a\",\"b\",\"c\",\"d\"", "\"a\",\"b\"\r\n"},
        {"a bare last value with an end-of-file mark in it", "\"a\",b \x1A", "\"a\",b \x1A\r\n"},
        {"a lone carriage return", "\"a\",\"b\"\r\n\"c\",\"d\"\r", "\"a\",\"b\"\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlikHistorii two = PlikHistorii::zBajtow(c.raw, UkladHistorii{2, 0, 0, 0, 0, 0});
        ASSERT_GE(two.liczbaRekordow(), 1);
        EXPECT_EQ(two.rekordDoZapisu(0), c.record0);
        for (int leftOut = -1; leftOut < two.liczbaRekordow(); ++leftOut)
            expectRoundTrip(c.raw, 2, leftOut);
    }
}

// Files made of the pieces the format is made of, written back record by
// record and with each record left out in turn.
TEST(RecordWriteBack, EveryWholeRecordOfAnyFileReadsBackTheSame)
{
    const QList<QByteArray> pieces = {
        "\"", ",", ",", "\r\n", "\r", "\n", " ", "\t", "\x1A", "a", "12", "''", "\"\"", "\"x y\"", "\x0B", "\r\n\r\n",
    };
    // Windows-1250 letters and blanks, or UTF-8 ones.
    const QList<QByteArray> cp1250Pieces = {"\xA0", "\xB3", "\xA0\xA0"};
    const QList<QByteArray> utf8Pieces = {"\xC5\xBC", "\xC2\xA0", "\xE2\x80\x83", "\xE3\x80\x80", "\xC2\x85"};
    QRandomGenerator random(29);
    for (int round = 0; round < 20000; ++round) {
        const bool utf8 = round % 3 == 0;
        QByteArray raw;
        const int length = 1 + int(random.bounded(30));
        for (int i = 0; i < length; ++i) {
            const QList<QByteArray>& letters = utf8 ? utf8Pieces : cp1250Pieces;
            if (random.bounded(4) == 0)
                raw += letters[random.bounded(int(letters.size()))];
            else
                raw += pieces[random.bounded(int(pieces.size()))];
        }
        if (utf8 && random.bounded(2))
            raw.prepend("\xEF\xBB\xBF");
        const int size = 1 + int(random.bounded(4));
        SCOPED_TRACE(QByteArray(raw.toHex(' ') + " size " + QByteArray::number(size)).toStdString());
        expectRoundTrip(raw, size, int(random.bounded(4)) - 1);
        if (HasFatalFailure())
            return;
    }
}
