#include "transfers/RejestrWydruku.h"
#include "core/NazwaPliku.h"

#include "core/Amount.h"
#include "core/Append.h"
#include "core/Session.h"
#include "core/TextFile.h"
#include "transfers/LiniaEksportu.h"

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

bool zapiszWydruk(const Session& s, const Przelew& p, QString* error)
{
    if (s.SkrotFirmy.trimmed().isEmpty()) {
        if (error)
            *error = QStringLiteral("Nie wybrano firmy - wydruku nie zapisano w historii przelewów.");
        return false;
    }
    if (const QString blad = bladSkrotuFirmy(s.SkrotFirmy); !blad.isEmpty()) {
        if (error)
            *error = blad + QStringLiteral("\nWydruku nie zapisano w historii przelewów.");
        return false;
    }
    // One whole record in one write; a missing last line end is added first
    // and a torn end of the file is reported, not written after.
    return appendRecords(sciezkaHistorii(s.SciezkaProgramu, s.SkrotFirmy), kWartosciPrzelewu, liniaPrzelewu(p), error)
           == AppendResult::Appended;
}

} // namespace remitto
