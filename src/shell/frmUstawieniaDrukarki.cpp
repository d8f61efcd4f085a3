#include "shell/frmUstawieniaDrukarki.h"

#include "core/Session.h"
#include "core/KodyDrukarki.h"
#include "shell/Instalka.h"
#include "transfers/FormularzPrzelewu.h"
#include "ui/Dialogs.h"
#include "ui/PrintRenderer.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>

namespace remitto {

namespace {

const QString kTytulDrukarki = QStringLiteral("Ustawienie drukarki");

QLabel* etykieta(const QString& name, const QString& text, QWidget* parent, bool mono = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    if (mono) {
        QFont f(QStringLiteral("Courier New"));
        f.setStyleHint(QFont::Monospace);
        l->setFont(f);
    }
    return l;
}

} // namespace

frmUstawieniaDrukarki::frmUstawieniaDrukarki(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmUstawieniaDrukarki"));
    setWindowTitle(QStringLiteral("Form1"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(etykieta(QStringLiteral("Label1"), QStringLiteral("Drukarka przyłączona"), this), 0, 0);
    txtPrzylaczonaDrukarka = new QLineEdit(this);
    txtPrzylaczonaDrukarka->setObjectName(QStringLiteral("txtPrzylaczonaDrukarka"));
    txtPrzylaczonaDrukarka->setToolTip(QStringLiteral("Igłowa, Atramentowa lub Laserowa"));
    grid->addWidget(txtPrzylaczonaDrukarka, 0, 1);

    grid->addWidget(etykieta(QStringLiteral("Label2"), QStringLiteral("Druk  "), this), 1, 0);
    auto* opcje = new QHBoxLayout;
    Option1 = new QRadioButton(QStringLiteral("zwykły"), this);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(QStringLiteral("pogrubiony"), this);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option1->setChecked(true);
    opcje->addWidget(Option1);
    opcje->addWidget(Option2);
    grid->addLayout(opcje, 1, 1);

    grid->addWidget(etykieta(QStringLiteral("Label5"), QStringLiteral("Ustawienie wydruku ->"), this), 2, 0);
    auto* linijki = new QVBoxLayout;
    linijki->addWidget(etykieta(QStringLiteral("Label3"), QStringLiteral("0   1    2   3    4    5    6    7    8    9 "), this, true));
    linijki->addWidget(etykieta(QStringLiteral("Label4"), QStringLiteral("0                    5                  10 "), this, true));
    linijki->addWidget(etykieta(QStringLiteral("Label7"), QStringLiteral("  I    V"), this, true));
    grid->addLayout(linijki, 2, 1);

    // Offset of the printed forms on the paper, in millimetres.
    const auto pole = [this](const QString& name, const QString& tip) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(name);
        spin->setRange(PrzesuniecieDruku::kMin, PrzesuniecieDruku::kMax);
        spin->setSuffix(QStringLiteral(" mm"));
        spin->setToolTip(tip);
        return spin;
    };
    txtPrzesuniecieX = pole(QStringLiteral("txtPrzesuniecieX"), QStringLiteral("Dodatnie w prawo, ujemne w lewo"));
    txtPrzesuniecieY = pole(QStringLiteral("txtPrzesuniecieY"), QStringLiteral("Dodatnie w dół, ujemne w górę"));
    auto* lblX = etykieta(QStringLiteral("lblPrzesuniecieX"), QStringLiteral("Przesunięcie druku w &poziomie"), this);
    lblX->setBuddy(txtPrzesuniecieX);
    auto* lblY = etykieta(QStringLiteral("lblPrzesuniecieY"), QStringLiteral("Przesunięcie druku w p&ionie"), this);
    lblY->setBuddy(txtPrzesuniecieY);
    grid->addWidget(lblX, 3, 0);
    grid->addWidget(txtPrzesuniecieX, 3, 1);
    grid->addWidget(lblY, 4, 0);
    grid->addWidget(txtPrzesuniecieY, 4, 1);

    auto* przyciski = new QHBoxLayout;
    auto* cmdPodglad = new QPushButton(QStringLiteral("Podgląd &wydruku"), this);
    cmdPodglad->setObjectName(QStringLiteral("cmdPodglad"));
    connect(cmdPodglad, &QPushButton::clicked, this, &frmUstawieniaDrukarki::podglad);
    przyciski->addWidget(cmdPodglad);
    auto* cmdZapisz = new QPushButton(QStringLiteral("&Zapisz zmiany"), this);
    cmdZapisz->setObjectName(QStringLiteral("cmdZapisz"));
    connect(cmdZapisz, &QPushButton::clicked, this, &frmUstawieniaDrukarki::zapisz);
    auto* cmdKoniec = new QPushButton(QStringLiteral("&Koniec"), this);
    cmdKoniec->setObjectName(QStringLiteral("cmdKoniec"));
    connect(cmdKoniec, &QPushButton::clicked, this, &QWidget::close);
    przyciski->addStretch();
    przyciski->addWidget(cmdZapisz);
    przyciski->addWidget(cmdKoniec);
    grid->addLayout(przyciski, 5, 0, 1, 2);
}

void frmUstawieniaDrukarki::otworz()
{
    const PrzesuniecieDruku p = m_settings ? wczytajPrzesuniecie(*m_settings) : przesuniecieUzytkownika();
    txtPrzesuniecieX->setValue(p.poziomoMm);
    txtPrzesuniecieY->setValue(p.pionowoMm);

    const UstawieniaOdczyt r = readInstalka(m_session.SciezkaProgramu);
    if (!r.ok) {
        m_dialogs.messageBox(r.error, kTytulDrukarki, Icon::Critical);
        return;
    }
    ustawieniaDoSesji(r.u, m_session);
    (czyPogrubiony(r.u.drukPogrubiony) ? Option2 : Option1)->setChecked(true);
    txtPrzylaczonaDrukarka->setText(nazwaDrukarki(r.u.rodzajDrukarki));
    if (r.u.rodzajDrukarki.isEmpty())
        m_dialogs.messageBox(QStringLiteral("Wpisz rodzaj drukarki przyłączonej !"), QStringLiteral("Rodzaj drukarki?"),
                             Icon::Critical);
}

PrzesuniecieDruku frmUstawieniaDrukarki::przesuniecie() const
{
    return {txtPrzesuniecieX->value(), txtPrzesuniecieY->value()};
}

void frmUstawieniaDrukarki::podglad()
{
    // The sample form as the printer settings on screen would print it.
    Session probny = m_session;
    probny.RodzajDrukarki = kodDrukarki(txtPrzylaczonaDrukarka->text());
    probny.DrukPogrubiony = kodPogrubienia(Option2->isChecked());
    const PrintJob job = formularzWzorcowy(probny);
    if (m_podglad)
        m_podglad(job, przesuniecie());
    else
        pokazPodglad(job, przesuniecie(), this);
}

void frmUstawieniaDrukarki::zapisz()
{
    if (m_settings) {
        zapiszPrzesuniecie(*m_settings, przesuniecie());
    } else {
        QSettings settings;
        zapiszPrzesuniecie(settings, przesuniecie());
    }

    QString error;
    const WynikZmiany w = zapiszDrukarke(m_session, txtPrzylaczonaDrukarka->text(), Option2->isChecked(), &error);
    if (w == WynikZmiany::BladOdczytu || w == WynikZmiany::BladZapisu)
        m_dialogs.messageBox(error, kTytulDrukarki, Icon::Critical);
}

} // namespace remitto
