#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace remitto {

constexpr int kWartosciPrzelewu = 27;
constexpr int kKolumnyPaczki = 28;

/// One transfer: the record of the package files, of the sent-transfers file
/// and of the transfers made from purchase invoices. Twenty-seven values in
/// file order; every value is kept as the text it was read or typed as.
struct Przelew {
    QString nazwaKontrahenta;  ///< 1 "Nazwa Kontrahenta", name line 1
    QString imieKontrahenta;   ///< 2 "Imie Kontrahenta", name line 2
    QString konto;             ///< 3 beneficiary account, 26 digits expected
    QString kwotaN;            ///< 4 net amount as typed
    QString vat;               ///< 5 VAT text as typed (amount, rate, "np", "zw")
    QString kwotaB;            ///< 6 gross amount
    QString tytulem;           ///< 7 title, at most 105 characters
    QString terminSpla;        ///< 8 due date yyyy-mm-dd
    QString splacono;          ///< 9 amount paid; the amount the export sends
    QString kwDoSplaty;        ///< 10 amount still to pay (written bare)
    QString dataSplaty;        ///< 11 payment date yyyy-mm-dd
    QString oznPrz;            ///< 12 payment mark
    QString ulica;             ///< 13 street
    QString nrDomu;            ///< 14 house number
    QString adres;             ///< 15 town
    QString kod;               ///< 16 postal code
    QString skrot;             ///< 17 contractor short name
    QString bank;              ///< 18 bank name
    QString nrKolFakt;         ///< 19 purchase invoice file paid by the transfer
    QString nrPaczk;           ///< 20 package number "01" ... "99"
    QString nrPrzel;           ///< 21 position in the package from 1 (written bare)
    QString dataZakup;         ///< 22 purchase (invoice) date
    QString nip;               ///< 23 contractor NIP
    QString status;            ///< 24 package state "Otwarta" / "Zamknieta"
    QString typZlec;           ///< 25 order type code
    QString typDok;            ///< 26 classification code
    QString kodIden;           ///< 27 client identification code

    /// The record from 27 values in file order (missing values read as "").
    static Przelew zWartosci(const QStringList& v);
    QStringList wartosci() const;

    /// The 28 cells of a package grid row; column 0 is the running row number.
    QStringList wierszSiatki(int nrWiersza) const;
    /// The record shown in a package grid row (cells past the row's end read
    /// as ""; column 0 is not stored).
    static Przelew zWierszaSiatki(const QStringList& komorki);

    bool operator==(const Przelew&) const = default;
};

/// Values of the record in the order a package file holds them: the 1-based
/// value number shown in package grid column `kolumna` (1 ... 27); 0 for
/// column 0, the row number, and for a column outside the grid.
int wartoscKolumnyPaczki(int kolumna);

/// Columns of the package grid (and of the payments window's transfer list).
namespace kolPaczki {
enum KolumnaPaczki : int {
    Nr = 0, Nazwa = 1, Imie = 2, Konto = 3, KwotaN = 4, Vat = 5, KwotaB = 6, Tytulem = 7, DataZakup = 8,
    Splacono = 9, KwDoSplaty = 10, TerminSpla = 11, DataSplaty = 12, OznPrz = 13, Ulica = 14, NrDomu = 15,
    Adres = 16, Kod = 17, Skrot = 18, Bank = 19, NrKolFakt = 20, NrPaczk = 21, NrPrzel = 22, Nip = 23,
    Status = 24, TypZlec = 25, TypDok = 26, KodIden = 27
};
}

/// Sum of the gross amounts of the records, in grosze (unreadable ones count 0).
qint64 sumaBrutto(const QList<Przelew>& przelewy);

/// Headers of the package grid, columns 0 ... 27.
const QStringList& naglowkiPaczki();
/// Widths (twips) of the package grid's first columns; the rest keep the default.
const QList<int>& szerokosciPaczki();

/// The record as one line of a package file: 27 values, texts quoted, values
/// 10 and 21 bare, CR LF at the end.
QString liniaPrzelewu(const Przelew& p);
/// The record one value per line, as a rewritten package file holds it.
QString wartosciPrzelewuWLiniach(const Przelew& p);

/// Records of 27 values each; false when the values do not make whole records
/// (the whole ones are still returned).
bool przelewyZWartosci(const QStringList& wartosci, QList<Przelew>* przelewy);

/// "yyyy-mm-dd" from a "dd-mm-yyyy" date (DataDzis); another text unchanged.
QString dataRekordu(const QString& dataDzis);

/// An amount in grosze as the bare number value 10 of a record holds it:
/// "0", "600", "12.5" (a point, no trailing zeros).
QString liczbaRekordu(qint64 grosze);

} // namespace remitto
