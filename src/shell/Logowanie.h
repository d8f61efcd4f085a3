#pragma once

#include <QString>

namespace remitto {

struct Session;

/// True when the typed password (HasloWpisane) equals the stored one
/// (HasloZapisane) exactly: letter case and blanks count. With no stored
/// password an empty typed one is right.
bool hasloPoprawne(const Session& s);

enum class WynikLogowania { Dostep, BrakDostepu };

/// "Zatwierdź": the stored password is read afresh from instalka.dat (a file
/// that cannot be read leaves the one read at start) and compared with the
/// typed one.
WynikLogowania zaloguj(Session& s);

enum class StareHaslo { Zgodne, Niezgodne, BladOdczytu };

/// First step of the password change: does `stare` equal the password stored
/// in instalka.dat of the data folder?
StareHaslo sprawdzStareHaslo(const Session& s, const QString& stare, QString* error);

/// Characters of a new password that the settings file cannot hold as typed:
/// the double quote (the file's value delimiter) and every character
/// Windows-1250 has no byte for. Each listed once, in order; empty when the
/// password can be stored.
QString znakiNiedozwolone(const QString& haslo);

} // namespace remitto
