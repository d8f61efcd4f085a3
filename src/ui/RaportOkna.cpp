#include "ui/RaportOkna.h"

#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "ui/PrintRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace remitto {

using kontrolki::etykieta;
using kontrolki::przycisk;

QLabel* informacjaRaportu(QWidget* okno, QVBoxLayout* glowny)
{
    QLabel* l = etykieta(QString(), QStringLiteral("lblInformacja"), okno);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    glowny->addWidget(l);
    return l;
}

Grid* wynikiRaportu(QWidget* okno, QVBoxLayout* glowny, const QStringList& kolumny, const QList<int>& szerokosci)
{
    auto* g = new Grid(okno);
    g->setObjectName(QStringLiteral("grdWyniki"));
    g->setFixedFirstColumn(false);
    g->setColumns(kolumny, szerokosci);
    glowny->addWidget(g, 1);
    return g;
}

PasekRaportu pasekRaportu(QWidget* okno, QVBoxLayout* glowny)
{
    PasekRaportu p{
        przycisk(QStringLiteral("&Drukuj"), QStringLiteral("cmdDrukuj"), okno, false),
        przycisk(QStringLiteral("Zapisz PD&F..."), QStringLiteral("cmdPdf"), okno, false),
        przycisk(QStringLiteral("&Zamknij"), QStringLiteral("cmdZamknij"), okno),
    };
    auto* dol = new QHBoxLayout;
    dol->addWidget(p.drukuj);
    dol->addWidget(p.pdf);
    dol->addStretch(1);
    dol->addWidget(p.zamknij);
    glowny->addLayout(dol);
    return p;
}

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
