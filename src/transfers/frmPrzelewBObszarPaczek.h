#pragma once

#include "transfers/Paczki.h"
#include "transfers/PlikPaczki.h"
#include "transfers/Przelew.h"

#include <QGroupBox>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitto {

class Dialogs;
class Grid;
struct Session;

/// The package area of the transfer window (frame "Frame2"): the contents of
/// the package shown (MSFlexGrid1) with its state and total, and the month's
/// packages (MSFlexGrid2). It keeps what it shows as records: the package's
/// transfers, the month's package rows and the package's state; the grids
/// only show them. Removing a record, deleting a package, clearing the view,
/// changing the month, sorting and editing a cell are its own; adding the
/// entered transfer is the window's ("Do &Paczki" is laid out here).
class ObszarPaczek : public QGroupBox {
    Q_OBJECT

public:
    ObszarPaczek(Session& session, Dialogs& dialogs, QWidget* parent);

    /// "Do &Paczki", wired by the window.
    QPushButton* przyciskDoPaczki() const { return m_cmdDoPaczki; }

    /// The month listed ("mm", "rrrr" as the boxes show them).
    void ustawMiesiac(const QString& miesiac, const QString& rok);
    /// The package folder shown above the month's list.
    void ustawFolder(const QString& folder);

    /// The transfers of the package shown, in the order of its rows.
    const QList<Przelew>& rekordy() const { return m_rekordy; }
    /// The state of the package shown.
    StanPaczki stan() const { return m_stan; }

    /// Shows package `nr` from file `sciezka` and makes it the current one.
    void pokazPaczke(const QString& sciezka, int nr);
    /// Shows the package of an export file name (…rrrrmm_NN.TXT).
    void pokazPaczkeZPliku(const QString& nazwaPliku);
    /// Shows the package a transfer was just added to, the new row marked.
    void pokazDodane(const QList<Przelew>& rekordy);
    /// "Wyczyść Zawartość": the view empties, the state stays.
    void wyczyscZawartosc();
    /// "&Zmnień": lists the month's packages again.
    void zmienMiesiac();
    /// Reads the month's package list again, keeping the current row.
    ListaPaczek odswiezListePaczek();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void polacz();
    void ustawStatus(StanPaczki stan);
    void pokazStatus();
    void przygotujWidok();
    void wypelnijWidok(QList<Przelew> rekordy, bool koloruj);
    void przeliczRazem();
    void pokazListePaczek(QList<WierszPaczki> paczki);
    void pokazPaczkeZListy(int wiersz);
    void sortujPaczki();
    void usunRekordZPaczki();
    void usunWskazanaPaczke();
    void edytujKomorkePaczki(int wiersz, int kolumna);

    Session& m_session;
    Dialogs& m_dialogs;

    QPushButton* m_cmdDoPaczki = nullptr;
    Grid* m_siatkaPaczki = nullptr;  ///< "MSFlexGrid1", the package shown
    Grid* m_siatkaListy = nullptr;   ///< "MSFlexGrid2", the month's packages
    QLabel* m_lbStan = nullptr;      ///< "Label31"
    QLabel* m_lbRazem = nullptr;     ///< "Label3"
    QLineEdit* m_txtMiesiac = nullptr;
    QLineEdit* m_txtRok = nullptr;   ///< "txtROKA"
    QLabel* m_lbFolder = nullptr;    ///< "lbSciezkaPaczek"

    /// The records shown in the package view, in the order of its rows.
    QList<Przelew> m_rekordy;
    /// The month's packages in the order of the package list's rows.
    QList<WierszPaczki> m_paczkiMiesiaca;
    /// The state of the package shown, and its value as the label shows it
    /// (a record's value that is neither state is shown as it is).
    StanPaczki m_stan = StanPaczki::Otwarta;
    QString m_napisStanu = kOtwarta;
    bool m_klikListy = false;   ///< a mouse press on the package list
    bool m_klikPaczki = false;  ///< a mouse press on the package view
};

} // namespace remitto
