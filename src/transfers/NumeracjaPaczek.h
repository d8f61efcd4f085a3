#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace remitto {

/// One month's line of the numbering file "NumP" + yy + ".dat".
struct NumeracjaMiesiaca {
    int miesiac = 0;       ///< Nr.kol, 1 ... 12
    int poczatPaczk = 0;   ///< first package number; 0 = no package yet
    int koniecPacz = 0;    ///< last (current) package number
    int poczatPrzel = 0;   ///< first transfer number
    int koniecPrzel = 0;   ///< last transfer number
    QString typ = QStringLiteral("c");  ///< "m" monthly, "c" continuous

    bool operator==(const NumeracjaMiesiaca&) const = default;
};

/// The twelve months of one year's numbering file.
using NumeracjaRoku = QList<NumeracjaMiesiaca>;

/// Path of the numbering file of `rok` in the data folder `folder`.
QString sciezkaNumeracji(const QString& folder, int rok);

/// Twelve fresh months: the month number, four zeros and type "c".
NumeracjaRoku nowaNumeracja();

/// The file text: twelve lines of six values, numbers bare, type quoted.
QString tekstNumeracji(const NumeracjaRoku& rok);

/// Outcome of reading a numbering file.
struct OdczytNumeracji {
    bool ok = false;
    bool brak = false;      ///< the file does not exist
    NumeracjaRoku miesiace; ///< twelve months when ok
    QString blad;           ///< Polish message naming the file, when !ok
};

/// Reads the twelve lines of a numbering file. A missing file, a file that is
/// not twelve lines of six values, or a number that is not a whole number is
/// reported (a never-set number counts as 0).
OdczytNumeracji czytajNumeracje(const QString& path);

/// Rewrites the numbering file atomically with the twelve months.
bool zapiszNumeracje(const QString& path, const NumeracjaRoku& rok, QString* blad = nullptr);

/// Reads the file, creating it with twelve fresh months when it is missing.
OdczytNumeracji czytajLubUtworzNumeracje(const QString& path);

/// A number typed for a numbering cell: a whole number from 0 to `max`
/// (blanks around it allowed); nothing for anything else.
std::optional<int> liczbaNumeracji(const QString& text, int max);

/// Highest package number of a month (two digits in names and records).
constexpr int kMaxNrPaczki = 99;
/// Highest transfer number accepted in the numbering window.
constexpr int kMaxNrPrzelewu = 999999;

} // namespace remitto
