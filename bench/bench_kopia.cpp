// Times a backup ("Kopia bezpieczeństwa...") of a data folder, by default the
// big demo folder (`remitto_demodata DIR --size big`), against `tar cf - |
// gzip -1` of the same files in the same run. The backup writes its archive,
// syncs it and reads it back before it gets its name, so the floor is given
// twice: tar | gzip -1 into a file, and the same with the file synced.
// Usage: remitto_bench_kopia [DIR] [runs]
#include "DemoData.h"
#include "Pomiar.h"
#include "backup/KopiaDanych.h"

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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir demoTemp;
    QString dane = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int przebiegi = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 3;
    if (dane.isEmpty()) {
        dane = demoTemp.filePath(QStringLiteral("dane"));
        demo::DemoOptions o;
        o.size = demo::DemoOptions::Size::Big;
        QString blad;
        out << "making a big demo folder in " << dane << " ...\n";
        out.flush();
        if (!demo::writeDemoData(dane, o, &blad)) {
            out << "demo data failed: " << blad << "\n";
            return 1;
        }
    }
    const QStringList pliki = plikiDanych(dane);
    qint64 bajtow = 0;
    for (const QString& p : pliki)
        bajtow += QFileInfo(QDir(dane).filePath(p)).size();

    // The target sits beside the data folder, on the same disk.
    QTemporaryDir cel(QFileInfo(dane).absolutePath() + QStringLiteral("/bench-kopia-XXXXXX"));
    const QString lista = cel.filePath(QStringLiteral("lista"));
    {
        QFile f(lista);
        f.open(QIODevice::WriteOnly);
        f.write(pliki.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    const QString archiwa = cel.filePath(QStringLiteral("kopie"));
    qint64 archiwum = 0;
    int zgloszen = 0;
    qint64 zapis = 0;  // the write (and sync) of the last run; the read-back follows
    ::sync();
    const qint64 tKopia = najlepszy(przebiegi, [&] {
        QDir(archiwa).removeRecursively();
        zgloszen = 0;
        QElapsedTimer t;
        t.start();
        const WynikTworzenia w = utworzKopie(dane, archiwa, QStringLiteral("BENCH"), QDateTime::currentDateTime(),
                                             false, [&](qint64 z, qint64 n) {
                                                 if (z <= n / 2)
                                                     zapis = t.nsecsElapsed();
                                                 return ++zgloszen > 0;
                                             });
        if (w.wynik != WynikKopii::Zrobione) {
            out << "backup failed: " << w.blad << "\n";
            ::exit(1);
        }
        archiwum = QFileInfo(w.archiwum).size();
    });
    const auto tar = [&](bool synchronizuj) {
        QProcess p;
        p.start(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("tar cf - -C \"$1\" -T \"$2\" | gzip -1 > \"$3\"") + (synchronizuj ? QStringLiteral(" && sync \"$3\"") : QString()),
                 QStringLiteral("sh"), dane, lista, cel.filePath(QStringLiteral("kopia.tar.gz"))});
        p.waitForFinished(-1);
    };
    ::sync();
    const qint64 tTar = najlepszy(przebiegi, [&] { tar(false); });
    ::sync();
    const qint64 tTarSync = najlepszy(przebiegi, [&] { tar(true); });
    const qint64 tarGz = QFileInfo(cel.filePath(QStringLiteral("kopia.tar.gz"))).size();

    out << "folder: " << dane << ": " << pliki.size() << " files, " << bajtow / (1024 * 1024) << " MiB\n";
    out << "backup (best of " << przebiegi << "): " << tKopia / 1e6 << " ms, archive " << archiwum / 1024
        << " KiB, progress reported " << zgloszen << " times; last run: write " << zapis / 1e6 << " ms\n";
    out << "tar cf - | gzip -1: " << tTar / 1e6 << " ms (" << tarGz / 1024 << " KiB); synced: " << tTarSync / 1e6
        << " ms\n";
    out << "ratio backup / tar|gzip -1 synced: " << double(tKopia) / double(tTarSync) << "\n";
    out << "ratio backup / tar|gzip -1: " << double(tKopia) / double(tTar) << "\n";
    return 0;
}
