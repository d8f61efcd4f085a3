#include "shell/frmSplash.h"

#include "shell/Startup.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace remitto {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Remitto"));
    auto* outer = new QVBoxLayout(this);
    auto* fmokno1 = new QFrame(this);
    fmokno1->setObjectName(QStringLiteral("fmokno1"));
    fmokno1->setFrameShape(QFrame::Box);
    fmokno1->installEventFilter(this);
    outer->addWidget(fmokno1);

    auto* box = new QVBoxLayout(fmokno1);
    auto* lblProductName = new QLabel(QStringLiteral("Remitto"), fmokno1);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont f = lblProductName->font();
    f.setPointSize(f.pointSize() * 2);
    f.setBold(true);
    lblProductName->setFont(f);
    auto* lblVersion = new QLabel(QStringLiteral("Wersja ") + wersjaProgramu(), fmokno1);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* opis = new QLabel(QStringLiteral("Przelewy, paczki do Ecorponet i faktury zakupu Kramix"), fmokno1);
    for (QLabel* l : {lblProductName, lblVersion, opis}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        box->addWidget(l);
    }
    setFocusPolicy(Qt::StrongFocus);
    resize(360, 180);
}

void frmSplash::keyPressEvent(QKeyEvent* event)
{
    Q_UNUSED(event);
    close();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace remitto
