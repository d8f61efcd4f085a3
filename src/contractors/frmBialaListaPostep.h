#pragma once

#include "contractors/BialaLista.h"

#include <QString>
#include <functional>

class QWidget;

namespace remitto::kontrahenci {

/// Runs `praca` on a worker thread while a progress dialog (`dlgPostep`,
/// with "Przerwij") keeps the window alive; `praca` reports through the
/// callback it gets, which returns false once the user has stopped it.
/// Returns false when the user stopped it.
bool wykonajZPostepem(QWidget* parent, const QString& opis,
                      const std::function<void(const PostepBialejListy&)>& praca);

/// Opens a flat file (from its cache when there is one, else reading it with
/// the progress dialog). An unopened list and `blad` empty: stopped by the user.
BialaLista otworzZPostepem(QWidget* parent, const QString& plik, const QString& folderPamieci, QString* blad);

} // namespace remitto::kontrahenci
