#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace remitto {

/// One entry of a bank statement: a :61: line with its :86: details.
struct OperacjaWyciagu {
    int linia = 0;              ///< line of the :61: tag in its file, from 1
    int kluczWaluty = 0;        ///< value date, yyyymmdd
    int kluczKsiegowania = 0;   ///< entry (booking) date, yyyymmdd; the value date when absent
    bool obciazenie = false;    ///< a debit of the account (D, or RC: a credit reversed)
    QString znak;               ///< the mark as written: C, D, RC or RD
    qint64 kwota = 0;           ///< grosze, never negative
    QString typTransakcji;      ///< e.g. "NTRF"
    QString referencja;         ///< the customer's reference, before "//"
    QString referencjaBanku;    ///< after "//"
    QString dodatkowe;          ///< the supplementary details line of :61:

    // :86: details (the Polish subfields)
    QString szczegoly;          ///< the whole :86: text, its lines joined
    QString kodOperacji;        ///< the transaction code before the first subfield
    QString opis;               ///< ~00
    QString tytul;              ///< ~20-~25 then ~60-~63, joined
    QString nazwa;              ///< ~27-~29 then ~32-~33, joined
    QString rozliczeniowy;      ///< ~30 bank sort code
    QString rachunek;           ///< ~31 account number
    QString iban;               ///< ~38 counterparty IBAN

    /// Digits of the counterparty's account: the ~38 IBAN, else ~30 + ~31
    /// (the last 26 digits, a country prefix aside).
    QString kontoCyfry() const;
};

/// One statement (:20: to :62F:/:62M:) of a file.
struct Wyciag {
    QString plik;          ///< the file it was read from
    int linia = 0;         ///< line of its :20: tag
    QString referencja;    ///< :20:
    QString rachunek;      ///< :25: as written
    QString numer;         ///< :28C:
    int kluczOtwarcia = 0; ///< date of the opening balance (:60F:/:60M:), yyyymmdd
    int kluczZamkniecia = 0; ///< date of the closing balance (:62F:/:62M:), yyyymmdd
    qint64 saldoOtwarcia = 0;   ///< grosze, signed
    qint64 saldoZamkniecia = 0; ///< grosze, signed
    QString waluta;
    std::vector<OperacjaWyciagu> operacje;

    /// Digits of the statement's own account (:25:).
    QString rachunekCyfry() const;
    /// The statement as the results file names it: own account, reference,
    /// number and opening date.
    QString klucz() const;
};

struct OdczytMt940 {
    bool ok = false;
    QString blad;          ///< Polish, naming the file and the line, when !ok
    std::vector<Wyciag> wyciagi;
};

/// Reads an MT940 file: several statements, CR LF or LF line ends, Windows-1250
/// or UTF-8 (the program's encoding decision), "-" lines between and after
/// statements, the Polish :86: subfields with "~" or "^" and split over lines.
/// A damaged or unknown file gives no statements and a message naming the
/// file and the line.
OdczytMt940 czytajMt940(const QString& sciezka);
/// The same over bytes already in memory; `sciezka` only names the file.
OdczytMt940 czytajMt940(const QByteArray& bajty, const QString& sciezka);

/// yyyymmdd of a "yymmdd" date (years 00-69 are 20xx, 70-99 19xx); 0 when invalid.
int kluczDatyMt940(QStringView yymmdd);

} // namespace remitto

namespace remitto {

/// Writes statements in the layout czytajMt940() reads (CR LF line ends,
/// the :86: details with "~" subfields: ~00 description, ~20-~25 title,
/// ~32-~33 name, ~38 IBAN, in lines of at most 65 characters); the closing
/// balance follows from the opening balance and the entries. Windows-1250
/// bytes. For test data and the demo folder.
QByteArray zapisMt940(const std::vector<Wyciag>& wyciagi);

} // namespace remitto
