#pragma once

#include "contractors/Kontrahent.h"

#include <functional>
#include <optional>

namespace remitto::kontrahenci {

// Whole-file operations on kontrah.dta. The pure functions work on records;
// the file functions read the file afresh, change the records and rewrite the
// whole file atomically from the records themselves, so values without a grid
// column (second account, last VAT text) stay with their records. Nothing here
// shows a message: the outcome says what happened and the window picks the
// words.

// ---- Pure operations --------------------------------------------------------

/// Ordinals 1, 2, 3 ... in list order.
void przenumeruj(QList<Kontrahent>& lista);

/// Sorted by name in the grids' generic order, renumbered. Equal names keep
/// their order, except that records with the same name + account 1 + short
/// name (what duplicate removal compares) are gathered at the first one's
/// place, so that they become neighbours.
QList<Kontrahent> posortowaneWgNazwy(QList<Kontrahent> lista);

/// Without every record whose ordinal, read as a number, is `nr`; renumbered.
QList<Kontrahent> bezKontrahenta(QList<Kontrahent> lista, int nr);

/// Neighbouring records with the same name + account 1 + short name (exact
/// compare) reduced to the first of each run, then sorted by name and
/// renumbered.
QList<Kontrahent> bezPodwojnych(QList<Kontrahent> lista);

/// Layout of a contractor file recognised from its values.
enum class Uklad {
    Pusty,     ///< no values
    Nowy,      ///< 29 values per record
    Stary,     ///< 19 values per record
    Nieznany,  ///< neither
};
/// A layout fits when its value count is a multiple of its record size and
/// the first value of every record is a whole number. When both fit, the one
/// whose ordinals run 1, 2, 3 ... wins, and the 29-value layout in a tie, so
/// that a current file is never taken for an old one.
Uklad rozpoznajUklad(const QStringList& wartosci);

/// An account of 26 to 32 characters, the length both the conversion and the
/// import accept.
bool kontoDoPrzyjecia(const QString& konto);

/// Records of the old 19-value layout in the 29-value layout: only records
/// with an acceptable account, numbered 1, 2, 3 ...; the old tax-office values
/// are dropped.
QList<Kontrahent> zeStaregoUkladu(const QStringList& wartosci);

/// Records of the shop program's contractor file to be appended: those with an
/// acceptable account, numbered from `pierwszyNumer` on, payment field empty.
QList<Kontrahent> zKramix(const QList<Kontrahent>& kramix, int pierwszyNumer);

/// First record with this short name (exact), or -1.
qsizetype indeksPoSkrocie(const QList<Kontrahent>& lista, const QString& skrot);
/// First record whose short name equals `skrot` or whose name equals `nazwa`
/// (exact), or -1. An empty text matches nothing.
qsizetype indeksDoPrzelewu(const QList<Kontrahent>& lista, const QString& nazwa, const QString& skrot);

/// The record the card opens for the list's row: the one with this name
/// (exact) and this ordinal (NrKol), read from the file at `sciezka`.
/// Nothing when the file no longer holds it.
std::optional<Kontrahent> kontrahentDoKarty(const QString& sciezka, const QString& nazwa, int nr);

/// The find of the contractor list over `wiersze` rows of `kolumny` cells
/// (`komorki` gives a row's cells): the rows (0-based) with a cell holding
/// `szukany`, case ignored, once for each column that holds it, column by
/// column and in row order within a column, so the first is the row the
/// find goes to. An empty text finds nothing.
QList<int> trafieniaSzukania(int wiersze, int kolumny, const std::function<QStringList(int)>& komorki,
                             const QString& szukany);

/// The record as the card saves it from its boxes: texts with their double
/// quotes turned into two apostrophes, a name or name continuation of two or
/// more characters with its first letter upper case, the short name upper
/// case, an empty town taken from the post office, last amount "0", last
/// title and last VAT empty.
Kontrahent zKarty(Kontrahent k);

/// Edit from the card: every record whose name followed by its short name
/// equals `nazwa` + `skrot` takes the values of `zKarty`, keeping its ordinal,
/// payment field, bank, last amount and last title, its last VAT emptied.
/// Returns how many records changed.
int zmienWgNazwyISkrotu(QList<Kontrahent>& lista, const QString& nazwa, const QString& skrot,
                        const Kontrahent& zKarty);

// ---- Operations on the file -------------------------------------------------

enum class Wynik {
    Gotowe,
    WymagaZgody,  ///< the file is damaged: nothing written without the user's consent
    BladOdczytu,  ///< a file could not be read (message in blad)
    BladZapisu,   ///< the rewrite failed; the old file is left as it was
    ZlyUklad,     ///< conversion: the file is not in the old layout (left untouched)
    InnaLiczba,   ///< the file holds another number of records than expected: nothing written
};

struct WynikOperacji {
    Wynik wynik = Wynik::Gotowe;
    QString blad;        ///< Polish message naming the file
    int liczba = 0;      ///< records in the file afterwards
    int zmienione = 0;   ///< records changed, removed or added
    Uklad uklad = Uklad::Pusty;  ///< conversion: layout found
};

/// Reads the file, lets `zmien` change the records and rewrites it. A missing
/// file counts as empty; a damaged one is rewritten from the records that
/// could be read only with `nadpiszUszkodzony`. With `oczekiwanaLiczba` 0 or
/// more, a file holding another number of records (the list on screen is not
/// the file) is left alone with InnaLiczba.
WynikOperacji przepiszPlik(const QString& sciezka, bool nadpiszUszkodzony,
                           const std::function<int(QList<Kontrahent>&)>& zmien, int oczekiwanaLiczba = -1);

WynikOperacji sortujPlik(const QString& sciezka, bool nadpiszUszkodzony = false, int oczekiwanaLiczba = -1);
WynikOperacji usunZPliku(const QString& sciezka, int nr, bool nadpiszUszkodzony = false, int oczekiwanaLiczba = -1);
WynikOperacji usunPodwojneZPliku(const QString& sciezka, bool nadpiszUszkodzony = false,
                                 int oczekiwanaLiczba = -1);

/// Adds the card's record with ordinal = records + 1. A whole file is
/// appended to; a damaged one is rewritten (with consent) from the records
/// read plus the new one. The outcome's liczba is the new ordinal.
WynikOperacji dopiszZKarty(const QString& sciezka, const Kontrahent& zKarty, bool nadpiszUszkodzony = false);

/// Card edit of the records with this name and short name (see
/// zmienWgNazwyISkrotu); the file is rewritten even when none matched.
WynikOperacji zmienWPliku(const QString& sciezka, const QString& nazwa, const QString& skrot,
                          const Kontrahent& zKarty, bool nadpiszUszkodzony = false);

/// The old-layout file converted in memory; nothing is written.
struct Konwersja {
    Wynik wynik = Wynik::Gotowe;  ///< BladOdczytu, ZlyUklad or Gotowe
    Uklad uklad = Uklad::Pusty;
    QList<Kontrahent> lista;
    QString blad;
};
Konwersja przygotujKonwersje(const QString& sciezka);

/// Appends the acceptable records of the shop program's contractor file,
/// numbered on from the records of kontrah.dta. A missing, unreadable or
/// damaged shop file changes nothing (BladOdczytu naming it).
WynikOperacji dopiszZKramix(const QString& sciezka, const QString& plikKramix, bool nadpiszUszkodzony = false);

/// Path of the shop program's contractor file for the current own company:
/// the shop folder, the company's sub-folder, "kontrah", "kontrah.dta"; each
/// part found in any letter case when the exact one is missing.
QString plikKontrahentowKramix(const QString& sciezkaKramix, const QString& folderFirmy);

} // namespace remitto::kontrahenci
