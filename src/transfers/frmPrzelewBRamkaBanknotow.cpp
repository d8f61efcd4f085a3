#include "transfers/frmPrzelewBRamkaBanknotow.h"

#include "transfers/Banknoty.h"
#include "ui/Kontrolki.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace remitto {

using namespace kontrolki;

RamkaBanknotow::RamkaBanknotow(QWidget* parent)
    : QGroupBox(QStringLiteral("Specyfikacja banknotów"), parent)
{
    setObjectName(QStringLiteral("Frame1"));
    auto* g = new QGridLayout(this);
    for (size_t i = 0; i < kNominaly.size(); ++i) {
        const int zl = kNominaly[i];
        const int kol = int(i / 4) * 3;
        const int wiersz = int(i % 4);
        m_ilosci[i] = pole(QStringLiteral("txt%1zl").arg(zl), this, 4);
        m_kwoty[i] = etykieta(QStringLiteral("0"), QStringLiteral("lbKwota%1zl").arg(zl), this);
        m_kwoty[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(etykieta(QStringLiteral("%1 zł x").arg(zl), QStringLiteral("lbl%1zl").arg(zl), this), wiersz,
                     kol);
        g->addWidget(m_ilosci[i], wiersz, kol + 1);
        g->addWidget(m_kwoty[i], wiersz, kol + 2);
        connect(m_ilosci[i], &QLineEdit::textChanged, this, &RamkaBanknotow::przelicz);
    }
    m_lbSztuk = etykieta(QStringLiteral("0"), QStringLiteral("lbRazemSzt"), this);
    m_lbRazem = etykieta(QStringLiteral("0,00"), QStringLiteral("lbRazemKwotaWplaty"), this);
    g->addWidget(etykieta(QStringLiteral("Razem sztuk"), QStringLiteral("lblRazemSzt"), this), 4, 0);
    g->addWidget(m_lbSztuk, 4, 1);
    g->addWidget(etykieta(QStringLiteral("Razem kwota"), QStringLiteral("lblRazemKwota"), this), 4, 3);
    g->addWidget(m_lbRazem, 4, 4, 1, 2);
    g->setColumnStretch(6, 1);  // the counts keep their width in a wide window
}

std::array<QString, 8> RamkaBanknotow::ilosci() const
{
    std::array<QString, 8> ilosci;
    for (size_t i = 0; i < ilosci.size(); ++i)
        ilosci[i] = m_ilosci[i]->text();
    return ilosci;
}

void RamkaBanknotow::wyczysc()
{
    for (QLineEdit* e : m_ilosci)
        e->clear();
    przelicz();
}

void RamkaBanknotow::przelicz()
{
    const Specyfikacja s = specyfikacjaBanknotow(ilosci());
    const PodpisySpecyfikacji podpisy = podpisySpecyfikacji(s);
    for (size_t i = 0; i < m_ilosci.size(); ++i) {
        m_kwoty[i]->setText(podpisy.kwoty[i]);
        // An unreadable count counts as 0; its field says so.
        m_ilosci[i]->setStyleSheet(s.bledne[i] ? QStringLiteral("background-color: #FFC0C0;") : QString());
        m_ilosci[i]->setToolTip(s.bledne[i] ? QStringLiteral("Nieczytelna liczba sztuk - liczona jako 0") : QString());
    }
    m_lbSztuk->setText(podpisy.sztuk);
    m_lbRazem->setText(podpisy.razem);
}

} // namespace remitto
