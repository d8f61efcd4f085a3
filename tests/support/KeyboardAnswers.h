#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>

namespace remitto::test {

/// One key with its modifiers, e.g. {Qt::Key_Tab} or {Qt::Key_K, Qt::AltModifier}.
struct AnswerKey {
    int key = 0;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

/// Answers the real modal boxes (QMessageBox, QInputDialog) shown by QtDialogs
/// the way a user at the keyboard would: a timer waits for the next modal box,
/// types into it and presses keys. Each queued answer serves one box, in order.
/// A box that appears with no answer queued, or that stays open after its
/// answer, is closed so the test cannot hang, and is counted as a fault.
class KeyboardAnswers : public QObject {
public:
    using Key = AnswerKey;
    /// What the boxes showed, in order.
    struct Seen {
        QString title;
        QString text;  ///< message text, or the prompt of an input box
        QString inputText;  ///< input box: the text in its line when it appeared
        bool input = false;
    };

    KeyboardAnswers();
    ~KeyboardAnswers() override;

    /// The next box gets these keys.
    KeyboardAnswers& keys(const QList<Key>& keys);
    /// The next box is an input box: its line is cleared, `text` typed letter
    /// by letter (Polish letters included), then `then` pressed.
    KeyboardAnswers& type(const QString& text, const QList<Key>& then);
    /// type() then Enter.
    KeyboardAnswers& type(const QString& text) { return type(text, {Key{Qt::Key_Return}}); }
    /// The next box is closed as by its window's close button.
    KeyboardAnswers& close();

    const QList<Seen>& seen() const { return m_seen; }
    bool allUsed() const { return m_answers.empty(); }
    /// Boxes that got no answer or stayed open after it.
    int faults() const { return m_faults; }

private:
    struct Step {
        bool typeText = false;
        QString text;
        QList<Key> keys;
        bool close = false;
    };
    void poll();

    std::deque<Step> m_answers;
    QList<Seen> m_seen;
    QTimer m_timer;
    QPointer<QWidget> m_answered;
    int m_ticksOpen = 0;
    int m_faults = 0;
};

} // namespace remitto::test
