#include "core/modZmiene.h"

#include "core/Session.h"

namespace remitto {

QString ZamienCudzyslow(const QString& tekst)
{
    if (!tekst.contains(QLatin1Char('"')))
        return tekst;
    QString out = tekst;
    out.replace(QLatin1Char('"'), QLatin1String("''"));
    return out;
}

} // namespace remitto
