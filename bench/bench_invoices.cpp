// Times "&Wszystkie" of the payments window over a year of invoices of a big
// demo folder (12 x 1,000 files) against a plain loop that opens, reads and
// closes the same files in the same order (the machine's floor), and against
// `cat` of them; then weighs the rows it keeps. Usage: remitto_bench_invoices [folder [year]]; without a
// folder a big demo folder is made in a temporary directory first.
#include "DemoData.h"

#include "shop/ListaFaktur.h"
#include "shop/PlikiKramix.h"
#include "shell/MojaFirma.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace remitto;
using namespace remitto::demo;

namespace {

size_t zajetaPamiec()
{
    return mallinfo2().uordblks;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir temp;
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString rok = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString::number(QDate::currentDate().year());
    if (folder.isEmpty()) {
        folder = temp.path() + QStringLiteral("/big");
        DemoOptions options;
        options.size = DemoOptions::Size::Big;
        QString error;
        if (!writeDemoData(folder, options, &error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
    }
    const MojaFirmaOdczyt firmy = readMojaFirma(folder + QStringLiteral("/MojaFirma.txt"));
    if (firmy.firmy.isEmpty()) {
        QTextStream(stderr) << "No own company in " << folder << '\n';
        return 1;
    }
    const QString kramix = firmy.firmy[0].sciezkaKramix;
    const QString firma = firmy.firmy[0].skrot.toUpper();
    DrzewoKramix drzewo(kramix, firma);
    const QString faktury = drzewo.folderFaktur();
    if (faktury.isEmpty()) {
        QTextStream(stderr) << "No invoice folder under " << drzewo.oczekiwanyFolderFirmy() << '\n';
        return 1;
    }

    ZapytanieListy z;
    z.rodzaj = RodzajListy::Wszystkie;
    z.rok = rok;
    z.miesiac = 1;

    // The files "&Wszystkie" reads, for cat: the same list in the same order.
    QStringList nazwy;
    const NumeracjaFaktur n = odczytajNumeracjeFaktur(drzewo.plikNumeracji(rok.right(2)));
    for (const MiesiacNumeracji& m : n.miesiace) {
        if (m.liczba == 0)
            break;
        for (int i = 1; i <= m.liczba; ++i)
            nazwy.append(nazwaPlikuFaktury(rok.right(2), m.miesiac, i));
    }
    const auto cat = [&] {
        QProcess p;
        p.setWorkingDirectory(faktury);
        p.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer t;
        t.start();
        p.start(QStringLiteral("cat"), nazwy);
        p.waitForFinished(-1);
        return t.nsecsElapsed() / 1e6;
    };

    // The floor: open, read whole and close each file, paths made beforehand.
    std::vector<std::string> sciezki;
    sciezki.reserve(size_t(nazwy.size()));
    for (const QString& nazwa : nazwy)
        sciezki.push_back((faktury + QLatin1Char('/') + nazwa).toStdString());
    qint64 bajtyPetli = 0;
    const auto petla = [&] {
        static char bufor[64 * 1024];
        QElapsedTimer t;
        t.start();
        qint64 bajty = 0;
        for (const std::string& s : sciezki) {
            const int fd = ::open(s.c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0)
                continue;
            for (ssize_t k; (k = ::read(fd, bufor, sizeof bufor)) > 0;)
                bajty += k;
            ::close(fd);
        }
        bajtyPetli = bajty;
        return t.nsecsElapsed() / 1e6;
    };

    cat();  // every run reads from the page cache
    double najlepszyOdczyt = 1e18;
    double najlepszyCat = 1e18;
    double najlepszaPetla = 1e18;
    WynikListy wynik;
    size_t pamiec = 0;
    // The machine is shared: the best of several runs of each, interleaved.
    for (int proba = 0; proba < 7; ++proba) {
        najlepszaPetla = std::min(najlepszaPetla, petla());
        wynik = WynikListy();
        const size_t przed = zajetaPamiec();
        QElapsedTimer t;
        t.start();
        wynik = wczytajListeFaktur(kramix, firma, z);
        najlepszyOdczyt = std::min(najlepszyOdczyt, t.nsecsElapsed() / 1e6);
        pamiec = zajetaPamiec() - przed;
        if (proba < 3)
            najlepszyCat = std::min(najlepszyCat, cat());
    }
    if (wynik.stan != WynikListy::Stan::Ok) {
        QTextStream(stderr) << wynik.blad << '\n';
        return 1;
    }
    out << "invoices \"Wszystkie\" " << rok << ": " << wynik.wiersze.size() << " rows from " << wynik.plikow
        << " files, " << wynik.bajtow << " bytes\n";
    out << QStringLiteral("  rows hold %1 bytes, %2 x the bytes read\n")
               .arg(pamiec)
               .arg(double(pamiec) / double(std::max<qint64>(1, wynik.bajtow)), 0, 'f', 2);
    out << QStringLiteral("  load %1 ms, cat %2 ms, ratio %3 x cat\n")
               .arg(najlepszyOdczyt, 0, 'f', 1)
               .arg(najlepszyCat, 0, 'f', 1)
               .arg(najlepszyOdczyt / najlepszyCat, 0, 'f', 2);
    out << QStringLiteral("  plain open/read/close loop %1 ms (%2 bytes); ratio %3 x the loop\n")
               .arg(najlepszaPetla, 0, 'f', 1)
               .arg(bajtyPetli)
               .arg(najlepszyOdczyt / najlepszaPetla, 0, 'f', 2);
    return 0;
}
