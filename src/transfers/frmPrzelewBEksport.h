#pragma once

#include "transfers/EksportPaczki.h"

#include <QList>
#include <QString>

namespace remitto {

struct Session;
class Dialogs;

/// What the export takes from the session: the data folder, the own company
/// (short name, chosen account, one-line data, shop folders) and today.
DaneEksportu daneEksportu(const Session& s);

/// "Paczka &Do Ecorponet": the export of the package shown with every box of
/// the action, in order; the cash deposit is refused at once. `przelewy` are
/// the rows of the package view, `sciezkaPaczki` its file. On success
/// PlikPaczki points at the closed package; the window then shows the state
/// "Zamknieta" and refreshes its file list.
WynikEksportu przeniesDoEcorponet(Session& s, Dialogs& d, const QString& sciezkaPaczki,
                                  const QList<Przelew>& przelewy, Rodzaj rodzaj);

/// Shows what an export returned, in the transfer window's words: a refusal,
/// every account that looks wrong, a step that failed. True when every step
/// was done; the caller then says so itself. Points PlikPaczki at the package
/// once it is closed.
bool pokazWynikEksportu(Session& s, Dialogs& d, const WynikEksportu& w, const QString& sciezkaPaczki);

/// "Usuń wskazaną paczkę z Ecoropnet": asks, deletes the export file `nazwa`
/// of the export folder and says so. True when the file was deleted; an
/// empty name (nothing selected) asks nothing.
bool usunPaczkeZEcorponet(const Session& s, Dialogs& d, const QString& nazwa);

} // namespace remitto
