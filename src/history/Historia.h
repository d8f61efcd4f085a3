#pragma once

#include "history/PlikHistorii.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace remitto {

struct Session;

/// The sent-transfers file the history works on and the layout of its records.
struct PlikWyslanych {
    QString sciezka;
    UkladHistorii uklad;
};

/// Before 13 August 2019 (today's key below "20190813") the history reads the
/// older five-value file SkrotFirmy + "1908.dat"; from then on the transfer
/// records of SkrotFirmy + ".dat".
PlikWyslanych plikWyslanych(const Session& session);
/// SkrotFirmy + year + ".arh" in the data folder.
QString plikArchiwum(const Session& session, int rok);

/// The list's filters as typed: the short-name box and the two date boxes.
struct FiltrHistorii {
    QString skrot;  ///< upper case; empty: every contractor
    int odKlucza = 0;  ///< yyyymmdd, 0: no bound
    int doKlucza = 0;

    enum class Blad { Brak, DataOd, DataDo };
    /// Reads the boxes. "Wszystkie" (its first eight letters in any case) means
    /// every contractor; an empty date box sets no bound; a date box that
    /// holds no valid date gives its error.
    static FiltrHistorii zPol(const QString& skrot, const QString& od, const QString& doDaty, Blad* blad);

    bool wszyscy() const { return skrot.isEmpty(); }
    bool bezDat() const { return odKlucza == 0 && doKlucza == 0; }
};

/// Records (0-based positions in the file) that pass the filter, in file
/// order: the short name starts with the filter (case ignored) and the date
/// lies strictly after the from-date and strictly before the to-date. A record
/// whose date cannot be read passes only when no date bound is set.
std::vector<int> filtrujHistorie(const PlikHistorii& plik, const FiltrHistorii& filtr);
/// Every record.
std::vector<int> wszystkieRekordy(const PlikHistorii& plik);

/// Sum of what the records paid (their paid value), in grosze.
qint64 sumaKwot(const PlikHistorii& plik, const std::vector<int>& rekordy);

/// "###,##0.00": thousands grouped with a blank, decimal comma.
QString kwotaGrupowana(qint64 grosze);

/// Value (0-based) shown in a column of the history list (1 ... 27) for a
/// record of the given layout; -1 for the row-number column and for columns
/// the layout does not fill.
int wartoscKolumnyHistorii(int kolumna, const UkladHistorii& uklad);
/// Headers of the history list, columns 0 ... 27.
const QStringList& naglowkiHistorii();
/// Widths (twips) of the history list's columns.
const QList<int>& szerokosciHistorii();
inline constexpr int kKolumnaKwotyB = 6;
inline constexpr int kKolumnaSplacono = 9;

/// Outcome of the functions that change the history files.
enum class WynikHistorii {
    Zrobione,
    BrakPliku,     ///< the sent-transfers file does not exist
    BrakRekordu,   ///< no record at that position (nothing left to delete)
    Zmieniony,     ///< the record at the position is not the one shown
    Uszkodzony,    ///< damaged file; only with permission to cut its tail
    BladOdczytu,
    BladArchiwum,  ///< the archive could not be written; nothing changed
    BladZapisu,    ///< the sent-transfers file could not be rewritten
};

struct WynikOperacji {
    WynikHistorii wynik = WynikHistorii::Zrobione;
    QString blad;          ///< Polish message naming the file, for the errors
    int przeniesione = 0;  ///< records moved into the archive
    int rok = 0;           ///< dokonczArchiwizacje(): the year of the run it finished
};

/// Removes the record at `pozycja` (1-based) from the file through the atomic
/// rewrite. `oczekiwany` is the record as the list showed it: when the file
/// holds another record there now, nothing changes (Zmieniony). A damaged
/// file is rewritten (without its damaged tail) only when `uciacOgon`.
WynikOperacji usunRekordHistorii(const PlikWyslanych& plik, int pozycja, const QStringList& oczekiwany,
                                 bool uciacOgon);

/// Deletes the sent-transfers file.
WynikOperacji usunHistorie(const QString& sciezka);

/// Progress of a long operation: done out of total.
using Postep = std::function<void(qint64 zrobione, qint64 razem)>;

/// Moves every record whose date falls in `rok` from the sent-transfers file
/// to the year's archive file (ArchiwumRoku.cpp). A kill at any moment leaves
/// each record exactly once in the two files, or a journal beside the
/// sent-transfers file from which dokonczArchiwizacje() finishes the run:
///  1. the journal (year, archive, record counts) is written;
///  2. the archive is rewritten whole with the year's records after its own;
///  3. the sent-transfers file is rewritten without them;
///  4. the journal is removed.
/// Records of the year that already end the archive (an earlier run cut short
/// before the sent-transfers file was rewritten) are not written again. A
/// damaged tail of either file is left out only with `uciacOgon`; otherwise
/// nothing changes (Uszkodzony, naming the file). `przeniesione` counts the
/// records added to the archive. A run that finished earlier is finished
/// first.
WynikOperacji archiwizujRok(const PlikWyslanych& plik, const QString& sciezkaArchiwum, int rok,
                            bool uciacOgon, const Postep& postep = {});

/// Finishes a yearly archive that a kill or a failure cut short, from its
/// journal: when the archive already holds the year's records they leave the
/// sent-transfers file (`przeniesione` of them, of year `rok`); when it does
/// not, nothing had changed and the journal is dropped. Without a journal
/// nothing happens. A damaged sent-transfers file is rewritten only with
/// `uciacOgon`; until then the journal stays.
WynikOperacji dokonczArchiwizacje(const PlikWyslanych& plik, bool uciacOgon = false);

/// The journal of the yearly archive: the sent-transfers file's name with
/// ".jrn" in place of its extension.
QString plikDziennikaArchiwizacji(const QString& sciezkaHistorii);

/// The year typed in the year box: four digits, else nothing.
std::optional<int> rokZPola(const QString& tekst);

} // namespace remitto
