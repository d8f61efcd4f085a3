#pragma once

// Start-up timing for the start-up bench, off unless the environment asks for
// it: REMITTO_POMIAR_OKNA=OKNO[:AKCJA] names the top-level window (its
// objectName) whose first paint is awaited and, optionally, the QAction that
// opens it, triggered once the first window has been painted. At that paint
// the program writes "pokazano OKNO" on standard output and quits as after a
// clean end. Header-only, so the bench's empty window uses the same rule.

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace remitto {

class PomiarPokazania : public QObject {
public:
    /// The measurement the environment asks for, installed on the
    /// application; nullptr (and nothing installed) when it asks for none.
    static PomiarPokazania* zSrodowiska(QApplication& app)
    {
        const QString zadanie = qEnvironmentVariable("REMITTO_POMIAR_OKNA");
        if (zadanie.isEmpty())
            return nullptr;
        auto* p = new PomiarPokazania(zadanie.section(QLatin1Char(':'), 0, 0),
                                      zadanie.section(QLatin1Char(':'), 1, 1), &app);
        app.installEventFilter(p);
        return p;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() != QEvent::Paint || m_koniec || !o->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow())
            return false;
        if (w->objectName() == m_okno) {
            m_koniec = true;
            std::printf("pokazano %s\n", qPrintable(m_okno));
            std::fflush(stdout);
            // After this paint, as a clean end of the program.
            QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        } else if (!m_akcja.isEmpty() && !m_wyzwolona) {
            // The first window painted holds the entry that opens the one awaited.
            if (QAction* a = w->findChild<QAction*>(m_akcja)) {
                m_wyzwolona = true;
                QPointer<QAction> akcja(a);
                QTimer::singleShot(0, a, [akcja] {
                    if (akcja)
                        akcja->trigger();
                });
            }
        }
        return false;
    }

private:
    PomiarPokazania(QString okno, QString akcja, QObject* parent)
        : QObject(parent), m_okno(std::move(okno)), m_akcja(std::move(akcja))
    {
    }

    QString m_okno;
    QString m_akcja;
    bool m_wyzwolona = false;
    bool m_koniec = false;
};

} // namespace remitto
