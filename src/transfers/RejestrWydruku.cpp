#include "transfers/RejestrWydruku.h"

#include "core/Amount.h"
#include "core/Session.h"
#include "core/TextFile.h"

#include <QFile>

namespace remitto {

Przelew przelewWydruku(const PolaPrzelewu& p, const QString& dataDzis)
{
    Przelew r = przelewZWpisu(p.wpis, p.rodzaj, dataDzis);
    const std::optional<qint64> grosze = parseAmount(kwotaDoDruku(p));
    const QString kwota = grosze ? formatAmount(*grosze) : kwotaDoDruku(p);
    if (r.kwotaB.trimmed().isEmpty())
        r.kwotaB = kwota;
    r.splacono = kwota;
    r.oznPrz = kWydruk;
    r.status = kWydruk;
    r.nrPaczk.clear();
    r.nrPrzel.clear();
    return r;
}

QString plikPrzelewowWyslanych(const Session& s)
{
    return s.dataPath(s.SkrotFirmy + QStringLiteral(".dat"));
}

bool zapiszWydruk(const Session& s, const Przelew& p, QString* error)
{
    if (s.SkrotFirmy.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("Nie wybrano firmy - wydruku nie zapisano w historii przelewów.");
        return false;
    }
    const QString path = plikPrzelewowWyslanych(s);
    QString tekst = liniaPrzelewu(p);
    QFile f(path);
    if (f.exists() && f.size() > 0) {
        if (!f.open(QIODevice::ReadOnly)) {
            if (error)
                *error = writeErrorMessage(path, f.errorString());
            return false;
        }
        f.seek(f.size() - 1);
        if (f.read(1) != "\n")
            tekst.prepend(QStringLiteral("\r\n"));
        f.close();
    }
    return appendTextFile(path, tekst, error);
}

} // namespace remitto
