// The start-up bench's floor: a Qt Widgets program that shows one empty
// window, timed by the same rule as the program (ui/PomiarPokazania.h).
// With --napis the window holds one line of text, so the font database is
// loaded as for any window with text (shown beside the floor, not used as it).
#include "ui/PomiarPokazania.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    remitto::PomiarPokazania::zSrodowiska(app);
    QWidget okno;
    okno.setObjectName(QStringLiteral("oknoPuste"));
    okno.resize(400, 300);
    if (app.arguments().contains(QStringLiteral("--napis")))
        new QLabel(QStringLiteral("Remitto"), &okno);
    okno.show();
    return app.exec();
}
