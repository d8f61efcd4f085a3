#pragma once

#include <QString>

namespace remitto {

/// The end of a file of quote-delimited records, as found before appending.
struct RecordTail {
    enum class State {
        Missing,  ///< no file yet
        Whole,    ///< whole records only
        Torn,     ///< a write was cut short: values after the last whole record
        Unreadable,
    };
    State state = State::Missing;
    qsizetype records = 0;     ///< whole records in the file
    qsizetype tornValues = 0;  ///< values after them, a value cut inside its quotes included
    QString message;           ///< Polish, naming the file, when Torn or Unreadable
};

/// Looks at the end of a file of records of `recordSize` values, by the rule
/// every reader follows (core/QuoteScanner.h): values after the last whole
/// record, or a last value cut inside its quotes or right after its comma,
/// are a torn tail (a file another program or an older version cut short).
/// An append of this program that a kill interrupted is settled first
/// (finishInterruptedAppend()). A file this program left whole and that is
/// unchanged since is not read again; any other is read in pieces and
/// counted without decoding.
RecordTail checkRecordTail(const QString& path, int recordSize);

/// checkRecordTail() of text already read; `path` only names the file in the
/// message. `wholeEnd` gets the offset just past the last whole record.
RecordTail recordTailOfText(const QString& text, int recordSize, const QString& path = {},
                            qsizetype* wholeEnd = nullptr);

enum class AppendResult { Appended, TornTail, Failed };

/// Appends `records` (whole quote-delimited records, each ending in a line
/// end) to a file of records of `recordSize` values, creating it when
/// missing. All or nothing for any size: the append goes through a journal
/// (appendAllOrNothing() of core/AppendJournal.h), so a kill at any moment
/// leaves the old records, or the old ones and every new one once the
/// interrupted append is settled.
///
/// Before writing, the file's end is checked: with a torn tail nothing is
/// written, TornTail is returned and `message` names the file; the caller
/// asks the user and only on a yes calls cutTornTail() and appends again.
/// A last line without a line end gets one first. A file another tool saved
/// as UTF-8 is written back whole in Windows-1250 with the records added,
/// so the file never mixes two encodings. A failed write takes back what it
/// wrote. A link leaving the file's folder is refused (linkLeavesFolder()).
AppendResult appendRecords(const QString& path, int recordSize, const QString& records, QString* message = nullptr);

/// Cuts a torn tail back to the end of the last whole record, through the
/// atomic rewrite. Call only after the user confirmed; a file without a torn
/// tail is left as it is.
bool cutTornTail(const QString& path, int recordSize, QString* error = nullptr);

/// The data files whose damaged end the user may allow to be repaired. Each
/// kind asks its own question, since each repair does something else: the
/// sent-transfers history leaves the torn record out, a package is cut back
/// before the new transfer is added, the contractors and the own companies
/// are written anew from the records that could be read.
enum class DamagedFile { SentTransfers, Package, Contractors, OwnCompanies };

/// The question asked before a damaged file is repaired (cutTornTail() and
/// its kin): `message` naming the file and the fault, then what the repair
/// does to that kind of file; `title` is the box's title.
struct RepairQuestion {
    QString text;
    QString title;
};
RepairQuestion cutTornTailQuestion(DamagedFile kind, const QString& message);

} // namespace remitto
