#pragma once

#include "core/PrintJob.h"
#include "core/PrzesuniecieDruku.h"

#include <QFont>
#include <QString>

class QPainter;
class QPrinter;
class QWidget;

namespace remitto {

enum class WynikWydruku { Wydrukowano, Rezygnacja, Blad };

/// Printing as the windows see it: the system print dialog, which is also the
/// confirmation, then the job on the chosen printer. Tests replace it.
class Drukowanie {
public:
    virtual ~Drukowanie() = default;
    /// Rezygnacja when the user declines the dialog; Blad with `error` set
    /// when the printer cannot be used.
    virtual WynikWydruku drukuj(const PrintJob& job, QString* error) = 0;
};

/// The real print dialog; the form offset is read from the user's settings
/// at every print.
class QtDrukowanie : public Drukowanie {
public:
    explicit QtDrukowanie(QWidget* parent = nullptr) : m_parent(parent) {}
    WynikWydruku drukuj(const PrintJob& job, QString* error) override;

private:
    QWidget* m_parent;
};

/// The fixed-pitch printer font ("Courier New"; Liberation Mono has the same
/// widths and stands in for it where it is missing).
QFont czcionkaWydruku(int pointSize, bool bold);

/// Sets the printer's orientation from the job.
void przygotujDrukarke(QPrinter& printer, const PrintJob& job);

/// Draws every page of the job: each line at its point size, its height that
/// of the font, from the top left of the printable area moved by `offset`.
/// A page wider or taller than the paper (less 20 mm kept free for the
/// offset) is scaled down as a whole, so nothing is cut and the lines keep
/// their proportions.
bool rysujWydruk(const PrintJob& job, QPrinter& printer, PrzesuniecieDruku offset, QString* error = nullptr);

/// Saves the job as a PDF file (A4).
bool zapiszPdf(const PrintJob& job, const QString& path, PrzesuniecieDruku offset, QString* error = nullptr);

/// Print preview of the job with the offset applied; the user can print from it.
void pokazPodglad(const PrintJob& job, PrzesuniecieDruku offset, QWidget* parent = nullptr);

/// The offset kept in this user's settings of the program.
PrzesuniecieDruku przesuniecieUzytkownika();

} // namespace remitto
