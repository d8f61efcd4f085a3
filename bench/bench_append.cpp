// Times the append of one transfer record to the sent-transfers file of a
// demo folder (`remitto_demodata DIR --size big`: 200,000 records, 59 MiB),
// on a copy of the file, against `wc -l` of the same file in the same run:
// the check of the file's end when the file must be read whole (the first
// append after anything else touched the file), the same check when the file
// is as the last append left it, and the whole append (check, journal,
// write, syncs).
// Usage: remitto_bench_append DIR-or-FILE
#include "Pomiar.h"
#include "core/Append.h"
#include "core/QuoteFormat.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/stat.h>

using namespace remitto;
using remitto::bench::najlepszy;
using remitto::bench::plikHistorii;

namespace {

// Something else touched the file: its metadata changes, its bytes do not.
void touch(const QString& path)
{
    ::chmod(QFile::encodeName(path).constData(), 0640);
    ::chmod(QFile::encodeName(path).constData(), 0644);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: remitto_bench_append DIR-or-FILE\n";
        return 2;
    }
    const QString zrodlo = plikHistorii(QString::fromLocal8Bit(argv[1]));
    // The copy sits beside the original: the same disk, the same syncs.
    QTemporaryDir dir(QFileInfo(zrodlo).absolutePath() + QStringLiteral("/bench-append-XXXXXX"));
    const QString sciezka = dir.filePath(QFileInfo(zrodlo).fileName());
    if (!dir.isValid() || !QFile::copy(zrodlo, sciezka)) {
        out << "cannot copy " << zrodlo << "\n";
        return 1;
    }
    out << "file: " << sciezka << ", " << QFileInfo(sciezka).size() / (1024 * 1024) << " MiB\n";
    const QString rekord = QuoteWriter()
                               .number(1)
                               .text(QStringLiteral("Kowalski"))
                               .text(QStringLiteral("Jan"))
                               .text(QStringLiteral("61109010140000071219812874"))
                               .text(QStringLiteral("100,00"))
                               .text(QStringLiteral("23"))
                               .text(QStringLiteral("123,00"))
                               .text(QStringLiteral("FV 1/12"))
                               .result()
        + QStringLiteral(",\"\"").repeated(19) + QStringLiteral("\r\n");

    qsizetype rekordy = 0;
    const qint64 tPelny = najlepszy(7, [&] {
        touch(sciezka);
        rekordy = checkRecordTail(sciezka, 27).records;
    });
    const qint64 tZnany = najlepszy(7, [&] { checkRecordTail(sciezka, 27); });
    bool ok = true;
    const qint64 tPierwsze = najlepszy(5, [&] {
        touch(sciezka);
        ok = ok && appendRecords(sciezka, 27, rekord) == AppendResult::Appended;
    });
    const qint64 tKolejne = najlepszy(5, [&] { ok = ok && appendRecords(sciezka, 27, rekord) == AppendResult::Appended; });
    const qint64 tWc = najlepszy(5, [&] {
        QProcess p;
        p.setStandardOutputFile(QProcess::nullDevice());
        p.start(QStringLiteral("wc"), {QStringLiteral("-l"), sciezka});
        p.waitForFinished(-1);
    });
    const qint64 tStart = najlepszy(5, [] {
        QProcess t;
        t.start(QStringLiteral("true"), {});
        t.waitForFinished(-1);
    });

    out << "records: " << rekordy << "\n";
    out << "end check, file read whole: " << tPelny / 1e6 << " ms\n";
    out << "end check, file as the last append left it: " << tZnany / 1e6 << " ms\n";
    out << "append of one record, first (file read whole): " << tPierwsze / 1e6 << " ms\n";
    out << "append of one record, next: " << tKolejne / 1e6 << " ms\n";
    out << "wc -l of the same file: " << tWc / 1e6 << " ms (process start alone " << tStart / 1e6 << " ms)\n";
    out << "ratio end check read whole / wc -l: " << double(tPelny) / double(tWc) << "\n";
    out << "ratio next append / wc -l: " << double(tKolejne) / double(tWc) << "\n";
    return ok && rekordy > 0 ? 0 : 1;
}
