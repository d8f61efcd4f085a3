// The quote-delimited reader on any bytes: values, records and cut files.
//
// Any input is decoded as a data file is and read value by value; the values
// written back by QuoteWriter must read back the same. The same values are
// then written as records and the file is cut at a position taken from the
// input: the torn-tail check must count exactly the records that lie whole
// before the cut, so that no cut record is ever taken for a whole one.
#include "FuzzCheck.h"
#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"

#include <QList>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace remitto;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int recordSize = data[0] % 5 + 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 2, qsizetype(size) - 2);
    const QString text = decodeText(bytes);

    QuoteReader reader(text);
    const QStringList values = reader.readAll();
    check(reader.atEnd());
    QList<QStringList> records;
    const bool whole = splitRecords(values, recordSize, &records);
    check(records.size() == values.size() / recordSize);
    check(whole == (values.size() % recordSize == 0));

    // Whatever was read is written as quoted values and reads back the same
    // (line ends inside a value become blanks, a quote two apostrophes).
    QuoteWriter writer;
    QList<qsizetype> recordEnds;  // where each record's last value is complete
    for (qsizetype i = 0; i < values.size(); ++i) {
        writer.text(values[i]);
        if ((i + 1) % recordSize == 0) {
            recordEnds.append(writer.result().size());
            writer.endLine();
        }
    }
    if (values.size() % recordSize != 0)
        writer.endLine();
    QStringList expected = values;
    for (QString& v : expected) {
        v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        v.replace(QLatin1Char('"'), QLatin1String("''"));
    }
    QuoteReader back(writer.result());
    check(back.readAll() == expected);
    check(!back.truncated());

    // A cut anywhere in whole records.
    const QString file = writer.result().left(recordEnds.isEmpty() ? 0 : recordEnds.last() + 2);
    if (file.isEmpty())
        return 0;
    const qsizetype cut = qsizetype(data[1]) * file.size() / 255;
    const QString cutFile = file.left(cut);
    qsizetype wholeBefore = 0;
    while (wholeBefore < recordEnds.size() && recordEnds[wholeBefore] <= cut)
        ++wholeBefore;
    qsizetype wholeEnd = 0;
    const RecordTail tail = recordTailOfText(cutFile, recordSize, QString(), &wholeEnd);
    check(tail.records == wholeBefore);
    const qsizetype lastEnd = wholeBefore ? recordEnds[wholeBefore - 1] : 0;
    const QString rest = cutFile.mid(lastEnd);
    const bool torn = !(rest.isEmpty() || rest == QLatin1String("\r") || rest == QLatin1String("\r\n"));
    check((tail.state == RecordTail::State::Torn) == torn);
    // What a cut back keeps is whole records only.
    QuoteReader kept(cutFile.left(wholeEnd));
    check(kept.readAll().size() == wholeBefore * recordSize);
    check(!kept.truncated());
    return 0;
}
