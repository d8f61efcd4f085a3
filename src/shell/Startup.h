#pragma once

#include "shell/Instalka.h"
#include "shell/MojaFirma.h"

#include <QString>
#include <optional>

class QDate;
class QDateTime;
class QTime;

namespace remitto {

struct Session;

/// Version of this build as shown to the user ("2020.7.2").
QString wersjaProgramu();

/// Today's date texts: DataDzis (dd-mm-yyyy) and DataDzisKlucz (yyyymmdd).
void ustawDzis(Session& s, const QDate& dzis);

/// The working date picked in the calendar: DataRobocza (dd-mm-yyyy).
void ustawDateRobocza(Session& s, const QDate& dzien);

/// The date typed in the "&Data" menu entry: yyyy-mm-dd (one-digit month and
/// day allowed), blanks around it ignored. Nothing for text that is no date.
std::optional<QDate> dataZWpisu(const QString& tekst);

/// The time typed in the "Czas" menu entry: hours and minutes (gg:mm), with
/// or without seconds. Nothing for text that is no time.
std::optional<QTime> czasZWpisu(const QString& tekst);

/// Text shown when another copy of the program is already running.
QString komunikatDrugiejKopii();

/// The data folder at start: the current folder when it holds instalka.dat,
/// otherwise the folder accepted last time when it still holds one,
/// otherwise the current folder (the user is then asked).
QString folderStartowy(const QString& biezacy, const QString& zapamietany);

enum class StanUstawien { Wczytane, Brak, Uszkodzone };

/// Reads instalka.dat from SciezkaProgramu into the session. The folder stored
/// in the file wins over the current one when it exists on this machine.
StanUstawien wczytajUstawienia(Session& s, QString* error);

/// Whether `folder` holds an instalka.dat, readable or not.
bool jestPlikUstawien(const QString& folder);

/// Moves a file that could not be read aside before a new one takes its name:
/// it becomes "<name>.uszkodzony-<yyyymmdd-hhmmss>" (of `teraz`) beside it,
/// with "-2", "-3"... added when that name is taken. True when there was no
/// file or it was moved (`kopia` then names the kept file, or is empty).
bool odlozUszkodzonyPlik(const QString& path, const QDateTime& teraz, QString* kopia, QString* error);

/// Writes a new instalka.dat into `folder` holding the session's settings
/// with `folder` as the data folder. A file already there (one that could not
/// be read) is kept beside it first; `kopia` names it.
bool utworzUstawienia(Session& s, const QString& folder, QString* error, QString* kopia = nullptr);

enum class StanFirmy { Wczytana, BrakPliku, PustyPlik, Uszkodzony, ZlySkrot };

/// Sets PlikMojaFirma and makes the first record of MojaFirma.txt the
/// session's company, with account 1 as the outgoing account. Whatever could
/// not be read leaves the company empty.
StanFirmy wczytajPierwszaFirme(Session& s, QString* error);

/// Creates MojaFirma.txt holding one empty record numbered 1. A file already
/// there (one without a readable record) is kept beside it first; `kopia`
/// names it.
bool utworzPierwszaFirme(const Session& s, QString* error, QString* kopia = nullptr);

/// Text of the main window's business card: short name, a blank, the
/// outgoing account; "(nie wybrano firmy)" when no company is chosen.
QString wizytowka(const Session& s);

/// Accepting a folder in the main window: reads instalka.dat of `folder` and
/// writes it again with `folder` as the data folder. False when the file
/// could not be read or written (the caller offers to write a new one).
bool przepiszUstawieniaDlaFolderu(Session& s, const QString& folder, QString* error);

/// Accepting a folder whose instalka.dat could not be read, after the user
/// agreed to a new one: the session's settings with the defaults for a file
/// that could not be read (zDomyslnymi) and `folder` as the data folder are
/// written into `folder` and taken into the session. The unreadable file is
/// kept beside it first; `kopia` names it.
bool zapiszNoweUstawienia(Session& s, const QString& folder, QString* error, QString* kopia = nullptr);

/// Text telling where a file that could not be read was kept.
QString komunikatZachowanegoPliku(const QString& plik, const QString& kopia);

/// Error number reported by the folder menus: 53 for a company file that
/// could not be read, 75 for one that could not be written, 0 otherwise.
int numerBledu(WynikFolderu wynik);

} // namespace remitto
