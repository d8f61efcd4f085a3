#pragma once

// The round trip of the sent-transfers file's records, shared by its test and
// its fuzz target (core only, no test framework): the offset reader finds
// the records the value reader and the check before an append find, and
// every record it reads as whole, written back as deleting a record and
// archiving a year write it, reads back as the same values, alone and among
// the other records written back with one left out.

#include "core/Append.h"
#include "core/QuoteFormat.h"
#include "core/TextFile.h"
#include "history/PlikHistorii.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitto::test {

/// The values as they read once written in Windows-1250: a character the code
/// page cannot hold is a "?", a blank it cannot hold a no-break space.
inline QStringList asWritten(QStringList values)
{
    for (QString& v : values)
        v = fromCp1250(toCp1250KeepingBlanks(v));
    return values;
}

/// The first way `bytes`, read as records of `recordSize` values, break the
/// round trip (record `leftOut` left out of the file written back; -1 none),
/// or an empty text when they keep it.
inline QString writeBackFault(const QByteArray& bytes, int recordSize, int leftOut)
{
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
    if (splitRecords(file, recordSize, &records) == p.maOgon())
        return QStringLiteral("the value reader and the offset reader disagree about the tail");
    if (records.size() != n)
        return QStringLiteral("the value reader finds %1 records, the offset reader %2").arg(records.size()).arg(n);
    for (int r = 0; r < n; ++r)
        if (p.wartosci(r) != records[r])
            return QStringLiteral("record %1 reads differently in the two readers").arg(r);
    const RecordTail tail = recordTailOfText(text, recordSize);
    if (tail.records != n || (tail.state == RecordTail::State::Torn) != p.maOgon())
        return QStringLiteral("the check before an append disagrees about the records or the tail");

    // Written back, record by record.
    QByteArray all;
    QList<QStringList> expected;
    for (int r = 0; r < n; ++r) {
        const QByteArray back = p.rekordDoZapisu(r);
        const QString where = QStringLiteral("record %1 written back as %2: ").arg(r).arg(QString::fromLatin1(back.toHex(' ')));
        if (!back.endsWith('\n'))
            return where + QStringLiteral("no line end");
        if (r != leftOut) {
            all += back;
            expected.append(asWritten(p.wartosci(r)));
        }
        // Windows-1250 bytes that happen to form UTF-8 would be read as
        // UTF-8: a question of the encoding, not of the record's bytes.
        if (detectEncoding(back) != Encoding::Cp1250)
            continue;
        const PlikHistorii alone = PlikHistorii::zBajtow(back, uklad);
        if (alone.stan() != PlikHistorii::Stan::Ok || alone.liczbaRekordow() != 1)
            return where + QStringLiteral("not one whole record");
        if (alone.wartosci(0) != asWritten(p.wartosci(r)))
            return where + QStringLiteral("other values");
    }
    if (detectEncoding(all) != Encoding::Cp1250)
        return {};
    const PlikHistorii again = PlikHistorii::zBajtow(all, uklad);
    if (again.stan() != PlikHistorii::Stan::Ok)
        return QStringLiteral("the records written back do not read as whole");
    if (again.liczbaRekordow() != expected.size())
        return QStringLiteral("the records written back read as %1 records, not %2")
            .arg(again.liczbaRekordow())
            .arg(expected.size());
    for (int r = 0; r < again.liczbaRekordow(); ++r)
        if (again.wartosci(r) != expected[r])
            return QStringLiteral("record %1 of those written back reads as other values").arg(r);
    return {};
}

} // namespace remitto::test
