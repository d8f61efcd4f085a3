#include "ui/RaportOkna.h"

#include "ui/Dialogs.h"
#include "ui/PrintRenderer.h"

#include <QDir>
#include <QFileInfo>

namespace remitto {

void drukujRaport(Drukowanie& drukowanie, Dialogs& dialogs, const PrintJob& wydruk, const QString& tytul)
{
    QString blad;
    switch (drukowanie.drukuj(wydruk, &blad)) {
    case WynikWydruku::Rezygnacja:
        return;
    case WynikWydruku::Blad:
        dialogs.messageBox(blad, tytul, Icon::Critical);
        return;
    case WynikWydruku::Wydrukowano:
        dialogs.messageBox(QStringLiteral("Drukowanie zakończone !"), tytul, Icon::Information);
        return;
    }
}

void zapiszRaportPdf(Dialogs& dialogs, const PrintJob& wydruk, QString plik, const QString& tytul)
{
    if (QFileInfo(plik).suffix().isEmpty())
        plik += QStringLiteral(".pdf");
    QString blad;
    if (!zapiszPdf(wydruk, plik, PrzesuniecieDruku{}, &blad)) {
        dialogs.messageBox(blad, tytul, Icon::Critical);
        return;
    }
    dialogs.messageBox(QStringLiteral("Zapisano %1").arg(QDir::toNativeSeparators(plik)), tytul, Icon::Information);
}

} // namespace remitto
