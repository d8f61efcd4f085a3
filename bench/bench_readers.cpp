// Times the readers on a big data folder (10,000 contractors, 12 x 1,000
// invoices, 200,000 sent transfers). Usage: remitto_bench [folder]; without a
// folder a big demo folder is made in a temporary directory first.
#include "DemoData.h"

#include "core/QuoteFormat.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

using namespace remitto;
using namespace remitto::demo;

namespace {

void timed(const QString& what, const std::function<qsizetype()>& work)
{
    QElapsedTimer t;
    t.start();
    const qsizetype n = work();
    QTextStream(stdout) << what << ": " << t.elapsed() << " ms (" << n << ")\n";
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir temp;
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (folder.isEmpty()) {
        folder = temp.path() + QStringLiteral("/big");
        DemoOptions options;
        options.size = DemoOptions::Size::Big;
        QString error;
        timed(QStringLiteral("generate big demo folder"), [&] {
            return qsizetype(writeDemoData(folder, options, &error) ? 1 : 0);
        });
        if (!error.isEmpty()) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
    }
    timed(QStringLiteral("instalka.dat"), [&] { return qsizetype(readInstalka(folder).ok); });
    timed(QStringLiteral("MojaFirma.txt"), [&] { return readMojaFirma(folder + QStringLiteral("/MojaFirma.txt")).firmy.size(); });
    timed(QStringLiteral("kontrah.dta values"), [&] { return readQuoteFile(folder + QStringLiteral("/kontrah.dta")).values.size(); });
    const MojaFirmaOdczyt firmy = readMojaFirma(folder + QStringLiteral("/MojaFirma.txt"));
    const QString historia = folder + QLatin1Char('/') + (firmy.firmy.isEmpty() ? QString() : firmy.firmy[0].skrot) + QStringLiteral(".dat");
    timed(QStringLiteral("sent transfers values"), [&] { return readQuoteFile(historia).values.size(); });
    return 0;
}
