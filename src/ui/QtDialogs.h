#pragma once

#include "ui/Dialogs.h"

class QWidget;

namespace remitto {

/// Real message and input boxes.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    Answer messageBox(const QString& text, const QString& title, Icon icon,
                      Buttons buttons = Buttons::Ok) override;
    std::optional<QString> inputBox(const QString& prompt, const QString& title,
                                    const QString& defaultText = {}) override;

private:
    QWidget* m_parent;
};

} // namespace remitto
