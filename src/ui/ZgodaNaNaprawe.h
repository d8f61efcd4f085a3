#pragma once

#include "core/Append.h"

#include <QString>

namespace remitto {

class Dialogs;

/// Asks whether a damaged file may be repaired, with the question core gives
/// for its kind (cutTornTailQuestion()) after `blad`, the message naming the
/// file. True only on the user's yes (OK where the box offers OK/Cancel).
bool zgodaNaNaprawe(Dialogs& dialogs, DamagedFile rodzaj, const QString& blad);

} // namespace remitto
