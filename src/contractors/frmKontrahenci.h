#pragma once

#include "contractors/KontrahenciOperacje.h"

#include <QPointer>
#include <QWidget>

class QPushButton;

namespace remitto {

class Dialogs;
class Grid;
struct Session;

class frmFirmaKontrahenta;

/// Runs an operation on the contractor file; when the file turns out damaged
/// it asks whether to rewrite it from the records that could be read and, on
/// Yes, runs it again allowing that. A refusal comes back as WymagaZgody.
kontrahenci::WynikOperacji wykonajZaZgoda(Dialogs& dialogs,
                                          const std::function<kontrahenci::WynikOperacji(bool nadpisz)>& operacja);

/// Contractor list window ("Kontrahenci"): shows kontrah.dta in the grid
/// MSFlexGrid4 and finds, sorts, adds, edits, deletes and de-duplicates
/// contractors, imports those of the shop program, and hands the chosen one
/// to the transfer window with "&Do przelewu" (signal doPrzelewu()).
///
/// The constructor reads nothing; otworz() loads the grid from the file and
/// shows the window. The grid always shows the file as it is on disk: every
/// operation rewrites the file from its records and the grid is loaded again.
class frmKontrahenci : public QWidget {
    Q_OBJECT

public:
    frmKontrahenci(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmKontrahenci() override;

    /// Loads the grid from kontrah.dta and shows the window. A missing file
    /// asks whether to create it (the card opens for the first contractor);
    /// a damaged one is reported and what could be read is shown.
    void otworz();

    Grid* siatka() const { return m_siatka; }
    /// The window's row number: the row chosen last (0: none).
    int wiersz() const { return m_wiersz; }
    /// The card this window opens (created on first use).
    frmFirmaKontrahenta* karta();

signals:
    /// "&Do przelewu": the chosen contractor for the transfer window. The
    /// list window closes right after.
    void doPrzelewu(const remitto::kontrahenci::KontrahentDoPrzelewu& kontrahent);

private:
    void zbudujOkno();
    QString plik() const;

    // Loading and choosing
    /// Fills the grid from the file; false when nothing could be shown.
    bool zaladuj(bool pytajOBrak);
    void wybierz(int wiersz, bool podswietl);
    /// Record value `pole` of grid row `wiersz` (from 1), from the rows read.
    QString wartosc(int wiersz, kontrahenci::Pole pole) const;
    void podswietl(int wiersz, int doKolumny);
    void zgas();

    // One handler per user action.
    void znajdz();
    void dopisz();
    void edytuj();
    void usun();
    void sortuj();
    void usunPodwojne();
    void pobierzZKramix();
    void zakup();

    /// Runs a rewrite; a damaged file is rewritten only after the user agreed.
    /// A file that is not the list shown is loaded again instead, with a
    /// message. Reports a failed rewrite. True when the file was written.
    bool wykonaj(const std::function<kontrahenci::WynikOperacji(bool nadpisz)>& operacja,
                 kontrahenci::WynikOperacji* wynik = nullptr);
    void otworzKarte();

    Session& m_session;
    Dialogs& m_dialogs;
    Grid* m_siatka = nullptr;
    QList<QStringList> m_wiersze;  ///< the rows read from the file; the grid only shows them
    int m_wiersz = 0;
    int m_podswietlony = 0;        ///< row drawn bold on light green (0: none)
    int m_podswietlonyDo = 0;      ///< its last highlighted column
    QList<int> m_trafienia;        ///< rows whose ordinal cell a find drew bold
    bool m_ladowanie = false;
    bool m_pelny = false;          ///< the grid shows the whole file
    bool m_poBraku = false;        ///< the card adds the first contractor of a missing file
    QPointer<frmFirmaKontrahenta> m_karta;
};

} // namespace remitto
