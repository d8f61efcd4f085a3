// Times the yearly archive of the history ("&Archiwizacja  wybranego roku")
// over the sent-transfers file of a demo folder (`remitto_demodata DIR --size
// big`: 200,000 records, 59 MiB), against `cat` of the two files it leaves
// (the sent-transfers file and the year's archive) in the same run. Each run
// starts from a fresh copy of the file in a work folder beside it, with no
// archive of the year yet; the best of the runs counts, for both. The same
// work's floor is printed too: `cat` of each file into a copy and `sync` of
// the copies, since the archive writes both files anew and waits for the
// disk, as every rewrite of the program does. The floor's parts are printed
// too: the copies alone (written to memory) and their sync; and the reading
// of the sent-transfers file by the program's one scanner. Every figure is
// the best of the runs: the machine is shared. The last line holds both
// ratios.
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
    qint64 najlepszeKopieBezSync = -1;
    qint64 najlepszySync = -1;
    auto najmniej = [](qint64& best, qint64 ns) { best = best < 0 ? ns : std::min(best, ns); };
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
        const QString kopia1 = folder + QStringLiteral("/kopia1");
        const QString kopia2 = folder + QStringLiteral("/kopia2");
        auto sh = [&](const QString& skrypt) {
            QProcess p;
            p.start(QStringLiteral("sh"), {QStringLiteral("-c"), skrypt, QStringLiteral("sh"), plik.sciezka, archiwum,
                                           kopia1, kopia2});
            p.waitForFinished(-1);
        };
        QFile::remove(kopia1);
        QFile::remove(kopia2);
        ::sync();
        najmniej(najlepszaKopia, najlepszy(1, [&] {
                     sh(QStringLiteral("cat \"$1\" > \"$3\" && cat \"$2\" > \"$4\" && sync -d \"$3\" \"$4\""));
                 }));
        // Its two parts: the copies written to memory, then their sync.
        QFile::remove(kopia1);
        QFile::remove(kopia2);
        ::sync();
        najmniej(najlepszeKopieBezSync,
                 najlepszy(1, [&] { sh(QStringLiteral("cat \"$1\" > \"$3\" && cat \"$2\" > \"$4\"")); }));
        najmniej(najlepszySync, najlepszy(1, [&] { sh(QStringLiteral("sync -d \"$3\" \"$4\"")); }));
    }
    const qint64 tStart = najlepszy(3, [] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });

    const qint64 tCzytanie = najlepszy(przebiegi, [&] { PlikHistorii::wczytaj(plik.sciezka, kUkladPrzelewu); });

    out << "file: " << zrodlo << ", " << QFileInfo(zrodlo).size() / (1024 * 1024) << " MiB; year " << rok << ": "
        << w.przeniesione << " records, archive " << QFileInfo(archiwum).size() / 1024 << " KiB\n";
    out << "progress reported " << wywolaniaPostepu << " times, last at " << ostatniPostep << "\n";
    out << "archive of the year (best of " << przebiegi << "): " << najlepszeArchiwum / 1e6 << " ms\n";
    out << "cat of the two files: " << najlepszyCat / 1e6 << " ms (process start alone " << tStart / 1e6 << " ms)\n";
    out << "cat of each file into a copy, synced: " << najlepszaKopia / 1e6 << " ms (the copies alone "
        << najlepszeKopieBezSync / 1e6 << " ms, their sync " << najlepszySync / 1e6 << " ms, each with a process start)\n";
    out << "reading the sent-transfers file left (the one scanner): " << tCzytanie / 1e6 << " ms\n";
    out << "ratio archive / cat: " << double(najlepszeArchiwum) / double(najlepszyCat)
        << ", archive / copies synced: " << double(najlepszeArchiwum) / double(najlepszaKopia) << "\n";
    return 0;
}
