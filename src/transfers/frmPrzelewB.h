#pragma once

#include "contractors/Kontrahent.h"
#include "transfers/Paczki.h"
#include "transfers/Przelew.h"
#include "transfers/RodzajPrzelewu.h"
#include "transfers/WpisPrzelewu.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace remitto {

class Dialogs;
class Drukowanie;
class Grid;
class frmKontrahenci;
class frmPlatnosciZ;
class ObszarEksportu;
class ObszarPaczek;
class RamkaBanknotow;
class RamkaDrukarki;
struct Session;

/// The transfer window: the entry area for one transfer (contractor, account,
/// amounts, title, kind), the package area (this month's packages and the
/// contents of one) and the export area (files already sent to Ecorponet).
///
/// The constructor builds the controls and reads nothing; otworz() runs the
/// opening steps each time the window is shown. Controls carry their names as
/// objectName. The package area (ObszarPaczek) and the export area
/// (ObszarEksportu) are parts of their own, and so are the banknote frame
/// (RamkaBanknotow) and the printer frame (RamkaDrukarki); the window joins them to the entry
/// area: frmPrzelewB.cpp (building and opening), frmPrzelewBWpis.cpp (entry
/// area handlers), frmPrzelewBKontrahent.cpp (the contractor shown),
/// frmPrzelewBPaczki.cpp (adding to a package, the payments window) and
/// frmPrzelewBEksport.cpp (moving a package to Ecorponet).
class frmPrzelewB : public QWidget {
    Q_OBJECT

public:
    explicit frmPrzelewB(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPrzelewB() override;

    /// Opening: caption, own company labels, printer frame, dates, kind code;
    /// then shows and raises the window.
    void otworz();

    /// Fills the entry area with a contractor (hand-over from the contractor
    /// list or card, or a search); its ordinal becomes the contractor shown.
    void wstawKontrahenta(const WpisPrzelewu& w);

    /// "&Do przelewu" of the contractor list or card, and a search by short
    /// name: the entry area takes the contractor handed over.
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
    // Building (frmPrzelewB.cpp, frmPrzelewBPaczki.cpp)
    void dodajSkroty();
    void zbudujOkno();
    QWidget* zbudujWpis();
    QWidget* zbudujRodzaje();
    QWidget* zbudujPodatkowe();
    QWidget* zbudujMojaFirma();
    void polacz();

    // Opening (frmPrzelewB.cpp)
    void pokazMojaFirme();
    bool pokazDrukarke();
    void wyjscie();

    // Entry area handlers, one per user action (frmPrzelewBWpis.cpp)
    void nazwaZmieniona(QLineEdit* pole);
    void kodEnter();
    void kwotaEnter();
    void vatEnter();
    bool ustalKwotyWpisu();
    bool kontoPotwierdzone(const QString& pytanie);
    void wyczyscWpis();
    void tytulEdytowany();
    void tytulEnter();
    void wybranoRodzaj(int id);
    void kliknietoSkarbowy();
    void sprawdzNIP();
    void opisSeryjny();
    void znajdzSkrot();
    void zapiszKontrahenta();
    void dodajKontrahenta();
    void podgladKontrahentow();
    void drukuj();
    void platnosci();

    // The contractor shown (frmPrzelewBKontrahent.cpp)
    QString plikKontrahentow() const;
    frmKontrahenci* oknoKontrahentow();
    void kontoZmienione();

    // The package and export areas as the window joins them (frmPrzelewBPaczki.cpp,
    // frmPrzelewBEksport.cpp)
    void polaczObszary();
    void doPaczki();
    void doEcorponet();

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<frmKontrahenci> m_kontrahenci;
    QPointer<frmPlatnosciZ> m_platnosci;
    std::unique_ptr<Drukowanie> m_drukarka;  ///< the system printer
    Drukowanie* m_drukowanie = nullptr;      ///< where forms go; m_drukarka unless set

    // Entry area
    QLineEdit* txtNazwa1K = nullptr;
    QLineEdit* txtNazwa2K = nullptr;
    QLineEdit* txtSkrotK = nullptr;  ///< "txtSkrótK"
    QLineEdit* txtKODK = nullptr;
    QLineEdit* txtAdresK = nullptr;
    QLineEdit* txtUlicaK = nullptr;
    QLineEdit* txtNumerDomuK = nullptr;
    QLineEdit* txtNrLok = nullptr;
    QLineEdit* txtPoczta = nullptr;
    QLineEdit* txtBankK = nullptr;
    QLineEdit* txtKontoK = nullptr;
    QLabel* lbKontoNRB = nullptr;
    QLineEdit* txtNIPK = nullptr;
    QLineEdit* txtKodIden = nullptr;
    QLineEdit* txtTelefon = nullptr;
    QLineEdit* txtMail = nullptr;
    QLineEdit* txtKwotaK = nullptr;
    QLineEdit* txtVat = nullptr;
    QLineEdit* txtKwotaBrutto = nullptr;
    QLineEdit* txtTytulem1 = nullptr;
    QLineEdit* txtNrKol = nullptr;
    QLineEdit* txtRodzKl = nullptr;
    QLabel* lbNazwaFirmy = nullptr;
    QLabel* lblTelefon = nullptr;
    QLabel* lblMail = nullptr;

    // Kinds and tax fields
    QButtonGroup* m_rodzaje = nullptr;
    QLabel* lbskarbowy = nullptr;
    QLineEdit* txtRok = nullptr;
    QLineEdit* txtOkres = nullptr;
    QLineEdit* txtNrOkresu = nullptr;
    QLineEdit* txtSymbol = nullptr;

    // Banknote frame: counts, their values and the totals
    RamkaBanknotow* m_banknoty = nullptr;

    // Own company, dates, printer
    QLabel* lbNIP = nullptr;
    QLabel* lbKonto1 = nullptr;
    QLabel* lbKonto2 = nullptr;
    QLabel* lbMikroPodatkowy = nullptr;
    QLabel* lbdata = nullptr;
    RamkaDrukarki* m_drukarkaRamka = nullptr;  ///< printer frame with the print button

    // Package and export areas
    ObszarPaczek* m_paczki = nullptr;
    ObszarEksportu* m_eksport = nullptr;
    bool m_rozmiarUstalony = false;  ///< the first opening has sized the window
    /// The entry area as the last hand-over of a contractor filled it: saving
    /// the contractor writes only the boxes the user changed since.
    std::optional<WpisPrzelewu> m_przekazany;
};

} // namespace remitto
