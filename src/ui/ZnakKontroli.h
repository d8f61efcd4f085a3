#pragma once

#include <QString>

class QLabel;

namespace remitto {

/// The quiet mark beside an account box: "NRB ✓", "NRB ✗ błędne cyfry
/// kontrolne", "nie NRB" or nothing, with a tooltip and a colour.
void pokazZnakNrb(QLabel* znak, const QString& konto);

/// The quiet mark beside a NIP box: "NIP ✓", "NIP ✗ błędny", "nie NIP" or
/// nothing. Blanks, hyphens and a leading "PL" are not held against a NIP
/// here: the mark is about its digits.
void pokazZnakNip(QLabel* znak, const QString& nip);

} // namespace remitto
