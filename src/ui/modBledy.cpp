#include "ui/modBledy.h"

#include "ui/Dialogs.h"

namespace remitto {

void BladPliku(Dialogs& dialogs, int kodBledu)
{
    switch (kodBledu) {
    case kBladBrakPliku:
        dialogs.messageBox(QStringLiteral("Brak zbioru !"), QStringLiteral("Błąd"), Icon::Critical);
        break;
    case kBladNiewlasciwyArgument:
        dialogs.messageBox(QStringLiteral("Juz nie ma co usuwać !"), QStringLiteral("Błąd"),
                           Icon::Critical);
        break;
    default:
        break;
    }
}

} // namespace remitto
