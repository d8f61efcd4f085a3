#pragma once

#include "ui/Dialogs.h"

#include <QList>
#include <QString>
#include <deque>
#include <optional>

namespace remitto::test {

/// One box as the program showed it.
struct ShownBox {
    enum Kind { Message, Input } kind = Message;
    QString text;   ///< message text, or the prompt of an input box
    QString title;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    QString defaultText;
};

/// Answers boxes from queues and logs every box shown. A plain OK box needs no
/// scripted answer; a question or an input box without one fails the test.
class ScriptedDialogs : public Dialogs {
public:
    void answer(Answer a) { m_answers.push_back(a); }
    void type(const QString& text) { m_inputs.emplace_back(text); }
    void cancelInput() { m_inputs.emplace_back(std::nullopt); }

    Answer messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons = Buttons::Ok) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText = {}) override;

    const QList<ShownBox>& shown() const { return m_shown; }
    /// Texts of all boxes shown, in order (messages and input prompts).
    QStringList texts() const;
    bool allAnswersUsed() const { return m_answers.empty() && m_inputs.empty(); }
    void clear() { m_shown.clear(); }

private:
    std::deque<Answer> m_answers;
    std::deque<std::optional<QString>> m_inputs;
    QList<ShownBox> m_shown;
};

} // namespace remitto::test
