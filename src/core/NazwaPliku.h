#pragma once

#include <QString>

namespace remitto {

/// Whether an own company's short name can stand as a plain file name in the
/// data folder (it names the sent-transfers file, the yearly archive, the
/// export files). Returns "" when it can, otherwise a Polish message saying
/// why not. Refused: an empty name, a path separator, "." or "..", a control
/// character, any of <>:"|?*, a trailing dot or blank, and the device names
/// Windows keeps (CON, PRN, AUX, NUL, COM1-9, LPT1-9), with an extension too.
QString bladSkrotuFirmy(const QString& skrot);

} // namespace remitto
