#include "core/Append.h"

#include "core/AppendJournal.h"
#include "core/QuoteScanner.h"
#include "core/RawFileIo.h"
#include "core/TextFile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>

#include <cerrno>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace remitto {

namespace {

// How the end of a file of records was found.
struct Scan {
    RecordTail tail;
    Encoding encoding = Encoding::Cp1250;
    qint64 size = 0;        ///< the file's length
    qint64 wholeEnd = 0;    ///< offset just past the last whole record
    char lastByte = 0;      ///< the file's last byte (0 when empty)
};

// Values counted into records, over a whole text or over a file read piece
// by piece.
struct Counter {
    explicit Counter(int recordSize) : size(qMax(recordSize, 1)) {}

    qsizetype size;
    qsizetype values = 0;
    qsizetype inRecord = 0;
    bool cut = false;
    bool emptyLine = false;
    qint64 wholeEnd = 0;             ///< offset just past the last whole record
    bool commaBeforeWholeEnd = false;  ///< a comma ends the last whole record

    // Counts the values `scanner` finds; `offset` is the offset of `base` in
    // the file. Unless `last`, a value that reaches `end` may go on in the
    // next piece: the counting stops before it and the scanner's position
    // and comma state where it began are returned to read it again.
    template <typename Ch>
    const Ch* count(QuoteScanner<Ch>& scanner, const Ch* base, const Ch* end, qint64 offset, bool last,
                    bool* afterComma)
    {
        while (!scanner.atEnd() || !last) {
            const Ch* start = scanner.position();
            *afterComma = scanner.afterComma();
            if (!last && (start == end || scanner.atEnd()))
                return start;
            const typename QuoteScanner<Ch>::Value v = scanner.next();
            if (!last && scanner.position() == end)
                return start;
            ++values;
            cut = v.cut;
            emptyLine = v.emptyLine;
            if (cut)
                return nullptr;
            if (++inRecord == size) {
                inRecord = 0;
                wholeEnd = offset + (scanner.position() - base);
                commaBeforeWholeEnd = scanner.position()[-1] == Ch(',');
            }
        }
        return nullptr;
    }

    // The tail by the one rule for every reader; `path` names the file in
    // the message.
    RecordTail tail(const QString& path, qint64* end) const
    {
        RecordTail t;
        const RecordCount c = countRecords(values, cut, emptyLine, int(size));
        t.records = c.records;
        t.tornValues = c.tornValues;
        *end = wholeEnd;
        if (t.tornValues == 0) {
            t.state = RecordTail::State::Whole;
            return t;
        }
        t.state = RecordTail::State::Torn;
        t.message = QStringLiteral("Plik %1 kończy się przerwanym zapisem: po ostatnim pełnym rekordzie "
                                   "(%2) zostało wartości: %3.")
                        .arg(path)
                        .arg(t.records)
                        .arg(t.tornValues);
        // A comma after the last whole record would announce one more value.
        if (commaBeforeWholeEnd)
            --*end;
        return t;
    }
};

// The tail of a text held whole; `begin` may skip a byte-order mark.
template <typename Ch>
RecordTail tailOfText(const Ch* base, const Ch* begin, const Ch* end, Blanks blanks, int recordSize,
                      const QString& path, qint64* wholeEnd)
{
    Counter c(recordSize);
    c.wholeEnd = begin - base;
    QuoteScanner<Ch> scanner(begin, end, blanks);
    bool afterComma = false;
    c.count(scanner, base, end, 0, true, &afterComma);
    return c.tail(path, wholeEnd);
}

constexpr qsizetype kPiece = 1 << 20;

// Reads from `fd` into `buffer` after its first `have` bytes until it is full
// or the file ends; every new byte goes to the encoding detector once.
bool fill(int fd, QByteArray& buffer, qsizetype* have, bool* eof, qint64 offset, qint64* fed,
          EncodingDetector* encoding, char* lastByte)
{
    while (!*eof && *have < buffer.size()) {
        const ssize_t n = ::read(fd, buffer.data() + *have, size_t(buffer.size() - *have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) {
            *eof = true;
            break;
        }
        // Bytes read again after the fast count are known already.
        const qint64 from = qMax<qint64>(*fed - (offset + *have), 0);
        if (from < n) {
            encoding->add(buffer.constData() + *have + from, n - from);
            *fed += n - from;
        }
        *have += n;
        *lastByte = buffer[*have - 1];
    }
    return true;
}

// The fast count: the file is taken 64 bytes at a time, and the quotes,
// commas and line ends of a block are found at once as bit masks. As long as
// every quote stands where the program's writer puts it (an opening quote
// right after a separator, a closing one right before one), the quotes pair
// up and every comma or line end outside them ends one value; the first
// block where that is not so, and the end of the file, are left to the
// exact scanner, which starts again at the last whole record found.
struct FastCount {
    qint64 size;                 ///< values a record
    qint64 values = 0;           ///< values ended before the blocks counted
    qint64 recordEnd = 0;        ///< offset just past the last whole record
    qint64 valuesAtRecordEnd = 0;
    bool recordEndComma = false;  ///< a comma ends that record
    bool inQuotes = false;        ///< the last block ended inside quotes
    bool afterSeparator = true;   ///< the last block ended with a separator
};

#if defined(__SSE2__)

struct BlockMasks {
    quint64 quote = 0, comma = 0, lf = 0, cr = 0;
};

inline BlockMasks masksOf(const char* p)
{
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    BlockMasks m;
    for (int i = 0; i < 4; ++i) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * i));
        const int shift = 16 * i;
        m.quote |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(v, quote)))) << shift;
        m.comma |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(v, comma)))) << shift;
        m.lf |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(v, lf)))) << shift;
        m.cr |= quint64(quint16(_mm_movemask_epi8(_mm_cmpeq_epi8(v, cr)))) << shift;
    }
    return m;
}

// Bit i set when an odd number of bits up to and including i are set.
inline quint64 prefixXor(quint64 x)
{
    x ^= x << 1;
    x ^= x << 2;
    x ^= x << 4;
    x ^= x << 8;
    x ^= x << 16;
    x ^= x << 32;
    return x;
}

// Counts the block at `p` (at `offset` in the file; `next` is the byte after
// it). False, counting nothing, when a quote stands anywhere else.
inline bool countBlock(FastCount* f, const char* p, qint64 offset, char next)
{
    const BlockMasks m = masksOf(p);
    const quint64 separators = m.comma | m.lf | m.cr;
    const quint64 inside = prefixXor(m.quote) ^ (f->inQuotes ? ~quint64(0) : 0);
    const quint64 opening = m.quote & inside;
    const quint64 closing = m.quote & ~inside;
    const bool nextSeparator = next == ',' || next == '\n' || next == '\r';
    const quint64 before = (separators << 1) | (f->afterSeparator ? 1 : 0);
    const quint64 after = (separators >> 1) | (nextSeparator ? quint64(1) << 63 : 0);
    if ((opening & ~before) | (closing & ~after))
        return false;
    // A carriage return with a line feed after it ends nothing of its own.
    const quint64 loneCr = m.cr & ~((m.lf >> 1) | (next == '\n' ? quint64(1) << 63 : 0));
    quint64 ends = (m.comma | m.lf | loneCr) & ~inside;
    const qint64 before_ = f->values;
    f->values += qPopulationCount(ends);
    const qint64 lastRecord = f->values / f->size * f->size;
    if (lastRecord > before_) {
        // The separator that ends the last record finished in this block.
        for (qint64 i = before_ + 1; i < lastRecord; ++i)
            ends &= ends - 1;
        const int bit = qCountTrailingZeroBits(ends);
        f->recordEnd = offset + bit + 1;
        f->valuesAtRecordEnd = lastRecord;
        f->recordEndComma = (m.comma >> bit) & 1;
    }
    f->inQuotes = inside >> 63;
    f->afterSeparator = separators >> 63;
    return true;
}

#endif

// Runs the fast count over the file as far as it can.
bool fastCount(int fd, FastCount* f, qint64* fed, EncodingDetector* encoding, char* lastByte)
{
#if defined(__SSE2__)
    QByteArray buffer(kPiece, Qt::Uninitialized);
    qsizetype have = 0;
    qint64 offset = 0;
    bool eof = false;
    while (true) {
        if (!fill(fd, buffer, &have, &eof, offset, fed, encoding, lastByte))
            return false;
        const char* p = buffer.constData();
        qsizetype pos = 0;
        for (; pos + 64 < have; pos += 64)
            if (!countBlock(f, p + pos, offset + pos, p[pos + 64]))
                return true;
        if (eof)
            return true;
        std::memmove(buffer.data(), p + pos, size_t(have - pos));
        offset += pos;
        have -= pos;
    }
#else
    Q_UNUSED(fd) Q_UNUSED(f) Q_UNUSED(fed) Q_UNUSED(encoding) Q_UNUSED(lastByte)
    return true;
#endif
}

// Counts the values of the file with the blanks of Windows-1250 (the count
// does not depend on the blanks; only whether the last value is empty does),
// a megabyte at a time in the same memory: the fast count as far as it goes,
// then the exact scanner from the last whole record it found. A file that
// turns out to be UTF-8 is read again whole by the caller.
bool countFile(int fd, Counter* c, EncodingDetector* encoding, qint64* size, char* lastByte)
{
    FastCount fast{c->size};
    qint64 fed = 0;
    if (!fastCount(fd, &fast, &fed, encoding, lastByte))
        return false;
    if (::lseek(fd, off_t(fast.recordEnd), SEEK_SET) < 0)
        return false;
    c->values = fast.valuesAtRecordEnd;
    c->wholeEnd = fast.recordEnd;
    c->commaBeforeWholeEnd = fast.recordEndComma;

    QByteArray buffer(kPiece, Qt::Uninitialized);
    qsizetype have = 0;  // bytes of the buffer read
    qsizetype pos = 0;   // where the next value begins
    qint64 offset = fast.recordEnd;  // file offset of the buffer's start
    bool afterComma = fast.recordEndComma;
    bool eof = false;
    while (true) {
        if (pos > 0) {
            std::memmove(buffer.data(), buffer.constData() + pos, size_t(have - pos));
            offset += pos;
            have -= pos;
            pos = 0;
        }
        if (have == buffer.size())
            buffer.resize(buffer.size() * 2);  // one value longer than the buffer
        if (!fill(fd, buffer, &have, &eof, offset, &fed, encoding, lastByte))
            return false;
        const char* base = buffer.constData();
        QuoteScanner<char> scanner(base, base + have, Blanks::Cp1250, afterComma);
        const char* stop = c->count(scanner, base, base + have, offset, eof, &afterComma);
        if (!stop)
            break;
        pos = stop - base;
    }
    *size = offset + have;
    return true;
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
    return readAllAt(fd, out->data(), n, size - n);
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

// The file's bytes, for the rare changes that rewrite it whole.
QByteArray wholeFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    auto unreadable = [&](const QString& reason) {
        forget(path);
        s.tail.state = RecordTail::State::Unreadable;
        s.tail.message = QStringLiteral("Nie można odczytać pliku %1: %2").arg(path, reason);
        return s;
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return unreadable(qt_error_string(errno));
    Counter counter(recordSize);
    EncodingDetector encoding;
    const bool read = countFile(fd, &counter, &encoding, &s.size, &s.lastByte);
    const int readError = errno;
    ::close(fd);
    if (!read)
        return unreadable(qt_error_string(readError));
    s.encoding = encoding.result();
    if (s.encoding == Encoding::Cp1250) {
        s.tail = counter.tail(path, &s.wholeEnd);
    } else {
        // UTF-8 blanks decide whether the last value is empty.
        const QByteArray bytes = wholeFile(path);
        const char* base = bytes.constData();
        const char* begin = bytes.startsWith("\xEF\xBB\xBF") ? base + 3 : base;
        s.size = bytes.size();
        s.tail = tailOfText(base, begin, base + bytes.size(), Blanks::Utf8, recordSize, path, &s.wholeEnd);
    }
    if (s.tail.state == RecordTail::State::Whole && s.encoding == Encoding::Cp1250 && s.wholeEnd == s.size)
        remember(path, recordSize, s.tail.records);
    else
        forget(path);
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
    const auto* base = reinterpret_cast<const char16_t*>(text.utf16());
    qint64 end = 0;
    const RecordTail tail = tailOfText(base, base, base + text.size(), Blanks::Text, recordSize, path, &end);
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
        const QString kept = decodeText(wholeFile(path).left(s.wholeEnd));
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
    const QByteArray kept = wholeFile(path).left(s.wholeEnd);
    if (s.encoding == Encoding::Utf8)
        return rewriteTextFile(path, decodeText(kept), error);
    return rewriteFile(path, kept, error);
}

RepairQuestion cutTornTailQuestion(DamagedFile kind, const QString& message)
{
    switch (kind) {
    case DamagedFile::SentTransfers:
        return {message + QStringLiteral("\nNiepełny rekord z końca pliku zostanie pominięty. Kontynuować ?"),
                QStringLiteral("Pytanie")};
    case DamagedFile::Package:
        return {message + QStringLiteral("\nObciąć plik do ostatniego całego przelewu i dopisać nowy?"),
                QStringLiteral("Pytanie")};
    case DamagedFile::Contractors:
        return {message + QStringLiteral("\nZapisać zbiór od nowa z rekordów, które udało się odczytać?"),
                QStringLiteral("Uszkodzony zbiór kontrahentów")};
    case DamagedFile::OwnCompanies:
        break;
    }
    return {message
                + QStringLiteral("\nZapisać plik na nowo tylko z rekordami, które udało się odczytać?"
                                 "\nReszta pliku zostanie utracona."),
            QStringLiteral("Pytanie")};
}

bool appendTextFile(const QString& path, const QString& text, QString* error)
{
    // A text of its own: every value is a record, so only a value cut inside
    // its quotes counts as torn.
    return appendRecords(path, 1, text, error) == AppendResult::Appended;
}

} // namespace remitto
