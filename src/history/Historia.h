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

/// Moves every record whose date falls in `rok` to the year's archive file:
/// the records are first appended to the archive and flushed to disk, then
/// the sent-transfers file is replaced by the records that stay. A failure of
/// the append leaves both files as they were; a failure of the rewrite leaves
/// the moved records in both files. The archive is only ever appended to.
WynikOperacji archiwizujRok(const PlikWyslanych& plik, const QString& sciezkaArchiwum, int rok,
                            bool uciacOgon, const Postep& postep = {});

/// The year typed in the year box: four digits, else nothing.
std::optional<int> rokZPola(const QString& tekst);

} // namespace remitto
