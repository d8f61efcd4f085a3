#pragma once

#include "core/PrintJob.h"
#include "history/PlikHistorii.h"

#include <QString>
#include <vector>

namespace remitto {

/// What the heading of the printed list says about the filters, as typed.
struct OpisWydruku {
    QString skrot;      ///< short-name box; "Wszystkie" adds nothing
    QString odDaty;     ///< from-date box (dd-mm-rrrr)
    QString doDaty;     ///< to-date box
    QString dataDzis;   ///< today, dd-mm-yyyy
    bool pogrubiony = false;
};

/// Lines of the list body on one page; the table heading repeats on each page.
inline constexpr int kLiniiNaStronie = 48;

/// The printed list of sent transfers: heading, table heading, one line and
/// a separator per record (running number, date, short name, gross amount,
/// account, title), the total, and the signature line with today's date.
PrintJob wydrukHistorii(const PlikHistorii& plik, const std::vector<int>& rekordy, const OpisWydruku& opis);

} // namespace remitto
