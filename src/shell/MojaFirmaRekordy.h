#pragma once

#include "shell/MojaFirma.h"

#include <QList>
#include <QString>

namespace remitto {

// Record operations of the own company window on MojaFirma.txt. Each one reads
// the file afresh, and every change rewrites the whole file atomically through
// writeMojaFirma(). Nothing here shows a message: the outcome says what
// happened and the window chooses the words.

/// State of the file as it was read for an operation.
enum class StanPliku {
    Caly,        ///< read whole, every record complete
    Brak,        ///< the file does not exist
    Uszkodzony,  ///< unreadable, cut short, or a value count that is not a multiple of 16
};

enum class WynikRekordu {
    Gotowe,         ///< done (record shown, found, written)
    NieZnaleziono,  ///< no record to show, or none with that number / short name
    WymagaZgody,    ///< the file is damaged: nothing written without the user's consent
    BladZapisu,     ///< the rewrite failed; the old file is left as it was
};

/// Outcome of one record operation.
struct WynikFirmy {
    WynikRekordu wynik = WynikRekordu::Gotowe;
    StanPliku stan = StanPliku::Caly;
    Firma firma;       ///< the record to show now (when wynik is Gotowe)
    int liczba = 0;    ///< whole records in the file after the operation
    int usuniete = 0;  ///< delete: how many records were left out
    QString blad;      ///< Polish message naming the file: why it could not be read or written
};

// ---- Pure operations on the list of records --------------------------------

/// Number of the neighbouring record: `krok` is +1 (next) or -1 (previous).
/// Past the last record comes record 1, before record 1 the record `liczba`.
/// 0 when there are no records.
int numerSasiada(int nrBiezacy, int liczba, int krok);

/// The records renumbered 1, 2, 3 ... in file order.
QList<Firma> przenumerowane(QList<Firma> firmy);

/// A new record for a file of `firmy`: number count + 1, short name "<n>NOWY",
/// values 3-14 empty, the two folders copied from the last record (empty when
/// there is none).
Firma nowaFirma(const QList<Firma>& firmy);

/// Index of the first record whose short name equals `skrot`, both compared in
/// upper case; -1 when none does.
qsizetype indeksSkrotu(const QList<Firma>& firmy, const QString& skrot);

/// The record as it is stored: the names and the short name with each double
/// quote turned into two apostrophes.
Firma doZapisu(Firma f);

// ---- Operations on the file -------------------------------------------------
// `nadpiszUszkodzony`: a damaged or unreadable file is rewritten (from the
// records that could be read) only when this is true; otherwise the outcome is
// WymagaZgody and the file is left alone. A missing file counts as empty.

/// The first record and the record count (opening the window).
WynikFirmy pierwszaFirma(const QString& path);

/// Next (krok +1) or previous (krok -1) record after the record `nrBiezacy`,
/// wrapping at both ends. The record is looked up by its number; should the
/// file carry no such number, the record at that position is taken.
WynikFirmy sasiedniaFirma(const QString& path, int nrBiezacy, int krok);

/// The first record whose short name equals `skrot`, case-insensitive.
WynikFirmy znajdzFirme(const QString& path, const QString& skrot);

/// Renumbers the records and appends nowaFirma(); the outcome's record is the
/// new one.
WynikFirmy dodajFirme(const QString& path, bool nadpiszUszkodzony = false);

/// Replaces the record numbered `nr` by `wartosci` (its number kept, texts
/// through doZapisu()); other records are written back unchanged. NieZnaleziono
/// (nothing written) when no record carries that number.
WynikFirmy zapiszFirme(const QString& path, int nr, const Firma& wartosci,
                       bool nadpiszUszkodzony = false);

/// Leaves out every record whose short name equals `skrot` (upper case
/// compare) and renumbers the rest; the outcome's record is the first left
/// (an empty record when none is left). NieZnaleziono (nothing written) when no record has that short name.
WynikFirmy usunFirme(const QString& path, const QString& skrot, bool nadpiszUszkodzony = false);

} // namespace remitto
