// Which encoding a data file is read in: one decision for every reader.
#include "TempFolder.h"

#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QStringList>
#include <gtest/gtest.h>

using remitto::Encoding;
using remitto::test::TempFolder;

namespace {

const QString kPolski = QStringLiteral("Zażółć gęślą jaźń ŻÓŁW Łódź hasłożółć €");

TEST(Encoding, PolishTextReadsRightFromEitherEncoding)
{
    const struct {
        const char* name;
        QByteArray bytes;
        Encoding encoding;
    } cases[] = {
        {"Windows-1250", remitto::toCp1250(kPolski), Encoding::Cp1250},
        {"UTF-8", kPolski.toUtf8(), Encoding::Utf8},
        {"UTF-8 with a byte-order mark", QByteArray("\xEF\xBB\xBF") + kPolski.toUtf8(), Encoding::Utf8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Encoding used{};
        EXPECT_EQ(remitto::decodeText(c.bytes, &used), kPolski);
        EXPECT_EQ(used, c.encoding);
    }
    // Single Polish letters of the code page never pass for UTF-8.
    for (const QString& word : {QStringLiteral("ą"), QStringLiteral("Łódź"), QStringLiteral("ŚĆ"),
                                QStringLiteral("Źdźbło"), QStringLiteral("Żółw ćma")})
        EXPECT_EQ(remitto::detectEncoding(remitto::toCp1250(word)), Encoding::Cp1250) << word.toStdString();
}

TEST(Encoding, OnlyValidUtf8WithAMultiByteSequenceIsUtf8)
{
    const struct {
        QByteArray bytes;
        Encoding encoding;
    } cases[] = {
        {QByteArray(), Encoding::Cp1250},
        {QByteArray("\"ASCII\",12\r\n"), Encoding::Cp1250},
        {QByteArray("\xEF\xBB\xBF"), Encoding::Utf8},             // a mark alone
        {QByteArray("\xEF\xBB\xBF\xB9"), Encoding::Utf8},         // the mark decides
        {QByteArray("\xC4\x85"), Encoding::Utf8},                 // ą
        {QByteArray("\xF0\x9F\x98\x80"), Encoding::Utf8},         // four bytes
        {QByteArray("\xC4"), Encoding::Cp1250},                   // cut sequence
        {QByteArray("\xC4\x85\xC4"), Encoding::Cp1250},           // cut at the end
        {QByteArray("\xC0\x80"), Encoding::Cp1250},               // overlong
        {QByteArray("\xE0\x80\xAF"), Encoding::Cp1250},           // overlong
        {QByteArray("\xED\xA0\x80"), Encoding::Cp1250},           // surrogate
        {QByteArray("\xF4\x90\x80\x80"), Encoding::Cp1250},       // past U+10FFFF
        {QByteArray("\x85\x85"), Encoding::Cp1250},               // continuation bytes alone
        {QByteArray("\xC4\x85 \xB9"), Encoding::Cp1250},          // mixed
        {QByteArray("a\xE2\x82\xAC\xC4\x85\xF0\x9F\x98\x80z"), Encoding::Utf8},  // sequences of every length
        {QByteArray("\xE2\x82\xC4\x85"), Encoding::Cp1250},       // cut inside, then whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        EXPECT_EQ(remitto::detectEncoding(c.bytes), c.encoding);
        // The same decision for the bytes read in pieces: cut anywhere in
        // two, and byte by byte.
        for (qsizetype cut = 0; cut <= c.bytes.size(); ++cut) {
            remitto::EncodingDetector pieces;
            pieces.add(c.bytes.constData(), cut);
            pieces.add(c.bytes.constData() + cut, c.bytes.size() - cut);
            EXPECT_EQ(pieces.result(), c.encoding) << "cut at " << cut;
        }
        remitto::EncodingDetector bytes;
        for (char b : c.bytes)
            bytes.add(&b, 1);
        EXPECT_EQ(bytes.result(), c.encoding);
    }
}

TEST(Encoding, QuoteFileSavedAsUtf8ReadsItsValues)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("kontrah.dta"),
                   QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"Wiśniewski\",\"Śląsk\"\r\n\"ŻÓŁW\",12\r\n").toUtf8());
    const remitto::QuoteFile f = remitto::readQuoteFile(dir.file(QStringLiteral("kontrah.dta")));
    ASSERT_TRUE(f.ok);
    EXPECT_EQ(f.values, (QStringList{QStringLiteral("Wiśniewski"), QStringLiteral("Śląsk"), QStringLiteral("ŻÓŁW"),
                                     QStringLiteral("12")}));
}

} // namespace
