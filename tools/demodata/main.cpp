// remitto_demodata <folder> [--size small|big] [--seed N] [--date yyyy-mm-dd]
//
// Writes a complete demo data folder for trying the program out and for the
// benchmarks.

#include "DemoData.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <cstdio>

using namespace remitto::demo;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("remitto_demodata"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a complete demo data folder: settings, own companies, contractors, "
                       "the shop program's purchase invoices, packages and sent transfers."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("Data folder to create; it must be empty or missing."));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("small (default) or big (benchmark data)."),
                                        QStringLiteral("size"), QStringLiteral("small"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Random seed; the same seed gives the same files."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption dateOption(QStringLiteral("date"),
                                        QStringLiteral("Make the data as of this day instead of today."),
                                        QStringLiteral("yyyy-mm-dd"));
    parser.addOption(sizeOption);
    parser.addOption(seedOption);
    parser.addOption(dateOption);
    parser.process(app);

    QTextStream err(stderr);
    QTextStream out(stdout);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err << parser.helpText();
        return 2;
    }

    DemoOptions options;
    const QString size = parser.value(sizeOption);
    if (size == QLatin1String("big")) {
        options.size = DemoOptions::Size::Big;
    } else if (size != QLatin1String("small")) {
        err << "Unknown size: " << size << " (small or big)\n";
        return 2;
    }
    bool ok = false;
    options.seed = parser.value(seedOption).toUInt(&ok);
    if (!ok) {
        err << "The seed must be a whole number: " << parser.value(seedOption) << '\n';
        return 2;
    }
    if (parser.isSet(dateOption)) {
        options.today = QDate::fromString(parser.value(dateOption), QStringLiteral("yyyy-MM-dd"));
        if (!options.today.isValid()) {
            err << "The date must be yyyy-mm-dd: " << parser.value(dateOption) << '\n';
            return 2;
        }
    }

    QElapsedTimer timer;
    timer.start();
    QString error;
    DemoSummary summary;
    if (!writeDemoData(args.first(), options, &error, &summary)) {
        err << error << '\n';
        return 1;
    }
    out << "Written " << args.first() << " in " << timer.elapsed() << " ms: " << summary.kontrahenci
        << " contractors, " << summary.faktury << " purchase invoices, " << summary.paczki
        << " packages (" << summary.plikiEksportu << " exported), " << summary.przelewyWyslane
        << " sent transfers.\n";
    return 0;
}
