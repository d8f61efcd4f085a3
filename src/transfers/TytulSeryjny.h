#pragma once

#include <QString>
#include <optional>

namespace remitto {

/// The four tax fields of the transfer window.
struct PolaPodatkowe {
    QString rok;       ///< two digits of the year
    QString okres;     ///< period type: "M", "R", "P" ...
    QString nrOkresu;  ///< period number
    QString symbol;    ///< form symbol: "VAT7", "PIT4" ...

    bool operator==(const PolaPodatkowe&) const = default;
};

/// Defaults when "Skarbowy" is selected: the last two digits of the year of
/// `dataDzis` (dd-mm-yyyy), period "M", symbol "VAT7"; the period number kept.
PolaPodatkowe domyslnePodatkowe(const QString& dataDzis, const QString& nrOkresu);

/// symbol + " za " + period + number + "- 20" + year ("VAT7 za M12- 2026").
QString tekstPodatkowy(const PolaPodatkowe& p);

/// Title of a transfer to the tax office:
/// "/TI/N" + own NIP + "/OKR/" + year + period + number + "/SFP/" + symbol
/// + "|/TXT/" + tekstPodatkowy(). Nothing when the own NIP or a tax field is
/// empty (blanks count as empty).
std::optional<QString> tytulSkarbowy(const QString& nipWlasny, const PolaPodatkowe& p);

/// Title of a split-payment transfer:
/// "/VAT/" + gross + "/IDC/" + contractor NIP + "/INV/" + invoice number
/// + "/TXT/" + tekstPodatkowy().
QString tytulPodzielonej(const QString& brutto, const QString& nipKontrahenta, const QString& nrFaktury,
                         const PolaPodatkowe& p);

} // namespace remitto
