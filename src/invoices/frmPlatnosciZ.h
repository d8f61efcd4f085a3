#pragma once

#include "invoices/ListaZaplat.h"
#include "shop/ListaFaktur.h"
#include "transfers/Przelew.h"
#include "ui/Grid.h"

#include <QDate>

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
struct NumerPaczkiListy;
class Grid;
class frmHistoria;
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
/// Paying: a click (or Enter) on an invoice's gross amount asks for the
/// amount and adds an ordinary transfer to the list MSFlexGrid1; the list is
/// saved as a new package of the month ("&Zapisz Paczkę") or saved and
/// exported at once ("&Przenieś paczkę do Ecorponet", through the transfer
/// window's export, which marks the invoices paid). Closing the window with
/// transfers neither saved nor moved asks first.
///
/// Every control carries its name as objectName. Loading a list shows the
/// progress bar "prgWczytywanie" and keeps the window repainting; the shop
/// program's files are read, and written only by the export.
class frmPlatnosciZ : public QWidget {
    Q_OBJECT

public:
    frmPlatnosciZ(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPlatnosciZ() override;

    /// The opening steps: dates, boxes, both grids, the month's invoices.
    void otworz();

    /// The invoice view, once opened.
    frmKorektaFakturyZ* podglad() const;

signals:
    /// The list was saved as package `nr` (file `sciezka`), or that package
    /// was moved to Ecorponet: the transfer window shows it.
    void paczkaZmieniona(const QString& sciezka, int nr);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void historia();

    // Paying and the transfer list (frmPlatnosciZPrzelewy.cpp).
    void polaczPrzelewy();
    void kliknietoFakture(int wiersz, int kolumna, bool zaplac);
    /// Why the list can get no package number.
    void pokazOdmoweNumeru(const NumerPaczkiListy& numer);
    void usunPrzelew();
    void zapiszPaczke();
    void doEcorponet();
    /// The transfers of the list as records.
    QList<Przelew> przelewyListy() const;
    /// Totals of the list into txtRazemKwota, lbWplaty and lbZadluzenie.
    void przeliczRazem();
    /// Saves the list as a package and says what went wrong; true when the
    /// package was written.
    bool zapiszListe();
    /// Shows the list's transfers in MSFlexGrid1.
    void pokazListe();
    /// The list after it was saved or moved: a new payment starts a new one.
    void zacznijNowaListe();
    /// The invoice (index into m_faktury) paid by transfer `i` of the list
    /// (0-based): the record of its invoice file that still carries that
    /// payment; -1 when none does any more.
    int wierszFaktury(int i) const;
    QDate dzis() const;

    /// The loading procedure shared by the opening and the list buttons.
    void wczytaj(RodzajListy rodzaj);
    /// Shows m_faktury in MSFlexGrid11, coloured from each row's state;
    /// with `zostanNaWierszu` the current cell stays where it was.
    void pokazFaktury(bool zostanNaWierszu = true);
    static GridModel::CellStyle stylFaktury(const QStringList& faktura, int kolumna);
    void pokazSumy(const SumyFaktur& s);
    /// Takes loaded invoice rows as the window's records and shows them.
    void wstawWiersze(QList<QStringList> wiersze);

    Session& m_session;
    Dialogs& m_dialogs;
    QPointer<frmKorektaFakturyZ> m_podglad;
    QPointer<frmHistoria> m_historia;
    /// A list is loading: the window repaints meanwhile, but what the user
    /// does waits until the list stands.
    bool m_wczytywanie = false;
    /// The invoices listed, one core invoice row (kol::) each, in the order
    /// of MSFlexGrid11's data rows; the grid only shows them.
    QList<QStringList> m_faktury;

    /// One payment of the list: the invoice row's paid columns before and
    /// after it, so a removal or a reload can put them right.
    using Zaplata = ZaplataListy;
    QList<Zaplata> m_zaplaty;  ///< parallel to the rows of MSFlexGrid1
    int m_wierszPrzelewu = 0;  ///< the transfer clicked last, 0 for none
    QString m_paczkaListy;     ///< the package the list was saved as
    bool m_przeniesiona = false;  ///< ... and moved to Ecorponet
    bool m_klikFaktury = false;   ///< a mouse press on the invoice grid

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
    QPushButton* m_cmdZapiszPaczke = nullptr;
    QPushButton* m_cmdDoPrzelewu = nullptr;
    QPushButton* m_cmdUsunPlatnosc = nullptr;
    QProgressBar* m_postep = nullptr;
    QLabel* m_LbRazemNetto = nullptr;
    QLabel* m_lbRazemVat = nullptr;
    QLabel* m_lbRazemBrutto = nullptr;
    qint64 m_razemBrutto = 0;  ///< grosze, the gross total shown in m_lbRazemBrutto
    QLabel* m_lbWplaty = nullptr;
    QLabel* m_lbZadluzenie = nullptr;
};

} // namespace remitto
