#include "ui/StylProgramu.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

#include <initializer_list>

namespace remitto {

namespace {

/// Qt's own pictures of an icon, read as PNG without probing the format
/// plugins; a null icon when one of them is not there.
QIcon ikonaQt(const char* nazwa, std::initializer_list<int> rozmiary)
{
    QIcon ikona;
    for (const int rozmiar : rozmiary) {
        QImageReader plik(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                              .arg(QLatin1String(nazwa))
                              .arg(rozmiar),
                          "png");
        plik.setAutoDetectImageFormat(false);
        const QImage obraz = plik.read();
        if (obraz.isNull())
            return QIcon();
        ikona.addPixmap(QPixmap::fromImage(obraz));
    }
    return ikona;
}

} // namespace

QIcon StylProgramu::standardIcon(StandardPixmap sp, const QStyleOption* option, const QWidget* widget) const
{
    const bool motyw = QGuiApplication::desktopSettingsAware() && !QIcon::themeName().isEmpty();
    if (motyw || QGuiApplication::layoutDirection() == Qt::RightToLeft)
        return QProxyStyle::standardIcon(sp, option, widget);
    QIcon ikona;
    if (sp == SP_ArrowLeft)
        ikona = ikonaQt("left", {16, 32});
    else if (sp == SP_ArrowRight)
        ikona = ikonaQt("right", {16, 32});
    else if (sp == SP_ToolBarHorizontalExtensionButton)
        ikona = ikonaQt("toolbar-ext-h", {8, 16, 32});
    return ikona.isNull() ? QProxyStyle::standardIcon(sp, option, widget) : ikona;
}

} // namespace remitto
