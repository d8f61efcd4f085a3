#include "transfers/frmPrzelewBRamkaMojejFirmy.h"

#include "core/Session.h"
#include "transfers/WpisPrzelewu.h"
#include "ui/Kontrolki.h"

#include <QGridLayout>
#include <QLabel>

namespace remitto {

using namespace kontrolki;

RamkaMojejFirmy::RamkaMojejFirmy(QWidget* parent)
    : QGroupBox(QStringLiteral("Moja firma"), parent)
{
    setObjectName(QStringLiteral("frMojaFirma"));
    m_lbNip = etykieta(QString(), QStringLiteral("lbNIP"), this);
    m_lbKonto1 = etykieta(QString(), QStringLiteral("lbKonto1"), this);
    m_lbKonto2 = etykieta(QString(), QStringLiteral("lbKonto2"), this);
    m_lbMikroPodatkowy = etykieta(QString(), QStringLiteral("lbMikroPodatkowy"), this);
    m_lbData = etykieta(QString(), QStringLiteral("lbdata"), this);
    for (QLabel* l : {m_lbNip, m_lbKonto1, m_lbKonto2, m_lbMikroPodatkowy})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* g = new QGridLayout(this);
    g->addWidget(etykieta(QStringLiteral("Mój Identyfikator"), QStringLiteral("lblNIP"), this), 0, 0);
    g->addWidget(m_lbNip, 0, 1);
    g->addWidget(etykieta(QStringLiteral("NrKonta 1"), QStringLiteral("lblKonto1"), this), 1, 0);
    g->addWidget(m_lbKonto1, 1, 1);
    g->addWidget(etykieta(QStringLiteral("NrKonta2"), QStringLiteral("lblKonto2"), this), 2, 0);
    g->addWidget(m_lbKonto2, 2, 1);
    g->addWidget(etykieta(QStringLiteral("MiPodatkowy"), QStringLiteral("lblMikroPodatkowy"), this), 3, 0);
    g->addWidget(m_lbMikroPodatkowy, 3, 1);
    g->addWidget(etykieta(QStringLiteral("Data"), QStringLiteral("lbldata"), this), 4, 0);
    g->addWidget(m_lbData, 4, 1);
    g->setColumnStretch(1, 1);
}

void RamkaMojejFirmy::pokaz(const Session& s)
{
    const QStringList konta = kontaWlasne(s.KontoWybrane, s.Konto1Firmy, s.Konto2Firmy, s.Konto3Firmy);
    m_lbNip->setText(s.NipFirmy);
    m_lbKonto1->setText(konta.value(0));
    m_lbKonto2->setText(konta.value(1));
    m_lbMikroPodatkowy->setText(s.Konto4Firmy);
    m_lbData->setText(s.DataRobocza);
}

} // namespace remitto
