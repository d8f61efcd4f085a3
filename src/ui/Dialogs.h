#pragma once

#include <QString>
#include <optional>

namespace remitto {

/// Title of boxes that carry the application's default title.
inline const QString kAppTitle = QStringLiteral("Remitto");

enum class Icon { None, Critical, Question, Exclamation, Information };
/// YesNoDefaultNo: Yes and No with No as the default (Enter answers No).
enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class Answer { Ok, Cancel, Yes, No };

/// Every message and input box of the program goes through this interface, so
/// windows can be driven by tests with scripted answers.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// Modal message box; returns the button pressed.
    virtual Answer messageBox(const QString& text, const QString& title, Icon icon,
                              Buttons buttons = Buttons::Ok) = 0;
    /// Modal input box; returns the text typed, or nothing on Cancel.
    virtual std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                            const QString& defaultText = {}) = 0;
};

} // namespace remitto
