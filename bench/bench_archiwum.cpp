// Times the yearly archive of the history ("&Archiwizacja  wybranego roku")
// over the sent-transfers file of a demo folder (`remitto_demodata DIR --size
// big`: 200,000 records, 59 MiB), against `cat` of the two files it leaves
// (the sent-transfers file and the year's archive) in the same run. Each run
// starts from a fresh copy of the file in a work folder beside it, with no
// archive of the year yet; the best of the runs counts, for both. The same
// work's floor is printed too: `cat` of each file into a copy and `sync` of
// the copies, since the archive writes both files anew and waits for the
// disk, as every rewrite of the program does.
// Usage: remitto_bench_archiwum DIR [year, default: the file's first] [runs]
#include "Pomiar.h"
#include "history/Historia.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include <unistd.h>

using namespace remitto;
using remitto::bench::najlepszy;
using remitto::bench::plikHistorii;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: remitto_bench_archiwum DIR [year] [runs]\n";
        return 2;
    }
    const QString zrodlo = plikHistorii(QString::fromLocal8Bit(argv[1]));
    if (zrodlo.isEmpty()) {
        out << "no sent-transfers file in " << argv[1] << "\n";
        return 2;
    }
    int rok = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
    const int przebiegi = argc > 3 ? std::max(1, QString::fromLocal8Bit(argv[3]).toInt()) : 5;
    if (rok == 0) {
        const PlikHistorii p = PlikHistorii::wczytaj(zrodlo, kUkladPrzelewu);
        rok = p.liczbaRekordow() > 0 ? p.kluczDaty(0) / 10000 : 2017;
    }

    // The work folder sits beside the demo folder's file, on the same disk.
    QTemporaryDir temp(QFileInfo(zrodlo).absolutePath() + QStringLiteral("/bench-archiwum-XXXXXX"));
    const QString folder = temp.path();
    const PlikWyslanych plik{folder + QLatin1Char('/') + QFileInfo(zrodlo).fileName(), kUkladPrzelewu};
    const QString archiwum = folder + QStringLiteral("/ARCH") + QString::number(rok) + QStringLiteral(".arh");

    qint64 najlepszeArchiwum = -1;
    qint64 najlepszyCat = -1;
    qint64 najlepszaKopia = -1;
    qint64 ostatniPostep = 0;
    int wywolaniaPostepu = 0;
    WynikOperacji w;
    for (int i = 0; i < przebiegi; ++i) {
        QFile::remove(plik.sciezka);
        QFile::remove(archiwum);
        if (!QFile::copy(zrodlo, plik.sciezka)) {
            out << "cannot copy " << zrodlo << "\n";
            return 1;
        }
        // The copy reaches the disk first, so that its write-back does not
        // hold up the archive's own syncs.
        ::sync();
        wywolaniaPostepu = 0;
        QElapsedTimer t;
        t.start();
        w = archiwizujRok(plik, archiwum, rok, false, [&](qint64 zrobione, qint64) {
            ++wywolaniaPostepu;
            ostatniPostep = zrobione;
        });
        const qint64 ns = t.nsecsElapsed();
        if (w.wynik != WynikHistorii::Zrobione) {
            out << "archive failed: " << w.blad << "\n";
            return 1;
        }
        najlepszeArchiwum = najlepszeArchiwum < 0 ? ns : std::min(najlepszeArchiwum, ns);
        const qint64 c = najlepszy(3, [&] {
            QProcess p;
            p.setStandardOutputFile(QProcess::nullDevice());
            p.start(QStringLiteral("cat"), {plik.sciezka, archiwum});
            p.waitForFinished(-1);
        });
        najlepszyCat = najlepszyCat < 0 ? c : std::min(najlepszyCat, c);
        // The same bytes read, written and synced, as the archive's two
        // rewrites do; the disk idle before each, as for the archive.
        ::sync();
        const qint64 k = najlepszy(1, [&] {
            QProcess p;
            p.start(QStringLiteral("sh"),
                    {QStringLiteral("-c"),
                     QStringLiteral("cat \"$1\" > \"$3\" && cat \"$2\" > \"$4\" && sync -d \"$3\" \"$4\""),
                     QStringLiteral("sh"), plik.sciezka, archiwum, folder + QStringLiteral("/kopia1"),
                     folder + QStringLiteral("/kopia2")});
            p.waitForFinished(-1);
        });
        najlepszaKopia = najlepszaKopia < 0 ? k : std::min(najlepszaKopia, k);
    }
    const qint64 tStart = najlepszy(3, [] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });

    out << "file: " << zrodlo << ", " << QFileInfo(zrodlo).size() / (1024 * 1024) << " MiB; year " << rok << ": "
        << w.przeniesione << " records, archive " << QFileInfo(archiwum).size() / 1024 << " KiB\n";
    out << "progress reported " << wywolaniaPostepu << " times, last at " << ostatniPostep << "\n";
    out << "archive of the year (best of " << przebiegi << "): " << najlepszeArchiwum / 1e6 << " ms\n";
    out << "cat of the two files: " << najlepszyCat / 1e6 << " ms (process start alone " << tStart / 1e6 << " ms)\n";
    out << "cat of each file into a copy, synced: " << najlepszaKopia / 1e6 << " ms\n";
    out << "ratio archive / copies synced: " << double(najlepszeArchiwum) / double(najlepszaKopia) << "\n";
    out << "ratio archive / cat: " << double(najlepszeArchiwum) / double(najlepszyCat) << "\n";
    return 0;
}
