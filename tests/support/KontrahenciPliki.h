#pragma once

#include "contractors/Kontrahent.h"

#include <QString>
#include <ostream>

namespace remitto::kontrahenci {

/// Readable failures: the values joined with "|".
inline void PrintTo(const Kontrahent& k, std::ostream* os)
{
    *os << k.wartosci().join(QLatin1Char('|')).toStdString();
}

} // namespace remitto::kontrahenci

namespace remitto::test {

/// A contractor with every one of its 29 values set and told apart by `nr`.
inline kontrahenci::Kontrahent pelnyKontrahent(int nr, const QString& nazwa, const QString& skrot)
{
    using namespace kontrahenci;
    Kontrahent k;
    for (int i = 0; i < kWartosciKontrahenta; ++i)
        k.w[static_cast<size_t>(i)] = QStringLiteral("w%1-%2").arg(i + 1).arg(nr);
    k[NrKol] = QString::number(nr);
    k[NazwaKontrahenta] = nazwa;
    k[SkrotK] = skrot;
    k[NrRachunku1K] = QStringLiteral("6110901014000007121981%1").arg(nr, 4, 10, QLatin1Char('0'));
    k[Svat] = QStringLiteral("V");
    k[WalutaKh] = QStringLiteral("PLN");
    return k;
}

} // namespace remitto::test
