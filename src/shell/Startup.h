#pragma once

#include "shell/Instalka.h"
#include "shell/MojaFirma.h"

#include <QString>

class QDate;

namespace remitto {

struct Session;

/// Version of this build as shown to the user ("2020.7.2").
QString wersjaProgramu();

/// Today's date texts: DataDzis (dd-mm-yyyy) and DataDzisKlucz (yyyymmdd).
void ustawDzis(Session& s, const QDate& dzis);

/// The data folder at start: the current folder when it holds instalka.dat,
/// otherwise the folder accepted last time when it still holds one,
/// otherwise the current folder (the user is then asked).
QString folderStartowy(const QString& biezacy, const QString& zapamietany);

enum class StanUstawien { Wczytane, Brak, Uszkodzone };

/// Reads instalka.dat from SciezkaProgramu into the session. The folder stored
/// in the file wins over the current one when it exists on this machine.
StanUstawien wczytajUstawienia(Session& s, QString* error);

/// Writes a new instalka.dat into `folder` holding the session's settings
/// with `folder` as the data folder.
bool utworzUstawienia(Session& s, const QString& folder, QString* error);

enum class StanFirmy { Wczytana, BrakPliku, PustyPlik, Uszkodzony };

/// Sets PlikMojaFirma and makes the first record of MojaFirma.txt the
/// session's company, with account 1 as the outgoing account. Whatever could
/// not be read leaves the company empty.
StanFirmy wczytajPierwszaFirme(Session& s, QString* error);

/// Creates MojaFirma.txt holding one empty record numbered 1.
bool utworzPierwszaFirme(const Session& s, QString* error);

/// Text of the main window's business card: short name, a blank, the
/// outgoing account; "(nie wybrano firmy)" when no company is chosen.
QString wizytowka(const Session& s);

/// Accepting a folder in the main window: reads instalka.dat of `folder` and
/// writes it again with `folder` as the data folder. False when the file
/// could not be read or written (the caller offers to write a new one).
bool przepiszUstawieniaDlaFolderu(Session& s, const QString& folder, QString* error);

} // namespace remitto
