#pragma once

#include "contractors/Kontrahent.h"
#include "transfers/RodzajPrzelewu.h"
#include "transfers/WpisPrzelewu.h"

#include <QPointer>
#include <QWidget>
#include <memory>

namespace remitto {

class Dialogs;
class Drukowanie;
class frmPlatnosciZ;
class ObszarEksportu;
class ObszarPaczek;
class ObszarWpisu;
class RamkaBanknotow;
class RamkaDrukarki;
class RamkaMojejFirmy;
struct Session;

/// The transfer window: it joins its parts and reads nothing itself. The
/// entry area (ObszarWpisu: contractor, account, amounts, title, kinds and
/// tax fields) feeds the package area (ObszarPaczek) when a transfer is
/// added and the printer frame (RamkaDrukarki) when a form is printed; the
/// export area (ObszarEksportu) moves the package shown to Ecorponet and
/// opens the payments window. The banknote frame (RamkaBanknotow) shows for
/// a cash deposit in the place of the own company frame (RamkaMojejFirmy).
///
/// The constructor builds the controls and reads nothing; otworz() runs the
/// opening steps each time the window is shown. Controls carry their names as
/// objectName. frmPrzelewB.cpp builds and opens the window,
/// frmPrzelewBCzesci.cpp joins the parts (adding to a package, moving it to
/// Ecorponet, the payments window, printing the form).
class frmPrzelewB : public QWidget {
    Q_OBJECT

public:
    explicit frmPrzelewB(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPrzelewB() override;

    /// Opening: caption, own company labels, printer frame, dates, kind code;
    /// then shows and raises the window.
    void otworz();

    /// Fills the entry area with a contractor (hand-over from the contractor
    /// list or card, or a search).
    void wstawKontrahenta(const WpisPrzelewu& w);

    /// "&Do przelewu" of the contractor list or card, and a search by short
    /// name: the entry area takes the contractor handed over and the window
    /// comes forward.
    void przyjmijKontrahenta(const kontrahenci::KontrahentDoPrzelewu& d);

    /// The entry area as it stands.
    WpisPrzelewu wpis() const;
    /// The kind selected by the option buttons.
    Rodzaj rodzaj() const;

    /// Where "D&Rukuj x4 lub wpłata" sends its forms: the system printer
    /// through the print dialog unless a test puts its own in.
    void ustawDrukowanie(Drukowanie* drukowanie) { m_drukowanie = drukowanie; }

signals:
    /// The window closed ("K&Oniec" or the window's close box); the main
    /// window comes forward.
    void zamknieto();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Building and opening (frmPrzelewB.cpp)
    void dodajSkroty();
    void zbudujOkno();
    bool pokazDrukarke();
    void doPrzodu();

    // Joining the parts (frmPrzelewBCzesci.cpp)
    void polaczCzesci();
    void wybranoRodzaj(Rodzaj rodzaj);
    void doPaczki();
    void doEcorponet();
    void platnosci();
    void drukuj();

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<frmPlatnosciZ> m_platnosci;
    std::unique_ptr<Drukowanie> m_drukarka;  ///< the system printer
    Drukowanie* m_drukowanie = nullptr;      ///< where forms go; m_drukarka unless set

    // The parts
    ObszarWpisu* m_wpis = nullptr;            ///< "frWpis", with "frRodzaj" and "frPodatkowe"
    ObszarPaczek* m_paczki = nullptr;         ///< "Frame2"
    ObszarEksportu* m_eksport = nullptr;      ///< "frEksport"
    RamkaBanknotow* m_banknoty = nullptr;     ///< "Frame1"
    RamkaDrukarki* m_ramkaDrukarki = nullptr; ///< "Frame3"
    RamkaMojejFirmy* m_mojaFirma = nullptr;   ///< "frMojaFirma"

    bool m_rozmiarUstalony = false;  ///< the first opening has sized the window
};

} // namespace remitto
