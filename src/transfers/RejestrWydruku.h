#pragma once

#include "transfers/FormularzPrzelewu.h"
#include "transfers/Przelew.h"

#include <QString>

namespace remitto {

struct Session;

/// Payment mark and state of a transfer that was printed on a paper form.
inline const QString kWydruk = QStringLiteral("Wydruk");

/// The record a printed form leaves in the sent-transfers file: the transfer
/// record of the window's entry area as a package would take it, dated
/// `dataDzis` (dd-mm-yyyy), with the mark and the state "Wydruk", the codes
/// of the kind selected, no package and no position. The amount paid is the
/// amount on the form ("#########0.00"); the gross amount, when the window has
/// none, is that amount too.
Przelew przelewWydruku(const PolaPrzelewu& p, const QString& dataDzis);

/// Appends the record as one line to the sent-transfers file (created when
/// missing; a last line without its line end gets one first). False with a
/// Polish message when no own company is chosen or the file cannot be written.
bool zapiszWydruk(const Session& s, const Przelew& p, QString* error = nullptr);

} // namespace remitto
