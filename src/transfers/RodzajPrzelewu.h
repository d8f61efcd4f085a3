#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace remitto {

/// The six kinds of transfer, in the order of their option buttons.
enum class Rodzaj { Przelew = 1, Skarbowy, Wplata, ZUS, Podzielona, Zlecenie };

/// What selecting a kind does to a group of the window's controls.
enum class Widocznosc { BezZmian, Pokaz, Ukryj };

/// A kind with its codes and its effect on the entry area.
struct OpisRodzaju {
    Rodzaj rodzaj;
    QString nazwaOpcji;  ///< objectName of its option button
    QString napis;       ///< caption of the option button
    QString typZlec;     ///< order type code (record value 25, export)
    QString typDok;      ///< classification code (record value 26, export)
    /// Kind code kept in the session (RodzajPrzelewu) for printing; nothing
    /// when selecting the kind leaves the code as it was.
    std::optional<int> kodRodzaju;
    Widocznosc podatkowe;  ///< the tax header label and the four tax fields
    Widocznosc banknoty;   ///< the banknote frame
    Widocznosc kontakt;    ///< telephone and e-mail
    /// Title put into the title field on selection; nothing leaves it.
    std::optional<QString> tytul;
    bool doPaczki;  ///< false: printed only, never added to a package
};

/// Every kind, in option order.
const QList<OpisRodzaju>& rodzajePrzelewu();
const OpisRodzaju& opisRodzaju(Rodzaj r);

/// The kind a package record was added as, from its stored codes (`TypZlec`,
/// `TypDok`); nothing when they are not the codes of a kind that goes into
/// packages.
std::optional<Rodzaj> rodzajZKodow(const QString& typZlec, const QString& typDok);

/// Beneficiary bank code that the export sends for social insurance transfers.
inline const QString kBankZUS = QStringLiteral("60000002");

/// Title set when the cash deposit is selected: "Wpłata własna " + working date.
QString tytulWplaty(const QString& dataRobocza);

} // namespace remitto
