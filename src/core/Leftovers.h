#pragma once

#include <QString>
#include <QStringList>

namespace remitto {

/// Settles what a killed program left in a data folder (the folder itself and
/// its Paczki, DoECorponet, BialaLista and Wyciagi folders), before anything reads the
/// files: appends cut short are completed or taken back
/// (finishInterruptedAppends()), and work files of rewrites that never got
/// their name (".NAME.XXXXXX.tmp") are removed when NAME, the data file they
/// belong to, is there and readable: a rewrite replaces it whole or not at
/// all, so it is whole. A work file is never renamed over a data file. Returns Polish
/// messages of what could not be settled, naming the files.
QStringList tidyDataFolder(const QString& folder);

} // namespace remitto
