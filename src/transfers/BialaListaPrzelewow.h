#pragma once

// Which transfers of a package must be confirmed against the VAT white list
// before they go on: 15 000,00 zł or more to a NIP and account pair that the
// flat file of the day does not hold.

#include "contractors/BialaLista.h"
#include "transfers/Przelew.h"

#include <QDate>
#include <QList>

namespace remitto {

/// 15 000,00 zł in grosze: from this amount up the pair must be on the list.
inline constexpr qint64 kProgBialejListy = 1500000;

/// The transfer's amount sent (Splacono) is 15 000,00 zł or more and its kind
/// is one the white list concerns: split payment ("F-ra Podzielona Płayt"),
/// tax office, social insurance and cash deposits are exempt (kind told by the
/// order and classification codes of the record).
bool podlegaBialejLiscie(const Przelew& p);

struct PytanieBialejListy {
    qsizetype indeks = 0;  ///< the transfer's place in the list
    kontrahenci::WynikBialejListy wynik = kontrahenci::WynikBialejListy::NieFiguruje;

    bool operator==(const PytanieBialejListy&) const = default;
};

struct DecyzjaBialejListy {
    /// Some transfer needs the check but there is no flat file of the day.
    bool brakPlikuDnia = false;
    /// The transfers whose pair is neither active nor exempt, in list order.
    QList<PytanieBialejListy> pytania;
};

/// The decision for `przelewy`, given the opened flat file (or nullptr when
/// none is chosen or it could not be opened) and today. A file of another
/// day counts as no file.
DecyzjaBialejListy decyzjaBialejListy(const QList<Przelew>& przelewy, const kontrahenci::BialaLista* lista,
                                      const QDate& dzien);

} // namespace remitto
