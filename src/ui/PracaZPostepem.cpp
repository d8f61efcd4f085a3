#include "ui/PracaZPostepem.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

namespace remitto {

bool wykonajZPostepem(QWidget* parent, const QString& nazwa, const QString& tytul, const QString& opis,
                      const std::function<void(const PostepPracy&)>& praca)
{
    std::atomic<qint64> zrobione{0};
    std::atomic<qint64> wszystkie{0};
    std::atomic<bool> przerwano{false};

    QProgressDialog dialog(opis, QStringLiteral("Przerwij"), 0, 1000, parent);
    dialog.setObjectName(nazwa);
    dialog.setWindowTitle(tytul);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(300);
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
            dialog.setValue(int(std::min<qint64>(999, zrobione.load() * 1000 / w)));
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

} // namespace remitto
