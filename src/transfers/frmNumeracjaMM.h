#pragma once

#include "transfers/NumeracjaPaczek.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace remitto {

class Dialogs;
class Grid;
struct Session;

/// Numbering window: shows the numbering file of the current year, lets the
/// user correct it cell by cell and saves it.
///
/// The constructor reads nothing; otworz() reads the file afresh and shows the
/// window. A click on a cell (or Enter on it) asks for the new value; nothing
/// is written until "&Zapisz zmiany". A missing file shows twelve fresh months
/// and is created by saving; a damaged file is reported and not saved over.
class frmNumeracjaMM : public QWidget {
    Q_OBJECT

public:
    frmNumeracjaMM(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);

    void otworz();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zbudujOkno();
    void wczytaj();
    void pokaz(const NumeracjaRoku& rok);

    // One handler per user action.
    void edytujKomorke(int wiersz, int kolumna);
    void zapiszZmiany();
    void koniec();

    Session& m_session;
    Dialogs& m_dialogs;
    NumeracjaRoku m_rok;  ///< the months as shown and edited; the grid only shows them
    bool m_klikMyszka = false;
    bool m_uszkodzony = false;

    Grid* MSFlexGrid2 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtWskaznik = nullptr;
    QPushButton* cmdZapiszZmiany = nullptr;
    QPushButton* cmdKoniec = nullptr;
};

} // namespace remitto
