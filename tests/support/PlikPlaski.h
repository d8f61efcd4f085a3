#pragma once

// A tiny VAT white-list flat file for window and decision tests: the pairs
// hashed with the list's own pair hash (checked against independently
// computed values in tests/contractors), one transformation.

#include "contractors/BialaLista.h"

#include <QByteArray>
#include <QList>
#include <utility>

namespace remitto::test {

using ParaBialejListy = std::pair<QByteArray, QByteArray>;  // NIP, account

inline QByteArray plikPlaski(const QByteArray& data, const QList<ParaBialejListy>& czynni,
                             const QList<ParaBialejListy>& zwolnieni = {})
{
    auto tablica = [&](const QList<ParaBialejListy>& pary) {
        QByteArray t;
        for (const auto& [nip, konto] : pary)
            t += (t.isEmpty() ? "\"" : ",\"") + kontrahenci::skrotPary(data, nip, konto, 1) + '"';
        return t;
    };
    return "{\"naglowek\":{\"dataGenerowaniaDanych\":\"" + data
        + "\",\"liczbaTransformacji\":\"1\",\"schemat\":\"RRRRMMDDNNNNNNNNNNBBBBBBBBBBBBBBBBBBBBBBBBBB\"},"
          "\"skrotyPodatnikowCzynnych\":["
        + tablica(czynni) + "],\"skrotyPodatnikowZwolnionych\":[" + tablica(zwolnieni) + "],\"maski\":[]}";
}

} // namespace remitto::test
