#include "transfers/TytulSeryjny.h"

namespace remitto {

PolaPodatkowe domyslnePodatkowe(const QString& dataDzis, const QString& nrOkresu)
{
    return {dataDzis.right(2), QStringLiteral("M"), nrOkresu, QStringLiteral("VAT7")};
}

QString tekstPodatkowy(const PolaPodatkowe& p)
{
    return p.symbol + QStringLiteral(" za ") + p.okres + p.nrOkresu + QStringLiteral("- 20") + p.rok;
}

std::optional<QString> tytulSkarbowy(const QString& nipWlasny, const PolaPodatkowe& p)
{
    for (const QString* v : {&nipWlasny, &p.symbol, &p.okres, &p.nrOkresu, &p.rok})
        if (v->trimmed().isEmpty())
            return std::nullopt;
    return QStringLiteral("/TI/N") + nipWlasny + QStringLiteral("/OKR/") + p.rok + p.okres + p.nrOkresu
           + QStringLiteral("/SFP/") + p.symbol + QStringLiteral("|/TXT/") + tekstPodatkowy(p);
}

QString tytulPodzielonej(const QString& brutto, const QString& nipKontrahenta, const QString& nrFaktury,
                         const PolaPodatkowe& p)
{
    return QStringLiteral("/VAT/") + brutto + QStringLiteral("/IDC/") + nipKontrahenta + QStringLiteral("/INV/")
           + nrFaktury + QStringLiteral("/TXT/") + tekstPodatkowy(p);
}

} // namespace remitto
