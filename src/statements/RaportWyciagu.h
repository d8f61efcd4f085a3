#pragma once
// What an import of bank statements found: counts and sums per result, the
// report kept in the data folder and the printed list.

#include "core/PrintJob.h"
#include "statements/Uzgodnienie.h"

#include <QString>

#include <array>

namespace remitto {

/// Counts and sums (grosze) per result kind, in the order of RodzajUzgodnienia.
struct PodsumowanieUzgodnienia {
    std::array<int, 4> ile{};
    std::array<qint64, 4> suma{};  ///< the statement's amount, or the record's for Niezaksiegowany
};
PodsumowanieUzgodnienia podsumuj(const std::vector<WynikUzgodnienia>& wyniki);

/// The amount a result stands for: the debit line's, or the record's when no line belongs to it.
qint64 kwotaWyniku(const WynikUzgodnienia& w);

/// <data folder>/Wyciagi/<yyyymmdd>_<reference>.txt: the closing date of the
/// last statement and the reference (:20:) of the first, with every
/// character that cannot stand in a file name made "_".
QString sciezkaRaportuWyciagu(const QString& folderDanych, const std::vector<Wyciag>& wyciagi);

/// The report as text, lines ended by CR LF: the statements, then
/// "wynik;data;kwota wyciągu;kwota przelewu;konto;nazwa;tytuł;wiersz;pozycja"
/// per result, then the count and sum of each result.
QString tekstRaportuWyciagu(const Uzgodnienie& u, const QString& kiedy);

/// Writes the report (Windows-1250, the atomic rewrite), making the folder.
bool zapiszRaportWyciagu(const QString& folderDanych, const Uzgodnienie& u, const QString& kiedy, QString* sciezka,
                         QString* blad);

/// The printed list: the statements, one line per result, the counts and sums.
PrintJob wydrukUzgodnienia(const Uzgodnienie& u, bool pogrubiony = false);

} // namespace remitto
