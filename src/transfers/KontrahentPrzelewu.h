#pragma once

#include "contractors/Kontrahent.h"
#include "transfers/WpisPrzelewu.h"

#include <QString>
#include <optional>

namespace remitto {

// The contractor shown in the transfer window: filling the entry area from a
// contractor (hand-over or search by short name) and saving the entry area
// back into the contractor's record of kontrah.dta.

/// The entry area after a hand-over: every box takes the hand-over's value,
/// empty where it carries none. The gross amount follows the net amount
/// and the VAT text when they can be read (otherwise the gross handed over).
WpisPrzelewu poPrzekazaniu(WpisPrzelewu w, const kontrahenci::KontrahentDoPrzelewu& d);

/// What a search by short name hands over: names, address, post office,
/// account, bank, NIP, identification code, phone, mail, last title, last
/// amount and last VAT text, and the ordinal.
kontrahenci::KontrahentDoPrzelewu doPrzelewuZeSkrotu(const kontrahenci::Kontrahent& k);

/// Outcome of a search by short name.
struct WynikSzukania {
    bool ok = false;  ///< false: the file could not be read (blad says why)
    std::optional<kontrahenci::Kontrahent> kontrahent;  ///< nothing: no such short name
    QString blad;
};

/// The first contractor whose short name equals `skrot`; when none does, the
/// first whose short name equals it ignoring letter case. An empty text finds
/// nothing.
WynikSzukania znajdzPoSkrocie(const QString& sciezka, const QString& skrot);

/// The record with the entry area's values: names, town, street, phone,
/// postal code, NIP, post office, house number, account, short name (upper
/// case), identification code, bank, last VAT text, mail, last amount (points
/// as commas), flat number, and the last title: "NRID=" + code + " " in front
/// when there is a code that does not begin with "NRID" and the title does not
/// carry it yet, then cut or padded with blanks to 105 characters. Every other
/// value is kept. With `przekazany` (the entry area as the hand-over of this
/// contractor filled it), a box still holding what the hand-over put there
/// keeps the stored value: only what the user changed is written.
kontrahenci::Kontrahent zapisanyZWpisu(kontrahenci::Kontrahent k, const WpisPrzelewu& w,
                                       const WpisPrzelewu* przekazany = nullptr);

enum class WynikZapisu {
    Zapisano,
    KwotaNieobliczona,  ///< the summing field still holds an expression
    BrakKontrahenta,    ///< no contractor shown (nothing searched or handed over)
    NieZnaleziono,      ///< no record carries the ordinal shown
    BladOdczytu,        ///< missing, unreadable or damaged file (blad says which)
    BladZapisu,         ///< the rewrite failed; the old file is left as it was
};

struct ZapisKontrahenta {
    WynikZapisu wynik = WynikZapisu::Zapisano;
    QString blad;
};

/// Saves the entry area into the record whose ordinal (value 1, read as a
/// number) equals the entry's ordinal. The file is rewritten atomically with
/// that record replaced and every other character of the file kept as it was.
ZapisKontrahenta zapiszKontrahentaZWpisu(const QString& sciezka, const WpisPrzelewu& w,
                                         const WpisPrzelewu* przekazany = nullptr);

} // namespace remitto
