#include "KeyboardAnswers.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>

namespace remitto::test {

namespace {

constexpr int kTickMs = 5;
constexpr int kMaxTicksOpen = 400;  // two seconds for a box to close after its answer

void sendKey(QWidget* box, const KeyboardAnswers::Key& k)
{
    QWidget* target = box->focusWidget() ? box->focusWidget() : box;
    QTest::keyClick(target, static_cast<Qt::Key>(k.key), k.modifiers);
}

} // namespace

KeyboardAnswers::KeyboardAnswers()
{
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &KeyboardAnswers::poll);
    m_timer.start();
}

KeyboardAnswers::~KeyboardAnswers() = default;

KeyboardAnswers& KeyboardAnswers::keys(const QList<Key>& k)
{
    m_answers.push_back({false, {}, k, false});
    return *this;
}

KeyboardAnswers& KeyboardAnswers::type(const QString& text, const QList<Key>& then)
{
    m_answers.push_back({true, text, then, false});
    return *this;
}

KeyboardAnswers& KeyboardAnswers::close()
{
    m_answers.push_back({false, {}, {}, true});
    return *this;
}

void KeyboardAnswers::poll()
{
    QWidget* box = QApplication::activeModalWidget();
    if (m_answered) {
        if (box == m_answered && m_answered->isVisible()) {
            if (++m_ticksOpen > kMaxTicksOpen) {
                ++m_faults;
                m_answered->close();
            }
            return;
        }
        m_answered = nullptr;
    }
    if (!box || !box->isVisible())
        return;
    m_answered = box;
    m_ticksOpen = 0;

    Seen seen;
    seen.title = box->windowTitle();
    if (auto* input = qobject_cast<QInputDialog*>(box)) {
        seen.input = true;
        seen.text = input->labelText();
        seen.inputText = input->textValue();
    } else if (auto* message = qobject_cast<QMessageBox*>(box)) {
        seen.text = message->text();
    }
    m_seen.append(seen);

    if (m_answers.empty()) {
        ++m_faults;
        box->close();
        return;
    }
    const Step step = m_answers.front();
    m_answers.pop_front();
    if (step.close) {
        box->close();
        return;
    }
    if (step.typeText) {
        if (auto* line = box->findChild<QLineEdit*>())
            line->setFocus();
        sendKey(box, AnswerKey{Qt::Key_A, Qt::ControlModifier});
        sendKey(box, AnswerKey{Qt::Key_Delete});
        for (const QChar c : step.text) {
            QWidget* target = box->focusWidget() ? box->focusWidget() : box;
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    for (const Key& k : step.keys) {
        if (!box->isVisible())
            break;
        sendKey(box, k);
    }
}

} // namespace remitto::test
