#pragma once

#include <QDate>
#include <QString>

namespace remitto::zrzuty {

/// Empties the fixed demo folder of an earlier run; refuses a folder that
/// this program did not write.
bool przygotujFolderDemo(const QString& folder, QString* blad);
/// Marks a demo folder as this program's own.
bool oznaczFolderDemo(const QString& folder);

/// A VAT white-list flat file of `dzien` for the demo's contractors: most of
/// them on the list as active payers, one exempt, every fourth missing, so
/// that the check shows each kind of result.
bool zapiszBialaListe(const QString& demo, const QDate& dzien, const QString& plik, QString* blad);

} // namespace remitto::zrzuty
