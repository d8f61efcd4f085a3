#pragma once

#include <QString>
#include <QtGlobal>

namespace remitto {

struct Session;

/// Each double quote replaced by two apostrophes, so the text can stand
/// inside a quoted value of the data files.
QString ZamienCudzyslow(const QString& tekst);

/// The characters separated by single blanks ("ABC" gives "A B C").
QString Rozstrzel(const QString& tekst);

/// The amount (text formatted "#########0.00"; a point, fewer decimals and
/// thousands blanks are accepted too) in Polish words, 94 characters; for
/// amounts of a million złoty or more the line is longer rather than cut.
/// Zero, a negative amount, 1 000 000 000 złoty or more and a text that is
/// not an amount give 94 blanks.
QString KwotaSlownie(const QString& kwota);
/// The same for an amount in grosze.
QString KwotaSlownieZGroszy(qint64 grosze);

/// Every decimal comma turned into a point (texts of up to two characters
/// are left alone).
QString PrzecinekNaKropke(const QString& liczba);

/// Every point turned into a comma (texts of up to two characters are left
/// alone).
QString KropkaNaPrzecinek(const QString& liczba);

/// Every "." replaced by ",", whatever the length.
QString KropkaNaPrzecinekWszystkie(const QString& liczba);

/// The number rounded to two decimals (0.0001 is added first, halves go to
/// the even neighbour); a negative number rounds as its absolute value.
double Zaokraglij(double x);
/// The same for a number text (comma or point); an empty or unreadable text
/// gives 0.
double Zaokraglij(const QString& x);

/// Right-aligned amount columns: "#####0.00" in 9, "#######0.00" in 11,
/// "########0.00" in 13 characters. An amount wider than its column comes
/// back whole, never with its leading digits cut.
QString Kwota9(double kwota);
QString Kwota11(double kwota);
QString Kwota13(double kwota);

/// A yyyy-mm-dd date as dd-mm-yyyy; a dd-mm-yyyy date, and a text too short
/// to be a date, unchanged.
QString DataDMR(const QString& data);

/// "tak" when the file exists, "nie" otherwise.
QString CzyPlikIstnieje(const QString& sciezka);

/// An account number of 26 or more characters without blanks and hyphens;
/// a shorter text only trimmed.
QString KontoBezOdstepow(const QString& konto);

/// An account number of 27 or more characters without blanks; a shorter
/// text unchanged.
QString KontoBezSpacji(const QString& konto);

/// Locality and post office of a postal code ("" for a code not in the table).
struct KodPocztowyWynik {
    QString miejscowosc;
    QString poczta;
};
KodPocztowyWynik KodPocztowy(const QString& kod);
/// Sets MiejscowoscZKodu and PocztaZKodu of the session.
void KodPocztowy(const QString& kod, Session& session);

} // namespace remitto
