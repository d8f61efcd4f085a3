// Transfer window: building the entry area and the opening steps.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "transfers/Banknoty.h"
#include "transfers/LiniaEksportu.h"
#include "transfers/PlikPaczki.h"
#include "transfers/frmPrzelewBObszarEksportu.h"
#include "transfers/frmPrzelewBObszarPaczek.h"
#include "transfers/frmPrzelewBRamkaBanknotow.h"
#include "transfers/frmPrzelewBRamkaDrukarki.h"
#include "ui/SkrotyPrzyciskow.h"
#include "ui/Dialogs.h"
#include "ui/Kontrolki.h"
#include "ui/PrintRenderer.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace remitto {

using namespace kontrolki;

frmPrzelewB::frmPrzelewB(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPrzelewB"));
    setWindowTitle(QStringLiteral("Przelew"));
    m_drukarka = std::make_unique<QtDrukowanie>(this);
    m_drukowanie = m_drukarka.get();
    zbudujOkno();
    polacz();
    polaczObszary();
    dodajSkroty();
}

// One key for each button of the month's road; listed in the README.
void frmPrzelewB::dodajSkroty()
{
    dodajSkrotyPrzyciskow(this, {{"cmdDoPaczki", QKeySequence(Qt::Key_F2)},
                                 {"cmdPodglad", QKeySequence(Qt::Key_F3)},
                                 {"cmdZmianyK", QKeySequence(Qt::Key_F4)},
                                 {"cmdZmien", QKeySequence(Qt::Key_F5)},
                                 {"cmdDodaj", QKeySequence(Qt::Key_F6)},
                                 {"cmdDoEcorponet", QKeySequence(Qt::Key_F7)},
                                 {"cmdDRUKUJ", QKeySequence(Qt::Key_F8)},
                                 {"cmdPlatnosci", QKeySequence(Qt::Key_F9)}});
    dodajKlawiszSiatki(this, "MSFlexGrid1", "cmdUsunRekord", QKeySequence(Qt::Key_Delete));
}

frmPrzelewB::~frmPrzelewB() = default;

void frmPrzelewB::zbudujOkno()
{
    auto* prawa = new QVBoxLayout;
    prawa->addWidget(zbudujRodzaje());
    prawa->addWidget(zbudujPodatkowe());
    // The own company and the banknotes share one place: a cash deposit
    // shows its banknotes there (see eventFilter). While one shows and the
    // other hides, the place is as tall as the taller of the two, which the
    // entry area beside it covers, so the window keeps its height.
    auto* miejsce = new QGridLayout;
    miejsce->setContentsMargins(0, 0, 0, 0);
    miejsce->addWidget(zbudujMojaFirma(), 0, 0);
    m_banknoty = new RamkaBanknotow(this);
    miejsce->addWidget(m_banknoty, 0, 0);
    m_banknoty->raise();
    prawa->addLayout(miejsce);
    m_drukarkaRamka = new RamkaDrukarki(this);
    connect(m_drukarkaRamka, &RamkaDrukarki::drukuj, this, &frmPrzelewB::drukuj);
    prawa->addWidget(m_drukarkaRamka);
    prawa->addStretch(1);

    auto* gora = new QHBoxLayout;
    gora->addWidget(zbudujWpis(), 3);
    gora->addLayout(prawa, 2);

    auto* dol = new QHBoxLayout;
    m_paczki = new ObszarPaczek(m_session, m_dialogs, this);
    m_eksport = new ObszarEksportu(m_session, m_dialogs, this);
    dol->addWidget(m_paczki, 3);
    dol->addWidget(m_eksport, 1);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(dol, 1);

    // Kinds show and hide fields; the places stay, so the window keeps its
    // shape. The banknote frame is the exception: it takes the place of the
    // own company frame while a cash deposit is chosen (see eventFilter), so
    // the package grids below keep their rows whatever the kind.
    m_banknoty->installEventFilter(this);
    for (QWidget* k : std::initializer_list<QWidget*>{lbskarbowy, txtRok, txtOkres, txtNrOkresu, txtSymbol,
                                                      txtTelefon, txtMail, lblTelefon, lblMail}) {
        QSizePolicy p = k->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        k->setSizePolicy(p);
    }

    // After the amounts the keyboard goes on to the kind, the tax fields and
    // the banknotes, then to the contractor buttons.
    QList<QWidget*> dalej = {txtKwotaBrutto};
    for (QAbstractButton* b : m_rodzaje->buttons())
        dalej.append(b);
    dalej << txtRok << txtOkres << txtNrOkresu << txtSymbol;
    for (QLineEdit* e : m_banknoty->polaIlosci())
        dalej.append(e);
    for (const char* nazwa : {"cmdZnajd", "cmdZmianyK", "cmdDodaj", "cmdPodglad", "wyjscie"})
        dalej.append(findChild<QPushButton*>(QString::fromLatin1(nazwa)));
    for (qsizetype i = 1; i < dalej.size(); ++i)
        setTabOrder(dalej[i - 1], dalej[i]);
}

QWidget* frmPrzelewB::zbudujWpis()
{
    auto* w = new QGroupBox(QStringLiteral("Przelew"), this);
    w->setObjectName(QStringLiteral("frWpis"));

    txtNazwa1K = pole(QStringLiteral("txtNazwa1K"), w, 36);
    txtNazwa2K = pole(QStringLiteral("txtNazwa2K"), w, 36);
    txtSkrotK = pole(QStringLiteral("txtSkrótK"), w, 10);
    lbNazwaFirmy = etykieta(QString(), QStringLiteral("lbNazwaFirmy"), w);
    QFont gruba = lbNazwaFirmy->font();
    gruba.setBold(true);
    lbNazwaFirmy->setFont(gruba);
    txtNrKol = pole(QStringLiteral("txtNrKol"), w, 5);
    txtNrKol->setReadOnly(true);  // the contractor shown: set by a search or a hand-over
    txtNrKol->setFocusPolicy(Qt::NoFocus);
    txtRodzKl = pole(QStringLiteral("txtRodzKl"), w, 2);
    txtKODK = pole(QStringLiteral("txtKODK"), w, 6);
    txtAdresK = pole(QStringLiteral("txtAdresK"), w);
    txtPoczta = pole(QStringLiteral("txtPoczta"), w);
    txtUlicaK = pole(QStringLiteral("txtUlicaK"), w);
    txtNumerDomuK = pole(QStringLiteral("txtNumerDomuK"), w, 5);
    txtNrLok = pole(QStringLiteral("txtNrLok"), w, 4);
    txtBankK = pole(QStringLiteral("txtBankK"), w);
    txtKontoK = pole(QStringLiteral("txtKontoK"), w, 34);
    lbKontoNRB = etykieta(QString(), QStringLiteral("lbKontoNRB"), w);
    lbKontoNRB->setMinimumWidth(lbKontoNRB->fontMetrics().horizontalAdvance(QStringLiteral("NRB błędny")));
    txtNIPK = pole(QStringLiteral("txtNIPK"), w, 13);
    txtKodIden = pole(QStringLiteral("txtKodIden"), w);
    txtTelefon = pole(QStringLiteral("txtTelefon"), w);
    txtMail = pole(QStringLiteral("txtMail"), w);
    txtTytulem1 = pole(QStringLiteral("txtTytulem1"), w, 50);
    txtTytulem1->setMaxLength(105);
    txtKwotaK = pole(QStringLiteral("txtKwotaK"), w, 12);
    txtKwotaK->setToolTip(QStringLiteral("Kwota z miejscami dz po przecinku np12,34"));
    txtVat = pole(QStringLiteral("txtVat"), w, 5);
    txtKwotaBrutto = pole(QStringLiteral("txtKwotaBrutto"), w, 12);

    auto* cmdSprNIP = przycisk(QStringLiteral("&Sprawdź NIP"), QStringLiteral("cmdSprNIP"), w);
    auto* CmdSeryjny = przycisk(QStringLiteral("&Wstaw opis seryjny"), QStringLiteral("CmdSeryjny"), w);
    connect(cmdSprNIP, &QPushButton::clicked, this, &frmPrzelewB::sprawdzNIP);
    connect(CmdSeryjny, &QPushButton::clicked, this, &frmPrzelewB::opisSeryjny);
    lblTelefon = etykieta(QStringLiteral("Telefon"), QStringLiteral("lblTelefon"), w);
    lblMail = etykieta(QStringLiteral("Mail"), QStringLiteral("lblMail"), w);

    auto* g = new QGridLayout(w);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);
    int r = 0;
    g->addWidget(etykieta(QStringLiteral("Nazwa Kontrahenta"), QStringLiteral("lblNazwa"), w), r, 0);
    g->addWidget(txtNazwa1K, r, 1, 1, 5);
    g->addWidget(txtNazwa2K, ++r, 1, 1, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Skrót"), QStringLiteral("lblSkrot"), w), r, 0);
    g->addWidget(txtSkrotK, r, 1);
    g->addWidget(lbNazwaFirmy, r, 2, 1, 2);
    auto* nr = new QHBoxLayout;
    nr->addWidget(etykieta(QStringLiteral("Nr kol"), QStringLiteral("lblNrKol"), w));
    nr->addWidget(txtNrKol);
    nr->addWidget(etykieta(QStringLiteral("Płatnik"), QStringLiteral("lblRodzKl"), w));
    nr->addWidget(txtRodzKl);
    g->addLayout(nr, r, 4, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Kod"), QStringLiteral("lblKod"), w), r, 0);
    g->addWidget(txtKODK, r, 1, Qt::AlignLeft);
    g->addWidget(etykieta(QStringLiteral("Miejscowość"), QStringLiteral("lblAdres"), w), r, 2);
    g->addWidget(txtAdresK, r, 3);
    g->addWidget(etykieta(QStringLiteral("Poczta"), QStringLiteral("lblPoczta"), w), r, 4);
    g->addWidget(txtPoczta, r, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Ulica"), QStringLiteral("lblUlica"), w), r, 0);
    g->addWidget(txtUlicaK, r, 1);
    g->addWidget(etykieta(QStringLiteral("Nr domu"), QStringLiteral("lblNrDomu"), w), r, 2);
    g->addWidget(txtNumerDomuK, r, 3, Qt::AlignLeft);
    g->addWidget(etykieta(QStringLiteral("Lokal"), QStringLiteral("lblNrLok"), w), r, 4);
    g->addWidget(txtNrLok, r, 5, Qt::AlignLeft);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Bank"), QStringLiteral("lblBank"), w), r, 0);
    g->addWidget(txtBankK, r, 1, 1, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Konto"), QStringLiteral("lblKonto"), w), r, 0);
    g->addWidget(txtKontoK, r, 1, 1, 3);
    g->addWidget(lbKontoNRB, r, 4, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("NIP"), QStringLiteral("lblNIP"), w), r, 0);
    g->addWidget(txtNIPK, r, 1);
    g->addWidget(cmdSprNIP, r, 2);
    g->addWidget(etykieta(QStringLiteral("Kod Identyfikacyjny Klienta"), QStringLiteral("lblKodIden"), w), r, 3);
    g->addWidget(txtKodIden, r, 4, 1, 2);
    ++r;
    g->addWidget(lblTelefon, r, 0);
    g->addWidget(txtTelefon, r, 1);
    g->addWidget(lblMail, r, 2);
    g->addWidget(txtMail, r, 3, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Max105znakow"), QStringLiteral("lblTytulem"), w), r, 0);
    g->addWidget(txtTytulem1, r, 1, 1, 4);
    g->addWidget(CmdSeryjny, r, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Pole sumowania kwot +/ - (Enter)"), QStringLiteral("lblKwotaK"), w), r, 0, 1,
                 2);
    g->addWidget(etykieta(QStringLiteral("VAT(%)"), QStringLiteral("lblVat"), w), r, 2);
    g->addWidget(etykieta(QStringLiteral("Kwota Brutto przelewu"), QStringLiteral("lblKwotaBrutto"), w), r, 3, 1, 2);
    ++r;
    g->addWidget(txtKwotaK, r, 0, 1, 2);
    g->addWidget(txtVat, r, 2);
    g->addWidget(txtKwotaBrutto, r, 3, 1, 2);

    // The contractor buttons and the way back.
    auto* cmdZnajd = przycisk(QStringLiteral("z&Nnajdź skrót"), QStringLiteral("cmdZnajd"), w);
    auto* cmdZmianyK = przycisk(QStringLiteral("&Zapisz Zmiany"), QStringLiteral("cmdZmianyK"), w);
    auto* cmdDodaj = przycisk(QStringLiteral("&Dodaj"), QStringLiteral("cmdDodaj"), w);
    auto* cmdPodglad = przycisk(QStringLiteral("&Podglad +sortowanie"), QStringLiteral("cmdPodglad"), w);
    auto* wyjscieB = przycisk(QStringLiteral("K&Oniec"), QStringLiteral("wyjscie"), w);
    connect(cmdZnajd, &QPushButton::clicked, this, &frmPrzelewB::znajdzSkrot);
    connect(cmdZmianyK, &QPushButton::clicked, this, &frmPrzelewB::zapiszKontrahenta);
    connect(cmdDodaj, &QPushButton::clicked, this, &frmPrzelewB::dodajKontrahenta);
    connect(cmdPodglad, &QPushButton::clicked, this, &frmPrzelewB::podgladKontrahentow);
    connect(wyjscieB, &QPushButton::clicked, this, &frmPrzelewB::wyjscie);
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {cmdZnajd, cmdZmianyK, cmdDodaj, cmdPodglad})
        przyciski->addWidget(b);
    przyciski->addStretch(1);
    przyciski->addWidget(wyjscieB);
    // Height to spare goes above the buttons, the rows stay together.
    g->setRowStretch(++r, 1);
    g->addLayout(przyciski, ++r, 0, 1, 6);

    // Typing order: the title's Enter leads to the amount, the amount to VAT.
    const QList<QWidget*> kolejnosc = {txtNazwa1K, txtNazwa2K, txtSkrotK, txtRodzKl,     txtKODK,    txtAdresK,
                                       txtPoczta,  txtUlicaK,  txtNumerDomuK, txtNrLok,  txtBankK,   txtKontoK,
                                       txtNIPK,    cmdSprNIP,  txtKodIden, txtTelefon,   txtMail,    txtTytulem1,
                                       CmdSeryjny, txtKwotaK,  txtVat,     txtKwotaBrutto};
    for (qsizetype i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    return w;
}

QWidget* frmPrzelewB::zbudujRodzaje()
{
    auto* w = new QGroupBox(QStringLiteral("Rodzaj przelewu"), this);
    w->setObjectName(QStringLiteral("frRodzaj"));
    m_rodzaje = new QButtonGroup(this);
    auto* g = new QGridLayout(w);
    int i = 0;
    for (const OpisRodzaju& r : rodzajePrzelewu()) {
        auto* b = new QRadioButton(r.napis, w);
        b->setObjectName(r.nazwaOpcji);
        m_rodzaje->addButton(b, int(r.rodzaj));
        g->addWidget(b, i / 3, i % 3);
        ++i;
    }
    m_rodzaje->button(int(Rodzaj::Przelew))->setChecked(true);
    return w;
}

QWidget* frmPrzelewB::zbudujPodatkowe()
{
    auto* w = new QWidget(this);
    w->setObjectName(QStringLiteral("frPodatkowe"));
    lbskarbowy = etykieta(QStringLiteral("Rok  |Okres|  NrOkr  |Symbol płatności"), QStringLiteral("lbskarbowy"), w);
    lbskarbowy->installEventFilter(this);
    txtRok = pole(QStringLiteral("txtRok"), w, 3);
    txtOkres = pole(QStringLiteral("txtOkres"), w, 3);
    txtOkres->setToolTip(QStringLiteral("np. M lub R lub P orocze"));
    txtNrOkresu = pole(QStringLiteral("txtNrOkresu"), w, 3);
    txtSymbol = pole(QStringLiteral("txtSymbol"), w, 6);
    txtSymbol->setToolTip(QStringLiteral("Symbol płatności np. VAT7, PIT4, PIT5"));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(lbskarbowy);
    auto* h = new QHBoxLayout;
    for (QLineEdit* e : {txtRok, txtOkres, txtNrOkresu, txtSymbol})
        h->addWidget(e);
    h->addStretch(1);
    v->addLayout(h);
    return w;
}

QWidget* frmPrzelewB::zbudujMojaFirma()
{
    auto* w = new QGroupBox(QStringLiteral("Moja firma"), this);
    w->setObjectName(QStringLiteral("frMojaFirma"));
    lbNIP = etykieta(QString(), QStringLiteral("lbNIP"), w);
    lbKonto1 = etykieta(QString(), QStringLiteral("lbKonto1"), w);
    lbKonto2 = etykieta(QString(), QStringLiteral("lbKonto2"), w);
    lbMikroPodatkowy = etykieta(QString(), QStringLiteral("lbMikroPodatkowy"), w);
    lbdata = etykieta(QString(), QStringLiteral("lbdata"), w);
    for (QLabel* l : {lbNIP, lbKonto1, lbKonto2, lbMikroPodatkowy})
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* g = new QGridLayout(w);
    g->addWidget(etykieta(QStringLiteral("Mój Identyfikator"), QStringLiteral("lblNIP"), w), 0, 0);
    g->addWidget(lbNIP, 0, 1);
    g->addWidget(etykieta(QStringLiteral("NrKonta 1"), QStringLiteral("lblKonto1"), w), 1, 0);
    g->addWidget(lbKonto1, 1, 1);
    g->addWidget(etykieta(QStringLiteral("NrKonta2"), QStringLiteral("lblKonto2"), w), 2, 0);
    g->addWidget(lbKonto2, 2, 1);
    g->addWidget(etykieta(QStringLiteral("MiPodatkowy"), QStringLiteral("lblMikroPodatkowy"), w), 3, 0);
    g->addWidget(lbMikroPodatkowy, 3, 1);
    g->addWidget(etykieta(QStringLiteral("Data"), QStringLiteral("lbldata"), w), 4, 0);
    g->addWidget(lbdata, 4, 1);
    g->setColumnStretch(1, 1);
    return w;
}

bool frmPrzelewB::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lbskarbowy && event->type() == QEvent::MouseButtonRelease)
        kliknietoSkarbowy();
    if (watched == m_banknoty && (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        if (auto* mojaFirma = findChild<QGroupBox*>(QStringLiteral("frMojaFirma")))
            mojaFirma->setVisible(event->type() == QEvent::HideToParent);
    }
    return QWidget::eventFilter(watched, event);
}

void frmPrzelewB::otworz()
{
    Session& s = m_session;
    s.TrybKontrahenta = 0;
    m_paczki->ustawMiesiac(s.miesiacDzis(), s.rokDzis());
    const QStringList konta = kontaWlasne(s.KontoWybrane, s.Konto1Firmy, s.Konto2Firmy, s.Konto3Firmy);
    setWindowTitle(QStringLiteral("Przelew z ") + s.SkrotFirmy + QStringLiteral(" Nr konta ") + konta.value(0)
                   + QStringLiteral(" Data przelewu ") + s.DataDzis);
    pokazMojaFirme();
    m_eksport->ustawFolder(folderEksportu(s.SciezkaProgramu));
    m_paczki->ustawFolder(folderPaczek(s.SciezkaProgramu));
    lbdata->setText(s.DataRobocza);
    if (!isVisible())
        wyczyscWpis();
    txtVat->clear();
    // The kind shown and the kind code start as the ordinary transfer.
    m_rodzaje->button(int(Rodzaj::Przelew))->setChecked(true);
    wybranoRodzaj(int(Rodzaj::Przelew));
    if (pokazDrukarke()) {
        m_paczki->zmienMiesiac();
        m_eksport->pokazPliki();
    }
    if (!m_rozmiarUstalony) {
        // First opening: as tall as the screen allows (up to 960 points) and
        // as wide (up to 1400), so the package grids show many rows and
        // columns; the height beyond what the entry area needs goes to them.
        m_rozmiarUstalony = true;
        if (const QScreen* ekran = screen()) {
            const QRect obszar = ekran->availableGeometry();
            const QSize najmniej = minimumSizeHint();
            resize(std::max(std::min(obszar.width() - 40, 1400), najmniej.width()),
                   std::max(std::min(obszar.height() - 60, 960), najmniej.height()));
        }
    }
    show();
    raise();
    activateWindow();
    txtNazwa1K->setFocus();
}

void frmPrzelewB::pokazMojaFirme()
{
    const Session& s = m_session;
    const QStringList konta = kontaWlasne(s.KontoWybrane, s.Konto1Firmy, s.Konto2Firmy, s.Konto3Firmy);
    lbNIP->setText(s.NipFirmy);
    lbKonto1->setText(konta.value(0));
    lbKonto2->setText(konta.value(1));
    lbMikroPodatkowy->setText(s.Konto4Firmy);
}

bool frmPrzelewB::pokazDrukarke()
{
    if (!m_drukarkaRamka->pokazUstawienia(m_session.SciezkaProgramu)) {
        m_dialogs.messageBox(QStringLiteral("Ustaw drukarke i druk !"),
                             QStringLiteral("Zle wybrana ściezka do przelewów "), Icon::Critical);
        return false;
    }
    return true;
}

void frmPrzelewB::wyjscie()
{
    close();
}

void frmPrzelewB::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    emit zamknieto();
}

} // namespace remitto
