#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

namespace remitto {

/// Face values (złoty) of the banknote frame "Specyfikacja banknotów", in the order of its
/// count fields txt200zl ... txt1zl.
inline constexpr std::array<int, 8> kNominaly = {200, 100, 50, 20, 10, 5, 2, 1};

/// The banknotes and coins of a cash deposit, counted.
struct Specyfikacja {
    std::array<qint64, 8> kwoty{};  ///< count x face value, in grosze, per face value
    qint64 sztuk = 0;               ///< pieces altogether
    qint64 razem = 0;               ///< amount altogether, in grosze
    /// True for a count that is neither empty nor a whole number of pieces;
    /// such a count is taken as 0.
    std::array<bool, 8> bledne{};
};

/// Pieces and amounts from the eight count texts (empty = 0).
Specyfikacja specyfikacjaBanknotow(const std::array<QString, 8>& ilosci);

/// The captions of the frame, as the window shows them and the deposit form
/// prints them.
struct PodpisySpecyfikacji {
    /// count x face value in whole złoty ("400"), per face value; "0" for an
    /// empty or unreadable count
    std::array<QString, 8> kwoty;
    QString sztuk;  ///< pieces altogether
    QString razem;  ///< amount altogether, with grosze ("457,00")
};
PodpisySpecyfikacji podpisySpecyfikacji(const Specyfikacja& s);

} // namespace remitto
