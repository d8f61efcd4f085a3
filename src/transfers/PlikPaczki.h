#pragma once

#include "transfers/Przelew.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

inline const QString kOtwarta = QStringLiteral("Otwarta");
inline const QString kZamknieta = QStringLiteral("Zamknieta");

/// The state of a package: its records' status value.
enum class StanPaczki {
    Otwarta,
    Zamknieta,
    Inny,  ///< a value that is neither (a hand-edited or damaged record)
};

StanPaczki stanPaczki(const QString& status);
/// The status value of a state; "" for Inny.
QString tekstStanu(StanPaczki stan);

/// The package number with two digits ("01" ... "99").
QString nrPaczkiTekst(int nr);

/// Package folder of the data folder.
QString folderPaczek(const QString& folder);

/// Path of package `nr` of the month: Paczki/Paczka + yyyy + mm + "_" + NN + ".dta".
QString sciezkaPaczki(const QString& folder, int rok, int miesiac, int nr);

/// Year, month and number of a package or export file name ending in
/// yyyymm_NN before its extension; false for any other name.
bool rozpoznajNazwePaczki(const QString& nazwaPliku, int* rok, int* miesiac, int* nr);

/// Outcome of reading a package file.
struct OdczytPaczki {
    enum Stan { Ok, Brak, Uszkodzona, Blad } stan = Blad;
    QList<Przelew> rekordy;  ///< every whole record read
    QString blad;                 ///< Polish message naming the file, when not Ok
    bool ok() const { return stan == Ok; }
};

/// Reads every record of a package file. A file whose values do not make whole
/// records, or that ends inside a quoted value, is Uszkodzona; the whole
/// records before the damage are kept.
OdczytPaczki czytajPaczke(const QString& path);

/// Outcome of an append.
enum class WynikDopisania { Dopisano, UszkodzonyKoniec, BladZapisu };

/// Appends one record as one line. A file whose tail is not a whole record is
/// left alone (UszkodzonyKoniec: cut it back first); a last line without its
/// line end gets one before the record. The file is created when missing,
/// the Paczki folder too.
WynikDopisania dopiszRekord(const QString& path, const Przelew& r, QString* blad = nullptr);

/// Cuts a damaged package file back to its whole records (one value per line).
bool przytnijPaczke(const QString& path, QString* blad = nullptr);

/// Rewrites the package atomically, one value per line, numbering NrPrzel
/// 1, 2, 3 ... in the given order.
bool przepiszPaczke(const QString& path, QList<Przelew> rekordy, QString* blad = nullptr);

/// Rewrites the package atomically, one record per line, values as given.
bool zapiszPaczke(const QString& path, const QList<Przelew>& rekordy, QString* blad = nullptr);

/// Creates the folders Paczki and DoECorponet of the data folder when missing.
bool utworzFolderyPaczek(const QString& folder, QString* blad = nullptr);

} // namespace remitto
