#pragma once

// Whole reads and writes at a position of a file descriptor, for the routines
// that work on descriptors (the atomic rewrite, the append and its journal):
// a short transfer is continued and an interrupted one retried.

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace remitto {

/// Runs `step(done)` (a pread or pwrite of what is left after `done` bytes)
/// until `length` bytes are moved; an interrupted step is retried. False when
/// a step fails or moves nothing (the file ends or takes no more).
template <typename Step>
inline bool moveAll(qint64 length, Step step)
{
    for (qint64 done = 0; done < length;) {
        const ssize_t n = step(done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

/// Writes every byte of `bytes` at `offset`; false when the file takes no more.
inline bool writeAllAt(int fd, const QByteArray& bytes, qint64 offset)
{
    return moveAll(bytes.size(), [&](qint64 done) {
        return ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(offset + done));
    });
}

/// Reads `length` bytes at `offset` into `into`; false when the file ends
/// before them or cannot be read.
inline bool readAllAt(int fd, char* into, qint64 length, qint64 offset)
{
    return moveAll(length, [&](qint64 done) {
        return ::pread(fd, into + done, size_t(length - done), off_t(offset + done));
    });
}

/// Reads the whole file at `path` (a native path) into `into`, keeping the
/// memory `into` already holds, so a loop over many small files allocates
/// once. False, with `into` empty, when the file cannot be opened or read (a
/// folder included).
inline bool readWholeFile(const char* path, QByteArray& into)
{
    into.resize(0);
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    into.resize(std::max<qsizetype>(into.capacity(), 4096));
    qsizetype have = 0;
    bool ok = true;
    for (;;) {
        if (have == into.size())
            into.resize(into.size() * 2);
        const ssize_t n = ::read(fd, into.data() + have, size_t(into.size() - have));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ok = false;
        if (n <= 0)
            break;
        have += n;
    }
    ::close(fd);
    into.resize(ok ? have : 0);
    return ok;
}

} // namespace remitto
