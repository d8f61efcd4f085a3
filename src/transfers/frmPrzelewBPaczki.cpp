// Transfer window: the package area (this month's packages and the contents
// of one package) and the export area (files already sent to Ecorponet).
// The export buttons are laid out here and wired in frmPrzelewBEksport.cpp.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "invoices/frmPlatnosciZ.h"
#include "transfers/Przelew.h"
#include "transfers/PlikPaczki.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"

#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace remitto {

using namespace kontrolki;

QWidget* frmPrzelewB::zbudujPaczki()
{
    Frame2 = new QGroupBox(QStringLiteral("Zawartość paczki nr "), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));

    Label31 = etykieta(QStringLiteral("Otwarta"), QStringLiteral("Label31"), Frame2);
    Label3 = etykieta(QString(), QStringLiteral("Label3"), Frame2);
    // The buttons, the state and the total share the line under the
    // package's contents, so the grids get the height.
    auto* przyciski = new QHBoxLayout;
    for (const auto& [napis, nazwa] : {std::pair{QStringLiteral("Do &Paczki"), QStringLiteral("cmdDoPaczki")},
                                       {QStringLiteral("Usuń &Rekord z Paczki"), QStringLiteral("cmdUsunRekord")},
                                       {QStringLiteral("&Usuń Paczkę"), QStringLiteral("CmdUsunpaczke")},
                                       {QStringLiteral("Wyczyść Zawartość"), QStringLiteral("CmdWyczyscM1")}})
        przyciski->addWidget(przycisk(napis, nazwa, Frame2, false));
    przyciski->addStretch(1);
    przyciski->addWidget(etykieta(QStringLiteral("Status Paczki ="), QStringLiteral("lblStatus"), Frame2));
    przyciski->addWidget(Label31);
    przyciski->addSpacing(12);
    przyciski->addWidget(etykieta(QStringLiteral("Razem kwota przelewów ="), QStringLiteral("lblRazem"), Frame2));
    przyciski->addWidget(Label3);

    txtMiesiac = pole(QStringLiteral("txtMiesiac"), Frame2, 3);
    txtROKA = pole(QStringLiteral("txtROKA"), Frame2, 5);
    auto* lista = new QHBoxLayout;
    lista->addWidget(etykieta(QStringLiteral("Paczki miesiąca"), QStringLiteral("lblMiesiac"), Frame2));
    lista->addWidget(txtMiesiac);
    lista->addWidget(txtROKA);
    lista->addWidget(przycisk(QStringLiteral("&Zmnień"), QStringLiteral("cmdZmien"), Frame2, false));
    lista->addWidget(przycisk(QStringLiteral("Sortuj"), QStringLiteral("cmdSortuj"), Frame2, false));
    lista->addStretch(1);
    lbSciezkaPaczek = etykieta(QString(), QStringLiteral("lbSciezkaPaczek"), Frame2);
    lista->addWidget(lbSciezkaPaczek);

    // The contents of one package, and the packages of the month.
    MSFlexGrid1 = new Grid(Frame2);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->setColumns(naglowkiPaczki(), szerokosciPaczki());
    MSFlexGrid1->setHeaderForeground(QColor(255, 0, 0));
    MSFlexGrid2 = new Grid(Frame2);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid2->setColumns({QStringLiteral("Nrkol"), QStringLiteral("Nazwa Paczki"), QStringLiteral("TerminSplaty"),
                             QStringLiteral("KwotaNetto"), QStringLiteral("KwotaVat"), QStringLiteral("KwotaBrutto"),
                             QStringLiteral("Spłacono"), QStringLiteral("DataSplaty"), QStringLiteral("StatusP"),
                             QStringLiteral("ilPrzel")});
    // The package's file name is the end of its path: a long data folder is
    // cut at the front, and the sums and states stay in view.
    MSFlexGrid2->setTextElideMode(Qt::ElideLeft);
    MSFlexGrid2->setFittedWidthLimit(200);

    // The grids take the height the window has to spare, and never less
    // than a few rows each.
    MSFlexGrid1->setMinimumRows(6);
    MSFlexGrid2->setMinimumRows(3);
    auto* v = new QVBoxLayout(Frame2);
    v->addWidget(MSFlexGrid1, 3);
    v->addLayout(przyciski);
    v->addLayout(lista);
    v->addWidget(MSFlexGrid2, 2);
    return Frame2;
}

QWidget* frmPrzelewB::zbudujEksport()
{
    auto* w = new QGroupBox(this);
    w->setObjectName(QStringLiteral("frEksport"));
    lbSciezkaEcorponet = etykieta(QString(), QStringLiteral("lbSciezkaEcorponet"), w);
    // One line, its end in view when the path is long: a wrapping label would
    // make the lower half claim its full height and squeeze the upper frames.
    lbSciezkaEcorponet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lbSciezkaEcorponet->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    FileList1 = new QListWidget(w);
    FileList1->setObjectName(QStringLiteral("FileList1"));
    FileList1->setEnabled(false);
    auto* lbPaczkiWyslane = etykieta(QStringLiteral("Paczki wysłane do Ekorponet"), QStringLiteral("lbPaczkiWyslane"), w);
    lbPaczkiWyslane->setBuddy(FileList1);
    auto* v = new QVBoxLayout(w);
    v->addWidget(lbSciezkaEcorponet);
    v->addWidget(lbPaczkiWyslane);
    v->addWidget(FileList1, 1);
    v->addWidget(przycisk(QStringLiteral("Paczka &Do Ecorponet"), QStringLiteral("cmdDoEcorponet"), w, false));
    v->addWidget(przycisk(QStringLiteral("Usuń wskazaną paczkę z Ecoropnet"), QStringLiteral("CmdUsunWskazanPaczke"),
                          w, false));
    auto* cmdPlatnosci = przycisk(QStringLiteral("Płatnosci &fakturowe ze sklepu"), QStringLiteral("cmdPlatnosci"), w);
    connect(cmdPlatnosci, &QPushButton::clicked, this, &frmPrzelewB::platnosci);
    v->addWidget(cmdPlatnosci);
    return w;
}

void frmPrzelewB::pokazEksport()
{
    // The export files of the data folder's DoECorponet folder.
    FileList1->clear();
    const QDir folder(m_session.dataPath(QStringLiteral("DoECorponet")));
    FileList1->addItems(folder.entryList({QStringLiteral("*.TXT"), QStringLiteral("*.txt")}, QDir::Files, QDir::Name));
}

void frmPrzelewB::platnosci()
{
    // One payments window, kept while it is open.
    if (!m_platnosci) {
        m_platnosci = new frmPlatnosciZ(m_session, m_dialogs, this);
        m_platnosci->setAttribute(Qt::WA_DeleteOnClose);
        // A list of payments saved as a package, or moved to Ecorponet: the
        // package list and the view show it.
        connect(m_platnosci, &frmPlatnosciZ::paczkaZmieniona, this, [this](const QString& sciezka, int nr) {
            int rok = 0, miesiac = 0, numer = 0;
            if (rozpoznajNazwePaczki(sciezka, &rok, &miesiac, &numer)) {
                txtMiesiac->setText(QStringLiteral("%1").arg(miesiac, 2, 10, QLatin1Char('0')));
                txtROKA->setText(QString::number(rok));
            }
            zmienMiesiac();
            pokazPaczke(sciezka, nr);
            pokazEksport();
        });
    }
    m_platnosci->otworz();
}

} // namespace remitto
