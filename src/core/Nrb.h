#pragma once

#include <QString>

namespace remitto {

/// What an account box holds, as far as the Polish bank account number (NRB)
/// goes.
enum class StanNrb {
    Pusty,     ///< nothing typed
    NieNrb,    ///< not 26 digits (after blanks, hyphens and a leading "PL" are dropped)
    Poprawny,  ///< 26 digits with valid check digits
    Bledny,    ///< 26 digits whose check digits do not match
};

/// The digits of an account number or a NIP with blanks, hyphens and a
/// leading "PL" (any letter case) removed; "" unless exactly `ile` digits are
/// left.
QString cyfryNumeru(const QString& tekst, int ile);

/// The 26 digits of an account text with blanks, hyphens and a leading "PL"
/// (any letter case) removed; "" when what is left is not 26 digits.
QString cyfryNrb(const QString& konto);

/// Checks the NRB check digits (ISO 7064 mod 97-10 over the number as an IBAN
/// with the country code PL).
StanNrb sprawdzNrb(const QString& konto);

/// The question asked before an account whose check digits are wrong is
/// used: "Numer konta ma błędne cyfry kontrolne. Czy mimo to " + what + "?".
QString pytanieBlednegoNrb(const QString& coZrobic);

} // namespace remitto
