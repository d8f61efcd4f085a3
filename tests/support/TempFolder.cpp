#include "TempFolder.h"

#include "core/TextFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace remitto::test {

void TempFolder::writeBytes(const QString& name, const QByteArray& bytes) const
{
    const QString p = file(name);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

void TempFolder::writeText(const QString& name, const QString& text) const
{
    writeBytes(name, toCp1250(text));
}

QByteArray TempFolder::readBytes(const QString& name) const
{
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString TempFolder::readText(const QString& name) const
{
    return fromCp1250(readBytes(name));
}

bool TempFolder::exists(const QString& name) const
{
    return QFileInfo::exists(file(name));
}

} // namespace remitto::test
