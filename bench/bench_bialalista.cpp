// Times the VAT white list: a synthetic flat file of 2 million hashes read
// once (against `cat` of the same bytes in the same run), its cache opened
// again, and 10,000 contractor pairs checked on every core.
// Usage: remitto_bench_bialalista [hashes, default 2000000] [transformations, default 5000]
#include "contractors/BialaLista.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextStream>

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

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int liczba = argc > 1 ? QByteArray(argv[1]).toInt() : 2000000;
    const int transformacje = argc > 2 ? QByteArray(argv[2]).toInt() : 5000;
    const int kontrahenci = 10000;
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

    // cat of the same bytes, as the baseline (the file is in the page cache now).
    t.restart();
    QProcess cat;
    cat.setStandardOutputFile(QProcess::nullDevice());
    cat.start(QStringLiteral("cat"), {plik});
    cat.waitForFinished(-1);
    const qint64 msCat = std::max<qint64>(1, t.elapsed());
    out << "cat: " << msCat << " ms\n";

    // The reading alone: a cache folder that cannot be made (under a file).
    t.restart();
    QString blad;
    {
        const BialaLista bezPamieci = BialaLista::otworz(plik, plik + QStringLiteral("/x"), {}, &blad);
        if (!bezPamieci.wczytana() || bezPamieci.zPamieci()) {
            out << "reading failed: " << blad << '\n';
            return 1;
        }
    }
    const qint64 msSamo = t.elapsed();
    out << "first reading, no cache written: " << msSamo << " ms = "
        << QString::number(double(msSamo) / double(msCat), 'f', 1) << " x cat\n";

    // As the program does it: the cache of prefixes written (and synced) too.
    const QString pamiec = temp.filePath(QStringLiteral("pamiec"));
    t.restart();
    const BialaLista lista = BialaLista::otworz(plik, pamiec, {}, &blad);
    const qint64 msCzytania = t.elapsed();
    if (!lista.wczytana()) {
        out << blad << '\n';
        return 1;
    }
    out << "first reading with the cache written: " << msCzytania << " ms = "
        << QString::number(double(msCzytania) / double(msCat), 'f', 1) << " x cat, peak memory "
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
    const QList<WynikBialejListy> wyniki = znowu.sprawdz(pary);
    const qint64 msPar = t.elapsed();
    const auto czynni = std::count(wyniki.begin(), wyniki.end(), WynikBialejListy::Czynny);
    out << kontrahenci << " contractors on " << std::thread::hardware_concurrency() << " cores: " << msPar
        << " ms, " << czynni << " active (expected " << znane.size() << ")\n";
    return czynni == znane.size() ? 0 : 1;
}
