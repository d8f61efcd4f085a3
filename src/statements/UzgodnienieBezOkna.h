#pragma once

#include <QDate>
#include <QString>

namespace remitto {

/// What `remitto --uzgodnij WYCIAG [FOLDER_DANYCH]` prints and returns.
struct WynikBezOkna {
    int kod = 0;       ///< 0, or 1 when nothing could be reconciled
    QString wyjscie;   ///< one line per result: word, :61: line or "-", record position or "-", tab-separated
    QString bledy;     ///< Polish message for the error output
};

/// Reconciles the statement file with the sent-transfers file of the first
/// own company of `folder`, as the window does (results file included).
WynikBezOkna uzgodnijBezOkna(const QString& wyciag, const QString& folder, const QDate& dzis);

} // namespace remitto
