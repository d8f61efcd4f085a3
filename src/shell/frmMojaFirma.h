#pragma once

#include "shell/MojaFirma.h"

#include <QWidget>
#include <array>
#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace remitto {

class Dialogs;
struct Session;
struct WynikFirmy;

/// Own company window: browses, adds, edits, deletes and finds the records of
/// MojaFirma.txt, chooses the outgoing account and hands the chosen company to
/// the session with "&Koniec-wstaw".
///
/// Opening: the constructor reads nothing. The owner calls otworz() every time
/// the window is to be shown; it reads the file afresh, shows the first record
/// and the record count, and shows and raises the window.
///
/// Controls carry their names as objectName. The four account boxes, the
/// control array txtKontoM(0..3), are "txtKontoM0" ... "txtKontoM3"; the fourth
/// is the tax micro-account. The outgoing account is chosen with the option
/// buttons "Konto1", "Option2", "Option3".
///
/// Every record shown becomes the session's current company at once
/// (NrIdFirmy ... SciezkaEcorponet, DaneFirmy, KontoWybrane). "&Koniec-wstaw"
/// then hands over the chosen account, the short name, NIP, identifier and
/// Ecorponet folder as the boxes show them (wstawFirme), emits przekazano()
/// and closes the window.
class frmMojaFirma : public QWidget {
    Q_OBJECT

public:
    explicit frmMojaFirma(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    /// Reads MojaFirma.txt, shows its first record and brings the window up.
    /// A missing, unreadable or damaged file is reported; whatever could be
    /// read is shown.
    void otworz();

signals:
    /// The company has been handed to the session (emptied when the file
    /// holds no record); the window closes right after.
    void przekazano();

private:
    void zbudujOkno();

    // One handler per user action.
    void wstecz();
    void dalej();
    void dodaj();
    void zapiszZmiany();
    void usun();
    void znajdz();
    void koniecWstaw();
    bool skrotDobry(const QString& skrot);
    void wybranoKonto(int indeks);
    void kodWpisany(const QString& kod);

    QString plik() const;
    void przejdz(int krok);
    /// Shows `f` and makes it the session's current company.
    void pokaz(const Firma& f);
    /// Shows record number 1 with empty fields (a file without records).
    void pokazPusty();
    void pokazLiczbe(int liczba);
    void zaznaczKonto();
    /// The record as it stands in the boxes.
    Firma zOkna() const;

    void pokazBladOdczytu(const WynikFirmy& w);
    /// Runs a rewrite; on a damaged file asks first and repeats it with the
    /// user's consent. Reports a failed rewrite. True when the file was written.
    bool przepisz(const std::function<WynikFirmy(bool nadpisz)>& operacja, WynikFirmy& w);

    Session& m_session;
    Dialogs& m_dialogs;

    Firma m_firma;     ///< the record shown, as it was read or saved
    int m_liczba = 0;  ///< records in the file

    QLineEdit* m_txtNrIdM = nullptr;
    QLineEdit* m_txtSkrotM = nullptr;
    QLineEdit* m_txtNazwaM = nullptr;
    QLineEdit* m_txtNazwa2M = nullptr;
    QLineEdit* m_txtKODM = nullptr;
    QLineEdit* m_txtAdresM = nullptr;
    QLineEdit* m_txtUlicaM = nullptr;
    QLineEdit* m_txtNumerDomuM = nullptr;
    std::array<QLineEdit*, 4> m_txtKontoM{};
    QLineEdit* m_txtidn = nullptr;
    QLineEdit* m_txtNIPpes = nullptr;
    QLineEdit* m_txtSciezkaDoKramix = nullptr;
    QLineEdit* m_txtSciezkaDoEcorponet = nullptr;
    QLabel* m_lbNazwaFirmyM = nullptr;
    QLabel* m_lbKatalog = nullptr;
    QLabel* m_lbOstatni = nullptr;
    std::array<QRadioButton*, 3> m_optKonto{};
    QButtonGroup* m_grupaKont = nullptr;
};

} // namespace remitto
