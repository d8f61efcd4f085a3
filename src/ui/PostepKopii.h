#pragma once

#include "backup/KopiaDanych.h"

#include <QString>
#include <functional>

class QWidget;

namespace remitto {

class Dialogs;
struct Session;

/// Runs `praca` on a worker thread while a progress dialog (`dlgKopia`, with
/// "Przerwij") keeps the window alive; `praca` reports through the callback it
/// gets, which returns false once the user has stopped it. Returns false when
/// the user stopped it.
bool wykonajZPostepemKopii(QWidget* parent, const QString& tytul, const QString& opis,
                           const std::function<void(const PostepKopii&)>& praca);

/// The automatic backup before a change of many records, with its progress.
/// When it fails the user is asked whether to go on without it; true means
/// go on with the change.
bool kopiaPrzedZmianaZPytaniem(QWidget* parent, const Session& session, Dialogs& dialogs);

} // namespace remitto
