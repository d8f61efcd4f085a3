#pragma once

// Small builders of the windows' controls: each control gets its name as
// objectName so that tests and tools find it.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace remitto::kontrolki {

inline QLabel* etykieta(const QString& tekst, const QString& nazwa, QWidget* rodzic)
{
    auto* l = new QLabel(tekst, rodzic);
    l->setObjectName(nazwa);
    return l;
}

inline QLineEdit* pole(const QString& nazwa, QWidget* rodzic, int znaki = 0)
{
    auto* e = new QLineEdit(rodzic);
    e->setObjectName(nazwa);
    if (znaki > 0)
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QString(znaki, QLatin1Char('0'))) + 12);
    return e;
}

/// A button that Enter does not press by default; `aktywny` false lays it
/// out disabled.
inline QPushButton* przycisk(const QString& tekst, const QString& nazwa, QWidget* rodzic, bool aktywny = true)
{
    auto* b = new QPushButton(tekst, rodzic);
    b->setObjectName(nazwa);
    b->setAutoDefault(false);
    b->setEnabled(aktywny);
    return b;
}

/// Brings back to the front the window this one was opened from.
inline void pokazRodzica(QWidget* okno)
{
    if (QWidget* rodzic = okno->parentWidget()) {
        rodzic->show();
        rodzic->raise();
        rodzic->activateWindow();
    }
}

} // namespace remitto::kontrolki
