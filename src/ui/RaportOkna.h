#pragma once

#include "core/PrintJob.h"

#include <QString>

namespace remitto {

class Dialogs;
class Drukowanie;

/// Prints a window's report through the print dialog, then says how it ended
/// (nothing when the user declined the dialog).
void drukujRaport(Drukowanie& drukowanie, Dialogs& dialogs, const PrintJob& wydruk, const QString& tytul);

/// Saves a window's report as a PDF file (".pdf" added to a name without a
/// suffix), then says where it went or why it could not be written.
void zapiszRaportPdf(Dialogs& dialogs, const PrintJob& wydruk, QString plik, const QString& tytul);

} // namespace remitto
