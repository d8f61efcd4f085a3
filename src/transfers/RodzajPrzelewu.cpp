#include "transfers/RodzajPrzelewu.h"

namespace remitto {

const QList<OpisRodzaju>& rodzajePrzelewu()
{
    using W = Widocznosc;
    // The banknote frame belongs to the cash deposit alone, so every other
    // kind hides it; the tax fields are shown by "Skarbowy" and hidden by the
    // ordinary transfer; telephone and e-mail are hidden by the deposit only.
    static const QList<OpisRodzaju> rodzaje = {
        {Rodzaj::Przelew, QStringLiteral("OpRodzaj1"), QStringLiteral("Przelew"), QStringLiteral("110"),
         QStringLiteral("51"), 1, W::Ukryj, W::Ukryj, W::Pokaz, std::nullopt, true},
        {Rodzaj::Skarbowy, QStringLiteral("opRodzaj2"), QStringLiteral("Skarbowy"), QStringLiteral("114"),
         QStringLiteral("71"), 2, W::Pokaz, W::Ukryj, W::BezZmian, std::nullopt, true},
        {Rodzaj::Wplata, QStringLiteral("opRodzaj3"), QStringLiteral("Wpłata"), QStringLiteral("110"), QString(), 3,
         W::BezZmian, W::Pokaz, W::Ukryj, std::nullopt, false},
        {Rodzaj::ZUS, QStringLiteral("opRodzaj4"), QStringLiteral("ZUS"), QStringLiteral("120"),
         QStringLiteral("51"), std::nullopt, W::BezZmian, W::Ukryj, W::Pokaz,
         QStringLiteral(" Wpłata składek ZUS za miesiąc "), true},
        {Rodzaj::Podzielona, QStringLiteral("opRodzaj5"), QStringLiteral("F-ra Podzielona Płayt"),
         QStringLiteral("110"), QStringLiteral("53"), std::nullopt, W::BezZmian, W::Ukryj, W::Pokaz, std::nullopt,
         true},
        {Rodzaj::Zlecenie, QStringLiteral("OpRodzaj6"), QStringLiteral("Zlecenie"), QStringLiteral("210"),
         QStringLiteral("01"), std::nullopt, W::BezZmian, W::Ukryj, W::Pokaz, std::nullopt, true},
    };
    return rodzaje;
}

const OpisRodzaju& opisRodzaju(Rodzaj r)
{
    return rodzajePrzelewu()[int(r) - 1];
}

std::optional<Rodzaj> rodzajZKodow(const QString& typZlec, const QString& typDok)
{
    const QString zlec = typZlec.trimmed();
    const QString dok = typDok.trimmed();
    for (const OpisRodzaju& o : rodzajePrzelewu())
        if (o.doPaczki && o.typZlec == zlec && o.typDok == dok)
            return o.rodzaj;
    return std::nullopt;
}

QString tytulWplaty(const QString& dataRobocza)
{
    return QStringLiteral("Wpłata własna ") + dataRobocza;
}

} // namespace remitto
