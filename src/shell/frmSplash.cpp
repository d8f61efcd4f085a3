#include "shell/frmSplash.h"

#include "shell/Podrecznik.h"
#include "shell/Startup.h"
#include "ui/Dialogs.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace remitto {

frmSplash::frmSplash(Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_dialogs(dialogs), m_otwieranie([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      m_folderProgramu(QCoreApplication::applicationDirPath())
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
    auto* cmdPodrecznik = new QPushButton(QStringLiteral("Podręcznik"), fmokno1);
    cmdPodrecznik->setObjectName(QStringLiteral("cmdPodrecznik"));
    cmdPodrecznik->setToolTip(QStringLiteral("Otwiera podręcznik użytkownika"));
    cmdPodrecznik->setFocusPolicy(Qt::NoFocus);
    connect(cmdPodrecznik, &QPushButton::clicked, this, &frmSplash::otworzPodrecznik);
    box->addWidget(cmdPodrecznik, 0, Qt::AlignHCenter);
    setFocusPolicy(Qt::StrongFocus);
    resize(360, 200);
}

void frmSplash::otworzPodrecznik()
{
    const QString sciezka = sciezkaPodrecznika(m_folderProgramu);
    if (sciezka.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Nie znaleziono podręcznika (podrecznik.md)."),
                             QStringLiteral("Podręcznik"), Icon::Exclamation);
        return;
    }
    if (!m_otwieranie(QUrl::fromLocalFile(sciezka)))
        m_dialogs.messageBox(QStringLiteral("Nie udało się otworzyć podręcznika:\n") + sciezka
                                 + QStringLiteral("\nOtwórz ten plik w przeglądarce albo w edytorze tekstu."),
                             QStringLiteral("Podręcznik"), Icon::Exclamation);
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
