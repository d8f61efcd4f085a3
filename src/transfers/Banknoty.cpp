#include "transfers/Banknoty.h"

#include "core/Amount.h"

namespace remitto {

Specyfikacja specyfikacjaBanknotow(const std::array<QString, 8>& ilosci)
{
    Specyfikacja s;
    for (size_t i = 0; i < kNominaly.size(); ++i) {
        const QString t = ilosci[i].trimmed();
        if (t.isEmpty())
            continue;
        bool ok = false;
        const qint64 sztuk = t.toLongLong(&ok);
        // Counts are whole pieces; nine digits keep every total exact.
        if (!ok || sztuk < 0 || t.size() > 9 || t.startsWith(QLatin1Char('+'))) {
            s.bledne[i] = true;
            continue;
        }
        s.kwoty[i] = sztuk * kNominaly[i] * 100;
        s.sztuk += sztuk;
        s.razem += s.kwoty[i];
    }
    return s;
}

PodpisySpecyfikacji podpisySpecyfikacji(const Specyfikacja& s)
{
    PodpisySpecyfikacji p;
    for (size_t i = 0; i < kNominaly.size(); ++i)
        p.kwoty[i] = QString::number(s.kwoty[i] / 100);  // whole notes and coins of 1 zł and more
    p.sztuk = QString::number(s.sztuk);
    p.razem = formatAmount(s.razem);
    return p;
}

} // namespace remitto
