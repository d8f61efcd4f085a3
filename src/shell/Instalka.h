#pragma once

#include <QString>

namespace remitto {

struct Session;

/// The seven values of the settings file instalka.dat, in file order.
struct Ustawienia {
    QString haslo;           ///< 1 access password, empty = none
    QString sciezka;         ///< 2 data folder
    QString rodzajDrukarki;  ///< 3 "I", "A", "L" or empty
    QString drukPogrubiony;  ///< 4 "G" or empty
    QString rodzajDruku;     ///< 5 "2" bold option of the transfer window
    QString ustawienie6;     ///< 6 must be non-empty for the printer frame
    QString opisSeryjny;     ///< 7 serial description

    bool operator==(const Ustawienia&) const = default;
};

inline const QString kPlikInstalka = QStringLiteral("instalka.dat");

struct UstawieniaOdczyt {
    bool ok = false;
    bool missing = false;
    Ustawienia u;
    QString error;  ///< Polish message naming the file
};

/// Reads instalka.dat from `folder` and checks it: exactly 7 values, no
/// control characters, values 3 and 4 at most one character, values 5 and 6
/// at most three. A file that fails is not ok and `error` names the file and
/// the value.
UstawieniaOdczyt readInstalka(const QString& folder);

/// Replaces instalka.dat in `folder` with all seven values (one line).
bool writeInstalka(const QString& folder, const Ustawienia& u, QString* error = nullptr);

/// The settings as the session holds them (value 2 is SciezkaProgramu).
Ustawienia ustawieniaZSesji(const Session& s);

/// Puts values 1 and 3-7 into the session; value 2 is left to the caller,
/// who decides which folder wins.
void ustawieniaDoSesji(const Ustawienia& u, Session& s);

/// Settings for a file that could not be read: values 5 and 6 of "0" (or
/// empty) become "1", value 7 becomes "F-ra nr.".
Ustawienia zDomyslnymi(Ustawienia u);

enum class WynikZmiany {
    Zmieniono,
    BezZmian,
    BladOdczytu,
    BladZapisu,
    NiedozwoloneZnaki,  ///< the new password holds characters the file cannot keep
};

/// Password change: with the right old password stores `nowe` and logs the
/// run in with it (HasloZapisane and HasloWpisane). A wrong old password
/// gives BezZmian and leaves the file untouched. A new password holding a
/// double quote or a character Windows-1250 cannot hold is refused
/// (NiedozwoloneZnaki, nothing written): stored changed, it would never match
/// the password typed at the next start.
WynikZmiany zmienHaslo(Session& s, const QString& stare, const QString& nowe, QString* error);

/// Serial description: stored upper case. An empty text changes nothing.
WynikZmiany zmienOpisSeryjny(Session& s, const QString& opis, QString* error);

/// Printer window: the type is the first letter of `typSlownie`, upper case;
/// the bold flag is "G" when `pogrubiony`.
WynikZmiany zapiszDrukarke(Session& s, const QString& typSlownie, bool pogrubiony, QString* error);

/// "Atramentowa", "Igłowa" or "Laserowa" for "A", "I", "L"; otherwise "".
QString nazwaDrukarki(const QString& litera);

} // namespace remitto
