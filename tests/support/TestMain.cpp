#ifdef REMITTO_TEST_WINDOWS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Windows are driven headless; a private runtime folder keeps Qt quiet.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QString runtime = QDir::tempPath() + QStringLiteral("/remitto-test-runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    // Every test program keeps its settings (printer offset, white-list file)
    // to itself: ctest runs several at once.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

    // Window tests get a QApplication; core tests, which link no widgets, a
    // QCoreApplication (an event loop for the tests that need one).
#ifdef REMITTO_TEST_WINDOWS
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    QCoreApplication::setApplicationName(QStringLiteral("Remitto"));
    // Automatic backups before mass changes go to the test's own folder.
    QSettings().setValue(QStringLiteral("kopie/folder"), settings.filePath(QStringLiteral("kopie")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
