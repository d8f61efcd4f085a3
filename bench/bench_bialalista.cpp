// Times the VAT white list: a synthetic flat file of 2 million hashes read
// once (against `cat` of the same bytes in the same run, the best of several
// runs of each), its cache opened again, 10,000 contractor pairs checked on
// every core, and the SHA-512 chain of one core against `openssl speed -bytes
// 128 sha512` run here too (the last line).
// Usage: remitto_bench_bialalista [hashes, default 2000000] [transformations, default 5000]
//                                 [contractors, default 10000]
#include "contractors/BialaLista.h"

#include "Pomiar.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

#include <ctime>
#include <thread>

using namespace remitto::kontrahenci;

namespace {

QString konto(int i) { return QStringLiteral("6110901014") + QStringLiteral("%1").arg(i, 16, 10, QLatin1Char('0')); }
QString nip(int i) { return QStringLiteral("%1").arg(5260000000LL + i, 10, 10, QLatin1Char('0')); }

qint64 maxRssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& l : f.readAll().split('\n')) {
        if (l.startsWith("VmHWM:"))
            return l.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// CPU time of the calling thread in seconds: `openssl speed` divides by its
// user CPU time, so the hashing is compared on the same footing whatever the
// load of the machine.
double czasWatku()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// CPU time of the whole process in seconds (every thread).
double czasProcesu()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// SHA-512 of 128-byte inputs a second on one core, as `openssl speed` reports
// it (the best of `razy` runs); 0 when it cannot be run or read.
double opensslSpeed(int razy)
{
    double best = 0;
    for (int i = 0; i < razy; ++i) {
        QProcess p;
        p.start(QStringLiteral("openssl"), {QStringLiteral("speed"), QStringLiteral("-seconds"), QStringLiteral("1"),
                                            QStringLiteral("-bytes"), QStringLiteral("128"), QStringLiteral("sha512")});
        if (!p.waitForFinished(60000))
            return 0;
        for (const QByteArray& l : p.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> pola = l.simplified().split(' ');
            if (pola.size() == 2 && pola[0] == "sha512" && pola[1].endsWith('k'))
                best = std::max(best, pola[1].chopped(1).toDouble() * 1000.0 / 128.0);
        }
    }
    return best;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int liczba = argc > 1 ? QByteArray(argv[1]).toInt() : 2000000;
    const int transformacje = argc > 2 ? QByteArray(argv[2]).toInt() : 5000;
    const int kontrahenci = argc > 3 ? QByteArray(argv[3]).toInt() : 10000;
    constexpr int kRazy = 5;
    QTextStream out(stdout);
    QTemporaryDir temp;
    const QString plik = temp.filePath(QStringLiteral("20261210.json"));
    const QByteArray data = "20261210";

    // Every tenth of the first 1,000 contractors is on the list.
    QElapsedTimer t;
    t.start();
    QList<QByteArray> znane;
    for (int i = 0; i < 1000; i += 10)
        znane.append(skrotPary(data, nip(i).toLatin1(), konto(i).toLatin1(), transformacje));
    {
        QFile f(plik);
        if (!f.open(QIODevice::WriteOnly))
            return 1;
        f.write("{\"naglowek\":{\"dataGenerowaniaDanych\":\"20261210\",\"liczbaTransformacji\":\"" + QByteArray::number(transformacje)
                + "\",\"schemat\":\"RRRRMMDDNNNNNNNNNNBBBBBBBBBBBBBBBBBBBBBBBBBB\"},\n\"skrotyPodatnikowCzynnych\":[\n");
        QByteArray blok;
        QByteArray losowe(64, Qt::Uninitialized);
        for (int i = 0; i < liczba - znane.size(); ++i) {
            QRandomGenerator::global()->fillRange(reinterpret_cast<quint32*>(losowe.data()), 16);
            blok += '"' + losowe.toHex() + "\",\n";
            if (blok.size() > (1 << 20)) {
                f.write(blok);
                blok.clear();
            }
        }
        for (const QByteArray& z : znane)
            blok += '"' + z + "\",\n";
        blok.chop(2);
        blok += "],\n\"skrotyPodatnikowZwolnionych\":[],\n\"maski\":[\"XX10901014YYYYXXXXXXXXXXXX\"]}\n";
        f.write(blok);
    }
    out << "write " << liczba << " hashes (" << QFile(plik).size() / (1 << 20) << " MB): " << t.elapsed() << " ms\n";

    // cat of the same bytes, as the baseline (the file is in the page cache
    // now), and the reading alone: a cache folder that cannot be made (under a
    // file). Each the best of several runs, taken in turn.
    qint64 nsCat = -1, nsSamo = -1;
    QString blad;
    for (int i = 0; i < kRazy; ++i) {
        nsCat = std::min<qint64>(nsCat < 0 ? LLONG_MAX : nsCat, remitto::bench::najlepszy(1, [&] {
            QProcess cat;
            cat.setStandardOutputFile(QProcess::nullDevice());
            cat.start(QStringLiteral("cat"), {plik});
            cat.waitForFinished(-1);
        }));
        bool ok = true;
        nsSamo = std::min<qint64>(nsSamo < 0 ? LLONG_MAX : nsSamo, remitto::bench::najlepszy(1, [&] {
            const BialaLista bezPamieci = BialaLista::otworz(plik, plik + QStringLiteral("/x"), {}, &blad);
            ok = bezPamieci.wczytana() && !bezPamieci.zPamieci();
        }));
        if (!ok) {
            out << "reading failed: " << blad << '\n';
            return 1;
        }
    }
    const double msCat = std::max(0.001, double(nsCat) / 1e6);
    out << "cat: " << QString::number(msCat, 'f', 1) << " ms (best of " << kRazy << ")\n";
    const double msSamo = double(nsSamo) / 1e6;
    out << "first reading, no cache written: " << QString::number(msSamo, 'f', 1) << " ms = "
        << QString::number(msSamo / msCat, 'f', 2) << " x cat (best of " << kRazy << ")\n";

    // As the program does it: the cache of prefixes written (and synced) too.
    const QString pamiec = temp.filePath(QStringLiteral("pamiec"));
    t.restart();
    const BialaLista lista = BialaLista::otworz(plik, pamiec, {}, &blad);
    const double msCzytania = double(t.nsecsElapsed()) / 1e6;
    if (!lista.wczytana()) {
        out << blad << '\n';
        return 1;
    }
    out << "first reading with the cache written: " << QString::number(msCzytania, 'f', 1) << " ms = "
        << QString::number(msCzytania / msCat, 'f', 2) << " x cat, peak memory "
        << maxRssKb() / 1024 << " MB\n";

    t.restart();
    const BialaLista znowu = BialaLista::otworz(plik, pamiec, {}, &blad);
    out << "opening the cache: " << t.elapsed() << " ms (" << znowu.zPamieci() << ")\n";

    t.restart();
    const WynikBialejListy jeden = znowu.sprawdz(nip(0), konto(0));
    out << "one check: " << t.nsecsElapsed() / 1000 << " us (" << opisWyniku(jeden) << ")\n";
    // A pair not on the list whose account fits the mask: two hash chains.
    t.restart();
    const WynikBialejListy brak = znowu.sprawdz(nip(9999999), konto(9999999));
    out << "one check through the mask: " << t.nsecsElapsed() / 1000 << " us (" << opisWyniku(brak) << ")\n";

    QList<std::pair<QString, QString>> pary;
    for (int i = 0; i < kontrahenci; ++i)
        pary.append({nip(i), konto(i)});
    t.restart();
    const double cpuPrzed = czasProcesu();
    const QList<WynikBialejListy> wyniki = znowu.sprawdz(pary);
    const qint64 msPar = t.elapsed();
    const double cpuPar = czasProcesu() - cpuPrzed;
    const qsizetype oczekiwane = (std::clamp(kontrahenci, 0, 1000) + 9) / 10;  // every tenth of the first 1,000
    const auto czynni = std::count(wyniki.begin(), wyniki.end(), WynikBialejListy::Czynny);
    out << kontrahenci << " contractors on " << std::thread::hardware_concurrency() << " cores: " << msPar
        << " ms (CPU time " << QString::number(cpuPar, 'f', 1) << " s, so about "
        << QString::number(cpuPar / std::max(1u, std::thread::hardware_concurrency()), 'f', 1)
        << " s on idle cores), " << czynni << " active (expected " << oczekiwane << ")\n";

    // One core's chain against openssl speed, both in CPU time, the best of several runs.
    const double openssl = opensslSpeed(3);
    double nasze = 0;
    const int lancuchy = std::max(1, 2000000 / std::max(1, transformacje));
    for (int r = 0; r < kRazy; ++r) {
        char hex[128];
        const double start = czasWatku();
        for (int i = 0; i < lancuchy; ++i)
            skrotPary(data, nip(i).toLatin1(), konto(i).toLatin1(), transformacje, hex);
        nasze = std::max(nasze, double(lancuchy) * transformacje / (czasWatku() - start));
    }
    out << "SHA-512 of 128 hex characters on one core (CPU time): " << qint64(nasze) << " hashes/s against openssl speed "
        << qint64(openssl) << " = " << (openssl > 0 ? QString::number(100.0 * nasze / openssl, 'f', 0) : QStringLiteral("?"))
        << " % (aim 80 %)\n";
    return czynni == oczekiwane ? 0 : 1;
}
