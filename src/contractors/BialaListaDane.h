#pragma once

// What an opened flat file keeps: its header, its masks and the sorted hash
// prefixes, either in memory or in the mapped cache file.

#include "contractors/BialaLista.h"
#include "core/DuzaPamiec.h"

#include <QFile>

#include <memory>
#include <vector>

namespace remitto::kontrahenci {

struct BialaLista::Dane {
    QByteArray data;  // yyyymmdd
    int transformacje = 0;
    QList<QByteArray> maski;
    const quint64* czynni = nullptr;
    qsizetype nCzynni = 0;
    const quint64* zwolnieni = nullptr;
    qsizetype nZwolnieni = 0;
    DuzyWektor<quint64> wlasneCzynni;     // when not mapped
    DuzyWektor<quint64> wlasneZwolnieni;
    std::unique_ptr<QFile> pamiec;         // the mapped cache
    bool zPamieci = false;
    QString plikPamieci;
};

/// Sorts hash prefixes (radix by the top bits, then small sorts).
void sortujPrefiksy(DuzyWektor<quint64>& v);

} // namespace remitto::kontrahenci
