#pragma once

#include <QString>

namespace remitto {

enum class WynikNip {
    ZeSpacjami,  ///< the third character is a blank or "-"
    ZlaDlugosc,  ///< empty, or not 10 characters
    Bledny,      ///< the check digit does not match (or a character is not a digit)
    Poprawny,
};

/// Checks a ten-digit NIP: weights 6 5 7 2 3 4 5 6 7 on the first nine digits;
/// the sum modulo 11 must equal the tenth digit, so a remainder of 10 is never
/// right.
WynikNip sprawdzNip(const QString& nip);

/// The ten digits of a NIP written with blanks, hyphens or a leading "PL";
/// "" when it is not ten digits.
QString cyfryNip(const QString& nip);

} // namespace remitto
