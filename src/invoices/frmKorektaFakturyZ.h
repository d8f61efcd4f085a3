#pragma once

#include <QWidget>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace remitto {

class Dialogs;
class Grid;
struct Session;

/// Invoice view "Podgląd Faktury zakupu": one purchase invoice file of the
/// shop program (the session's PlikFakturyZ) with its header, its goods
/// lines with the margin of each and the net, VAT and gross totals. Nothing
/// is written: the header fields are read-only; the two calendars only show
/// a picked date in their field.
///
/// The constructor reads nothing; otworz() reads the file named in
/// PlikFakturyZ and brings the window up. Every control carries its name as
/// objectName.
class frmKorektaFakturyZ : public QWidget {
    Q_OBJECT

public:
    frmKorektaFakturyZ(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    void otworz();

protected:
    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override;

private:
    void zbudujOkno();
    void wyczysc();

    Session& m_session;
    Dialogs& m_dialogs;

    QLineEdit* m_txtNumerKolejnyFakturyZakupu = nullptr;
    QLineEdit* m_txtDataZakupu = nullptr;
    QLineEdit* m_txtNumerFakturyZakupu = nullptr;
    QComboBox* m_CmbSposobPlatnosci = nullptr;
    QLineEdit* m_txtTerminPlatnosci = nullptr;
    QLineEdit* m_txtNazwaKontrahenta = nullptr;
    QLineEdit* m_txtImie = nullptr;
    QLineEdit* m_txtkod = nullptr;
    QLineEdit* m_txtPoczta = nullptr;
    QLineEdit* m_txtSkrot = nullptr;
    QLineEdit* m_txtUlica = nullptr;
    QLineEdit* m_txtNrDomu = nullptr;
    QLineEdit* m_txtNip = nullptr;
    QListWidget* m_List1 = nullptr;
    Grid* m_MSFlexGrid8 = nullptr;
    QLabel* m_LbNettoRazem = nullptr;
    QLabel* m_LbVatRazem = nullptr;
    QLabel* m_lbBruttoRazem = nullptr;
    QCalendarWidget* m_MonthView1 = nullptr;
    QCalendarWidget* m_MonthView2 = nullptr;
};

} // namespace remitto
