// The export area of the transfer window: the export files already sent,
// deleting one, and the buttons that move a package and open the payments.
#include "transfers/frmPrzelewBObszarEksportu.h"

#include "core/Session.h"
#include "transfers/EksportPaczki.h"
#include "transfers/frmPrzelewBEksport.h"
#include "ui/Kontrolki.h"

#include <QDir>
#include <QListWidget>
#include <QVBoxLayout>

namespace remitto {

using namespace kontrolki;

ObszarEksportu::ObszarEksportu(Session& session, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frEksport"));
    m_lbFolder = etykieta(QString(), QStringLiteral("lbSciezkaEcorponet"), this);
    // One line, its end in view when the path is long: a wrapping label would
    // make the lower half claim its full height and squeeze the upper frames.
    m_lbFolder->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lbFolder->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_pliki = new QListWidget(this);
    m_pliki->setObjectName(QStringLiteral("FileList1"));
    auto* lbPaczkiWyslane = etykieta(QStringLiteral("Paczki wysłane do Ekorponet"), QStringLiteral("lbPaczkiWyslane"), this);
    lbPaczkiWyslane->setBuddy(m_pliki);
    auto* cmdDoEcorponet = przycisk(QStringLiteral("Paczka &Do Ecorponet"), QStringLiteral("cmdDoEcorponet"), this);
    auto* cmdUsun = przycisk(QStringLiteral("Usuń wskazaną paczkę z Ecoropnet"), QStringLiteral("CmdUsunWskazanPaczke"), this);
    auto* cmdPlatnosci = przycisk(QStringLiteral("Płatnosci &fakturowe ze sklepu"), QStringLiteral("cmdPlatnosci"), this);
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_lbFolder);
    v->addWidget(lbPaczkiWyslane);
    v->addWidget(m_pliki, 1);
    v->addWidget(cmdDoEcorponet);
    v->addWidget(cmdUsun);
    v->addWidget(cmdPlatnosci);

    connect(cmdDoEcorponet, &QPushButton::clicked, this, &ObszarEksportu::doEcorponet);
    connect(cmdUsun, &QPushButton::clicked, this, &ObszarEksportu::usunZEcorponet);
    connect(cmdPlatnosci, &QPushButton::clicked, this, &ObszarEksportu::platnosci);
    connect(m_pliki, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { emit wybranoPlik(item->text()); });
    connect(m_pliki, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { emit wybranoPlik(item->text()); });
}

void ObszarEksportu::ustawFolder(const QString& folder)
{
    m_lbFolder->setText(folder);
    m_lbFolder->setToolTip(folder);
}

void ObszarEksportu::pokazPliki()
{
    // The export files of the data folder's DoECorponet folder.
    m_pliki->clear();
    m_pliki->addItems(plikiEksportu(m_session.SciezkaProgramu));
}

void ObszarEksportu::usunZEcorponet()
{
    const QListWidgetItem* item = m_pliki->currentItem();
    if (!usunPaczkeZEcorponet(m_session, m_dialogs, item ? item->text() : QString()))
        return;
    pokazPliki();
    emit usunietoPlik();
}

} // namespace remitto
