#include "contractors/frmBialaListaPostep.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace remitto::kontrahenci {

bool wykonajZPostepem(QWidget* parent, const QString& opis,
                      const std::function<void(const PostepBialejListy&)>& praca)
{
    std::atomic<qint64> zrobione{0};
    std::atomic<qint64> wszystkie{0};
    std::atomic<bool> przerwano{false};

    QProgressDialog dialog(opis, QStringLiteral("Przerwij"), 0, 1000, parent);
    dialog.setObjectName(QStringLiteral("dlgPostep"));
    dialog.setWindowTitle(QStringLiteral("Biała lista VAT"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(400);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { przerwano = true; });

    std::unique_ptr<QThread> watek(QThread::create([&] {
        praca([&](qint64 z, qint64 w) {
            zrobione = z;
            wszystkie = w;
            return !przerwano.load();
        });
    }));
    QEventLoop petla;
    QObject::connect(watek.get(), &QThread::finished, &petla, &QEventLoop::quit, Qt::QueuedConnection);
    QTimer zegar;
    zegar.setInterval(100);
    QObject::connect(&zegar, &QTimer::timeout, &dialog, [&] {
        const qint64 w = wszystkie.load();
        if (w > 0 && !przerwano)
            dialog.setValue(int(std::min<qint64>(1000, zrobione.load() * 1000 / w)));
    });
    dialog.setValue(0);
    watek->start();
    zegar.start();
    if (!watek->isFinished())
        petla.exec();
    watek->wait();
    zegar.stop();
    const bool dokonczono = !przerwano.load();
    dialog.disconnect();  // closing a progress dialog reports it as cancelled
    dialog.close();
    return dokonczono;
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
