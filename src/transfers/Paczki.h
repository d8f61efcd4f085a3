#pragma once

#include "transfers/NumeracjaPaczek.h"
#include "transfers/PlikPaczki.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

// ---- Adding a transfer ---------------------------------------------------

/// Where a new transfer of the month goes.
struct DecyzjaPaczki {
    int nr = 0;                  ///< package number
    bool pierwszaWMiesiacu = false;  ///< the month had no package ("Nowa")
    bool nowa = false;           ///< a new package is started (also the first)
    bool poZamknietejWidoku = false; ///< new because the package in view is closed
    bool uszkodzona = false;     ///< the current package file is damaged
    QList<Przelew> rekordy; ///< records already in the package
    QString blad;                ///< message of a damaged package file
};

/// Decides the package of a new transfer from the month's numbering line, the
/// state shown in the window and the current package file: a month without a
/// package starts package 1; a closed package (shown or on disk) or a package
/// whose file is gone starts KoniecPacz + 1; otherwise the transfer joins
/// package KoniecPacz.
DecyzjaPaczki wybierzPaczke(const QString& folder, const QDate& dzien, const NumeracjaMiesiaca& m,
                            const QString& statusWidoku);

enum class WynikDodania {
    Dodano,
    ZleKonto,          ///< account not 26 characters long
    BrakKwoty,         ///< no gross amount
    BrakNazwy,         ///< no beneficiary name
    Wplata,            ///< a cash deposit is never put into a package
    LimitPaczek,       ///< the month already has package 99
    UszkodzonaPaczka,  ///< the current package file ends in a torn record
    BladNumeracji,     ///< the numbering file cannot be read
    BladZapisu,
};

struct DodaniePrzelewu {
    WynikDodania wynik = WynikDodania::BladZapisu;
    DecyzjaPaczki decyzja;
    QString nn;                  ///< two-digit package number
    QString sciezka;             ///< package file
    QString sciezkaNumeracji;
    Przelew rekord;              ///< the record written
    QList<Przelew> rekordy; ///< the package after adding
    QString blad;
};

/// Adds the entered transfer (the record made from the entry area; its package
/// number and position are filled here) to the month's package of `dzien`: checks
/// the entry, appends the record as one line, counts it in the numbering file
/// (created with twelve fresh months when missing). A refused transfer changes
/// no file.
DodaniePrzelewu dodajDoPaczki(const QString& folder, const QDate& dzien, const QString& statusWidoku,
                              const Przelew& wpis, bool wplata);

// ---- Package list of a month ----------------------------------------------

struct WierszPaczki {
    int nr = 0;
    QString sciezka;
    QString terminSplaty;
    qint64 netto = 0, vat = 0, brutto = 0, splacono = 0;  ///< grosze
    QString dataSplaty;
    QString status;     ///< of the last record, or a marker of a missing/damaged file
    QString ilPrzel;    ///< NrPrzel of the last record
    bool dobry = true;  ///< the file was read whole

    /// The ten cells of the package list.
    QStringList komorki() const;
};

struct ListaPaczek {
    QList<WierszPaczki> wiersze;
    QString status;  ///< state of the last package listed ("" for none)
    QString blad;    ///< a damaged numbering file
};

inline const QString kBrakPliku = QStringLiteral("Brak pliku");
inline const QString kUszkodzona = QStringLiteral("Uszkodzona");

/// The list's row of one package file: the totals of its whole records and
/// the last one's dates, state and number, as czytajPaczke would give them,
/// read once without building the records.
WierszPaczki wierszPaczki(const QString& sciezka, int nr);

/// Lists packages 1 ... KoniecPacz of the month. A missing numbering file or
/// a month outside 1 ... 12 gives an empty list; a missing or damaged package
/// file gives a row that says so.
ListaPaczek listaPaczek(const QString& folder, int rok, int miesiac);

/// Headers of the package list.
QStringList naglowkiListyPaczek();

// ---- Removing a record, deleting a package ----------------------------------

enum class WynikUsuniecia { Usunieto, JedynaPozycja, Zamknieta, BrakPliku, Uszkodzona, ZlyWiersz, BladZapisu };

struct UsuniecieRekordu {
    WynikUsuniecia wynik = WynikUsuniecia::BladZapisu;
    QList<Przelew> rekordy;  ///< the package after the removal
    bool licznikZmniejszony = false;
    QString blad;
};

/// Removes record `indeks` (0 = first) from the package: the file is written
/// again one value per line with NrPrzel renumbered, and the transfer counter
/// of the package's own month goes down by one (a missing numbering file is
/// left missing).
UsuniecieRekordu usunRekord(const QString& folder, const QString& sciezka, int indeks);

enum class WynikUsunieciaPaczki { Usunieto, Zamknieta, BrakPliku, BladZapisu };

/// Deletes an open package file; the numbering file is not changed, so the
/// number is never given again.
WynikUsunieciaPaczki usunPaczke(const QString& sciezka, QString* blad = nullptr);

// ---- Editing a cell of the package view ---------------------------------------

/// Whether a click on package-view column `kolumna` edits a value.
bool kolumnaEdytowalna(int kolumna);

enum class WynikEdycji { Zmieniono, Anulowano, ZlaKwota, Zamknieta, ZlyWiersz, Uszkodzona, BladZapisu };

/// Puts the answer for view column `kolumna` (1, 2, 3, 4, 5 or 7) into the
/// record. An empty answer or "0" cancels. The VAT column asks for a rate: a
/// bare number answered there is stored with "%". A new net amount or VAT
/// recomputes the amounts by the entry field's VAT rule (bruttoZVat): gross =
/// net + VAT, paid = gross, rest = gross - paid; a net amount that is not an
/// amount is refused.
WynikEdycji zmienWartosc(Przelew& r, int kolumna, const QString& odpowiedz);

/// Recomputes gross, paid and rest from the net amount and the VAT text: a
/// rate when it ends in "%", otherwise the VAT amount ("zw", "np" and other
/// words are no VAT); false when the net amount is not an amount.
bool przeliczKwoty(Przelew& r);

/// Replaces record `indeks` of an open package file and writes the file again.
WynikEdycji zapiszRekord(const QString& sciezka, int indeks, const Przelew& r, QString* blad = nullptr);

} // namespace remitto
