#pragma once

#include <QProxyStyle>

namespace remitto {

/// The application's style: Qt's own, except for the few standard icons the
/// main window builds before it is first shown (the calendar's month arrows,
/// the menu bar's extension button). Qt reads their PNG files by probing
/// every image format plugin it has (loading each plugin and the libraries
/// behind it) and decodes up to three sizes of each; here the same pictures
/// are read as PNG, the sizes a button uses. Where the desktop names an icon
/// theme, or text runs right to left, Qt's own choice stands.
class StylProgramu : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace remitto
