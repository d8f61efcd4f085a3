// Transfer window: building it from its parts and the opening steps.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "transfers/LiniaEksportu.h"
#include "transfers/PlikPaczki.h"
#include "transfers/frmPrzelewBObszarEksportu.h"
#include "transfers/frmPrzelewBObszarPaczek.h"
#include "transfers/frmPrzelewBObszarWpisu.h"
#include "transfers/frmPrzelewBRamkaBanknotow.h"
#include "transfers/frmPrzelewBRamkaDrukarki.h"
#include "transfers/frmPrzelewBRamkaMojejFirmy.h"
#include "ui/SkrotyPrzyciskow.h"
#include "ui/Dialogs.h"
#include "ui/PrintRenderer.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace remitto {

frmPrzelewB::frmPrzelewB(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPrzelewB"));
    setWindowTitle(QStringLiteral("Przelew"));
    m_drukarka = std::make_unique<QtDrukowanie>(this);
    m_drukowanie = m_drukarka.get();
    zbudujOkno();
    polaczCzesci();
    dodajSkroty();
}

// One key for each button of the month's road; listed in the README.
void frmPrzelewB::dodajSkroty()
{
    dodajSkrotyPrzyciskow(this, {{"cmdDoPaczki", QKeySequence(Qt::Key_F2)},
                                 {"cmdPodglad", QKeySequence(Qt::Key_F3)},
                                 {"cmdZmianyK", QKeySequence(Qt::Key_F4)},
                                 {"cmdZmien", QKeySequence(Qt::Key_F5)},
                                 {"cmdDodaj", QKeySequence(Qt::Key_F6)},
                                 {"cmdDoEcorponet", QKeySequence(Qt::Key_F7)},
                                 {"cmdDRUKUJ", QKeySequence(Qt::Key_F8)},
                                 {"cmdPlatnosci", QKeySequence(Qt::Key_F9)}});
    dodajKlawiszSiatki(this, "MSFlexGrid1", "cmdUsunRekord", QKeySequence(Qt::Key_Delete));
}

frmPrzelewB::~frmPrzelewB() = default;

void frmPrzelewB::zbudujOkno()
{
    // The own company and the banknotes share one place: a cash deposit
    // shows its banknotes there (see eventFilter). While one shows and the
    // other hides, the place is as tall as the taller of the two, which the
    // entry area beside it covers, so the window keeps its height.
    auto* miejsce = new QGridLayout;
    miejsce->setContentsMargins(0, 0, 0, 0);
    m_mojaFirma = new RamkaMojejFirmy(this);
    miejsce->addWidget(m_mojaFirma, 0, 0);
    m_banknoty = new RamkaBanknotow(this);
    miejsce->addWidget(m_banknoty, 0, 0);
    m_banknoty->raise();
    m_ramkaDrukarki = new RamkaDrukarki(this);
    // Made after the frames on the right, so the printer frame stays first
    // in the keyboard's round through the window.
    m_wpis = new ObszarWpisu(m_session, m_dialogs, this);

    auto* prawa = new QVBoxLayout;
    prawa->addWidget(m_wpis->ramkaRodzajow());
    prawa->addWidget(m_wpis->ramkaPodatkowa());
    prawa->addLayout(miejsce);
    prawa->addWidget(m_ramkaDrukarki);
    prawa->addStretch(1);

    auto* gora = new QHBoxLayout;
    gora->addWidget(m_wpis, 3);
    gora->addLayout(prawa, 2);

    auto* dol = new QHBoxLayout;
    m_paczki = new ObszarPaczek(m_session, m_dialogs, this);
    m_eksport = new ObszarEksportu(m_session, m_dialogs, this);
    dol->addWidget(m_paczki, 3);
    dol->addWidget(m_eksport, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(dol, 1);

    // The banknote frame takes the place of the own company frame while a
    // cash deposit is chosen (see eventFilter), so the package grids below
    // keep their rows whatever the kind.
    m_banknoty->installEventFilter(this);

    // The banknote counts come after the entry area's kinds and tax fields.
    QList<QWidget*> ilosci;
    for (QLineEdit* e : m_banknoty->polaIlosci())
        ilosci.append(e);
    m_wpis->ustawKolejnosc(ilosci);
}

bool frmPrzelewB::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_banknoty && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        m_mojaFirma->setVisible(event->type() == QEvent::HideToParent);
    return QWidget::eventFilter(watched, event);
}

void frmPrzelewB::otworz()
{
    Session& s = m_session;
    s.TrybKontrahenta = 0;
    m_paczki->ustawMiesiac(s.miesiacDzis(), s.rokDzis());
    const QStringList konta = kontaWlasne(s.KontoWybrane, s.Konto1Firmy, s.Konto2Firmy, s.Konto3Firmy);
    setWindowTitle(QStringLiteral("Przelew z ") + s.SkrotFirmy + QStringLiteral(" Nr konta ") + konta.value(0)
                   + QStringLiteral(" Data przelewu ") + s.DataDzis);
    m_mojaFirma->pokaz(s);
    m_eksport->ustawFolder(folderEksportu(s.SciezkaProgramu));
    m_paczki->ustawFolder(folderPaczek(s.SciezkaProgramu));
    // A window opened again starts with an empty entry area: nothing of an
    // earlier transfer can be added by one click.
    if (!isVisible())
        m_banknoty->wyczysc();
    m_wpis->otworz(!isVisible());
    if (pokazDrukarke()) {
        m_paczki->zmienMiesiac();
        m_eksport->pokazPliki();
    }
    if (!m_rozmiarUstalony) {
        // First opening: as tall as the screen allows (up to 960 points) and
        // as wide (up to 1400), so the package grids show many rows and
        // columns; the height beyond what the entry area needs goes to them.
        m_rozmiarUstalony = true;
        if (const QScreen* ekran = screen()) {
            const QRect obszar = ekran->availableGeometry();
            const QSize najmniej = minimumSizeHint();
            resize(std::max(std::min(obszar.width() - 40, 1400), najmniej.width()),
                   std::max(std::min(obszar.height() - 60, 960), najmniej.height()));
        }
    }
    show();
    raise();
    activateWindow();
    m_wpis->zacznijPisanie();
}

// What the other windows and the tests ask of the entry area.
WpisPrzelewu frmPrzelewB::wpis() const
{
    return m_wpis->wpis();
}

Rodzaj frmPrzelewB::rodzaj() const
{
    return m_wpis->rodzaj();
}

void frmPrzelewB::wstawKontrahenta(const WpisPrzelewu& w)
{
    m_wpis->wstawKontrahenta(w);
}

void frmPrzelewB::przyjmijKontrahenta(const kontrahenci::KontrahentDoPrzelewu& d)
{
    m_wpis->przyjmijKontrahenta(d);
}

bool frmPrzelewB::pokazDrukarke()
{
    if (!m_ramkaDrukarki->pokazUstawienia(m_session.SciezkaProgramu)) {
        m_dialogs.messageBox(QStringLiteral("Ustaw drukarke i druk !"),
                             QStringLiteral("Zle wybrana ściezka do przelewów "), Icon::Critical);
        return false;
    }
    return true;
}

void frmPrzelewB::doPrzodu()
{
    show();
    raise();
    activateWindow();
}

void frmPrzelewB::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit zamknieto();
}

} // namespace remitto
