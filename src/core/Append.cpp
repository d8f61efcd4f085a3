#include "core/Append.h"

#include "core/AppendJournal.h"
#include "core/DuzaPamiec.h"
#include "core/QuoteScanner.h"
#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remitto {

namespace {

// How the end of a file of records was found.
struct Scan {
    RecordTail tail;
    Encoding encoding = Encoding::Cp1250;
    QByteArray bytes;       ///< the whole file, when it had to be read
    qint64 size = 0;        ///< the file's length
    qint64 wholeEnd = 0;    ///< offset just past the last whole record
    char lastByte = 0;      ///< the file's last byte (0 when empty)
};

// Counts the values of `begin`..`end` into records; `wholeEnd` gets the
// offset (from `base`) just past the last whole record.
template <typename Ch>
void scanValues(const Ch* base, const Ch* begin, const Ch* end, Blanks blanks, int recordSize, RecordTail* tail,
                qint64* wholeEnd)
{
    QuoteScanner<Ch> scanner(begin, end, blanks);
    const qsizetype size = qMax(recordSize, 1);
    qsizetype values = 0;
    qsizetype inRecord = 0;
    bool cut = false;
    bool emptyLine = false;
    const Ch* whole = begin;
    while (!scanner.atEnd()) {
        const typename QuoteScanner<Ch>::Value v = scanner.next();
        ++values;
        cut = v.cut;
        emptyLine = v.emptyLine;
        if (cut)
            break;
        if (++inRecord == size) {
            inRecord = 0;
            whole = scanner.position();
        }
    }
    const RecordCount c = countRecords(values, cut, emptyLine, recordSize);
    tail->records = c.records;
    tail->tornValues = c.tornValues;
    *wholeEnd = whole - base;
}

template <typename Ch>
void finishTail(const Ch* base, const QString& path, RecordTail* tail, qint64* wholeEnd)
{
    if (tail->tornValues == 0) {
        tail->state = RecordTail::State::Whole;
        return;
    }
    tail->state = RecordTail::State::Torn;
    tail->message = QStringLiteral("Plik %1 kończy się przerwanym zapisem: po ostatnim pełnym rekordzie "
                                   "(%2) zostało wartości: %3.")
                        .arg(path)
                        .arg(tail->records)
                        .arg(tail->tornValues);
    // A comma after the last whole record would announce one more value.
    if (*wholeEnd > 0 && base[*wholeEnd - 1] == Ch(','))
        --*wholeEnd;
}

// What identifies the state of a file on disk: a write, a rename over it, a
// change of its metadata each change one of these.
struct Identity {
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = -1;
    qint64 modified = 0;  ///< nanoseconds
    qint64 changed = 0;   ///< nanoseconds

    bool operator==(const Identity&) const = default;
};

std::optional<Identity> identityOf(const struct stat& st)
{
    Identity id;
    id.device = st.st_dev;
    id.inode = st.st_ino;
    id.size = st.st_size;
    id.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    return id;
}

constexpr qint64 kTailKept = 64;

// Files this program found (or left) ending in whole records, as they were
// then: an unchanged file needs no reading before the next append. Anything
// that touches the file (another program, a rewrite, a cut back) changes its
// identity, and the file is read whole again.
struct KnownWhole {
    Identity identity;
    int recordSize = 0;
    qsizetype records = 0;
    QByteArray tail;  ///< the file's last bytes, compared as well
};

QMutex& knownMutex()
{
    static QMutex m;
    return m;
}

QHash<QString, KnownWhole>& known()
{
    static QHash<QString, KnownWhole> h;
    return h;
}

QString key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

void forget(const QString& path)
{
    QMutexLocker lock(&knownMutex());
    known().remove(key(path));
}

bool readTail(int fd, qint64 size, QByteArray* out)
{
    const qint64 n = qMin(size, kTailKept);
    out->resize(n);
    for (qint64 done = 0; done < n;) {
        const ssize_t r = ::pread(fd, out->data() + done, size_t(n - done), off_t(size - n + done));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0)
            return false;
        done += r;
    }
    return true;
}

// Remembers that `path` ends in `records` whole records of `recordSize`
// values now.
void remember(const QString& path, int recordSize, qsizetype records)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat st {};
    KnownWhole k;
    k.recordSize = recordSize;
    k.records = records;
    const bool ok = ::fstat(fd, &st) == 0 && readTail(fd, st.st_size, &k.tail);
    ::close(fd);
    if (!ok)
        return forget(path);
    k.identity = *identityOf(st);
    QMutexLocker lock(&knownMutex());
    known().insert(key(path), k);
}

// The file as remembered, when it is still exactly so: its end costs no
// reading but that of its last bytes.
bool fromKnown(const QString& path, int recordSize, Scan* s)
{
    KnownWhole k;
    {
        QMutexLocker lock(&knownMutex());
        const auto it = known().constFind(key(path));
        if (it == known().constEnd() || it->recordSize != recordSize)
            return false;
        k = *it;
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    QByteArray tail;
    const bool same = ::fstat(fd, &st) == 0 && *identityOf(st) == k.identity && readTail(fd, st.st_size, &tail)
        && tail == k.tail;
    ::close(fd);
    if (!same)
        return false;
    s->size = st.st_size;
    s->wholeEnd = s->size;
    s->lastByte = tail.isEmpty() ? 0 : tail.back();
    s->tail.state = RecordTail::State::Whole;
    s->tail.records = k.records;
    return true;
}

// Reads the file and finds its end. With `useKnown`, a file remembered as
// whole and unchanged since is not read.
Scan scanFile(const QString& path, int recordSize, bool useKnown)
{
    Scan s;
    if (!QFileInfo::exists(path)) {
        forget(path);
        return s;
    }
    if (useKnown && fromKnown(path, recordSize, &s))
        return s;
    CalyPlik f = czytajCalyPlik(path);
    if (!f.ok) {
        s.tail.state = RecordTail::State::Unreadable;
        s.tail.message = QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, f.blad);
        return s;
    }
    // The bytes live in memory that `wlasciciel` owns; the copy below keeps
    // them for the caller only when they are needed again.
    const QByteArray& b = f.bajty;
    s.size = b.size();
    s.lastByte = b.isEmpty() ? 0 : b.back();
    s.encoding = detectEncoding(b);
    const char* base = b.constData();
    const char* begin = base;
    if (s.encoding == Encoding::Utf8 && b.startsWith("\xEF\xBB\xBF"))
        begin += 3;
    scanValues(base, begin, base + b.size(), s.encoding == Encoding::Utf8 ? Blanks::Utf8 : Blanks::Cp1250,
               recordSize, &s.tail, &s.wholeEnd);
    finishTail(base, path, &s.tail, &s.wholeEnd);
    if (s.tail.state == RecordTail::State::Whole && s.encoding == Encoding::Cp1250 && s.wholeEnd == s.size) {
        remember(path, recordSize, s.tail.records);
    } else {
        forget(path);
        s.bytes = QByteArray(base, b.size());
    }
    return s;
}

// What must come before new records so that they start on a line of their
// own after a file whose last byte is `last` (0: an empty file).
QString lineEndAfter(char last)
{
    if (last == 0 || last == '\n')
        return {};
    if (last == '\r')
        return QStringLiteral("\n");
    return QStringLiteral("\r\n");
}

// Settles an append a kill left unfinished before the file is looked at.
bool settle(const QString& path, QString* message)
{
    return finishInterruptedAppend(path, message) != AppendRecovery::Failed;
}

} // namespace

RecordTail checkRecordTail(const QString& path, int recordSize)
{
    RecordTail failed;
    if (!settle(path, &failed.message)) {
        failed.state = RecordTail::State::Unreadable;
        return failed;
    }
    return scanFile(path, recordSize, true).tail;
}

RecordTail recordTailOfText(const QString& text, int recordSize, const QString& path, qsizetype* wholeEnd)
{
    RecordTail tail;
    qint64 end = 0;
    const char16_t* base = reinterpret_cast<const char16_t*>(text.utf16());
    scanValues(base, base, base + text.size(), Blanks::Text, recordSize, &tail, &end);
    finishTail(base, path, &tail, &end);
    if (wholeEnd)
        *wholeEnd = end;
    return tail;
}

AppendResult appendRecords(const QString& path, int recordSize, const QString& records, QString* message)
{
    if (linkLeavesFolder(path, message) || !settle(path, message))
        return AppendResult::Failed;
    const Scan s = scanFile(path, recordSize, true);
    switch (s.tail.state) {
    case RecordTail::State::Unreadable:
        if (message)
            *message = s.tail.message;
        return AppendResult::Failed;
    case RecordTail::State::Torn:
        if (message)
            *message = s.tail.message;
        return AppendResult::TornTail;
    case RecordTail::State::Missing:
    case RecordTail::State::Whole:
        break;
    }
    // The records added, counted as they will read at the start of a line.
    const RecordTail added = recordTailOfText(records, recordSize);
    bool ok = false;
    if (s.encoding == Encoding::Utf8 || s.wholeEnd < s.size) {
        // Blanks or end-of-file marks after the last record would run into
        // the first new value, and UTF-8 must not be mixed with the
        // program's own encoding: such a file is written anew, whole.
        const QString kept = decodeText(s.bytes.left(s.wholeEnd));
        char last = 0;
        if (!kept.isEmpty())
            last = kept.back() == u'\n' ? '\n' : kept.back() == u'\r' ? '\r' : 'x';
        const QString lineEnd = lineEndAfter(last);
        forget(path);
        ok = rewriteTextFile(path, kept + lineEnd + records, message);
    } else {
        const bool create = s.tail.state == RecordTail::State::Missing;
        ok = appendAllOrNothing(path, s.size, create, toCp1250(lineEndAfter(s.lastByte) + records), message);
    }
    if (ok && added.state == RecordTail::State::Whole)
        remember(path, recordSize, s.tail.records + added.records);
    else
        forget(path);
    return ok ? AppendResult::Appended : AppendResult::Failed;
}

bool cutTornTail(const QString& path, int recordSize, QString* error)
{
    if (linkLeavesFolder(path, error) || !settle(path, error))
        return false;
    const Scan s = scanFile(path, recordSize, false);
    if (s.tail.state == RecordTail::State::Unreadable) {
        if (error)
            *error = s.tail.message;
        return false;
    }
    if (s.tail.state != RecordTail::State::Torn)
        return true;
    forget(path);
    if (s.encoding == Encoding::Utf8)
        return rewriteTextFile(path, decodeText(s.bytes.left(s.wholeEnd)), error);
    return rewriteFile(path, s.bytes.left(s.wholeEnd), error);
}

QString cutTornTailQuestion(const RecordTail& tail)
{
    return tail.message + QStringLiteral("\nCzy obciąć plik do ostatniego pełnego rekordu ?");
}

bool appendTextFile(const QString& path, const QString& text, QString* error)
{
    // A text of its own: every value is a record, so only a value cut inside
    // its quotes counts as torn.
    return appendRecords(path, 1, text, error) == AppendResult::Appended;
}

} // namespace remitto
