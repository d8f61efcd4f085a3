#include "core/KodyDrukarki.h"

namespace remitto {

QString kodDrukarki(const QString& typ)
{
    return typ.trimmed().left(1).toUpper();
}

QString kodPogrubienia(bool pogrubiony)
{
    return pogrubiony ? QStringLiteral("G") : QString();
}

bool czyPogrubiony(const QString& kod)
{
    return kod.trimmed().compare(QLatin1String("G"), Qt::CaseInsensitive) == 0;
}

} // namespace remitto
