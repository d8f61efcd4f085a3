// The start-up bench's floor: a Qt Widgets program that shows one empty
// window, timed by the same rule as the program (ui/PomiarPokazania.h).
#include "ui/PomiarPokazania.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    remitto::PomiarPokazania::zSrodowiska(app);
    QWidget okno;
    okno.setObjectName(QStringLiteral("oknoPuste"));
    okno.resize(400, 300);
    okno.show();
    return app.exec();
}
