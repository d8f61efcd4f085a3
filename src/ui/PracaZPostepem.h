#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

class QWidget;

namespace remitto {

/// How long work has come (`zrobione` of `wszystkie`); returns false once the
/// user has stopped it.
using PostepPracy = std::function<bool(qint64 zrobione, qint64 wszystkie)>;

/// Runs `praca` on a worker thread while a progress dialog (objectName
/// `nazwa`, title `tytul`, text `opis`, with "Przerwij") keeps the window
/// alive; `praca` reports through the callback it gets. Returns false when
/// the user stopped it.
bool wykonajZPostepem(QWidget* parent, const QString& nazwa, const QString& tytul, const QString& opis,
                      const std::function<void(const PostepPracy&)>& praca);

} // namespace remitto
