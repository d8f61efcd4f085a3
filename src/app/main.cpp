#include "core/Session.h"
#include "shell/LiniaPolecen.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "shell/frmPrzelewA.h"
#include "statements/UzgodnienieBezOkna.h"
#include "ui/PomiarPokazania.h"
#include "ui/QtDialogs.h"
#include "ui/StylProgramu.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QSocketNotifier>
#include <QTextStream>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <sys/socket.h>
#include <unistd.h>

using namespace remitto;

namespace {

int g_koniec[2] = {-1, -1};

void sygnalKonca(int)
{
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_koniec[0], &c, 1);
}

/// A logout, a shutdown or Ctrl+C end the program as "KOniec" does, between
/// two operations, so the data folder's lock goes with it.
void konczNaSygnal(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_koniec) != 0)
        return;
    auto* n = new QSocketNotifier(g_koniec[1], QSocketNotifier::Read, &app);
    QObject::connect(n, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });
    struct sigaction sa {};
    sa.sa_handler = sygnalKonca;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &sa, nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    // --version and --help are answered before any window system is touched.
    QStringList argumenty;
    for (int i = 0; i < argc; ++i)
        argumenty.append(QString::fromLocal8Bit(argv[i]));
    const LiniaPolecen polecenie = rozbierzLiniePolecen(argumenty);
    if (polecenie.polecenie == Polecenie::Kopia) {
        // A scheduled backup: no window, no display needed.
        QCoreApplication::setApplicationName(QStringLiteral("Remitto"));
        QCoreApplication::setOrganizationName(QStringLiteral("Remitto"));
        QString wyjscie;
        QString bledy;
        const int kod = kopiaZLiniiPolecen(polecenie, QDir::currentPath(),
                                           QSettings().value(QStringLiteral("folder")).toString(), &wyjscie, &bledy);
        QTextStream(stdout) << wyjscie;
        QTextStream(stderr) << bledy;
        return kod;
    }
    if (polecenie.polecenie == Polecenie::Uzgodnij) {
        // Scripted reconciliation: no window, the data folder given or the
        // one the program would start in.
        QCoreApplication::setOrganizationName(QStringLiteral("Remitto"));
        QCoreApplication::setApplicationName(QStringLiteral("Remitto"));
        const QString folder = polecenie.folder.isEmpty()
                                   ? folderStartowy(QDir::currentPath(),
                                                    QSettings().value(QStringLiteral("folder")).toString())
                                   : QDir(QDir::currentPath()).absoluteFilePath(polecenie.folder);
        const WynikBezOkna w = uzgodnijBezOkna(QDir(QDir::currentPath()).absoluteFilePath(polecenie.wyciag),
                                               folder, QDate::currentDate());
        QTextStream(stdout) << w.wyjscie;
        QTextStream(stderr) << w.bledy;
        return w.kod;
    }
    if (polecenie.polecenie != Polecenie::Uruchom) {
        QTextStream(polecenie.polecenie == Polecenie::Blad ? stderr : stdout) << polecenie.tekst;
        return polecenie.polecenie == Polecenie::Blad ? 2 : 0;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(new StylProgramu);
    QApplication::setApplicationName(QStringLiteral("Remitto"));
    QApplication::setOrganizationName(QStringLiteral("Remitto"));
    QApplication::setApplicationVersion(wersjaProgramu());
    QApplication::setDesktopFileName(QStringLiteral("remitto"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("remitto")));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    PomiarPokazania::zSrodowiska(app);

    QTranslator qtPolish;
    if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);

    QtDialogs dialogs;
    SingleInstance instance;
    if (!frmPrzelewA::jedynaKopia(instance, dialogs))
        return 1;

    Session session;
    QSettings settings;
    const WyborFolderu wybor = wybierzFolderDanych(polecenie.folder, QDir::currentPath(),
                                                   settings.value(QStringLiteral("folder")).toString());

    frmPrzelewA window(session, dialogs);
    window.wlaczBlokadeFolderu();
    konczNaSygnal(app);
    QObject::connect(&window, &frmPrzelewA::programZakonczony, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&window, &frmPrzelewA::folderZaakceptowany, &app,
                     [&settings](const QString& f) { settings.setValue(QStringLiteral("folder"), f); });
    window.show();
    if (!wybor.komunikat.isEmpty())
        dialogs.messageBox(wybor.komunikat, QStringLiteral("Folder danych"), Icon::Exclamation);
    window.uruchom(wybor.folder);
    return app.exec();
}
