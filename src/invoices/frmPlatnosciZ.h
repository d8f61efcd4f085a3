#pragma once

#include "invoices/ListaFaktur.h"

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;

namespace remitto {

class Dialogs;
class Grid;
class frmKorektaFakturyZ;
struct Session;

/// Payments window "Płatności własne z faktur zakupu": lists the purchase
/// invoices of the shop program with their payment state, filters and sorts
/// them, shows the totals and opens the invoice view. The transfer list
/// MSFlexGrid1 is where the paying of invoices gathers its transfers.
///
/// Opening: the constructor reads nothing; the owner calls otworz() every
/// time the window is to be shown. It takes today's date into the session,
/// fills the year and month boxes and lists the invoices of this month.
///
/// Every control carries its name as objectName. Loading a list shows the
/// progress bar "prgWczytywanie" and keeps the window repainting; the shop
/// program's files are only read.
class frmPlatnosciZ : public QWidget {
    Q_OBJECT

public:
    frmPlatnosciZ(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPlatnosciZ() override;

    /// The opening steps: dates, boxes, both grids, the month's invoices.
    void otworz();

    /// The invoice view, once opened.
    frmKorektaFakturyZ* podglad() const;

private:
    void zbudujOkno();
    QWidget* zbudujPrzelewy();

    // One handler per user action.
    void naDzis();
    void tylkoNiesplacone();
    void wszystkie();
    void pokazMiesiac();
    void tylkoKontrahent();
    void sortuj(int kolumna);
    void wyswietlFakture();
    void koniec();

    /// The loading procedure shared by the opening and the list buttons.
    void wczytaj(RodzajListy rodzaj);
    /// Colours of the rows from their state.
    void pokoloruj();
    void pokazSumy(const SumyFaktur& s);
    /// All rows of the invoice grid as cell texts.
    QList<QStringList> wiersze() const;
    /// Puts rows back into the invoice grid with their colours.
    void wstawWiersze(QList<QStringList> wiersze);

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<frmKorektaFakturyZ> m_podglad;
    /// A list is loading: the window repaints meanwhile, but what the user
    /// does waits until the list stands.
    bool m_wczytywanie = false;

    QLabel* m_lbSciezkadoKramix = nullptr;
    QLabel* m_Label13 = nullptr;
    QLineEdit* m_txtRokFr = nullptr;
    QComboBox* m_cmbMiesiacFr = nullptr;
    QLineEdit* m_txtMiesiacZ = nullptr;
    QLineEdit* m_txtSlowo = nullptr;
    QLineEdit* m_txtDoSplatyOD = nullptr;
    QRadioButton* m_Option1 = nullptr;
    QRadioButton* m_Option2 = nullptr;
    Grid* m_MSFlexGrid11 = nullptr;
    Grid* m_MSFlexGrid1 = nullptr;
    QLineEdit* m_txtRazemKwota = nullptr;
    QProgressBar* m_postep = nullptr;
    QLabel* m_LbRazemNetto = nullptr;
    QLabel* m_lbRazemVat = nullptr;
    QLabel* m_lbRazemBrutto = nullptr;
    QLabel* m_lbWplaty = nullptr;
    QLabel* m_lbZadluzenie = nullptr;
};

} // namespace remitto
