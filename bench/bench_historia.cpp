// Times the history window's list over the sent-transfers file of a demo
// folder (`remitto_demodata DIR --size big`: 200,000 records): reading the
// file and filling the grid model, against `wc -l` and Python's csv module
// over the same file in the same run; then a filter and the memory the rows
// take.
// Usage: remitto_bench_historia DIR-or-FILE
#include "Pomiar.h"
#include "history/Historia.h"
#include "history/frmHistoriaWiersze.h"
#include "ui/Grid.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTextStream>

#include <functional>

using namespace remitto;
using remitto::bench::najlepszy;
using remitto::bench::plikHistorii;

namespace {

qint64 proces(const QString& program, const QStringList& argumenty, int razy)
{
    return najlepszy(razy, [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(program, argumenty);
        p.waitForFinished(-1);
    });
}

// Resident memory of this process in bytes.
qint64 rss()
{
    QFile f(QStringLiteral("/proc/self/statm"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> v = f.readAll().split(' ');
    return v.size() > 1 ? v[1].toLongLong() * 4096 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: remitto_bench_historia DIR-or-FILE\n";
        return 2;
    }
    const QString sciezka = plikHistorii(QString::fromLocal8Bit(argv[1]));
    const qint64 rozmiar = QFileInfo(sciezka).size();
    out << "file: " << sciezka << ", " << rozmiar / (1024 * 1024) << " MiB\n";

    // Memory of the rows: the file held once, as the window holds it.
    const qint64 przed = rss();
    auto trzymany = std::make_shared<PlikHistorii>(PlikHistorii::wczytaj(sciezka, kUkladPrzelewu));
    const qint64 pamiec = rss() - przed;

    GridModel model;
    model.setColumns(naglowkiHistorii());
    int wiersze = 0;
    qint64 suma = 0;
    // The list and `wc -l` take turns, so that both meet the same load of
    // the shared machine; each keeps its best run. The list's parts are the
    // best of each.
    qint64 tLista = -1, tWc = -1, tCzytanie = -1, tSuma = -1;
    auto lepszy = [](qint64& best, qint64 ns) { best = best < 0 ? ns : std::min(best, ns); };
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        auto p = std::make_shared<PlikHistorii>(PlikHistorii::wczytaj(sciezka, kUkladPrzelewu));
        const qint64 przeczytany = t.nsecsElapsed();
        std::vector<int> r = wszystkieRekordy(*p);
        suma = sumaKwot(*p, r);
        const qint64 zsumowany = t.nsecsElapsed();
        model.setRowSource(std::make_shared<HistoriaWiersze>(p, std::move(r)));
        // The cells of the first screen.
        for (int row = 0; row < 40 && row < model.rowCount(); ++row)
            for (int c = 0; c < model.columnCount(); ++c)
                model.data(model.index(row, c));
        wiersze = model.rowCount();
        lepszy(tLista, t.nsecsElapsed());
        lepszy(tCzytanie, przeczytany);
        lepszy(tSuma, zsumowany - przeczytany);
        lepszy(tWc, proces(QStringLiteral("wc"), {QStringLiteral("-l"), sciezka}, 1));
    }
    const qint64 tPython = proces(
        QStringLiteral("python3"),
        {QStringLiteral("-c"),
         QStringLiteral("import csv,sys\nn=0\nfor row in csv.reader(open(sys.argv[1],encoding='cp1250',newline='')):"
                        " n+=len(row)\nprint(n)"),
         sciezka},
        3);
    const qint64 tStart = najlepszy(3, [] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });

    FiltrHistorii::Blad blad;
    const FiltrHistorii filtr = FiltrHistorii::zPol(QStringLiteral("A"), QStringLiteral("01-01-2020"),
                                                    QStringLiteral("31-12-2024"), &blad);
    std::vector<int> wybrane;
    const qint64 tFiltr = najlepszy(5, [&] { wybrane = filtrujHistorie(*trzymany, filtr); });
    qint64 sumaWybranych = 0;
    const qint64 tSumaWybranych = najlepszy(5, [&] { sumaWybranych = sumaKwot(*trzymany, wybrane); });

    out << "read + fill the model (" << wiersze << " rows, total " << suma / 100 << "): " << tLista / 1e6 << " ms\n";
    out << "  of which reading the file " << tCzytanie / 1e6 << " ms, the total of all rows " << tSuma / 1e6
        << " ms\n";
    out << "wc -l of the same file: " << tWc / 1e6 << " ms (process start alone " << tStart / 1e6 << " ms)\n";
    out << "python csv of the same file: " << tPython / 1e6 << " ms\n";
    out << "ratio list / python csv: " << double(tLista) / double(tPython) << "\n";
    out << "filter (short name \"A\", 2020-2024, " << wybrane.size() << " rows): " << tFiltr / 1e6
        << " ms, its total " << tSumaWybranych / 1e6 << " ms\n";
    out << "memory of the rows: " << pamiec / (1024 * 1024) << " MiB, " << double(pamiec) / double(rozmiar)
        << " x the file\n";
    out << "ratio list / wc -l: " << double(tLista) / double(tWc) << "\n";
    return wiersze > 0 ? 0 : 1;
}
