#pragma once

#include "history/Historia.h"

#include <QWidget>

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace remitto {

class Dialogs;
class Drukowanie;
class Grid;
class HistoriaWiersze;
struct Session;

/// History of sent transfers ("Historia"): lists the sent-transfers file of the
/// current own company, filters it by short name and dates, shows the paid
/// total, prints the list, moves a year into its archive, shows an archived
/// year, deletes one record or the whole file.
///
/// The list is lazy: the file is held as bytes with value offsets and the grid
/// builds only the cells on screen, so 200,000 records list without a pause.
/// Column "Nrkol" is always the record's position in the file, also in a
/// filtered list, and deleting takes that position.
class frmHistoria : public QWidget {
    Q_OBJECT

public:
    frmHistoria(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    /// `drukowanie` prints the list (tests pass their own).
    frmHistoria(Session& session, Dialogs& dialogs, Drukowanie& drukowanie, QWidget* parent = nullptr);
    ~frmHistoria() override;

    /// Lists the whole file and brings the window up.
    void otworz();

    // One handler per user action.
    void wyswietlWybrane();
    void drukuj();
    void archiwizujRok();
    void podgladRoku();
    void usunRekord();
    void usunWszystko();
    void koniec();

private:
    void zbudujOkno();
    /// Reads the sent-transfers file and lists the records passing `filtr`.
    void wyswietl(const FiltrHistorii& filtr);
    /// Finishes a yearly archive cut short (see dokonczArchiwizacje) and says so.
    void dokonczPrzerwanaArchiwizacje(const PlikWyslanych& plik);
    void pokaz(std::shared_ptr<const PlikHistorii> plik, std::vector<int> rekordy, bool archiwum,
               std::shared_ptr<const std::vector<qint8>> stany = {});
    std::optional<FiltrHistorii> filtrZPol();
    std::optional<int> rokZPolaLubBlad();
    void wybranoWiersz(int wiersz);

    Session& m_session;
    Dialogs& m_dialogs;
    std::unique_ptr<Drukowanie> m_wlasneDrukowanie;
    Drukowanie* m_drukowanie = nullptr;

    std::shared_ptr<const PlikHistorii> m_plik;
    std::shared_ptr<HistoriaWiersze> m_wiersze;
    bool m_archiwum = false;
    int m_nrDoUsuniecia = 0;  ///< position (from 1) of the selected record

    QLabel* Label1 = nullptr;
    Grid* MSFlexGrid1 = nullptr;
    QLineEdit* TxtSkrot = nullptr;
    QLineEdit* txtOddata = nullptr;
    QLineEdit* txtDoData = nullptr;
    QLineEdit* txtROKA = nullptr;
    QLabel* LbKwotaRazem = nullptr;
    QPushButton* cmdWybrane = nullptr;
    QPushButton* cmdDrukujH = nullptr;
    QPushButton* cmdArchiwizacjaRoku = nullptr;
    QPushButton* cmdPodgladRoku = nullptr;
    QPushButton* cmdUsun = nullptr;
    QPushButton* UsunWszystko = nullptr;
    QPushButton* koniecH = nullptr;
    QLabel* lbDrukowanie = nullptr;  ///< the completion notice of printing
    QCheckBox* chkNiezaksiegowane = nullptr;  ///< "tylko niezaksięgowane": transfers a statement did not book
};

} // namespace remitto
