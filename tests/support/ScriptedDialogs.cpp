#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace remitto::test {

Answer ScriptedDialogs::messageBox(const QString& text, const QString& title, Icon icon,
                                   Buttons buttons)
{
    m_shown.append({ShownBox::Message, text, title, icon, buttons, {}});
    if (!m_answers.empty()) {
        const Answer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    if (buttons != Buttons::Ok)
        ADD_FAILURE() << "unanswered question: " << text.toStdString();
    return buttons == Buttons::YesNo || buttons == Buttons::YesNoDefaultNo ? Answer::No
         : buttons == Buttons::OkCancel ? Answer::Cancel : Answer::Ok;
}

std::optional<QString> ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText)
{
    m_shown.append({ShownBox::Input, prompt, title, Icon::None, Buttons::OkCancel, defaultText});
    if (m_inputs.empty()) {
        ADD_FAILURE() << "unanswered input box: " << prompt.toStdString();
        return std::nullopt;
    }
    const bool cancelled = !m_inputs.front().has_value();
    const QString typed = m_inputs.front().value_or(QString());
    m_inputs.pop_front();
    if (cancelled)
        return std::nullopt;
    return typed;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& b : m_shown)
        out << b.text;
    return out;
}

} // namespace remitto::test
