#include "core/Session.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "shell/frmPrzelewA.h"
#include "ui/QtDialogs.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

using namespace remitto;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Remitto"));
    QApplication::setOrganizationName(QStringLiteral("Remitto"));
    QApplication::setApplicationVersion(wersjaProgramu());
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));

    QTranslator qtPolish;
    if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);

    QtDialogs dialogs;
    SingleInstance instance;
    if (!frmPrzelewA::jedynaKopia(instance, dialogs))
        return 1;

    Session session;
    QSettings settings;
    const QString folder = folderStartowy(QDir::currentPath(), settings.value(QStringLiteral("folder")).toString());

    frmPrzelewA window(session, dialogs);
    QObject::connect(&window, &frmPrzelewA::programZakonczony, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(&window, &frmPrzelewA::folderZaakceptowany, &app,
                     [&settings](const QString& f) { settings.setValue(QStringLiteral("folder"), f); });
    window.show();
    window.uruchom(folder);
    return app.exec();
}
