#pragma once

#include "transfers/FormularzPrzelewu.h"

namespace remitto {

struct Session;
class Dialogs;
class Drukowanie;

enum class WynikDrukowania { Wydrukowano, Przerwano };

/// "D&Rukuj x4 lub wpłata" of the transfer window: the checks and messages
/// before printing, the print dialog (its decline ends with "Zrezygnowałeś z
/// drukowania !"), the form of the kind on the printer, then the record of
/// the print in the sent-transfers file. The window reads its boxes into
/// `pola` (with the session's kind code) and calls this.
WynikDrukowania drukujPrzelew(const Session& session, Dialogs& dialogs, Drukowanie& drukowanie,
                              const PolaPrzelewu& pola);

} // namespace remitto
