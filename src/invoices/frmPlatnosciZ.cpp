#include "invoices/frmPlatnosciZ.h"

#include "core/Amount.h"
#include "core/Session.h"
#include "history/frmHistoria.h"
#include "invoices/PlatnoscFaktury.h"
#include "invoices/frmKorektaFakturyZ.h"
#include "transfers/Przelew.h"
#include "ui/SkrotyPrzyciskow.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "ui/RekordyWSiatce.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QVBoxLayout>
#include <QShortcut>
#include <QSignalBlocker>

#include <algorithm>

namespace remitto {

using namespace kontrolki;

namespace {

const QString kTytulListy = QStringLiteral("Faktury zakupu z Kramix");

const QColor kCzerwony(255, 0, 0);
const QColor kJasnoZielony(128, 255, 128);
const QColor kZielony(0, 255, 0);


QLineEdit* pole(const QString& nazwa, int znakow, QWidget* rodzic)
{
    auto* e = new QLineEdit(rodzic);
    e->setObjectName(nazwa);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(znakow, QLatin1Char('0'))) + 16);
    return e;
}


const QList<int>& szerokosciPrzelewow()
{
    static const QList<int> s = {400, 3000, 2000, 2500, 950, 800, 1000, 4500, 900, 900, 900, 900, 900, 1100,
                                 1500, 600, 1500, 600, 1200, 2500, 1200, 600, 600, 1200, 800, 500, 500, 800};
    return s;
}

} // namespace

frmPlatnosciZ::frmPlatnosciZ(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPlatnosciZ"));
    setWindowTitle(QStringLiteral("Płatności własne z faktur zakupu"));
    zbudujOkno();
    // One key for each button of the month's road; listed in the README.
    dodajSkrotyPrzyciskow(this, {{"cmdWszystkie", QKeySequence(Qt::Key_F2)},
                                 {"CmdFaktura", QKeySequence(Qt::Key_F3)},
                                 {"CmdTylkoNieSplacone", QKeySequence(Qt::Key_F4)},
                                 {"cmdTylkoKontrahent", QKeySequence(Qt::Key_F5)},
                                 {"cmdZapiszPaczke", QKeySequence(Qt::Key_F6)},
                                 {"cmdDoPrzelewu", QKeySequence(Qt::Key_F7)},
                                 {"Option2", QKeySequence(Qt::Key_F8)},
                                 {"Option1", QKeySequence(Qt::Key_F9)}});
    dodajKlawiszSiatki(this, "MSFlexGrid1", "cmdUsunPlatnosc", QKeySequence(Qt::Key_Delete));
}

frmPlatnosciZ::~frmPlatnosciZ() = default;

frmKorektaFakturyZ* frmPlatnosciZ::podglad() const
{
    return m_podglad;
}

void frmPlatnosciZ::zbudujOkno()
{
    // The year, months and search word.
    m_lbSciezkadoKramix = etykieta(QString(), QStringLiteral("lbSciezkadoKramix"), this);
    m_Label13 = etykieta(QString(), QStringLiteral("Label13"), this);
    m_txtRokFr = pole(QStringLiteral("txtRokFr"), 5, this);
    m_cmbMiesiacFr = new QComboBox(this);
    m_cmbMiesiacFr->setObjectName(QStringLiteral("cmbMiesiacFr"));
    for (int m = 1; m <= 12; ++m)
        m_cmbMiesiacFr->addItem(QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0')));
    m_txtMiesiacZ = pole(QStringLiteral("txtMiesiacZ"), 3, this);
    m_txtSlowo = pole(QStringLiteral("txtSlowo"), 14, this);
    m_txtDoSplatyOD = pole(QStringLiteral("txtDoSplatyOD"), 8, this);
    m_txtDoSplatyOD->setEnabled(false);  // no action reads it

    auto* gora = new QHBoxLayout;
    gora->addWidget(etykieta(QStringLiteral("Ścieżka do Kramix"), QString(), this));
    gora->addWidget(m_lbSciezkadoKramix, 1);
    gora->addWidget(etykieta(QStringLiteral("Data Akt"), QString(), this));
    gora->addWidget(m_Label13);
    gora->addSpacing(12);
    auto* lbRok = etykieta(QStringLiteral("RRRR"), QString(), this);
    lbRok->setBuddy(m_txtRokFr);
    gora->addWidget(lbRok);
    gora->addWidget(m_txtRokFr);
    gora->addWidget(m_cmbMiesiacFr);
    gora->addWidget(m_txtMiesiacZ);
    gora->addWidget(m_txtDoSplatyOD);
    gora->addWidget(etykieta(QStringLiteral("Skrót"), QString(), this));
    gora->addWidget(m_txtSlowo);

    // The list actions.
    auto* cmdNaDzis = przycisk(QStringLiteral("&NaDziś"), QStringLiteral("cmdNaDzis"), this);
    auto* cmdNiesplacone = przycisk(QStringLiteral("&Tylko niespłacone"), QStringLiteral("CmdTylkoNieSplacone"), this);
    auto* cmdWszystkie = przycisk(QStringLiteral("&Wszystkie"), QStringLiteral("cmdWszystkie"), this);
    auto* cmdZmiany = przycisk(QStringLiteral("&Pokaż tylko miesiąc "), QStringLiteral("cmdZmiany"), this);
    auto* cmdKontrahent = przycisk(QStringLiteral("&Tylko wybrany kontrahent"), QStringLiteral("cmdTylkoKontrahent"), this);
    auto* cmdFaktura = przycisk(QStringLiteral("&Wyświetl wybraną fakturę"), QStringLiteral("CmdFaktura"), this);
    auto* cmdHistoria = przycisk(QStringLiteral("&Historia przelewów"), QStringLiteral("cmdHistoriaPrzelewow"), this);
    auto* cmdAktualne = przycisk(QStringLiteral("Aktualne na dziś"), QStringLiteral("cmdPrzelewyAktualne"), this);
    cmdAktualne->setEnabled(false);  // has no effect
    auto* cmdKoniec = przycisk(QStringLiteral("&Koniec"), QStringLiteral("cmdKoniec"), this);

    auto* Frame1 = new QGroupBox(QStringLiteral("&Sortuj według"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    m_Option1 = new QRadioButton(QStringLiteral("Daty &Zakupu"), Frame1);
    m_Option1->setObjectName(QStringLiteral("Option1"));
    m_Option2 = new QRadioButton(QStringLiteral("Terminu &Płatności"), Frame1);
    m_Option2->setObjectName(QStringLiteral("Option2"));
    auto* sortowanie = new QHBoxLayout(Frame1);
    sortowanie->addWidget(m_Option1);
    sortowanie->addWidget(m_Option2);

    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {cmdNaDzis, cmdNiesplacone, cmdWszystkie, cmdZmiany, cmdKontrahent})
        przyciski->addWidget(b);
    przyciski->addWidget(Frame1);
    przyciski->addWidget(cmdFaktura);
    przyciski->addWidget(cmdHistoria);
    przyciski->addWidget(cmdAktualne);
    przyciski->addStretch(1);
    przyciski->addWidget(cmdKoniec);

    m_MSFlexGrid11 = new Grid(this);
    m_MSFlexGrid11->setObjectName(QStringLiteral("MSFlexGrid11"));

    // Totals and the progress of a loading.
    m_postep = new QProgressBar(this);
    m_postep->setObjectName(QStringLiteral("prgWczytywanie"));
    m_postep->setFormat(QStringLiteral("Wczytywanie faktur %v z %m"));
    m_postep->setVisible(false);
    m_LbRazemNetto = etykieta(QStringLiteral("0"), QStringLiteral("LbRazemNetto"), this);
    m_lbRazemVat = etykieta(QStringLiteral("0"), QStringLiteral("lbRazemVat"), this);
    m_lbRazemBrutto = etykieta(QStringLiteral("0"), QStringLiteral("lbRazemBrutto"), this);
    m_lbWplaty = etykieta(QStringLiteral("0"), QStringLiteral("lbWplaty"), this);
    m_lbZadluzenie = etykieta(QStringLiteral("0"), QStringLiteral("lbZadluzenie"), this);
    auto* sumy = new QHBoxLayout;
    const QList<std::pair<QString, QLabel*>> opisy = {
        {QStringLiteral("Netto zakupu"), m_LbRazemNetto}, {QStringLiteral(" VAT zakupu"), m_lbRazemVat},
        {QStringLiteral("Brutto zakupu"), m_lbRazemBrutto}, {QStringLiteral("Spłacono"), m_lbWplaty},
        {QStringLiteral("Do spłaty"), m_lbZadluzenie}};
    for (const auto& [opis, l] : opisy) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
        l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000000000,00")));
        sumy->addWidget(etykieta(opis, QString(), this));
        sumy->addWidget(l);
    }
    sumy->addStretch(1);
    sumy->addWidget(m_postep, 1);

    // The invoices with their totals above, the transfers gathered below,
    // split by a bar the user moves; where it was left is kept for the next
    // opening. Each grid keeps a few rows whatever the split.
    auto* faktury = new QWidget(this);
    auto* ukladFaktur = new QVBoxLayout(faktury);
    ukladFaktur->setContentsMargins(0, 0, 0, 0);
    ukladFaktur->addWidget(m_MSFlexGrid11, 1);
    ukladFaktur->addLayout(sumy);
    m_MSFlexGrid11->setMinimumRows(5);
    auto* podzial = new QSplitter(Qt::Vertical, this);
    podzial->setObjectName(QStringLiteral("splFakturyPrzelewy"));
    podzial->setChildrenCollapsible(false);
    podzial->addWidget(faktury);
    podzial->addWidget(zbudujPrzelewy());
    m_MSFlexGrid1->setMinimumRows(5);
    podzial->setStretchFactor(0, 3);
    podzial->setStretchFactor(1, 2);
    const QString kluczPodzialu = QStringLiteral("Uklad/frmPlatnosciZ/splFakturyPrzelewy");
    podzial->restoreState(QSettings().value(kluczPodzialu).toByteArray());
    connect(podzial, &QSplitter::splitterMoved, this,
            [podzial, kluczPodzialu] { QSettings().setValue(kluczPodzialu, podzial->saveState()); });

    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(przyciski);
    uklad->addWidget(podzial, 1);
    // As large as the screen allows, up to 1400 x 900 points.
    QSize rozmiar(1200, 760);
    if (const QScreen* ekran = screen()) {
        const QRect obszar = ekran->availableGeometry();
        rozmiar = QSize(std::clamp(obszar.width() - 40, 1000, 1400), std::clamp(obszar.height() - 60, 600, 900));
    }
    resize(rozmiar);

    connect(cmdNaDzis, &QPushButton::clicked, this, &frmPlatnosciZ::naDzis);
    connect(cmdNiesplacone, &QPushButton::clicked, this, &frmPlatnosciZ::tylkoNiesplacone);
    connect(cmdWszystkie, &QPushButton::clicked, this, &frmPlatnosciZ::wszystkie);
    connect(cmdZmiany, &QPushButton::clicked, this, &frmPlatnosciZ::pokazMiesiac);
    connect(cmdKontrahent, &QPushButton::clicked, this, &frmPlatnosciZ::tylkoKontrahent);
    connect(cmdFaktura, &QPushButton::clicked, this, &frmPlatnosciZ::wyswietlFakture);
    connect(cmdKoniec, &QPushButton::clicked, this, &frmPlatnosciZ::koniec);
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdKoniec, &QAbstractButton::click);
    connect(cmdHistoria, &QPushButton::clicked, this, &frmPlatnosciZ::historia);
    connect(m_Option1, &QRadioButton::clicked, this, [this] { sortuj(kol::DataZakupu); });
    connect(m_Option2, &QRadioButton::clicked, this, [this] { sortuj(kol::Termin); });
    polaczPrzelewy();
}

QWidget* frmPlatnosciZ::zbudujPrzelewy()
{
    auto* rama = new QGroupBox(QStringLiteral("Przelewy do paczki"), this);
    rama->setObjectName(QStringLiteral("framePrzelewyDoPaczki"));
    m_MSFlexGrid1 = new Grid(rama);
    m_MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_txtRazemKwota = new QLineEdit(rama);
    m_txtRazemKwota->setObjectName(QStringLiteral("txtRazemKwota"));
    m_txtRazemKwota->setReadOnly(true);
    m_txtRazemKwota->setAlignment(Qt::AlignRight);
    m_txtRazemKwota->setMaximumWidth(m_txtRazemKwota->fontMetrics().horizontalAdvance(QStringLiteral("000000000,00")) + 16);

    auto* cmdZapisz = przycisk(QStringLiteral("&Zapisz Paczkę"), QStringLiteral("cmdZapiszPaczke"), rama);
    auto* cmdDoPrzelewu = przycisk(QStringLiteral("&Przenieś paczkę do Ecorponet"), QStringLiteral("cmdDoPrzelewu"), rama);
    auto* cmdUsun = przycisk(QStringLiteral("&Usuń Przelew"), QStringLiteral("cmdUsunPlatnosc"), rama);
    m_cmdZapiszPaczke = cmdZapisz;
    m_cmdDoPrzelewu = cmdDoPrzelewu;
    m_cmdUsunPlatnosc = cmdUsun;

    auto* dol = new QHBoxLayout;
    dol->addWidget(etykieta(QStringLiteral("Kwota paczki Razem "), QString(), rama));
    dol->addWidget(m_txtRazemKwota);
    dol->addStretch(1);
    dol->addWidget(cmdZapisz);
    dol->addWidget(cmdDoPrzelewu);
    dol->addWidget(cmdUsun);
    auto* uklad = new QVBoxLayout(rama);
    uklad->addWidget(m_MSFlexGrid1, 1);
    uklad->addLayout(dol);
    return rama;
}

void frmPlatnosciZ::otworz()
{
    const QDate dzis = m_session.clock.today();
    m_session.DataDzis = dzis.toString(QStringLiteral("dd-MM-yyyy"));
    m_session.DataDzisKlucz = dzis.toString(QStringLiteral("yyyyMMdd"));
    if (m_session.DataRobocza.isEmpty())
        m_session.DataRobocza = m_session.DataDzis;
    m_Label13->setText(m_session.DataRobocza);
    m_txtRokFr->setText(m_session.rokDzis());
    const QString miesiac = m_session.miesiacDzis();
    m_txtMiesiacZ->setText(miesiac);
    m_cmbMiesiacFr->setCurrentText(miesiac);
    m_lbSciezkadoKramix->setText(m_session.SciezkaKramix);

    m_MSFlexGrid11->setColumns(naglowkiListyFaktur(), szerokosciListyFaktur());
    // The transfer list has the package grid's columns, with widths of its own.
    // The list lives while the window does: opening it again keeps it.
    if (m_MSFlexGrid1->columnCount() != kKolumnyPaczki) {
        m_MSFlexGrid1->setColumns(naglowkiPaczki(), szerokosciPrzelewow());
        m_MSFlexGrid1->setHeaderForeground(QColor(255, 0, 0));
        m_txtRazemKwota->setText(formatAmount(0));
    }

    show();
    raise();
    activateWindow();
    wczytaj(RodzajListy::Otwarcie);
}

void frmPlatnosciZ::naDzis()
{
    wczytaj(RodzajListy::NaDzis);
}

void frmPlatnosciZ::tylkoNiesplacone()
{
    wczytaj(RodzajListy::Niesplacone);
}

void frmPlatnosciZ::wszystkie()
{
    wczytaj(RodzajListy::Wszystkie);
}

void frmPlatnosciZ::pokazMiesiac()
{
    wczytaj(RodzajListy::Miesiac);
}

void frmPlatnosciZ::wczytaj(RodzajListy rodzaj)
{
    if (m_wczytywanie)
        return;
    m_wczytywanie = true;
    ZapytanieListy z;
    z.rodzaj = rodzaj;
    z.rok = m_txtRokFr->text();
    const bool odMiesiaca = rodzaj == RodzajListy::Wszystkie || rodzaj == RodzajListy::Niesplacone;
    z.miesiac = (odMiesiaca ? m_txtMiesiacZ->text() : m_cmbMiesiacFr->currentText()).trimmed().toInt();
    z.dataRobocza = m_session.DataRobocza;

    wstawWiersze({});
    pokazSumy({});
    m_postep->setRange(0, 0);
    m_postep->setValue(0);
    m_postep->setVisible(true);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The window goes on painting while the files are read; what the user
    // types meanwhile waits until the list stands.
    QElapsedTimer odMalowania;
    odMalowania.start();
    WynikListy w = wczytajListeFaktur(m_session.SciezkaKramix, m_session.FolderFirmyKramix, z,
                                      [&](int zrobione, int wszystkie) {
                                          if (odMalowania.elapsed() < 40)
                                              return;
                                          m_postep->setRange(0, wszystkie);
                                          m_postep->setValue(zrobione);
                                          QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                                          odMalowania.restart();
                                      });
    m_postep->setVisible(false);
    m_wczytywanie = false;

    if (w.stan != WynikListy::Stan::Ok) {
        m_dialogs.messageBox(w.blad, kTytulListy, Icon::Critical);
        return;
    }
    // The list's payments go back on the rows read again; a list that went
    // to Ecorponet is in the invoice files themselves.
    if (!m_przeniesiona)
        remitto::przywrocZaplaty(w.wiersze, m_zaplaty);
    wstawWiersze(std::move(w.wiersze));
    pokazSumy(w.sumy);
}

void frmPlatnosciZ::wstawWiersze(QList<QStringList> wiersze)
{
    m_faktury = std::move(wiersze);
    for (QStringList& f : m_faktury) {
        while (f.size() < kol::Liczba)
            f.append(QString());
    }
    pokazFaktury(false);
}

void frmPlatnosciZ::pokazFaktury(bool zostanNaWierszu)
{
    const int wiersz = m_MSFlexGrid11->currentRow();
    const int kolumna = m_MSFlexGrid11->currentColumn();
    RekordyWSiatce<QStringList>::pokaz(
        m_MSFlexGrid11, m_faktury, [](const QStringList& f, int, int k) { return f.value(k); },
        [](const QStringList& f, int, int k) { return stylFaktury(f, k); });
    // A row changed in place keeps the current cell, without it counting as
    // a click on it.
    if (zostanNaWierszu && wiersz >= 1 && wiersz < m_MSFlexGrid11->rowCount()) {
        const QSignalBlocker cicho(m_MSFlexGrid11);
        m_MSFlexGrid11->setCurrentCell(wiersz, kolumna);
    }
}

GridModel::CellStyle frmPlatnosciZ::stylFaktury(const QStringList& faktura, int kolumna)
{
    GridModel::CellStyle s;
    const QString stan = faktura.value(kol::Stan);
    const bool splacona = stan == kStanSplacona;
    const bool gotowka = stan == kStanGotowka;
    if (!splacona && !gotowka) {
        // Paid in this window: the paid columns turn green.
        const bool zaplacona = stan == kStanSplacono || stan == kStanSplCz;
        if (zaplacona && kolumna >= kol::Termin && kolumna <= kol::Stan)
            s.background = kZielony;
        else if (kolumna == kol::Brutto)
            s.background = kCzerwony;
        return s;
    }
    if (kolumna >= kol::Brutto && kolumna <= kol::Stan)
        s.background = splacona ? kJasnoZielony : kZielony;
    return s;
}

void frmPlatnosciZ::pokazSumy(const SumyFaktur& s)
{
    m_LbRazemNetto->setText(formatAmount(s.netto));
    m_lbRazemVat->setText(formatAmount(s.vat));
    m_razemBrutto = s.brutto;
    m_lbRazemBrutto->setText(formatAmount(s.brutto));
    m_lbWplaty->setText(formatAmount(s.splacono));
    m_lbZadluzenie->setText(formatAmount(s.doSplaty));
}

void frmPlatnosciZ::tylkoKontrahent()
{
    const QString slowo = m_txtSlowo->text().toUpper();
    m_txtSlowo->setText(slowo);
    if (slowo.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral(" Nie wybrałeś słowa do wyszukania !?"), kAppTitle, Icon::Exclamation);
        return;
    }
    QList<QStringList> w = remitto::tylkoKontrahent(m_faktury, slowo);
    const SumyFaktur s = zsumujWiersze(w);
    wstawWiersze(std::move(w));
    pokazSumy(s);
}

void frmPlatnosciZ::sortuj(int kolumna)
{
    sortujWgDaty(m_faktury, kolumna);
    pokazFaktury();
}

void frmPlatnosciZ::wyswietlFakture()
{
    const int r = m_MSFlexGrid11->currentRow();
    if (r <= 0 || r > m_faktury.size()) {
        m_dialogs.messageBox(QStringLiteral("Wybierz fakturę z listy."), QStringLiteral("Podgląd Faktury zakupu"),
                             Icon::Exclamation);
        return;
    }
    m_session.PlikFakturyZ = m_faktury[r - 1].value(kol::Plik);
    if (!m_podglad) {
        m_podglad = new frmKorektaFakturyZ(m_session, m_dialogs, this);
        m_podglad->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_podglad->otworz();
}

void frmPlatnosciZ::koniec()
{
    if (!close())
        return;
    pokazRodzica(this);
}

void frmPlatnosciZ::historia()
{
    if (!m_historia) {
        m_historia = new frmHistoria(m_session, m_dialogs, this);
        m_historia->setWindowFlag(Qt::Window);
        m_historia->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_historia->otworz();
}

} // namespace remitto
