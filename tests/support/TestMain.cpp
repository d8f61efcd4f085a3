#include <QApplication>
#include <QDir>
#include <QStandardPaths>
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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Remitto"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
