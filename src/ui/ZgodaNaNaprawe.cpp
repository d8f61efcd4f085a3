#include "ui/ZgodaNaNaprawe.h"

#include "ui/Dialogs.h"

namespace remitto {

bool zgodaNaNaprawe(Dialogs& dialogs, DamagedFile rodzaj, const QString& blad)
{
    const RepairQuestion q = cutTornTailQuestion(rodzaj, blad);
    // The history's question goes on with the rest of the file left as it
    // is, so it is OK/Cancel; the others change the file: Yes/No. The
    // contractors' question warns more loudly, for its rewrite drops what
    // could not be read.
    switch (rodzaj) {
    case DamagedFile::SentTransfers:
        return dialogs.messageBox(q.text, q.title, Icon::Question, Buttons::OkCancel) == Answer::Ok;
    case DamagedFile::Contractors:
        return dialogs.messageBox(q.text, q.title, Icon::Exclamation, Buttons::YesNo) == Answer::Yes;
    case DamagedFile::Package:
    case DamagedFile::OwnCompanies:
        break;
    }
    return dialogs.messageBox(q.text, q.title, Icon::Question, Buttons::YesNo) == Answer::Yes;
}

} // namespace remitto
