#include "shell/frmMojaFirma.h"

#include "core/NazwaPliku.h"
#include "core/Session.h"
#include "core/modZmiene.h"
#include "shell/MojaFirmaRekordy.h"
#include "ui/Dialogs.h"
#include "ui/Kontrolki.h"
#include "ui/ZgodaNaNaprawe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace remitto {

using namespace kontrolki;

namespace {

const QString kBrakSkrotu = QStringLiteral("Nie znaleziono rekordu o tym skrócie");
const QString kTytulBledu = QStringLiteral("Błąd");




} // namespace

frmMojaFirma::frmMojaFirma(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmMojaFirma"));
    setWindowTitle(QStringLiteral("Remitto - Moja Firma"));
    zbudujOkno();
}

void frmMojaFirma::zbudujOkno()
{
    // Short name frame and record navigation.
    auto* frame = new QGroupBox(QStringLiteral("Skrót  własnej Firmy"), this);
    frame->setObjectName(QStringLiteral("frMojaFirma"));
    m_lbNazwaFirmyM = etykieta(QString(), QStringLiteral("lbNazwaFirmyM"), frame);
    QFont duza = m_lbNazwaFirmyM->font();
    duza.setBold(true);
    duza.setPointSizeF(duza.pointSizeF() * 1.5);
    m_lbNazwaFirmyM->setFont(duza);
    m_lbNazwaFirmyM->setMinimumWidth(m_lbNazwaFirmyM->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMM")));
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(m_lbNazwaFirmyM);

    auto* cmdWstecz = przycisk(QStringLiteral("<-"), QStringLiteral("cmdWstecz"), this);
    auto* cmdNext = przycisk(QStringLiteral("->"), QStringLiteral("cmdNext"), this);
    m_txtNrIdM = pole(QStringLiteral("txtNrIdM"), this);
    m_txtNrIdM->setReadOnly(true);  // the number is the record's place in the file
    m_txtNrIdM->setAlignment(Qt::AlignRight);
    m_txtNrIdM->setMaximumWidth(m_txtNrIdM->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_lbKatalog = etykieta(QStringLiteral("od  1 .... do "), QStringLiteral("lbKatalog"), this);
    m_lbOstatni = etykieta(QStringLiteral("0"), QStringLiteral("lbOstatni"), this);

    auto* nawigacja = new QHBoxLayout;
    nawigacja->addWidget(cmdWstecz);
    nawigacja->addWidget(m_txtNrIdM);
    nawigacja->addWidget(m_lbKatalog);
    nawigacja->addWidget(m_lbOstatni);
    nawigacja->addWidget(cmdNext);

    auto* gora = new QHBoxLayout;
    gora->addWidget(frame);
    gora->addStretch(1);
    gora->addLayout(nawigacja);

    // The record's values.
    m_txtSkrotM = pole(QStringLiteral("txtSkrótM"), this);
    m_txtNazwaM = pole(QStringLiteral("txtNazwaM"), this);
    m_txtNazwa2M = pole(QStringLiteral("txtNazwa2M"), this);
    m_txtKODM = pole(QStringLiteral("txtKODM"), this);
    m_txtAdresM = pole(QStringLiteral("txtAdresM"), this);
    m_txtUlicaM = pole(QStringLiteral("txtUlicaM"), this);
    m_txtNumerDomuM = pole(QStringLiteral("txtNumerDomuM"), this);
    const int szerokoscKonta = fontMetrics().horizontalAdvance(QString(34, QLatin1Char('0')));
    for (int i = 0; i < 4; ++i) {
        m_txtKontoM[i] = pole(QStringLiteral("txtKontoM%1").arg(i), this);
        m_txtKontoM[i]->setMinimumWidth(szerokoscKonta);
    }
    m_txtidn = pole(QStringLiteral("txtidn"), this);
    m_txtNIPpes = pole(QStringLiteral("txtNIPpes"), this);
    m_txtSciezkaDoKramix = pole(QStringLiteral("txtSciezkaDoKramix"), this);
    m_txtSciezkaDoEcorponet = pole(QStringLiteral("txtSciezkaDoEcorponet"), this);

    m_optKonto[0] = new QRadioButton(QStringLiteral("Konto1"), this);
    m_optKonto[0]->setObjectName(QStringLiteral("Konto1"));
    m_optKonto[1] = new QRadioButton(QStringLiteral("Konto2"), this);
    m_optKonto[1]->setObjectName(QStringLiteral("Option2"));
    m_optKonto[2] = new QRadioButton(QStringLiteral("Konto3"), this);
    m_optKonto[2]->setObjectName(QStringLiteral("Option3"));
    m_grupaKont = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i)
        m_grupaKont->addButton(m_optKonto[i], i);

    auto* g = new QGridLayout;
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    int r = 0;
    g->addWidget(etykieta(QStringLiteral("Skrót"), QStringLiteral("lblSkrot"), this), r, 0);
    g->addWidget(m_txtSkrotM, r, 1);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Nazwa 1"), QStringLiteral("lblNazwa1"), this), r, 0);
    g->addWidget(m_txtNazwaM, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Nazwa 2"), QStringLiteral("lblNazwa2"), this), r, 0);
    g->addWidget(m_txtNazwa2M, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Kod"), QStringLiteral("lblKod"), this), r, 0);
    g->addWidget(m_txtKODM, r, 1);
    g->addWidget(etykieta(QStringLiteral("Adres"), QStringLiteral("lblAdres"), this), r, 2);
    g->addWidget(m_txtAdresM, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Ulica"), QStringLiteral("lblUlica"), this), r, 0);
    g->addWidget(m_txtUlicaM, r, 1);
    g->addWidget(etykieta(QStringLiteral("Numer domu"), QStringLiteral("lblNumerDomu"), this), r, 2);
    g->addWidget(m_txtNumerDomuM, r, 3);
    for (int i = 0; i < 4; ++i) {
        ++r;
        g->addWidget(etykieta(QStringLiteral("Konto %1").arg(i + 1), QStringLiteral("lblKonto%1").arg(i + 1), this),
                     r, 0);
        g->addWidget(m_txtKontoM[i], r, 1, 1, 2);
        if (i < 3)
            g->addWidget(m_optKonto[i], r, 3, Qt::AlignLeft);
        else
            g->addWidget(etykieta(QStringLiteral("Mikro podatkowy"), QStringLiteral("lblMikroPodatkowy"), this),
                         r, 3);
    }
    ++r;
    g->addWidget(etykieta(QStringLiteral("Typ Ident"), QStringLiteral("lblTypIdent"), this), r, 0);
    g->addWidget(m_txtidn, r, 1);
    g->addWidget(etykieta(QStringLiteral("Nip   Pes"), QStringLiteral("lblNipPes"), this), r, 2);
    g->addWidget(m_txtNIPpes, r, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Ścieżka do Kramix"), QStringLiteral("lblSciezkaDoKramix"), this), r, 0);
    g->addWidget(m_txtSciezkaDoKramix, r, 1, 1, 3);
    ++r;
    g->addWidget(etykieta(QStringLiteral("Ścieżka do Ecorponet"), QStringLiteral("lblSciezkaDoEcorponet"), this),
                 r, 0);
    g->addWidget(m_txtSciezkaDoEcorponet, r, 1, 1, 3);

    // Actions.
    auto* cmdDodaj = przycisk(QStringLiteral("&Dodaj"), QStringLiteral("cmdDodaj"), this);
    auto* cmdZmianyM = przycisk(QStringLiteral("&Zapisz Zmiany"), QStringLiteral("cmdZmianyM"), this);
    auto* cmdUsun = przycisk(QStringLiteral("&Usuń"), QStringLiteral("cmdUsuń"), this);
    auto* cmdZnajdz = przycisk(QStringLiteral("z&Najdź"), QStringLiteral("cmdZnajdź"), this);
    auto* cmdKoniecM = przycisk(QStringLiteral("&Koniec-wstaw"), QStringLiteral("cmdKoniecM"), this);
    auto* dol = new QHBoxLayout;
    dol->addWidget(cmdDodaj);
    dol->addWidget(cmdZmianyM);
    dol->addWidget(cmdUsun);
    dol->addWidget(cmdZnajdz);
    dol->addStretch(1);
    dol->addWidget(cmdKoniecM);

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(6);
    uklad->addLayout(g);
    uklad->addSpacing(6);
    uklad->addLayout(dol);

    connect(cmdWstecz, &QPushButton::clicked, this, &frmMojaFirma::wstecz);
    connect(cmdNext, &QPushButton::clicked, this, &frmMojaFirma::dalej);
    connect(cmdDodaj, &QPushButton::clicked, this, &frmMojaFirma::dodaj);
    connect(cmdZmianyM, &QPushButton::clicked, this, &frmMojaFirma::zapiszZmiany);
    connect(cmdUsun, &QPushButton::clicked, this, &frmMojaFirma::usun);
    connect(cmdZnajdz, &QPushButton::clicked, this, &frmMojaFirma::znajdz);
    connect(cmdKoniecM, &QPushButton::clicked, this, &frmMojaFirma::koniecWstaw);
    // Escape does what "Koniec-wstaw" does, so nothing it would hand over is lost.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &frmMojaFirma::koniecWstaw);
    connect(m_grupaKont, &QButtonGroup::idClicked, this, &frmMojaFirma::wybranoKonto);
    connect(m_txtKODM, &QLineEdit::textEdited, this, &frmMojaFirma::kodWpisany);
    connect(m_txtKODM, &QLineEdit::returnPressed, m_txtAdresM, [this] { m_txtAdresM->setFocus(); });
    connect(m_txtidn, &QLineEdit::textEdited, this, [this](const QString& t) { m_session.IdnFirmy = t; });
    connect(m_txtNIPpes, &QLineEdit::textEdited, this, [this](const QString& t) { m_session.NipFirmy = t; });
}

QString frmMojaFirma::plik() const
{
    return m_session.dataPath(kPlikMojaFirma);
}

void frmMojaFirma::otworz()
{
    m_session.PlikMojaFirma = plik();
    const WynikFirmy w = pierwszaFirma(plik());
    pokazLiczbe(w.liczba);
    if (w.wynik == WynikRekordu::Gotowe)
        pokaz(w.firma);
    else
        pokazPusty();
    zaznaczKonto();
    show();
    raise();
    activateWindow();
    if (w.stan != StanPliku::Caly)
        pokazBladOdczytu(w);
}

void frmMojaFirma::pokazBladOdczytu(const WynikFirmy& w)
{
    if (w.stan == StanPliku::Brak)
        m_dialogs.messageBox(w.blad + QStringLiteral("\nDane własnej firmy wpisz po kliknięciu Dodaj."),
                             kTytulBledu, Icon::Exclamation);
    else
        m_dialogs.messageBox(w.blad + QStringLiteral("\nOkno pokazuje tylko rekordy, które udało się odczytać."),
                             kTytulBledu, Icon::Critical);
}

bool frmMojaFirma::przepisz(const std::function<WynikFirmy(bool)>& operacja, WynikFirmy& w)
{
    w = operacja(false);
    if (w.wynik == WynikRekordu::WymagaZgody) {
        if (!zgodaNaNaprawe(m_dialogs, DamagedFile::OwnCompanies, w.blad))
            return false;
        w = operacja(true);
    }
    if (w.wynik == WynikRekordu::BladZapisu) {
        m_dialogs.messageBox(w.blad + QStringLiteral("\nPlik nie został zmieniony."), kTytulBledu, Icon::Critical);
        return false;
    }
    return w.wynik == WynikRekordu::Gotowe;
}

void frmMojaFirma::pokaz(const Firma& f)
{
    m_firma = f;
    m_txtNrIdM->setText(f.nrId);
    m_txtSkrotM->setText(f.skrot.toUpper());
    m_txtNazwaM->setText(f.nazwa);
    m_txtNazwa2M->setText(f.nazwa2);
    m_txtKODM->setText(f.kod);
    m_txtAdresM->setText(f.miasto);
    m_txtUlicaM->setText(f.ulica);
    m_txtNumerDomuM->setText(f.numerDomu);
    for (int i = 0; i < 4; ++i)
        m_txtKontoM[i]->setText(f.konto[static_cast<size_t>(i)]);
    m_txtidn->setText(f.idn);
    m_txtNIPpes->setText(f.nip);
    m_txtSciezkaDoKramix->setText(f.sciezkaKramix);
    m_txtSciezkaDoEcorponet->setText(f.sciezkaEcorponet);
    m_lbNazwaFirmyM->setText(f.skrot.toUpper());
    // A record whose short name cannot name a file is shown to be mended,
    // never made the program's company.
    if (bladSkrotuFirmy(f.skrot).isEmpty())
        firmaDoSesji(f, m_session);
    else
        wyczyscFirme(m_session);
}

void frmMojaFirma::pokazPusty()
{
    Firma pusta;
    pusta.nrId = QStringLiteral("1");
    m_firma = pusta;
    m_txtNrIdM->setText(pusta.nrId);
    for (QLineEdit* e : {m_txtSkrotM, m_txtNazwaM, m_txtNazwa2M, m_txtKODM, m_txtAdresM, m_txtUlicaM,
                         m_txtNumerDomuM, m_txtidn, m_txtNIPpes, m_txtSciezkaDoKramix, m_txtSciezkaDoEcorponet})
        e->clear();
    for (QLineEdit* e : m_txtKontoM)
        e->clear();
    m_lbNazwaFirmyM->clear();
}

void frmMojaFirma::pokazLiczbe(int liczba)
{
    m_liczba = liczba;
    m_lbOstatni->setText(QString::number(liczba));
}

void frmMojaFirma::zaznaczKonto()
{
    const int i = m_session.NrKontaWybranego;
    if (i >= 0 && i < 3) {
        m_optKonto[static_cast<size_t>(i)]->setChecked(true);
        return;
    }
    // The micro-account is never chosen here: no option button stands for it.
    m_grupaKont->setExclusive(false);
    for (QRadioButton* b : m_optKonto)
        b->setChecked(false);
    m_grupaKont->setExclusive(true);
}

Firma frmMojaFirma::zOkna() const
{
    Firma f;
    f.nrId = m_firma.nrId;
    f.skrot = m_txtSkrotM->text();
    f.nazwa = m_txtNazwaM->text();
    f.nazwa2 = m_txtNazwa2M->text();
    f.kod = m_txtKODM->text();
    f.miasto = m_txtAdresM->text();
    f.ulica = m_txtUlicaM->text();
    f.numerDomu = m_txtNumerDomuM->text();
    for (int i = 0; i < 4; ++i)
        f.konto[static_cast<size_t>(i)] = m_txtKontoM[i]->text();
    f.idn = m_txtidn->text();
    f.nip = m_txtNIPpes->text();
    f.sciezkaKramix = m_txtSciezkaDoKramix->text();
    f.sciezkaEcorponet = m_txtSciezkaDoEcorponet->text();
    return f;
}

void frmMojaFirma::przejdz(int krok)
{
    const WynikFirmy w = sasiedniaFirma(plik(), m_firma.nrId.trimmed().toInt(), krok);
    if (w.wynik != WynikRekordu::Gotowe) {
        // Nothing to go to: tell why when the file itself is at fault.
        if (w.stan != StanPliku::Caly)
            pokazBladOdczytu(w);
        return;
    }
    pokazLiczbe(w.liczba);
    pokaz(w.firma);
}

void frmMojaFirma::wstecz()
{
    przejdz(-1);
}

void frmMojaFirma::dalej()
{
    przejdz(+1);
}

void frmMojaFirma::dodaj()
{
    if (m_dialogs.messageBox(QStringLiteral("Dodaj nowy rekord i kliknij Zapisz Zmiany"), QStringLiteral("Dodaj rekord"),
                             Icon::Question, Buttons::OkCancel)
        != Answer::Ok)
        return;
    const QString path = plik();
    WynikFirmy w;
    if (!przepisz([&](bool nadpisz) { return dodajFirme(path, nadpisz); }, w))
        return;
    pokazLiczbe(w.liczba);
    pokaz(w.firma);
    m_txtNazwaM->setFocus();
}

void frmMojaFirma::zapiszZmiany()
{
    const QString path = plik();
    const int nr = m_firma.nrId.trimmed().toInt();
    const Firma wartosci = zOkna();
    if (!skrotDobry(wartosci.skrot))
        return;
    WynikFirmy w;
    if (!przepisz([&](bool nadpisz) { return zapiszFirme(path, nr, wartosci, nadpisz); }, w)) {
        if (w.wynik == WynikRekordu::NieZnaleziono)
            m_dialogs.messageBox(QStringLiteral("W pliku %1 nie ma rekordu nr %2. Zmiany nie zostały zapisane."
                                                "\nNowy rekord utwórz przyciskiem Dodaj.")
                                     .arg(path, m_firma.nrId),
                                 kTytulBledu, Icon::Exclamation);
        return;
    }
    pokazLiczbe(w.liczba);
    pokaz(w.firma);
    m_dialogs.messageBox(QStringLiteral("Zmiany zostały wprowadzone"), kAppTitle, Icon::Exclamation);
}

void frmMojaFirma::usun()
{
    if (m_liczba == 0) {
        m_dialogs.messageBox(QStringLiteral("Juz nie ma co usuwać !"), kTytulBledu, Icon::Critical);
        return;
    }
    if (m_dialogs.messageBox(QStringLiteral("Czy naprawdę chcesz usunąć ten rekord ?"), QStringLiteral("Usuwa rekord"),
                             Icon::Question, Buttons::OkCancel)
        != Answer::Ok)
        return;
    // The short name of the record as it was read, not a half-edited box.
    const QString path = plik();
    const QString skrot = m_firma.skrot;
    WynikFirmy w;
    if (!przepisz([&](bool nadpisz) { return usunFirme(path, skrot, nadpisz); }, w)) {
        if (w.wynik == WynikRekordu::NieZnaleziono)
            m_dialogs.messageBox(kBrakSkrotu, kAppTitle, Icon::Exclamation);
        return;
    }
    pokazLiczbe(w.liczba);
    if (w.liczba > 0)
        pokaz(w.firma);
    else
        pokazPusty();
}

void frmMojaFirma::znajdz()
{
    const std::optional<QString> odp =
        m_dialogs.inputBox(QStringLiteral("Wprowadź szukany Skrót nazwy"), QStringLiteral("Poszukiwanie rekordu"));
    if (!odp || odp->trimmed().isEmpty())
        return;
    const WynikFirmy w = znajdzFirme(plik(), odp->trimmed());
    if (w.wynik != WynikRekordu::Gotowe) {
        if (w.liczba == 0 && w.stan != StanPliku::Caly)
            pokazBladOdczytu(w);
        else
            m_dialogs.messageBox(kBrakSkrotu, kAppTitle, Icon::Exclamation);
        return;
    }
    pokazLiczbe(w.liczba);
    pokaz(w.firma);
}

void frmMojaFirma::wybranoKonto(int indeks)
{
    m_session.NrKontaWybranego = indeks;
    m_session.KontoWybrane = m_txtKontoM[static_cast<size_t>(indeks)]->text();
}

void frmMojaFirma::kodWpisany(const QString& kod)
{
    if (kod.size() != 6)
        return;
    KodPocztowy(kod, m_session);
    // A code missing from the table leaves the town as typed.
    if (!m_session.PocztaZKodu.isEmpty())
        m_txtAdresM->setText(m_session.PocztaZKodu);
}

bool frmMojaFirma::skrotDobry(const QString& skrot)
{
    const QString blad = bladSkrotuFirmy(skrot);
    if (blad.isEmpty())
        return true;
    m_dialogs.messageBox(blad, kTytulBledu, Icon::Exclamation);
    m_txtSkrotM->setFocus();
    m_txtSkrotM->selectAll();
    return false;
}

void frmMojaFirma::koniecWstaw()
{
    if (m_liczba > 0 && !skrotDobry(m_txtSkrotM->text()))
        return;
    if (m_liczba == 0) {
        wyczyscFirme(m_session);
    } else {
        // The chosen account, short name, identifiers and Ecorponet folder
        // go to the program as the boxes show them; names, address and the
        // shop folder only as saved.
        const int i = m_session.NrKontaWybranego >= 0 && m_session.NrKontaWybranego < 4 ? m_session.NrKontaWybranego : 0;
        wstawFirme(m_session, {m_txtKontoM[static_cast<size_t>(i)]->text(), m_txtSkrotM->text(), m_txtNIPpes->text(),
                               m_txtidn->text(), m_txtSciezkaDoEcorponet->text()});
    }
    emit przekazano();
    close();
}

} // namespace remitto
