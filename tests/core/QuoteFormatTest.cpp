#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include "FullDisk.h"
#include "TempFolder.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <gtest/gtest.h>

static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

using remitto::QuoteReader;
using remitto::QuoteWriter;
using remitto::test::TempFolder;

namespace {

// One value to write: a text, a bare number, or a value never set.
struct Value {
    enum Kind { Text, Number, Unset } kind;
    QString written;
    QString read;  ///< what a reader must give back
};

Value text(const QString& v, const QString& read)
{
    return {Value::Text, v, read};
}
Value text(const QString& v)
{
    return text(v, v);
}
Value number(const QString& v)
{
    return {Value::Number, v, v};
}
Value unset()
{
    return {Value::Unset, {}, {}};
}

void put(QuoteWriter& w, const Value& v)
{
    switch (v.kind) {
    case Value::Text:
        w.text(v.written);
        break;
    case Value::Number:
        w.number(v.written);
        break;
    case Value::Unset:
        w.empty();
        break;
    }
}

// Two records of the same values, written one record per line and one value
// per line, the two ways the program writes its files.
QString recordPerLine(const QList<Value>& record)
{
    QuoteWriter w;
    for (int i = 0; i < 2; ++i) {
        for (const Value& v : record)
            put(w, v);
        w.endLine();
    }
    return w.result();
}

QString valuePerLine(const QList<Value>& record)
{
    QuoteWriter w;
    for (int i = 0; i < 2; ++i)
        for (const Value& v : record) {
            put(w, v);
            w.endLine();
        }
    return w.result();
}

QStringList expected(const QList<Value>& record)
{
    QStringList out;
    for (int i = 0; i < 2; ++i)
        for (const Value& v : record)
            out.append(v.read);
    return out;
}

QStringList readAll(const QString& text)
{
    QuoteReader r(text);
    return r.readAll();
}

} // namespace

// Every kind of value comes back from disk as it went in, whichever layout
// the record had; the reader counts values, never lines.
TEST(QuoteFormat, ValuesSurviveAWriteAndARead)
{
    struct Case {
        const char* name;
        QList<Value> record;
    };
    const QList<Case> cases = {
        {"plain", {text(QStringLiteral("Kowalski")), number(QStringLiteral("12")), text(QStringLiteral("PLN"))}},
        {"commas inside texts",
         {text(QStringLiteral("Nowak, Wójcik i Wspólnicy")), text(QStringLiteral("3, 5")), number(QStringLiteral("7"))}},
        {"Polish letters",
         {text(QStringLiteral("Zażółć gęślą jaźń")), text(QStringLiteral("ZAŻÓŁĆ GĘŚLĄ JAŹŃ")), text(QStringLiteral("Łódź"))}},
        {"empty texts", {text(QString()), text(QStringLiteral("b")), text(QString())}},
        {"never-set values", {unset(), text(QStringLiteral("b")), unset(), number(QStringLiteral("0")), unset()}},
        {"only never-set values", {unset(), unset()}},
        {"blanks kept inside quotes", {text(QStringLiteral("  padded  ")), text(QStringLiteral("01  1234,5620260301  "))}},
        {"double quote becomes two apostrophes",
         {text(QStringLiteral("Hurtownia \"Bławatek\""), QStringLiteral("Hurtownia ''Bławatek''")), number(QStringLiteral("1"))}},
        {"line break inside a text becomes a blank",
         {text(QStringLiteral("two\r\nlines"), QStringLiteral("two  lines")), text(QStringLiteral("x\ny"), QStringLiteral("x y"))}},
        {"amount with a decimal comma as a bare number", {number(QStringLiteral("12,50")), text(QStringLiteral("x"))}},
    };
    TempFolder dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const QString& layout : {recordPerLine(c.record), valuePerLine(c.record)}) {
            const QString path = dir.file(QStringLiteral("plik.dta"));
            QString error;
            ASSERT_TRUE(remitto::rewriteTextFile(path, layout, &error)) << error.toStdString();
            const remitto::QuoteFile f = remitto::readQuoteFile(path);
            EXPECT_TRUE(f.ok) << f.error.toStdString();
            EXPECT_EQ(f.values, expected(c.record)) << layout.toStdString();
        }
    }
}

TEST(QuoteFormat, WriterUsesQuotesForTextsBareNumbersAndCrLf)
{
    QuoteWriter w;
    w.text(QStringLiteral("a")).number(12).empty().text(QString()).endLine();
    w.number(QStringLiteral(" 7 ")).endLine();
    EXPECT_EQ(w.result(), QStringLiteral("\"a\",12,,\"\"\r\n7\r\n"));
}

// Files copied from other systems end lines in LF or CR alone, or end
// without a line end at all.
TEST(QuoteFormat, ReaderAcceptsEveryLineEnd)
{
    const QStringList want = {QStringLiteral("a"), QStringLiteral("1"), QStringLiteral("b"), QStringLiteral("2")};
    for (const char* raw : {"\"a\",1\r\n\"b\",2\r\n", "\"a\",1\n\"b\",2\n", "\"a\",1\r\"b\",2\r",
                            "\"a\",1\n\"b\",2", "\"a\",1\r\n\"b\",2\n", "\"a\"\r\n1\n\"b\"\r2",
                            "\"a\" , 1\r\n \"b\",  2 \r\n", "\"a\",1\r\n\"b\",2\r\n\x1a"}) {
        SCOPED_TRACE(raw);
        EXPECT_EQ(readAll(QString::fromLatin1(raw)), want);
    }
}

TEST(QuoteFormat, EmptyLineIsANeverSetValue)
{
    EXPECT_EQ(readAll(QStringLiteral("\"a\"\r\n\r\n\"c\"\r\n")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("c")}));
    EXPECT_EQ(readAll(QStringLiteral("1\n\n")), (QStringList{QStringLiteral("1"), QString()}));
    EXPECT_EQ(readAll(QStringLiteral("\"a\",\r\n")), (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_TRUE(readAll(QString()).isEmpty());
}

// A file cut off inside a quoted value is reported, never read as whole.
TEST(QuoteFormat, TruncatedFileGivesAnErrorNotACrash)
{
    TempFolder dir;
    for (const char* raw : {"\"a\",\"b", "\"", "\"a\",1\r\n\"Kowal"}) {
        SCOPED_TRACE(raw);
        dir.writeBytes(QStringLiteral("plik.dta"), QByteArray(raw));
        const remitto::QuoteFile f = remitto::readQuoteFile(dir.file(QStringLiteral("plik.dta")));
        EXPECT_FALSE(f.ok);
        EXPECT_FALSE(f.missing);
        EXPECT_TRUE(f.error.contains(dir.file(QStringLiteral("plik.dta")))) << f.error.toStdString();
    }
}

TEST(QuoteFormat, MissingFileIsReportedAsMissing)
{
    TempFolder dir;
    const remitto::QuoteFile f = remitto::readQuoteFile(dir.file(QStringLiteral("brak.dta")));
    EXPECT_FALSE(f.ok);
    EXPECT_TRUE(f.missing);
    EXPECT_FALSE(f.error.isEmpty());
}

TEST(QuoteFormat, SplitRecordsKeepsWholeRecordsOnly)
{
    const QStringList values = {QStringLiteral("1"), QStringLiteral("a"), QStringLiteral("2"),
                                QStringLiteral("b"), QStringLiteral("3")};
    QList<QStringList> records;
    EXPECT_FALSE(remitto::splitRecords(values, 2, &records));
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[1], (QStringList{QStringLiteral("2"), QStringLiteral("b")}));
    EXPECT_TRUE(remitto::splitRecords(values.mid(0, 4), 2, &records));
    EXPECT_EQ(records.size(), 2);
    // A record size of nothing is a caller's mistake, not a crash.
    EXPECT_FALSE(remitto::splitRecords(values, 0, &records));
    EXPECT_TRUE(records.isEmpty());
}

// The bytes on disk are Windows-1250, whatever the text holds.
TEST(TextFile, WritesWindows1250Bytes)
{
    TempFolder dir;
    const QString path = dir.file(QStringLiteral("plik.dta"));
    ASSERT_TRUE(remitto::rewriteTextFile(path, QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ €\r\n")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("plik.dta")),
              QByteArray("\xB9\xE6\xEA\xB3\xF1\xF3\x9C\x9F\xBF \xA5\xC6\xCA\xA3\xD1\xD3\x8C\x8F\xAF \x80\r\n"));
    const remitto::FileText back = remitto::readTextFile(path);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.text, QStringLiteral("ąćęłńóśźż ĄĆĘŁŃÓŚŹŻ €\r\n"));
}

TEST(TextFile, CodePageMatchesTheSystemTableAndNeverFailsOnAByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString decoded = remitto::fromCp1250(all);
    ASSERT_EQ(decoded.size(), 256);
    // Every byte comes back as itself, the undefined ones included.
    EXPECT_EQ(remitto::toCp1250(decoded), all);

    QStringDecoder icu("windows-1250");
    ASSERT_TRUE(icu.isValid());
    for (int b = 0x80; b < 256; ++b) {
        if (b == 0x81 || b == 0x83 || b == 0x88 || b == 0x90 || b == 0x98)
            continue;  // undefined in the code page
        const QString expectedChar = icu.decode(QByteArray(1, static_cast<char>(b)));
        EXPECT_EQ(decoded.mid(b, 1), expectedChar) << "byte " << b;
    }
}

TEST(TextFile, UnencodableCharacterBecomesQuestionMark)
{
    struct Case {
        QString text;
        QByteArray bytes;
    };
    const QList<Case> cases = {
        {QStringLiteral("Жук"), QByteArray("???")},
        {QStringLiteral("a😀b"), QByteArray("a?b")},  // one character outside the plane, one "?"
        {QString(QChar(0xD800)) + QLatin1Char('x'), QByteArray("?x")},  // a lone surrogate
        {QStringLiteral("ß→ü"), QByteArray("\xDF?\xFC")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(remitto::toCp1250(c.text), c.bytes) << c.text.toStdString();
}

TEST(TextFile, ReadingAFolderIsAnErrorNotEmptyText)
{
    TempFolder dir;
    QDir(dir.path()).mkdir(QStringLiteral("kontrah.dta"));
    const remitto::FileText f = remitto::readTextFile(dir.file(QStringLiteral("kontrah.dta")));
    EXPECT_FALSE(f.ok);
    EXPECT_FALSE(f.error.isEmpty());
}

TEST(TextFile, RewriteReplacesTheFileAndLeavesNoWorkFile)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("kontrah.dta"), QByteArray("old content\r\n"));
    QString error;
    ASSERT_TRUE(remitto::rewriteTextFile(dir.file(QStringLiteral("kontrah.dta")), QStringLiteral("nowy\r\n"), &error));
    EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), QByteArray("nowy\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kontrah.dta")});
}

// A rewrite that fails leaves the old file byte for byte and says why.
TEST(TextFile, FailedRewriteKeepsTheOldFile)
{
    const QByteArray old("\"Kowalski\",\"Jan\"\r\n\"Nowak\",\"Ewa\"\r\n");

    // Content that stays in the write buffer until the end, and content
    // written straight through.
    for (const int size : {8000, 200000}) {
        SCOPED_TRACE(size);
        TempFolder dir;
        dir.writeBytes(QStringLiteral("kontrah.dta"), old);
        QString error;
        bool written = true;
        {
            remitto::test::FullDisk full(4096);
            written = remitto::rewriteTextFile(dir.file(QStringLiteral("kontrah.dta")),
                                               QString(size, QLatin1Char('x')), &error);
        }
        EXPECT_FALSE(written);
        EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta")), old);
        EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można zapisać pliku ") + dir.file(QStringLiteral("kontrah.dta"))))
            << error.toStdString();
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kontrah.dta")});
    }
    {
        SCOPED_TRACE("the path names a folder");
        TempFolder dir;
        QDir(dir.path()).mkdir(QStringLiteral("kontrah.dta"));
        dir.writeBytes(QStringLiteral("kontrah.dta/inside.dta"), old);
        QString error;
        EXPECT_FALSE(remitto::rewriteTextFile(dir.file(QStringLiteral("kontrah.dta")), QStringLiteral("x"), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(dir.readBytes(QStringLiteral("kontrah.dta/inside.dta")), old);
    }
    {
        SCOPED_TRACE("the folder is a file");
        TempFolder dir;
        dir.writeBytes(QStringLiteral("Paczki"), old);
        QString error;
        EXPECT_FALSE(remitto::rewriteTextFile(dir.file(QStringLiteral("Paczki/Paczka202601_01.dta")),
                                              QStringLiteral("x"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("Paczka202601_01.dta"))) << error.toStdString();
        EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki")), old);
    }
}

TEST(TextFile, AppendCreatesAndExtends)
{
    TempFolder dir;
    const QString path = dir.file(QStringLiteral("ZURAWIK.dat"));
    ASSERT_TRUE(remitto::appendTextFile(path, QStringLiteral("\"ą\"\r\n")));
    ASSERT_TRUE(remitto::appendTextFile(path, QStringLiteral("\"ż\"\r\n")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("ZURAWIK.dat")), QByteArray("\"\xB9\"\r\n\"\xBF\"\r\n"));
    QString error;
    EXPECT_FALSE(remitto::appendTextFile(dir.file(QStringLiteral("brak/ZURAWIK.dat")), QStringLiteral("x"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// An append that fails half way takes back what it wrote, so the file keeps
// whole records only.
TEST(TextFile, FailedAppendLeavesTheFileAsItWas)
{
    const QByteArray old("\"Kowalski\",\"Jan\"\r\n");
    for (const int size : {8000, 200000}) {
        SCOPED_TRACE(size);
        TempFolder dir;
        dir.writeBytes(QStringLiteral("ZURAWIK.dat"), old);
        QString error;
        bool written = true;
        {
            remitto::test::FullDisk full(4096);
            written = remitto::appendTextFile(dir.file(QStringLiteral("ZURAWIK.dat")), QString(size, QLatin1Char('x')),
                                              &error);
        }
        EXPECT_FALSE(written);
        EXPECT_FALSE(error.isEmpty());
        EXPECT_EQ(dir.readBytes(QStringLiteral("ZURAWIK.dat")), old);
    }
}
