#pragma once

#include <QString>
#include <QStringList>

namespace remitto {

/// Folders of the data folder: the monthly packages, the export files for
/// Ecorponet, the VAT white list's reports, the bank statements' results.
inline const QString kFolderPaczek = QStringLiteral("Paczki");
inline const QString kFolderEksportu = QStringLiteral("DoECorponet");
inline const QString kFolderBialejListy = QStringLiteral("BialaLista");
inline const QString kFolderWyciagow = QStringLiteral("Wyciagi");

/// Every folder of the data folder the program writes in, in this order.
inline const QStringList& folderyDanych()
{
    static const QStringList f{kFolderPaczek, kFolderEksportu, kFolderBialejListy, kFolderWyciagow};
    return f;
}

/// Whether an own company's short name can stand as a plain file name in the
/// data folder (it names the sent-transfers file, the yearly archive, the
/// export files). Returns "" when it can, otherwise a Polish message saying
/// why not. Refused: an empty name, a path separator, "." or "..", a control
/// character, any of <>:"|?*, a trailing dot or blank, and the device names
/// Windows keeps (CON, PRN, AUX, NUL, COM1-9, LPT1-9), with an extension too.
QString bladSkrotuFirmy(const QString& skrot);

} // namespace remitto
