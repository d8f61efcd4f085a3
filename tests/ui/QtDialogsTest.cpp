// The real message and input boxes, answered from the keyboard.
#include "ui/QtDialogs.h"

#include "KeyboardAnswers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {

void PrintTo(Answer a, std::ostream* os)
{
    switch (a) {
    case Answer::Ok: *os << "Ok"; return;
    case Answer::Cancel: *os << "Cancel"; return;
    case Answer::Yes: *os << "Yes"; return;
    case Answer::No: *os << "No"; return;
    }
}

namespace {

using test::KeyboardAnswers;
using Keys = QList<KeyboardAnswers::Key>;

TEST(QtDialogs, MessageBoxReturnsTheButtonPressed)
{
    using K = KeyboardAnswers::Key;
    const Keys enter = {K{Qt::Key_Return}};
    const Keys keypadEnter = {K{Qt::Key_Enter}};
    const Keys escape = {K{Qt::Key_Escape}};
    const Keys space = {K{Qt::Key_Space}};
    const Keys otherButton = {K{Qt::Key_Tab}, K{Qt::Key_Space}};  // Tab to the second button, Space presses it
    const Keys otherButtonEnter = {K{Qt::Key_Tab}, K{Qt::Key_Return}};
    const struct {
        const char* kind;
        Buttons buttons;
        const char* how;
        Keys keys;  // empty: the box is closed by its window's close button
        Answer expected;
    } cases[] = {
        {"Ok", Buttons::Ok, "Enter", enter, Answer::Ok},
        {"Ok", Buttons::Ok, "Escape", escape, Answer::Ok},
        {"Ok", Buttons::Ok, "close", {}, Answer::Ok},
        {"OkCancel", Buttons::OkCancel, "Enter", enter, Answer::Ok},
        {"OkCancel", Buttons::OkCancel, "keypad Enter", keypadEnter, Answer::Ok},
        {"OkCancel", Buttons::OkCancel, "Space", space, Answer::Ok},
        {"OkCancel", Buttons::OkCancel, "Tab Space", otherButton, Answer::Cancel},
        {"OkCancel", Buttons::OkCancel, "Tab Enter", otherButtonEnter, Answer::Cancel},
        {"OkCancel", Buttons::OkCancel, "Escape", escape, Answer::Cancel},
        {"OkCancel", Buttons::OkCancel, "close", {}, Answer::Cancel},
        {"YesNo", Buttons::YesNo, "Enter", enter, Answer::Yes},
        {"YesNo", Buttons::YesNo, "Space", space, Answer::Yes},
        {"YesNo", Buttons::YesNo, "Tab Space", otherButton, Answer::No},
        {"YesNo", Buttons::YesNo, "Escape", escape, Answer::No},
        {"YesNo", Buttons::YesNo, "close", {}, Answer::No},
        {"YesNoDefaultNo", Buttons::YesNoDefaultNo, "Enter", enter, Answer::No},
        {"YesNoDefaultNo", Buttons::YesNoDefaultNo, "Escape", escape, Answer::No},
    };
    QtDialogs dialogs;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " by " + c.how);
        KeyboardAnswers keyboard;
        if (c.keys.isEmpty())
            keyboard.close();
        else
            keyboard.keys(c.keys);
        const Answer a = dialogs.messageBox(u"Czy naprawdę chcesz usunąć ten rekord ?"_s, u"Usuwa rekord"_s,
                                            Icon::Question, c.buttons);
        EXPECT_EQ(a, c.expected);
        EXPECT_TRUE(keyboard.allUsed());
        EXPECT_EQ(keyboard.faults(), 0);
        ASSERT_EQ(keyboard.seen().size(), 1);
        EXPECT_EQ(keyboard.seen()[0].text, u"Czy naprawdę chcesz usunąć ten rekord ?"_s);
        EXPECT_EQ(keyboard.seen()[0].title, u"Usuwa rekord"_s);
    }
}

TEST(QtDialogs, InputBoxReturnsTheTextTypedOnOkAndNothingOnCancel)
{
    const struct {
        const char* how;
        QString typed;  // null: the default is kept as it is
        KeyboardAnswers::Key key;  // Key_unknown: the box is closed
        std::optional<QString> expected;
    } cases[] = {
        {"typed, Enter", u"Łódź-Śródmieście żółć"_s, {Qt::Key_Return}, u"Łódź-Śródmieście żółć"_s},
        {"typed, keypad Enter", u"abc"_s, {Qt::Key_Enter}, u"abc"_s},
        {"default kept, Enter", QString(), {Qt::Key_Return}, u"F-ra nr"_s},
        {"emptied, Enter", u""_s, {Qt::Key_Return}, u""_s},
        {"typed, Escape", u"abc"_s, {Qt::Key_Escape}, std::nullopt},
        {"default kept, Escape", QString(), {Qt::Key_Escape}, std::nullopt},
        {"default kept, closed", QString(), {Qt::Key_unknown}, std::nullopt},
    };
    QtDialogs dialogs;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        KeyboardAnswers keyboard;
        if (c.key.key == Qt::Key_unknown)
            keyboard.close();
        else if (c.typed.isNull())
            keyboard.keys({c.key});
        else
            keyboard.type(c.typed, {c.key});
        const std::optional<QString> got =
            dialogs.inputBox(u" Wprowadź text opisu seryjnego przelewu"_s, u"Text do seryjnego wstawiania"_s,
                             u"F-ra nr"_s);
        EXPECT_EQ(got, c.expected) << got.value_or(u"(nothing)"_s).toStdString();
        EXPECT_TRUE(keyboard.allUsed());
        EXPECT_EQ(keyboard.faults(), 0);
        ASSERT_EQ(keyboard.seen().size(), 1);
        EXPECT_TRUE(keyboard.seen()[0].input);
        EXPECT_EQ(keyboard.seen()[0].text, u" Wprowadź text opisu seryjnego przelewu"_s);
        EXPECT_EQ(keyboard.seen()[0].title, u"Text do seryjnego wstawiania"_s);
        EXPECT_EQ(keyboard.seen()[0].inputText, u"F-ra nr"_s);
    }
}

} // namespace
} // namespace remitto
