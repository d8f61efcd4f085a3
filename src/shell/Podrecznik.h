#pragma once

#include <QString>

namespace remitto {

/// Where the installed package keeps the user guide, relative to the folder
/// of the program: <prefix>/bin/remitto reads <prefix>/share/doc/remitto/podrecznik/.
inline const QString kPodrecznikWzgledny = QStringLiteral("../share/doc/remitto/podrecznik/podrecznik.md");

/// The user guide "podrecznik.md" for a program started from `folderProgramu`:
/// the installed copy beside the program's prefix, or, for a program run from
/// a CMake build folder, the source tree's docs/ named by that folder's
/// CMakeCache.txt. Empty when neither is there.
QString sciezkaPodrecznika(const QString& folderProgramu);

} // namespace remitto
