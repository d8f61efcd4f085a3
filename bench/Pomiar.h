#pragma once

// Timing helper shared by the benches.

#include <QElapsedTimer>

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

} // namespace remitto::bench
