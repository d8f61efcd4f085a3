#pragma once

namespace remitto {

class Dialogs;

/// Error number of a file that is not there.
inline constexpr int kBladBrakPliku = 53;
/// Error number of an invalid call, met when nothing is left to delete.
inline constexpr int kBladNiewlasciwyArgument = 5;

/// Reports a file error: a missing file (53) and nothing left to delete (5)
/// get a critical box titled "Błąd"; other errors are not reported.
void BladPliku(Dialogs& dialogs, int kodBledu);

} // namespace remitto
