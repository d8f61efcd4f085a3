// The sent-transfers file's offset reader on any bytes: it finds the same
// records as the program's value reader and the check before an append, and
// every record it reads as whole, written back as deleting a record and
// archiving a year write it, reads back as the same values (alone, and among
// the other records written back with one left out).
//
// The first byte gives the record size (low two bits, 1 to 4) and the record
// left out (the rest); the file is what follows.
#include "FuzzCheck.h"
#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "history/PlikHistorii.h"

#include <QList>
#include <QStringList>

#include <cstdint>

using namespace remitto;

namespace {

// The values as they read once written in Windows-1250: a character the code
// page cannot hold is a "?", a blank it cannot hold a no-break space.
QStringList asWritten(QStringList values)
{
    for (QString& v : values) {
        for (QChar& c : v)
            if (c.unicode() >= 0x80 && c.isSpace())
                c = QChar(0xA0);
        v = fromCp1250(toCp1250(v));
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int recordSize = data[0] % 4 + 1;
    const int leftOut = data[0] / 4 - 1;
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, qsizetype(size) - 1);
    const UkladHistorii uklad{recordSize, 0, 0, 0, 0, 0};
    const PlikHistorii p = PlikHistorii::zBajtow(bytes, uklad);
    const int n = p.liczbaRekordow();

    // One rule for every reader.
    const QString text = decodeText(bytes);
    QuoteReader reader(text);
    QuoteFile file;
    file.values = reader.readAll();
    file.truncated = reader.truncated();
    file.endsWithEmptyLine = reader.lastWasEmptyLine();
    QList<QStringList> records;
    const bool whole = splitRecords(file, recordSize, &records);
    check(whole == !p.maOgon());
    check(records.size() == n);
    for (int r = 0; r < n; ++r)
        check(p.wartosci(r) == records[r]);
    const RecordTail tail = recordTailOfText(text, recordSize);
    check(tail.records == n);
    check((tail.state == RecordTail::State::Torn) == p.maOgon());

    // Written back, record by record.
    QByteArray all;
    QList<QStringList> expected;
    for (int r = 0; r < n; ++r) {
        const QByteArray back = p.rekordDoZapisu(r);
        check(back.endsWith('\n'));
        if (r != leftOut) {
            all += back;
            expected.append(asWritten(p.wartosci(r)));
        }
        // Windows-1250 bytes that happen to form UTF-8 would be read as
        // UTF-8: a question of the encoding, not of the record's bytes.
        if (detectEncoding(back) != Encoding::Cp1250)
            continue;
        const PlikHistorii alone = PlikHistorii::zBajtow(back, uklad);
        check(alone.stan() == PlikHistorii::Stan::Ok);
        check(alone.liczbaRekordow() == 1);
        check(alone.wartosci(0) == asWritten(p.wartosci(r)));
    }
    if (detectEncoding(all) == Encoding::Cp1250) {
        const PlikHistorii again = PlikHistorii::zBajtow(all, uklad);
        check(again.stan() == PlikHistorii::Stan::Ok);
        check(again.liczbaRekordow() == expected.size());
        for (int r = 0; r < again.liczbaRekordow(); ++r)
            check(again.wartosci(r) == expected[r]);
    }
    return 0;
}
