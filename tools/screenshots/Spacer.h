#pragma once

// The picture maker's hands: answers to the program's questions, and clicks,
// typing and pictures of the windows of a running main window.

#include "shell/frmPrzelewA.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTextStream>
#include <QVBoxLayout>

#include <deque>
#include <utility>

namespace remitto::zrzuty {

inline QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

/// Answers every question as the guide's user does: OK and Yes, the queued
/// text (or the offered default) in input boxes. A box can be photographed
/// too: the next one shown is saved under the name given.
class DialogiZrzutow : public Dialogs {
public:
    explicit DialogiZrzutow(const QDir& cel) : m_cel(cel) {}

    Answer messageBox(const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        err() << "  [komunikat] " << title << ": " << text << '\n';
        err().flush();
        if (!m_nastepnyZrzut.isEmpty()) {
            // The box with its title above it, as a window manager would
            // draw it: grab() takes only the inside of a window.
            QWidget ramka;
            ramka.setObjectName(QStringLiteral("komunikat"));
            auto* uklad = new QVBoxLayout(&ramka);
            uklad->setContentsMargins(1, 1, 1, 1);
            uklad->setSpacing(0);
            auto* pasek = new QLabel(title.trimmed(), &ramka);
            pasek->setStyleSheet(QStringLiteral("background:#2f5f8f;color:white;font-weight:bold;padding:5px 8px;"));
            auto* box = new QMessageBox(ikona(icon), title, text, przyciski(buttons), &ramka);
            box->setWindowFlags(Qt::Widget);
            uklad->addWidget(pasek);
            uklad->addWidget(box);
            ramka.setStyleSheet(QStringLiteral("#komunikat{border:1px solid #2f5f8f;}"));
            ramka.show();
            QApplication::processEvents();
            zapisz(ramka, std::exchange(m_nastepnyZrzut, QString()));
        }
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return Answer::Yes;
        }
        return Answer::Ok;
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& def) override
    {
        QString odp = def;
        if (!m_odpowiedzi.empty()) {
            odp = m_odpowiedzi.front();
            m_odpowiedzi.pop_front();
        }
        err() << "  [pytanie] " << title << ": " << prompt << " -> " << odp << '\n';
        err().flush();
        return odp;
    }

    void odpowiedz(const QString& tekst) { m_odpowiedzi.push_back(tekst); }
    void sfotografujNastepny(const QString& nazwa) { m_nastepnyZrzut = nazwa; }

    bool zapisz(QWidget& w, const QString& nazwa)
    {
        QApplication::processEvents();
        const QString plik = m_cel.filePath(nazwa + QStringLiteral(".png"));
        if (!w.grab().save(plik, "PNG")) {
            err() << "Nie można zapisać " << plik << '\n';
            m_bledy++;
            return false;
        }
        err() << nazwa << ".png\n";
        m_zapisane++;
        return true;
    }
    int bledy() const { return m_bledy; }
    int zapisane() const { return m_zapisane; }
    void blad(const QString& opis)
    {
        err() << "Błąd: " << opis << '\n';
        m_bledy++;
    }

private:
    static QMessageBox::Icon ikona(Icon i)
    {
        switch (i) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
    static QMessageBox::StandardButtons przyciski(Buttons b)
    {
        switch (b) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return QMessageBox::Yes | QMessageBox::No;
        }
        return QMessageBox::Ok;
    }

    QDir m_cel;
    std::deque<QString> m_odpowiedzi;
    QString m_nastepnyZrzut;
    int m_bledy = 0;
    int m_zapisane = 0;
};

/// The walk through the windows, one step of the guide after another.
class Spacer {
public:
    Spacer(frmPrzelewA& glowne, DialogiZrzutow& d) : m_glowne(glowne), m_d(d) {}

    /// A window of the program by its name, shown or not.
    QWidget* okno(const QString& nazwa)
    {
        QApplication::processEvents();
        if (m_glowne.objectName() == nazwa)
            return &m_glowne;
        if (auto* w = m_glowne.findChild<QWidget*>(nazwa))
            return w;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == nazwa)
                return w;
        m_d.blad(QStringLiteral("nie ma okna ") + nazwa);
        return nullptr;
    }

    template <typename T> T* kontrolka(QWidget* okno, const QString& nazwa)
    {
        T* k = okno ? okno->findChild<T*>(nazwa) : nullptr;
        if (!k)
            m_d.blad(QStringLiteral("nie ma kontrolki ") + nazwa);
        return k;
    }

    void menu(const QString& akcja)
    {
        if (auto* a = m_glowne.findChild<QAction*>(akcja))
            a->trigger();
        else
            m_d.blad(QStringLiteral("nie ma pozycji menu ") + akcja);
        QApplication::processEvents();
    }

    void kliknij(QWidget* okno, const QString& przycisk)
    {
        if (auto* b = kontrolka<QAbstractButton>(okno, przycisk)) {
            b->window()->activateWindow();
            // An option button reacts to its mark and text only, which sit
            // at its left end; a push button anywhere.
            const QPoint gdzie = qobject_cast<QRadioButton*>(b) ? QPoint(8, b->height() / 2) : b->rect().center();
            QTest::mouseClick(b, Qt::LeftButton, {}, gdzie);
            if (qobject_cast<QRadioButton*>(b) && !b->isChecked())
                m_d.blad(QStringLiteral("nie wybrano ") + przycisk);
        }
        QApplication::processEvents();
    }

    /// Types ASCII text into a field as the keyboard would (Enter when asked).
    void wpisz(QWidget* okno, const QString& pole, const QString& tekst, bool enter = false)
    {
        auto* e = kontrolka<QLineEdit>(okno, pole);
        if (!e)
            return;
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, tekst);
        if (enter)
            QTest::keyClick(e, Qt::Key_Return);
        QApplication::processEvents();
    }

    /// Sets a field's text directly (Polish letters, which QTest cannot type).
    void ustaw(QWidget* okno, const QString& pole, const QString& tekst)
    {
        if (auto* e = kontrolka<QLineEdit>(okno, pole))
            e->setText(tekst);
        QApplication::processEvents();
    }

    /// A click on a cell of a grid (grid rows count the header row as 0).
    void komorka(QWidget* okno, const QString& siatka, int wiersz, int kolumna)
    {
        auto* g = kontrolka<Grid>(okno, siatka);
        if (!g)
            return;
        if (wiersz >= g->rowCount()) {
            m_d.blad(siatka + QStringLiteral(": brak wiersza ") + QString::number(wiersz));
            return;
        }
        const QModelIndex i = g->model()->index(wiersz - 1, kolumna);
        g->scrollTo(i);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
        QApplication::processEvents();
    }

    void zdjecie(QWidget* okno, const QString& nazwa)
    {
        if (okno)
            m_d.zapisz(*okno, nazwa);
    }

    void zamknij(QWidget* okno)
    {
        if (okno)
            okno->close();
        QApplication::processEvents();
    }

    DialogiZrzutow& dialogi() { return m_d; }

private:
    frmPrzelewA& m_glowne;
    DialogiZrzutow& m_d;
};

} // namespace remitto::zrzuty
