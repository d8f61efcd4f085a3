#include "transfers/frmPrzelewBRamkaDrukarki.h"

#include "shell/Instalka.h"
#include "ui/Kontrolki.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>

namespace remitto {

using namespace kontrolki;

RamkaDrukarki::RamkaDrukarki(QWidget* parent)
    : QGroupBox(QStringLiteral("Drukarka-"), parent)
{
    setObjectName(QStringLiteral("Frame3"));
    m_zwykly = new QRadioButton(QStringLiteral("Zwykły"), this);
    m_zwykly->setObjectName(QStringLiteral("optdruk1"));
    m_gruby = new QRadioButton(QStringLiteral("Gruby"), this);
    m_gruby->setObjectName(QStringLiteral("optdruk2"));
    m_zwykly->setChecked(true);
    auto* cmdDRUKUJ = przycisk(QStringLiteral("D&Rukuj x4 lub wpłata"), QStringLiteral("cmdDRUKUJ"), this);
    connect(cmdDRUKUJ, &QPushButton::clicked, this, &RamkaDrukarki::drukuj);
    auto* h = new QHBoxLayout(this);
    h->addWidget(m_zwykly);
    h->addWidget(m_gruby);
    h->addStretch(1);
    h->addWidget(cmdDRUKUJ);
}

bool RamkaDrukarki::pokazUstawienia(const QString& sciezkaProgramu)
{
    const UstawieniaOdczyt r = readInstalka(sciezkaProgramu);
    setTitle(QStringLiteral("Drukarka-") + nazwaDrukarki(r.u.rodzajDrukarki));
    (r.u.rodzajDruku == QLatin1String("2") ? m_gruby : m_zwykly)->setChecked(true);
    return r.ok && !r.u.rodzajDruku.isEmpty() && !r.u.ustawienie6.isEmpty();
}

} // namespace remitto
