#include "core/Leftovers.h"

#include "core/AppendJournal.h"
#include "core/NazwaPliku.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace remitto {

namespace {

// The data files the program rewrites, by their ending.
bool isDataFile(const QString& name)
{
    static const QRegularExpression data(QStringLiteral("\\.(dat|dta|txt|arh)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    return data.match(name).hasMatch();
}

void tidyFolder(const QDir& dir, QStringList* problems)
{
    problems->append(finishInterruptedAppends(dir.path()));
    // The work name of a rewrite or a new file: ".NAME.XXXXXX.tmp" (formerly
    // ".NAME.tmp" for an export file).
    static const QRegularExpression workName(QStringLiteral("^\\.(.+?)(\\.[A-Za-z0-9]{6})?\\.tmp$"));
    const QFileInfoList entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& f : entries) {
        const QRegularExpressionMatch m = workName.match(f.fileName());
        if (!m.hasMatch())
            continue;
        const QString base = m.captured(1);
        bool leftover = false;
        if (base.startsWith(QLatin1Char('.')) && base.endsWith(QLatin1String(".appending"))) {
            leftover = true;  // the work file of an append's journal holds no data
        } else if (isDataFile(base)) {
            const QFileInfo owner(dir.filePath(base));
            leftover = owner.isFile() && owner.isReadable();
        }
        if (leftover && !QFile::remove(f.filePath()))
            problems->append(QStringLiteral("Nie można usunąć pliku roboczego %1 pozostawionego przez przerwany "
                                            "zapis.")
                                 .arg(f.filePath()));
    }
}

} // namespace

QStringList tidyDataFolder(const QString& folder)
{
    QStringList problems;
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return problems;
    const QDir data(folder);
    tidyFolder(data, &problems);
    for (const QString& sub : folderyDanych()) {
        const QString path = data.filePath(sub);
        if (QFileInfo(path).isDir())
            tidyFolder(QDir(path), &problems);
    }
    return problems;
}

} // namespace remitto
