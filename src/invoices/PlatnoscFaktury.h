#pragma once

#include "shop/ListaFaktur.h"
#include "transfers/Przelew.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

// ---- Paying one invoice row --------------------------------------------------

/// The clicked invoice row, checked before the amount is asked.
struct WierszDoZaplaty {
    enum class Stan {
        Ok,
        ZleKonto,   ///< the account is shorter than 26 or longer than 33 characters
        Splacona,   ///< nothing is left to pay
        ZlaKwota,   ///< the gross amount or the rest cannot be read
    };
    Stan stan = Stan::ZlaKwota;
    qint64 brutto = 0;      ///< grosze
    qint64 doSplaty = 0;    ///< grosze still to pay
    QString domyslnaKwota;  ///< what the amount box offers: the rest
};
WierszDoZaplaty sprawdzWierszDoZaplaty(const QStringList& wiersz);

/// The amount typed for a payment.
enum class KwotaPlatnosci {
    Ok,
    Nieczytelna,   ///< not an amount
    NieDodatnia,   ///< zero or negative
    PonadReszte,   ///< more than is still to pay
};
KwotaPlatnosci sprawdzKwotePlatnosci(const QString& tekst, qint64 doSplaty, qint64* grosze);

/// The invoice row after paying `kwota` (already checked against the row):
/// paid = the amount, rest = the rest before minus the amount, payment date
/// `dataDzis`, state "Spłacono" when the whole gross is paid at once and
/// "SplCz" otherwise, the package number and the transfer number.
QStringList zaplaconyWiersz(const QStringList& wiersz, qint64 kwota, const QString& dataDzis, const QString& nn,
                            int nrPrzelewu);

/// The ordinary transfer ("110" / "51") that pays an invoice row as
/// zaplaconyWiersz() left it: its paid column is the amount the transfer
/// sends, its rest the amount still owed after it. Dates are written as the
/// records hold them (yyyy-mm-dd); the identification code stays empty.
Przelew przelewZFaktury(const QStringList& wiersz, const QString& nn, int nrPrzelewu);

/// The cells of a transfer in the payments window's transfer list: the
/// package grid's row with its amounts in the screen's form (decimal comma);
/// the record keeps its own.
QStringList wierszListyPrzelewow(const Przelew& p, int nrWiersza);

/// The packages not yet sent to Ecorponet (this year's and last year's) that
/// hold a transfer paying the invoice file `plik`, by file path. A payment
/// saved into a package marks its invoice only when the package is exported,
/// so until then the invoice still shows as unpaid.
QStringList otwartePaczkiFaktury(const QString& folder, const QString& plik, const QDate& dzis);

/// Sum of the paid values of the transfers, in grosze (unreadable ones count 0).
qint64 sumaListy(const QList<Przelew>& przelewy);

// ---- The package of the list -----------------------------------------------

/// The package number a list of payments gets: always a new package of the
/// month of `dzis`, read from the numbering file (which is not changed).
struct NumerPaczkiListy {
    enum class Stan {
        Ok,
        ZlaNumeracja,  ///< the numbering file cannot be read
        ZlyStan,       ///< the month's first package number is neither 0 nor 1
        Limit,         ///< the month already has package 99
        PlikIstnieje,  ///< a package file of that number is already there
    };
    Stan stan = Stan::ZlaNumeracja;
    int nr = 0;
    bool nowa = false;        ///< the month has no package yet ("Nowa")
    QString sciezkaNumeracji;
    QString sciezkaPaczki;    ///< the package file the list would become
    QString blad;             ///< Polish message, when not Ok

    bool ok() const { return stan == Stan::Ok; }
    QString nn() const;
};
NumerPaczkiListy numerPaczkiListy(const QString& folder, const QDate& dzis);

/// Outcome of saving the list as a package.
struct ZapisListy {
    enum class Stan {
        Zapisano,
        Pusta,           ///< no transfer in the list
        Odmowa,          ///< numer says why; nothing was written
        BladZapisu,      ///< the package file could not be written; nothing changed
        BladNumeracji,   ///< the package was written, the numbering file not changed
    };
    Stan stan = Stan::BladZapisu;
    NumerPaczkiListy numer;
    QList<Przelew> rekordy;  ///< the records written, numbered 1, 2, ...
    QString blad;
};

/// Saves the list as a new package of the month of `dzis`: the records get
/// the package number, their positions 1, 2, ..., "Otwarta", "110" and
/// "51"; the package file is written whole through the atomic rewrite (an
/// existing file of that number is refused), then the month's numbering line
/// records the package (first package 1, last package NN, last transfer
/// number increased by the transfers saved). A missing numbering file is
/// created.
ZapisListy zapiszListeJakoPaczke(const QString& folder, const QDate& dzis, const QList<Przelew>& lista);

} // namespace remitto
