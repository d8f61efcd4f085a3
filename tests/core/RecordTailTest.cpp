// How a record file may end, decided alike by every reader: the program's
// value reader, the sent-transfers file's offset reader and the check before
// an append.
#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "history/PlikHistorii.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using remitto::test::TempFolder;

TEST(RecordTail, OneEmptyLastLineIsNoValueOfARecord)
{
    const struct {
        const char* raw;  // records of three values
        int records;
        bool whole;
    } cases[] = {
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n", 1, true},
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n\r\n", 1, true},          // an editor's empty last line
        {"\"1\"\n\"a\"\n\"b\"\n\n", 1, true},                  // the same with LF ends
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n\r\n\x1a", 1, true},      // and an end-of-file mark after it
        {"\r\n", 0, true},                                     // an empty file with one empty line
        {"\"1\"\r\n\"a\"\r\n\r\n", 1, true},                   // a never-set last value is a value
        {"\"1\"\r\n\"a\"\r\n\r\n\r\n", 1, true},               // ... and an empty line after it is not
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n\r\n\r\n", 1, false},     // two empty lines
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n\"2\"\r\n", 1, false},    // one value more than whole records
        {"\"1\"\r\n\"a\"\r\n\"b\"\r\n\"\"\r\n", 1, false},     // an empty quoted value is a value
        {"\"1\",\"a\",\"b\",\r\n", 1, false},                  // so is an empty value after a comma
    };
    TempFolder dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.raw);
        dir.writeBytes(u"plik.dta"_s, QByteArray(c.raw));
        const remitto::QuoteFile f = remitto::readQuoteFile(dir.file(u"plik.dta"_s));
        ASSERT_TRUE(f.ok);
        QList<QStringList> records;
        EXPECT_EQ(remitto::splitRecords(f, 3, &records), c.whole);
        EXPECT_EQ(records.size(), c.records);
    }
}

// Each reader is asked how many whole records a file holds and whether
// anything follows them. A file cut right after a comma once read as whole
// to the history (which then wrote the damage back as a record) and as torn
// to the append check; a last line of no-break spaces the other way round.
TEST(RecordTail, EveryReaderFindsTheSameWholeRecords)
{
    const struct {
        const char* name;
        QByteArray raw;
        int size;
        int records;
        bool whole;
    } cases[] = {
        {"whole records", "\"1\",\"a\",\"b\"\r\n\"2\",\"c\",\"d\"\r\n", 3, 2, true},
        {"cut right after a comma", "\"1\",\"a\",\"b\"\r\n\"2\",\"c\",", 3, 1, false},
        {"cut after the comma of the first record", "\"1\",\"a\",", 3, 0, false},
        {"blanks after the last comma", "\"1\",\"a\",  \t", 3, 0, false},
        {"a no-break space after the last comma", "\"1\",\"a\",\xA0", 3, 0, false},
        {"a comma after a record of one value", "\"a\",", 1, 1, false},
        {"cut inside the quotes of a record's last value", "\"1\",\"a\",\"b", 3, 0, false},
        {"empty quoted last value, no line end", "\"1\",\"a\",\"\"", 3, 1, true},
        {"bare last value, no line end", "\"1\",\"a\",b", 3, 1, true},
        {"never-set last value closed by a line end", "\"1\",\"a\",\r\n", 3, 1, true},
        {"a last line of no-break spaces", "\"1\",\"a\",\"b\"\r\n\xA0\xA0", 3, 1, true},
        {"two lines of no-break spaces", "\"1\",\"a\",\"b\"\r\n\xA0\r\n\xA0", 3, 1, false},
        {"UTF-8, a last line of no-break spaces", "\"1\",\"\xC5\xBC\",\"b\"\r\n\xC2\xA0", 3, 1, true},
        {"UTF-8, a last line of an ideographic space", "\"\xC5\xBC\",1,2\r\n\xE3\x80\x80", 3, 1, true},
        {"UTF-8, an em space after the last comma", "\"\xC5\xBC\",1,\xE2\x80\x83", 3, 0, false},
        {"blanks around bare values", "\xA0 1\xA0,\t2 ,\x0B\x0C" "3\r\n", 3, 1, true},
        {"one value more", "\"1\",\"a\",\"b\"\r\n\"2\"\r\n", 3, 1, false},
    };
    TempFolder dir;
    const QString path = dir.file(u"plik.dta"_s);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.writeBytes(u"plik.dta"_s, c.raw);

        const remitto::UkladHistorii uklad{c.size, 0, 0, 0, 0, 0};
        const remitto::PlikHistorii historia = remitto::PlikHistorii::zBajtow(c.raw, uklad, path);
        EXPECT_EQ(historia.liczbaRekordow(), c.records);
        EXPECT_EQ(historia.maOgon(), !c.whole);

        const remitto::QuoteFile file = remitto::readQuoteFile(path);
        QList<QStringList> records;
        EXPECT_EQ(remitto::splitRecords(file, c.size, &records), c.whole);
        EXPECT_EQ(records.size(), c.records);
        for (int r = 0; r < qMin(int(records.size()), historia.liczbaRekordow()); ++r)
            EXPECT_EQ(historia.wartosci(r), records[r]) << r;

        const remitto::RecordTail tail = remitto::checkRecordTail(path, c.size);
        EXPECT_EQ(tail.state, c.whole ? remitto::RecordTail::State::Whole : remitto::RecordTail::State::Torn);
        EXPECT_EQ(tail.records, c.records);
        EXPECT_EQ(remitto::recordTailOfText(remitto::decodeText(c.raw), c.size).records, c.records);
    }
}
