#include "ui/PrintRenderer.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>

#include <algorithm>

namespace remitto {

namespace {

/// Width and height of a page's lines, in device pixels at full size.
QSizeF rozmiarStrony(const PrintPage& page, QPaintDevice* device)
{
    qreal width = 0;
    qreal height = 0;
    for (const PrintLine& line : page.lines) {
        const QFontMetricsF fm(czcionkaWydruku(line.pointSize, line.bold), device);
        width = std::max(width, fm.horizontalAdvance(line.text));
        height += fm.lineSpacing();
    }
    return {width, height};
}

void rysujStrone(const PrintPage& page, QPainter& painter, QPrinter& printer, PrzesuniecieDruku offset)
{
    const qreal pxNaMm = printer.resolution() / 25.4;
    const QRectF obszar = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF rozmiar = rozmiarStrony(page, &printer);
    // Room for the largest offset to the right and down stays free, so an
    // offset never pushes the last columns off the paper.
    const qreal zapas = PrzesuniecieDruku::kMax * pxNaMm;
    const qreal szerokosc = std::max(obszar.width() - zapas, obszar.width() / 2);
    const qreal wysokosc = std::max(obszar.height() - zapas, obszar.height() / 2);
    qreal skala = 1;
    if (rozmiar.width() > szerokosc)
        skala = szerokosc / rozmiar.width();
    if (rozmiar.height() * skala > wysokosc)
        skala = wysokosc / rozmiar.height();

    painter.save();
    painter.translate(offset.poziomoMm * pxNaMm, offset.pionowoMm * pxNaMm);
    painter.scale(skala, skala);
    qreal y = 0;
    for (const PrintLine& line : page.lines) {
        const QFont font = czcionkaWydruku(line.pointSize, line.bold);
        const QFontMetricsF fm(font, &printer);
        if (!line.text.isEmpty()) {
            painter.setFont(font);
            painter.drawText(QPointF(0, y + fm.ascent()), line.text);
        }
        y += fm.lineSpacing();
    }
    painter.restore();
}

bool rysujNaDrukarce(const PrintJob& job, QPainter& painter, QPrinter& printer, PrzesuniecieDruku offset,
                     QString* error)
{
    const QList<PrintPage>& pages = job.pages();
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            if (error)
                *error = QStringLiteral("Drukarka nie przyjęła kolejnej strony wydruku.");
            return false;
        }
        rysujStrone(pages.at(i), painter, printer, offset);
    }
    return true;
}

} // namespace

QFont czcionkaWydruku(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
    font.setFixedPitch(true);
    font.setKerning(false);
    font.setItalic(false);
    font.setPointSize(std::max(1, pointSize));
    font.setBold(bold);
    return font;
}

void przygotujDrukarke(QPrinter& printer, const PrintJob& job)
{
    printer.setPageOrientation(job.orientation() == PrintJob::Orientation::Landscape ? QPageLayout::Landscape
                                                                                      : QPageLayout::Portrait);
}

bool rysujWydruk(const PrintJob& job, QPrinter& printer, PrzesuniecieDruku offset, QString* error)
{
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = QStringLiteral("Nie można rozpocząć wydruku na drukarce %1.").arg(printer.printerName());
        return false;
    }
    const bool ok = rysujNaDrukarce(job, painter, printer, offset, error);
    if (!painter.end() && ok) {
        if (error)
            *error = QStringLiteral("Wydruk nie został zakończony.");
        return false;
    }
    return ok;
}

bool zapiszPdf(const PrintJob& job, const QString& path, PrzesuniecieDruku offset, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setCreator(QStringLiteral("Remitto"));
    przygotujDrukarke(printer, job);
    if (!rysujWydruk(job, printer, offset, error)) {
        if (error && error->isEmpty())
            *error = QStringLiteral("Nie można zapisać pliku %1").arg(path);
        return false;
    }
    return true;
}

void pokazPodglad(const PrintJob& job, PrzesuniecieDruku offset, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    przygotujDrukarke(printer, job);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Podgląd wydruku"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&job, offset](QPrinter* p) { rysujWydruk(job, *p, offset); });
    dialog.exec();
}

PrzesuniecieDruku przesuniecieUzytkownika()
{
    const QSettings settings;
    return wczytajPrzesuniecie(settings);
}

WynikWydruku QtDrukowanie::drukuj(const PrintJob& job, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    przygotujDrukarke(printer, job);
    QPrintDialog dialog(&printer, m_parent);
    dialog.setWindowTitle(QStringLiteral("Drukuj"));
    if (dialog.exec() != QDialog::Accepted)
        return WynikWydruku::Rezygnacja;
    return rysujWydruk(job, printer, przesuniecieUzytkownika(), error) ? WynikWydruku::Wydrukowano
                                                                        : WynikWydruku::Blad;
}

} // namespace remitto
