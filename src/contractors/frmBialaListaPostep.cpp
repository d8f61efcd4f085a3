#include "contractors/frmBialaListaPostep.h"

#include "ui/PracaZPostepem.h"

#include <QFileInfo>

namespace remitto::kontrahenci {

bool wykonajZPostepem(QWidget* parent, const QString& opis,
                      const std::function<void(const PostepBialejListy&)>& praca)
{
    return remitto::wykonajZPostepem(parent, QStringLiteral("dlgPostep"), QStringLiteral("Biała lista VAT"), opis,
                                     praca);
}

BialaLista otworzZPostepem(QWidget* parent, const QString& plik, const QString& folderPamieci, QString* blad)
{
    BialaLista lista;
    QString komunikat;
    const bool dokonczono = wykonajZPostepem(
        parent, QStringLiteral("Czytanie pliku płaskiego %1...").arg(QFileInfo(plik).fileName()),
        [&](const PostepBialejListy& postep) { lista = BialaLista::otworz(plik, folderPamieci, postep, &komunikat); });
    if (blad)
        *blad = dokonczono ? komunikat : QString();
    return dokonczono ? lista : BialaLista();
}

} // namespace remitto::kontrahenci
