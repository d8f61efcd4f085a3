#pragma once

#include "contractors/Kontrahent.h"
#include "transfers/RodzajPrzelewu.h"
#include "transfers/TytulSeryjny.h"
#include "transfers/WpisPrzelewu.h"

#include <QGroupBox>
#include <QList>
#include <QPointer>
#include <optional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace remitto {

class Dialogs;
class frmKontrahenci;
struct Session;

/// The entry area of the transfer window (frame "frWpis"): the contractor
/// (names, address, bank, account with its check mark, NIP, contact), the
/// title, the amount, VAT and gross boxes, the contractor buttons and
/// "K&Oniec". The kinds of transfer (frame "frRodzaj") and the tax fields
/// (frame "frPodatkowe") belong to it as well, though the window lays them
/// out beside it: ramkaRodzajow() and ramkaPodatkowa().
///
/// The area answers its own keys and buttons: Enter in the post code, the
/// amount, the VAT and the title, the NIP check, the serial description, the
/// kinds, the contractor search, saving, adding and listing contractors. What
/// joins other parts (adding to a package, printing) is the window's; it
/// reads the area through wpis(), rodzaj() and podatkowe().
class ObszarWpisu : public QGroupBox {
    Q_OBJECT

public:
    /// `okno` is the transfer window: it also holds the kinds and the tax
    /// fields, so the whole entry area shares its keyboard order.
    ObszarWpisu(Session& session, Dialogs& dialogs, QWidget* okno);
    ~ObszarWpisu() override;

    /// "frRodzaj", the kinds' option buttons.
    QWidget* ramkaRodzajow() const { return m_ramkaRodzajow; }
    /// "frPodatkowe", the tax office fields.
    QWidget* ramkaPodatkowa() const { return m_ramkaPodatkowa; }

    /// The keyboard order of the whole area: the boxes of the frame in
    /// typing order, from the gross amount on to the kinds and the tax
    /// fields, then through `wstawione` (the window's own boxes), then the
    /// contractor buttons and "K&Oniec".
    void ustawKolejnosc(const QList<QWidget*>& wstawione);

    /// Opening the window: a window not shown yet starts with an empty entry
    /// area (`pusty`); the VAT empties and the kind goes back to the
    /// ordinary transfer.
    void otworz(bool pusty);
    /// The cursor goes to the first name box.
    void zacznijPisanie();

    /// The entry area as it stands.
    WpisPrzelewu wpis() const;
    /// The kind selected by the option buttons.
    Rodzaj rodzaj() const;
    /// The tax fields as typed.
    PolaPodatkowe podatkowe() const;

    /// Fills the boxes with a contractor (hand-over or search).
    void wstawKontrahenta(const WpisPrzelewu& w);
    /// "&Do przelewu" of the contractor list or card, and a search by short
    /// name: the boxes take the contractor handed over; przyjetoKontrahenta
    /// follows.
    void przyjmijKontrahenta(const kontrahenci::KontrahentDoPrzelewu& d);

    /// Before anything takes the amount, the summing box and the VAT are
    /// worked out exactly as Enter would; false (after the message) when the
    /// amount is wrong.
    bool ustalKwotyWpisu();
    /// An account of 26 digits with wrong check digits goes on only when the
    /// user says so (question ending in `pytanie`, "No" the default).
    bool kontoPotwierdzone(const QString& pytanie);

signals:
    /// A kind was chosen (or set by the opening); the window shows what
    /// belongs to it outside the area.
    void wybranoRodzaj(Rodzaj rodzaj);
    /// A contractor was handed over: the window comes forward.
    void przyjetoKontrahenta();
    /// "K&Oniec".
    void koniec();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zbudujRamke();
    void zbudujRodzaje(QWidget* okno);
    void zbudujPodatkowe(QWidget* okno);
    void polacz();

    // One handler per user action (frmPrzelewBWpis.cpp)
    void nazwaZmieniona(QLineEdit* pole);
    void kodEnter();
    void kwotaEnter();
    void vatEnter();
    void tytulEdytowany();
    void tytulEnter();
    void rodzajWybrany(int id);
    void kliknietoSkarbowy();
    void sprawdzNIP();
    void opisSeryjny();
    void wyczysc();

    // The contractor shown (frmPrzelewBKontrahent.cpp)
    QString plikKontrahentow() const;
    frmKontrahenci* oknoKontrahentow();
    void kontoZmienione();
    void znajdzSkrot();
    void zapiszKontrahenta();
    void dodajKontrahenta();
    void podgladKontrahentow();

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<frmKontrahenci> m_kontrahenci;

    // The contractor
    QLineEdit* m_nazwa1 = nullptr;       ///< "txtNazwa1K"
    QLineEdit* m_nazwa2 = nullptr;       ///< "txtNazwa2K"
    QLineEdit* m_skrot = nullptr;        ///< "txtSkrótK"
    QLabel* m_lbNazwaFirmy = nullptr;    ///< "lbNazwaFirmy"
    QLineEdit* m_nrKolejny = nullptr;    ///< "txtNrKol"
    QLineEdit* m_platnik = nullptr;      ///< "txtRodzKl"
    QLineEdit* m_kod = nullptr;          ///< "txtKODK"
    QLineEdit* m_miejscowosc = nullptr;  ///< "txtAdresK"
    QLineEdit* m_poczta = nullptr;       ///< "txtPoczta"
    QLineEdit* m_ulica = nullptr;        ///< "txtUlicaK"
    QLineEdit* m_numerDomu = nullptr;    ///< "txtNumerDomuK"
    QLineEdit* m_numerLokalu = nullptr;  ///< "txtNrLok"
    QLineEdit* m_bank = nullptr;         ///< "txtBankK"
    QLineEdit* m_konto = nullptr;        ///< "txtKontoK"
    QLabel* m_lbZnakKonta = nullptr;     ///< "lbKontoNRB"
    QLineEdit* m_nip = nullptr;          ///< "txtNIPK"
    QLineEdit* m_kodIden = nullptr;      ///< "txtKodIden"
    QLineEdit* m_telefon = nullptr;      ///< "txtTelefon"
    QLineEdit* m_mail = nullptr;         ///< "txtMail"
    QLabel* m_lbTelefon = nullptr;       ///< "lblTelefon"
    QLabel* m_lbMail = nullptr;          ///< "lblMail"
    QPushButton* m_cmdSprawdzNip = nullptr;  ///< "cmdSprNIP"

    // Title and amounts
    QLineEdit* m_tytul = nullptr;        ///< "txtTytulem1"
    QPushButton* m_cmdSeryjny = nullptr; ///< "CmdSeryjny"
    QLineEdit* m_kwota = nullptr;        ///< "txtKwotaK", the summing box
    QLineEdit* m_vat = nullptr;          ///< "txtVat"
    QLineEdit* m_brutto = nullptr;       ///< "txtKwotaBrutto"

    /// "cmdZnajd", "cmdZmianyK", "cmdDodaj", "cmdPodglad", "wyjscie"
    QList<QPushButton*> m_przyciski;

    // Kinds and tax fields
    QWidget* m_ramkaRodzajow = nullptr;  ///< "frRodzaj"
    QButtonGroup* m_rodzaje = nullptr;   ///< "OpRodzaj1", "opRodzaj2" ... "OpRodzaj6"; id = Rodzaj
    QWidget* m_ramkaPodatkowa = nullptr; ///< "frPodatkowe"
    QLabel* m_lbPodatkowe = nullptr;     ///< "lbskarbowy"
    QLineEdit* m_rok = nullptr;          ///< "txtRok"
    QLineEdit* m_okres = nullptr;        ///< "txtOkres"
    QLineEdit* m_nrOkresu = nullptr;     ///< "txtNrOkresu"
    QLineEdit* m_symbol = nullptr;       ///< "txtSymbol"

    /// The entry area as the last hand-over of a contractor filled it: saving
    /// the contractor writes only the boxes the user changed since.
    std::optional<WpisPrzelewu> m_przekazany;
};

} // namespace remitto
