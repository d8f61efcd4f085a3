#pragma once

#include "contractors/KontrahenciOperacje.h"

#include <QWidget>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace remitto {

class Dialogs;
struct Session;

/// What the card takes from the contractor list's grid.
struct KontekstListy {
    int liczbaWierszy = 1;  ///< rows including the header row: the ordinal of a new contractor
    int wiersz = 0;         ///< current row: the ordinal of the contractor edited
    QString nazwa;          ///< current row's name (column 1)
    QString skrot;          ///< current row's short name (column 4)

    /// The list as its opening would load it from the file: every record,
    /// row 1 current (used when the card opens without the list on screen).
    static KontekstListy zPliku(const QString& sciezka);
};

/// Contractor card ("Firma Kontrahenta"): one contractor of kontrah.dta for
/// editing, or empty boxes for a new one (Session::TrybKontrahenta 4).
/// Every box carries the name of the record field it edits as objectName.
/// Beside each account box a quiet mark tells whether the number has valid
/// NRB check digits, beside the NIP box whether the NIP's check digit is right.
class frmFirmaKontrahenta : public QWidget {
    Q_OBJECT

public:
    frmFirmaKontrahenta(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    /// Fills the boxes by the mode and the list's grid, and shows the card.
    void otworz(const KontekstListy& lista);

signals:
    /// A new contractor was appended; the card has closed.
    void dopisano();
    /// An edit was saved.
    void zmieniono();
    /// "&Do przelewu" with a name: the card has closed.
    void doPrzelewu(const remitto::kontrahenci::KontrahentDoPrzelewu& kontrahent);

private:
    void zbudujOkno();
    QString plik() const;
    void wyczysc();
    void pokaz(const kontrahenci::Kontrahent& k);
    /// The record as the boxes hold it (fields without a box from the record read).
    kontrahenci::Kontrahent zOkna() const;

    // One handler per user action.
    void zapiszZmiany();
    void zakup();
    void kodZmieniony(const QString& kod);
    void sprawdzKonto(QLineEdit* konto, QLabel* znak);
    void sprawdzNipKarty();
    /// An account of 26 digits with wrong check digits is saved only when the
    /// user says so; "No" leaves the focus on that account.
    bool kontaPotwierdzone();

    bool wykonaj(const std::function<kontrahenci::WynikOperacji(bool nadpisz)>& operacja);

    Session& m_session;
    Dialogs& m_dialogs;
    KontekstListy m_lista;
    kontrahenci::Kontrahent m_rekord;  ///< the record shown, as read

    QLabel* LbNrKol = nullptr;
    QLabel* lbNazwaFirmyK = nullptr;
    QLineEdit* txtSkrotK = nullptr;
    QLineEdit* txtRodzajPlatnikaK = nullptr;
    QLineEdit* txtNazwiskoK = nullptr;
    QLineEdit* txtImieK = nullptr;
    QLineEdit* txtNIPpesK = nullptr;
    QLabel* lbNipK = nullptr;
    QLineEdit* txtRegonK = nullptr;
    QLineEdit* txtKODK = nullptr;
    QLineEdit* txtPocztK = nullptr;
    QLineEdit* txtMiejscK = nullptr;
    QLineEdit* txtUlicaK = nullptr;
    QLineEdit* txtNumerDomuK = nullptr;
    QLineEdit* txtlokK = nullptr;
    QLineEdit* txtGMINK = nullptr;
    QLineEdit* txtPowK = nullptr;
    QLineEdit* txtWOJK = nullptr;
    QLineEdit* txtKonto1K = nullptr;
    QLineEdit* txtKonto2K = nullptr;
    QLabel* lbNrbKonto1K = nullptr;
    QLabel* lbNrbKonto2K = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QLineEdit* txtTelK = nullptr;
    QLineEdit* txtKomorkaK = nullptr;
    QLineEdit* txtFaxK = nullptr;
    QLineEdit* txtMailK = nullptr;
    QLineEdit* txtWWWK = nullptr;
    QLineEdit* txtUwagiK = nullptr;
    QLineEdit* txtKodKontrahenta = nullptr;
    QComboBox* cmbWalutaKH = nullptr;
    QLineEdit* txtZEU = nullptr;
    QPushButton* cmdZmianyK = nullptr;
};

} // namespace remitto
