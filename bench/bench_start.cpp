// Times the program's start on a data folder (`remitto_demodata DIR --size
// big`) until its main window is first painted, and until the transfer window
// ("&Kontrahenci") and the history window ("&Historia") opened right after
// are painted, against a minimal Qt Widgets program that shows one empty
// window (remitto_okno_puste), all on the offscreen platform in the same run.
// Each is the best of several starts, interleaved. The programs get a
// runtime, configuration and cache folder of their own, so the user's
// settings and running copy are left alone.
// Usage: remitto_bench_start DIR [starts]
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <limits>

namespace {

struct Pomiar {
    const char* opis;
    QString program;
    QStringList argumenty;
    QString zadanie;  ///< REMITTO_POMIAR_OKNA
    double najlepszy = std::numeric_limits<double>::max();
};

/// Milliseconds from the start of the process to its line "pokazano ...",
/// or a negative number when it never came.
double czasPokazania(const Pomiar& p, const QProcessEnvironment& env, QString* blad)
{
    QProcess proc;
    QProcessEnvironment e = env;
    e.insert(QStringLiteral("REMITTO_POMIAR_OKNA"), p.zadanie);
    proc.setProcessEnvironment(e);
    proc.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer t;
    t.start();
    proc.start(p.program, p.argumenty);
    double ms = -1;
    QByteArray wyjscie;
    while (proc.waitForReadyRead(60000)) {
        wyjscie += proc.readAllStandardOutput();
        if (wyjscie.contains("pokazano")) {
            ms = t.nsecsElapsed() / 1e6;
            break;
        }
    }
    if (!proc.waitForFinished(30000)) {
        proc.kill();
        proc.waitForFinished();
    }
    if (ms < 0)
        *blad = QString::fromLocal8Bit(wyjscie + proc.readAllStandardError());
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 2) {
        out << "usage: remitto_bench_start DIR [starts]\n";
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    const int starty = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 7;
    const QString tu = QCoreApplication::applicationDirPath();
    const QString remitto = QDir(tu).absoluteFilePath(QStringLiteral("../remitto"));
    const QString puste = QDir(tu).absoluteFilePath(QStringLiteral("remitto_okno_puste"));

    QTemporaryDir dom;
    QDir(dom.path()).mkpath(QStringLiteral("run"));
    QFile::setPermissions(dom.path() + QStringLiteral("/run"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dom.path() + QStringLiteral("/run"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dom.path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), dom.path() + QStringLiteral("/cache"));

    Pomiar pomiary[] = {
        {"minimal Qt Widgets program, one empty window", puste, {}, QStringLiteral("oknoPuste")},
        {"the same with one line of text (fonts loaded)", puste, {QStringLiteral("--napis")}, QStringLiteral("oknoPuste")},
        {"main window", remitto, {folder}, QStringLiteral("frmPrzelewA")},
        {"transfer window (\"&Kontrahenci\")", remitto, {folder}, QStringLiteral("frmPrzelewB:kotr")},
        {"history window (\"&Historia\")", remitto, {folder}, QStringLiteral("frmHistoria:historia")},
    };
    for (int i = 0; i < starty; ++i) {
        for (Pomiar& p : pomiary) {
            QString blad;
            const double ms = czasPokazania(p, env, &blad);
            if (ms < 0) {
                QTextStream(stderr) << p.opis << " was never shown:\n" << blad << '\n';
                return 1;
            }
            p.najlepszy = std::min(p.najlepszy, ms);
        }
    }
    const double podloga = pomiary[0].najlepszy;
    out << "data folder: " << folder << ", best of " << starty << " starts each\n";
    for (const Pomiar& p : pomiary)
        out << "  " << p.opis << ": " << QString::number(p.najlepszy, 'f', 1) << " ms, "
            << QString::number(p.najlepszy / podloga, 'f', 2) << " x the minimal program\n";
    out << "ratio main window / minimal window: " << QString::number(pomiary[2].najlepszy / podloga, 'f', 2)
        << " (transfer window " << QString::number(pomiary[3].najlepszy / podloga, 'f', 2) << ", history window "
        << QString::number(pomiary[4].najlepszy / podloga, 'f', 2) << ")\n";
    return 0;
}
