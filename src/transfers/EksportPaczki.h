#pragma once

#include "transfers/LiniaEksportu.h"
#include "transfers/Przelew.h"
#include "transfers/RodzajPrzelewu.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

/// What the export takes from the session.
struct DaneEksportu {
    QString folder;             ///< SciezkaProgramu
    QString skrotFirmy;         ///< SkrotFirmy: names the export and sent-transfers files
    NadawcaEksportu nadawca;    ///< KontoWybrane and DaneFirmy
    QString sciezkaKramix;      ///< SciezkaKramix
    QString folderFirmyKramix;  ///< FolderFirmyKramix
    QDate dzis;                 ///< DataDzis: execution date and payment mark date
};

/// Why an export did not start. Every one of them is found before the first
/// byte is written, so nothing has changed.
enum class OdmowaEksportu {
    Brak,
    Wplata,              ///< the cash deposit is selected
    BrakPrzelewow,       ///< the package holds no transfer
    Zamknieta,           ///< the package is already closed
    PlikIstnieje,        ///< the export file already exists
    ZlaPaczka,           ///< package file missing, damaged, unnamed, or not what is shown
    ZlaFirma,            ///< no usable own company short name
    ZlaKwota,            ///< an amount cannot be read, is zero or negative
    ZlaFaktura,          ///< an invoice named by a row cannot be marked
    UszkodzonaHistoria,  ///< the sent-transfers file ends in a torn record
    BladFolderu,         ///< the export folder cannot be made
    Rezygnacja,          ///< the user stopped at the white-list question
};

/// The steps of the export, in the order they run.
enum class KrokEksportu { PlikEksportu, Historia, Zamkniecie, Faktury, Koniec };

struct WynikEksportu {
    OdmowaEksportu odmowa = OdmowaEksportu::Brak;
    QString nn;               ///< two-digit package number
    QString sciezkaEksportu;  ///< the export file
    QString sciezkaPaczki;    ///< the package file closed
    QString sciezkaHistorii;  ///< the sent-transfers file
    /// Beneficiary name (line 1) of every row whose account does not look
    /// right (not 26 digits, or wrong check digits); those rows are exported.
    QStringList podejrzaneKonta;
    /// The step that failed; Koniec when every step was done.
    KrokEksportu przerwanyKrok = KrokEksportu::Koniec;
    QStringList oznaczoneFaktury;     ///< invoice files marked paid
    QStringList nieoznaczoneFaktury;  ///< invoice files that could not be marked
    QString blad;  ///< Polish reason of a refusal or of the failed step

    bool odmowiono() const { return odmowa != OdmowaEksportu::Brak; }
    bool wykonano() const { return !odmowiono() && przerwanyKrok == KrokEksportu::Koniec; }
};

/// Exports a package to Ecorponet: `przelewy` are the transfers shown (the
/// transfer window's package view, or the list the payments window saved as
/// this package) and must be the records of the package file `sciezkaPaczki`;
/// each row goes out in the kind of its stored codes (`TypZlec`, `TypDok`);
/// `rodzaj`, the kind selected, gives the codes of a row without such codes
/// (the cash deposit selected refuses the export).
///
/// Everything is checked first; a refusal changes nothing. Then, in order:
/// the export file is written whole under a work name and renamed (named
/// after the package's own year and month); the sent-transfers records are
/// appended with the codes sent; the package is closed through the atomic
/// rewrite; the invoices named by the rows are marked paid. A step that fails
/// ends the export and the result says what was done and what was not.
WynikEksportu eksportujPaczke(const DaneEksportu& dane, const QString& sciezkaPaczki,
                              const QList<Przelew>& przelewy, Rodzaj rodzaj);

/// What was done and what was not, in Polish, for an export cut short.
QString opisPrzerwania(const WynikEksportu& w);

/// Deletes an export file of the export folder. The package stays closed.
bool usunPlikEksportu(const QString& folder, const QString& nazwa, QString* blad = nullptr);

/// The export files (*.txt, either case) of the data folder's export folder,
/// by name: what the transfer window lists.
QStringList plikiEksportu(const QString& folder);

} // namespace remitto
