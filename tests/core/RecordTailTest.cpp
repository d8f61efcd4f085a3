// How a record file may end: one empty line after the last record (left by a
// text editor) is no damage; any other value beyond the records is.
#include "core/QuoteFormat.h"

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
