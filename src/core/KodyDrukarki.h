#pragma once

#include <QString>

namespace remitto {

/// Value 3 of the settings file: the printer type's first letter, upper case
/// ("Igłowa" and "igłowa" give "I"); blanks around the type are ignored.
QString kodDrukarki(const QString& typ);

/// Value 4 of the settings file: "G" for bold print, otherwise empty.
QString kodPogrubienia(bool pogrubiony);

/// Whether value 4 asks for bold print: "G" in either case, blanks around
/// it ignored. Every printout reads the flag through this.
bool czyPogrubiony(const QString& kod);

} // namespace remitto
