#pragma once

// Helpers shared by the benches: timing, and the file a bench works on.

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <algorithm>
#include <functional>

namespace remitto::bench {

/// The best of `razy` runs of `praca`, in nanoseconds.
inline qint64 najlepszy(int razy, const std::function<void()>& praca)
{
    qint64 best = -1;
    for (int i = 0; i < razy; ++i) {
        QElapsedTimer t;
        t.start();
        praca();
        const qint64 ns = t.nsecsElapsed();
        best = best < 0 ? ns : std::min(best, ns);
    }
    return best;
}

/// The sent-transfers file named by a bench's argument: the file itself, or
/// in a data folder the biggest .dat.
inline QString plikHistorii(const QString& arg)
{
    const QFileInfo fi(arg);
    if (fi.isFile())
        return fi.absoluteFilePath();
    QString best;
    qint64 size = -1;
    for (const QFileInfo& f : QDir(arg).entryInfoList({QStringLiteral("*.dat")}, QDir::Files))
        if (f.size() > size) {
            size = f.size();
            best = f.absoluteFilePath();
        }
    return best;
}

} // namespace remitto::bench
