#include "shell/Podrecznik.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace remitto {

namespace {

/// The source folder a CMake build folder was configured from, read from
/// its cache ("CMAKE_HOME_DIRECTORY:INTERNAL=<folder>"); empty when the
/// folder is no build folder.
QString folderZrodel(const QString& folderBudowania)
{
    QFile cache(folderBudowania + QStringLiteral("/CMakeCache.txt"));
    if (!cache.open(QIODevice::ReadOnly))
        return {};
    static const QByteArray klucz = QByteArrayLiteral("CMAKE_HOME_DIRECTORY:INTERNAL=");
    while (!cache.atEnd()) {
        const QByteArray linia = cache.readLine(64 * 1024).trimmed();
        if (linia.startsWith(klucz))
            return QString::fromUtf8(linia.mid(klucz.size()));
    }
    return {};
}

} // namespace

QString sciezkaPodrecznika(const QString& folderProgramu)
{
    const QFileInfo zainstalowany(QDir(folderProgramu).filePath(kPodrecznikWzgledny));
    if (zainstalowany.isFile())
        return zainstalowany.canonicalFilePath();
    const QString zrodla = folderZrodel(folderProgramu);
    if (!zrodla.isEmpty()) {
        const QFileInfo zDrzewa(zrodla + QStringLiteral("/docs/podrecznik.md"));
        if (zDrzewa.isFile())
            return zDrzewa.canonicalFilePath();
    }
    return {};
}

} // namespace remitto
