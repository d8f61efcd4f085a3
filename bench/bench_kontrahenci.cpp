// Opening the contractor list on a big folder (10,000 contractors): reading
// kontrah.dta and filling the grid's model, against `cat` of the same file.
// Usage: remitto_bench_kontrahenci [folder]; without a folder a big demo
// folder is made in a temporary directory first.
#include "DemoData.h"

#include "contractors/Kontrahent.h"
#include "ui/Grid.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>

using namespace remitto;

namespace {

/// Best of `runs` wall times in microseconds.
qint64 best(int runs, const std::function<void()>& work)
{
    qint64 t = std::numeric_limits<qint64>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer e;
        e.start();
        work();
        t = std::min(t, e.nsecsElapsed() / 1000);
    }
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (folder.isEmpty()) {
        folder = temp.path() + QStringLiteral("/big");
        demo::DemoOptions options;
        options.size = demo::DemoOptions::Size::Big;
        QString error;
        if (!demo::writeDemoData(folder, options, &error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
    }
    const QString plik = folder + QLatin1Char('/') + kontrahenci::kPlikKontrahentow;
    QTextStream out(stdout);

    int wiersze = 0;
    const qint64 lista = best(15, [&] {
        GridModel model;
        model.setColumns(kontrahenci::naglowkiSiatki());
        kontrahenci::OdczytSiatki o = kontrahenci::czytajDoSiatki(plik);
        model.setRows(std::move(o.wiersze));
        wiersze = model.rowCount();
    });
    const qint64 cat = best(15, [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("cat"), {plik});
        p.waitForFinished();
    });
    out << "contractor list (read kontrah.dta + fill grid model, " << wiersze << " rows): " << lista / 1000.0
        << " ms\n";
    out << "cat kontrah.dta: " << cat / 1000.0 << " ms\n";
    out << "ratio: " << QString::number(double(lista) / double(std::max<qint64>(cat, 1)), 'f', 1) << " x cat\n";
    return 0;
}
