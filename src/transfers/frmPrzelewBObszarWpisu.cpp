// The entry area of the transfer window: building its frames, the keyboard
// order and the opening steps. Its handlers are in frmPrzelewBWpis.cpp, the
// contractor shown in frmPrzelewBKontrahent.cpp.
#include "transfers/frmPrzelewBObszarWpisu.h"

#include "contractors/frmKontrahenci.h"
#include "core/Session.h"
#include "ui/Kontrolki.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace remitto {

using namespace kontrolki;

namespace {

// Kinds show and hide fields; their places stay, so the window keeps its shape.
void zostawMiejsce(std::initializer_list<QWidget*> kontrolki)
{
    for (QWidget* k : kontrolki) {
        QSizePolicy p = k->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        k->setSizePolicy(p);
    }
}

} // namespace

ObszarWpisu::ObszarWpisu(Session& session, Dialogs& dialogs, QWidget* okno)
    : QGroupBox(QStringLiteral("Przelew"), okno), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frWpis"));
    zbudujRodzaje(okno);
    zbudujPodatkowe(okno);
    zbudujRamke();
    polacz();
}

ObszarWpisu::~ObszarWpisu() = default;

void ObszarWpisu::zbudujRamke()
{
    m_nazwa1 = pole(QStringLiteral("txtNazwa1K"), this, 36);
    m_nazwa2 = pole(QStringLiteral("txtNazwa2K"), this, 36);
    m_skrot = pole(QStringLiteral("txtSkrótK"), this, 10);
    m_lbNazwaFirmy = etykieta(QString(), QStringLiteral("lbNazwaFirmy"), this);
    QFont gruba = m_lbNazwaFirmy->font();
    gruba.setBold(true);
    m_lbNazwaFirmy->setFont(gruba);
    m_nrKolejny = pole(QStringLiteral("txtNrKol"), this, 5);
    m_nrKolejny->setReadOnly(true);  // the contractor shown: set by a search or a hand-over
    m_nrKolejny->setFocusPolicy(Qt::NoFocus);
    m_platnik = pole(QStringLiteral("txtRodzKl"), this, 2);
    m_kod = pole(QStringLiteral("txtKODK"), this, 6);
    m_miejscowosc = pole(QStringLiteral("txtAdresK"), this);
    m_poczta = pole(QStringLiteral("txtPoczta"), this);
    m_ulica = pole(QStringLiteral("txtUlicaK"), this);
    m_numerDomu = pole(QStringLiteral("txtNumerDomuK"), this, 5);
    m_numerLokalu = pole(QStringLiteral("txtNrLok"), this, 4);
    m_bank = pole(QStringLiteral("txtBankK"), this);
    m_konto = pole(QStringLiteral("txtKontoK"), this, 34);
    m_lbZnakKonta = etykieta(QString(), QStringLiteral("lbKontoNRB"), this);
    m_lbZnakKonta->setMinimumWidth(m_lbZnakKonta->fontMetrics().horizontalAdvance(QStringLiteral("NRB błędny")));
    m_nip = pole(QStringLiteral("txtNIPK"), this, 13);
    m_kodIden = pole(QStringLiteral("txtKodIden"), this);
    m_telefon = pole(QStringLiteral("txtTelefon"), this);
    m_mail = pole(QStringLiteral("txtMail"), this);
    m_tytul = pole(QStringLiteral("txtTytulem1"), this, 50);
    m_tytul->setMaxLength(105);
    m_kwota = pole(QStringLiteral("txtKwotaK"), this, 12);
    m_kwota->setToolTip(QStringLiteral("Kwota z miejscami dz po przecinku np12,34"));
    m_vat = pole(QStringLiteral("txtVat"), this, 5);
    m_brutto = pole(QStringLiteral("txtKwotaBrutto"), this, 12);

    m_cmdSprawdzNip = przycisk(QStringLiteral("&Sprawdź NIP"), QStringLiteral("cmdSprNIP"), this);
    m_cmdSeryjny = przycisk(QStringLiteral("&Wstaw opis seryjny"), QStringLiteral("CmdSeryjny"), this);
    connect(m_cmdSprawdzNip, &QPushButton::clicked, this, &ObszarWpisu::sprawdzNIP);
    connect(m_cmdSeryjny, &QPushButton::clicked, this, &ObszarWpisu::opisSeryjny);
    m_lbTelefon = etykieta(QStringLiteral("Telefon"), QStringLiteral("lblTelefon"), this);
    m_lbMail = etykieta(QStringLiteral("Mail"), QStringLiteral("lblMail"), this);

    auto* g = new QGridLayout(this);
    g->setColumnStretch(1, 2);
    g->setColumnStretch(3, 1);
    g->setColumnStretch(5, 1);
    int r = 0;
    g->addWidget(etykieta(QStringLiteral("Nazwa Kontrahenta"), QStringLiteral("lblNazwa"), this), r, 0);
    g->addWidget(m_nazwa1, r, 1, 1, 5);
    g->addWidget(m_nazwa2, ++r, 1, 1, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Skrót"), QStringLiteral("lblSkrot"), this), r, 0);
    g->addWidget(m_skrot, r, 1);
    g->addWidget(m_lbNazwaFirmy, r, 2, 1, 2);
    auto* nr = new QHBoxLayout;
    nr->addWidget(etykieta(QStringLiteral("Nr kol"), QStringLiteral("lblNrKol"), this));
    nr->addWidget(m_nrKolejny);
    nr->addWidget(etykieta(QStringLiteral("Płatnik"), QStringLiteral("lblRodzKl"), this));
    nr->addWidget(m_platnik);
    g->addLayout(nr, r, 4, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Kod"), QStringLiteral("lblKod"), this), r, 0);
    g->addWidget(m_kod, r, 1, Qt::AlignLeft);
    g->addWidget(etykieta(QStringLiteral("Miejscowość"), QStringLiteral("lblAdres"), this), r, 2);
    g->addWidget(m_miejscowosc, r, 3);
    g->addWidget(etykieta(QStringLiteral("Poczta"), QStringLiteral("lblPoczta"), this), r, 4);
    g->addWidget(m_poczta, r, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Ulica"), QStringLiteral("lblUlica"), this), r, 0);
    g->addWidget(m_ulica, r, 1);
    g->addWidget(etykieta(QStringLiteral("Nr domu"), QStringLiteral("lblNrDomu"), this), r, 2);
    g->addWidget(m_numerDomu, r, 3, Qt::AlignLeft);
    g->addWidget(etykieta(QStringLiteral("Lokal"), QStringLiteral("lblNrLok"), this), r, 4);
    g->addWidget(m_numerLokalu, r, 5, Qt::AlignLeft);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Bank"), QStringLiteral("lblBank"), this), r, 0);
    g->addWidget(m_bank, r, 1, 1, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Konto"), QStringLiteral("lblKonto"), this), r, 0);
    g->addWidget(m_konto, r, 1, 1, 3);
    g->addWidget(m_lbZnakKonta, r, 4, 1, 2);
    ++r;
    g->addWidget(etykieta(QStringLiteral("NIP"), QStringLiteral("lblNIP"), this), r, 0);
    g->addWidget(m_nip, r, 1);
    g->addWidget(m_cmdSprawdzNip, r, 2);
    g->addWidget(etykieta(QStringLiteral("Kod Identyfikacyjny Klienta"), QStringLiteral("lblKodIden"), this), r, 3);
    g->addWidget(m_kodIden, r, 4, 1, 2);
    ++r;
    g->addWidget(m_lbTelefon, r, 0);
    g->addWidget(m_telefon, r, 1);
    g->addWidget(m_lbMail, r, 2);
    g->addWidget(m_mail, r, 3, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Max105znakow"), QStringLiteral("lblTytulem"), this), r, 0);
    g->addWidget(m_tytul, r, 1, 1, 4);
    g->addWidget(m_cmdSeryjny, r, 5);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Pole sumowania kwot +/ - (Enter)"), QStringLiteral("lblKwotaK"), this), r,
                 0, 1, 2);
    g->addWidget(etykieta(QStringLiteral("VAT(%)"), QStringLiteral("lblVat"), this), r, 2);
    g->addWidget(etykieta(QStringLiteral("Kwota Brutto przelewu"), QStringLiteral("lblKwotaBrutto"), this), r, 3, 1,
                 2);
    ++r;
    g->addWidget(m_kwota, r, 0, 1, 2);
    g->addWidget(m_vat, r, 2);
    g->addWidget(m_brutto, r, 3, 1, 2);

    // The contractor buttons and the way back.
    auto* cmdZnajd = przycisk(QStringLiteral("z&Nnajdź skrót"), QStringLiteral("cmdZnajd"), this);
    auto* cmdZmianyK = przycisk(QStringLiteral("&Zapisz Zmiany"), QStringLiteral("cmdZmianyK"), this);
    auto* cmdDodaj = przycisk(QStringLiteral("&Dodaj"), QStringLiteral("cmdDodaj"), this);
    auto* cmdPodglad = przycisk(QStringLiteral("&Podglad +sortowanie"), QStringLiteral("cmdPodglad"), this);
    auto* wyjscie = przycisk(QStringLiteral("K&Oniec"), QStringLiteral("wyjscie"), this);
    connect(cmdZnajd, &QPushButton::clicked, this, &ObszarWpisu::znajdzSkrot);
    connect(cmdZmianyK, &QPushButton::clicked, this, &ObszarWpisu::zapiszKontrahenta);
    connect(cmdDodaj, &QPushButton::clicked, this, &ObszarWpisu::dodajKontrahenta);
    connect(cmdPodglad, &QPushButton::clicked, this, &ObszarWpisu::podgladKontrahentow);
    connect(wyjscie, &QPushButton::clicked, this, &ObszarWpisu::koniec);
    m_przyciski = {cmdZnajd, cmdZmianyK, cmdDodaj, cmdPodglad, wyjscie};
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {cmdZnajd, cmdZmianyK, cmdDodaj, cmdPodglad})
        przyciski->addWidget(b);
    przyciski->addStretch(1);
    przyciski->addWidget(wyjscie);
    // Height to spare goes above the buttons, the rows stay together.
    g->setRowStretch(++r, 1);
    g->addLayout(przyciski, ++r, 0, 1, 6);

    // Typing order: the title's Enter leads to the amount, the amount to VAT.
    const QList<QWidget*> kolejnosc = {
        m_nazwa1, m_nazwa2, m_skrot, m_platnik, m_kod, m_miejscowosc, m_poczta, m_ulica,
        m_numerDomu, m_numerLokalu, m_bank, m_konto, m_nip, m_cmdSprawdzNip, m_kodIden, m_telefon,
        m_mail, m_tytul, m_cmdSeryjny, m_kwota, m_vat, m_brutto};
    for (qsizetype i = 1; i < kolejnosc.size(); ++i)
        setTabOrder(kolejnosc[i - 1], kolejnosc[i]);
    zostawMiejsce({m_telefon, m_mail, m_lbTelefon, m_lbMail});
}

void ObszarWpisu::zbudujRodzaje(QWidget* okno)
{
    auto* w = new QGroupBox(QStringLiteral("Rodzaj przelewu"), okno);
    w->setObjectName(QStringLiteral("frRodzaj"));
    m_ramkaRodzajow = w;
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
}

void ObszarWpisu::zbudujPodatkowe(QWidget* okno)
{
    auto* w = new QWidget(okno);
    w->setObjectName(QStringLiteral("frPodatkowe"));
    m_ramkaPodatkowa = w;
    m_lbPodatkowe =
        etykieta(QStringLiteral("Rok  |Okres|  NrOkr  |Symbol płatności"), QStringLiteral("lbskarbowy"), w);
    m_lbPodatkowe->installEventFilter(this);
    m_rok = pole(QStringLiteral("txtRok"), w, 3);
    m_okres = pole(QStringLiteral("txtOkres"), w, 3);
    m_okres->setToolTip(QStringLiteral("np. M lub R lub P orocze"));
    m_nrOkresu = pole(QStringLiteral("txtNrOkresu"), w, 3);
    m_symbol = pole(QStringLiteral("txtSymbol"), w, 6);
    m_symbol->setToolTip(QStringLiteral("Symbol płatności np. VAT7, PIT4, PIT5"));
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->addWidget(m_lbPodatkowe);
    auto* h = new QHBoxLayout;
    for (QLineEdit* e : {m_rok, m_okres, m_nrOkresu, m_symbol})
        h->addWidget(e);
    h->addStretch(1);
    v->addLayout(h);
    zostawMiejsce({m_lbPodatkowe, m_rok, m_okres, m_nrOkresu, m_symbol});
}

void ObszarWpisu::ustawKolejnosc(const QList<QWidget*>& wstawione)
{
    // After the amounts the keyboard goes on to the kind, the tax fields and
    // the window's boxes, then to the contractor buttons.
    QList<QWidget*> dalej = {m_brutto};
    for (QAbstractButton* b : m_rodzaje->buttons())
        dalej.append(b);
    dalej << m_rok << m_okres << m_nrOkresu << m_symbol;
    dalej << wstawione;
    for (QPushButton* b : m_przyciski)
        dalej.append(b);
    for (qsizetype i = 1; i < dalej.size(); ++i)
        setTabOrder(dalej[i - 1], dalej[i]);
}

bool ObszarWpisu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lbPodatkowe && event->type() == QEvent::MouseButtonRelease)
        kliknietoSkarbowy();
    return QGroupBox::eventFilter(watched, event);
}

void ObszarWpisu::otworz(bool pusty)
{
    if (pusty)
        wyczysc();
    m_vat->clear();
    // The kind shown and the kind code start as the ordinary transfer.
    m_rodzaje->button(int(Rodzaj::Przelew))->setChecked(true);
    rodzajWybrany(int(Rodzaj::Przelew));
}

void ObszarWpisu::zacznijPisanie()
{
    m_nazwa1->setFocus();
}

} // namespace remitto
