#pragma once

#include "core/PrintJob.h"

#include <QList>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;
class QVBoxLayout;
class QWidget;

namespace remitto {

class Dialogs;
class Drukowanie;
class Grid;

/// The information line above a report window's results
/// ("lblInformacja": wrapped, selectable), added to `glowny`.
QLabel* informacjaRaportu(QWidget* okno, QVBoxLayout* glowny);

/// The results grid of a report window ("grdWyniki", no fixed first column),
/// added to `glowny` with the stretch.
Grid* wynikiRaportu(QWidget* okno, QVBoxLayout* glowny, const QStringList& kolumny, const QList<int>& szerokosci);

/// The bottom bar of a report window: "&Drukuj" and "Zapisz PD&F..." (both
/// off until there is a report), then "&Zamknij" at the right.
struct PasekRaportu {
    QPushButton* drukuj;
    QPushButton* pdf;
    QPushButton* zamknij;
};
PasekRaportu pasekRaportu(QWidget* okno, QVBoxLayout* glowny);

/// Prints a window's report through the print dialog, then says how it ended
/// (nothing when the user declined the dialog).
void drukujRaport(Drukowanie& drukowanie, Dialogs& dialogs, const PrintJob& wydruk, const QString& tytul);

/// Saves a window's report as a PDF file (".pdf" added to a name without a
/// suffix), then says where it went or why it could not be written.
void zapiszRaportPdf(Dialogs& dialogs, const PrintJob& wydruk, QString plik, const QString& tytul);

} // namespace remitto
