#include "contractors/frmKontrahenci.h"

#include "contractors/frmFirmaKontrahenta.h"
#include "core/Session.h"
#include "ui/SkrotyPrzyciskow.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QShortcut>

namespace remitto {

using namespace kontrolki;

using namespace kontrahenci;

namespace {

const QColor kJasnaZielen(0xC0, 0xFF, 0xC0);


} // namespace

frmKontrahenci::frmKontrahenci(Session& session, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmKontrahenci"));
    setWindowTitle(QStringLiteral("Kontrahenci"));
    zbudujOkno();
}

frmKontrahenci::~frmKontrahenci()
{
    delete m_karta;
}

QString frmKontrahenci::plik() const
{
    return m_session.dataPath(kPlikKontrahentow);
}

void frmKontrahenci::zbudujOkno()
{
    m_siatka = new Grid(this);
    m_siatka->setObjectName(QStringLiteral("MSFlexGrid4"));
    m_siatka->setColumns(naglowkiSiatki(), szerokosciSiatki());
    // The chosen row is drawn as the highlight: black on light green.
    QPalette paleta = m_siatka->palette();
    paleta.setColor(QPalette::Highlight, kJasnaZielen);
    paleta.setColor(QPalette::HighlightedText, Qt::black);
    m_siatka->setPalette(paleta);

    auto* cmdZnajdzK = przycisk(QStringLiteral("z&Najdź"), QStringLiteral("cmdZnajdzK"), this);
    auto* cmdDodajK = przycisk(QStringLiteral("&Dopisz"), QStringLiteral("cmdDodajK"), this);
    auto* cmdEdytuj = przycisk(QStringLiteral("&Edytuj"), QStringLiteral("cmdEdytuj"), this);
    auto* cmdUsun = przycisk(QStringLiteral("&Usuń"), QStringLiteral("cmdUsun"), this);
    auto* CmdSortowanie = przycisk(QStringLiteral("&Sortowanie"), QStringLiteral("CmdSortowanie"), this);
    auto* cmdUsunPodwojne = przycisk(QStringLiteral("Usuń podwójne wpisy"), QStringLiteral("cmdUsunPodwojne"), this);
    auto* cmdPobierz = przycisk(QStringLiteral("Dodaj kontrahentow z Kramix"), QStringLiteral("cmdPobierzKontrahentow"), this);
    auto* cmdZakup = przycisk(QStringLiteral("&Do przelewu"), QStringLiteral("cmdZakup"), this);
    auto* cmdKoniec = przycisk(QStringLiteral("&Koniec"), QStringLiteral("cmdKoniec"), this);

    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {cmdZnajdzK, cmdDodajK, cmdEdytuj, cmdUsun, CmdSortowanie, cmdUsunPodwojne, cmdPobierz})
        przyciski->addWidget(b);
    przyciski->addStretch(1);
    przyciski->addWidget(cmdZakup);
    przyciski->addWidget(cmdKoniec);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(m_siatka, 1);
    uklad->addLayout(przyciski);
    resize(1100, 600);

    connect(cmdZnajdzK, &QPushButton::clicked, this, &frmKontrahenci::znajdz);
    connect(cmdDodajK, &QPushButton::clicked, this, &frmKontrahenci::dopisz);
    connect(cmdEdytuj, &QPushButton::clicked, this, &frmKontrahenci::edytuj);
    connect(cmdUsun, &QPushButton::clicked, this, &frmKontrahenci::usun);
    connect(CmdSortowanie, &QPushButton::clicked, this, &frmKontrahenci::sortuj);
    connect(cmdUsunPodwojne, &QPushButton::clicked, this, &frmKontrahenci::usunPodwojne);
    connect(cmdPobierz, &QPushButton::clicked, this, &frmKontrahenci::pobierzZKramix);
    connect(cmdZakup, &QPushButton::clicked, this, &frmKontrahenci::zakup);
    connect(cmdKoniec, &QPushButton::clicked, this, &QWidget::close);
    dodajSkrotyPrzyciskow(this, {{"cmdZakup", QKeySequence(Qt::Key_F2)}, {"cmdDodajK", QKeySequence(Qt::Key_F6)}});
    // Escape does what the end button does.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmdKoniec, &QAbstractButton::click);
    // A click, Enter and every move of the current cell choose the row.
    connect(m_siatka, &Grid::cellClicked, this, [this](int w, int) {
        if (!m_ladowanie)
            wybierz(w, true);
    });
    connect(m_siatka, &Grid::cellActivated, this, [this](int w, int) { wybierz(w, true); });
}

frmFirmaKontrahenta* frmKontrahenci::karta()
{
    if (!m_karta) {
        // A window of its own: it stays open when the list closes.
        m_karta = new frmFirmaKontrahenta(m_session, m_dialogs);
        connect(m_karta, &frmFirmaKontrahenta::dopisano, this, [this] {
            zaladuj(false);
            if (m_poBraku) {
                // The first contractor of a new file: the list shows it.
                m_poBraku = false;
                otworz();
            } else {
                close();  // opened again, it shows the new contractor at the end
            }
        });
        connect(m_karta, &frmFirmaKontrahenta::zmieniono, this, [this] {
            const int w = m_wiersz;
            zaladuj(false);
            if (w > 0 && w < m_siatka->rowCount())
                wybierz(w, true);
        });
        connect(m_karta, &frmFirmaKontrahenta::doPrzelewu, this, [this](const KontrahentDoPrzelewu& d) {
            close();
            emit doPrzelewu(d);
        });
    }
    return m_karta;
}

void frmKontrahenci::otworz()
{
    show();
    raise();
    activateWindow();
    zaladuj(true);
    m_siatka->setFocus();  // arrows and Enter work in the list at once
}

bool frmKontrahenci::zaladuj(bool pytajOBrak)
{
    m_ladowanie = true;
    m_siatka->setColumns(naglowkiSiatki(), szerokosciSiatki());
    for (int c = 0; c <= 6; ++c) {
        m_siatka->setCellBold(0, c, true);
        m_siatka->setCellForeground(0, c, Qt::red);
    }
    m_wiersz = 0;
    m_podswietlony = 0;
    m_trafienia.clear();
    m_pelny = false;
    m_wiersze.clear();
    OdczytSiatki o = czytajDoSiatki(plik());
    m_ladowanie = false;
    if (o.brak) {
        if (!pytajOBrak)
            return false;
        const Answer a = m_dialogs.messageBox(
            QStringLiteral("Nie znaleziono zbioru Kontrahentow! Ok=Założyć - No = pobrac ze zbioru DOS"),
            QStringLiteral("Dodaje rekord!  "), Icon::Question, Buttons::OkCancel);
        if (a == Answer::Ok) {
            // The card adds the first contractor; the list loads again after.
            m_poBraku = true;
            m_session.TrybKontrahenta = 4;
            otworzKarte();
        }
        return false;
    }
    if (!o.ok)
        m_dialogs.messageBox(o.blad, QStringLiteral("Błąd"), Icon::Critical);
    m_pelny = o.ok;
    m_ladowanie = true;
    m_wiersze = std::move(o.wiersze);
    m_siatka->setRows(m_wiersze);
    if (m_siatka->rowCount() > 1) {
        m_siatka->selectRange(1, 0, 1, m_siatka->columnCount() - 1);
        m_siatka->setCurrentCell(1, 1);
    }
    m_ladowanie = false;
    if (m_siatka->rowCount() > 1)
        wybierz(1, false);
    return true;
}

QString frmKontrahenci::wartosc(int wiersz, Pole pole) const
{
    return wiersz >= 1 && wiersz <= m_wiersze.size() ? m_wiersze[wiersz - 1].value(kolumnaPola(pole)) : QString();
}

void frmKontrahenci::wybierz(int wiersz, bool podswietlWiersz)
{
    if (wiersz < 1 || wiersz >= m_siatka->rowCount())
        return;
    m_wiersz = wiersz;
    m_session.NazwaKontrahenta = wartosc(wiersz, NazwaKontrahenta);
    m_session.SkrotKontrahenta = wartosc(wiersz, SkrotK);
    if (podswietlWiersz)
        podswietl(wiersz, m_siatka->columnCount() - 1);
}

void frmKontrahenci::zgas()
{
    if (m_podswietlony <= 0 || m_podswietlony >= m_siatka->rowCount())
        return;
    for (int c = 0; c <= m_podswietlonyDo; ++c) {
        m_siatka->setCellBackground(m_podswietlony, c, QColor());
        m_siatka->setCellBold(m_podswietlony, c, c == 0 && m_trafienia.contains(m_podswietlony));
    }
    m_podswietlony = 0;
}

void frmKontrahenci::podswietl(int wiersz, int doKolumny)
{
    // One row at a time is highlighted: the one chosen last.
    zgas();
    for (int c = 0; c <= doKolumny; ++c) {
        m_siatka->setCellBackground(wiersz, c, kJasnaZielen);
        m_siatka->setCellBold(wiersz, c, true);
    }
    m_podswietlony = wiersz;
    m_podswietlonyDo = doKolumny;
}

void frmKontrahenci::znajdz()
{
    const std::optional<QString> odp = m_dialogs.inputBox(
        QStringLiteral("Podaj dowolny ciąg znaków charakterystycznych dla kontrahenta np.NIP, ulica, miejscowosc )"),
        QStringLiteral(" Szukanie kontrahenta "));
    if (!odp)
        return;
    if (odp->isEmpty()) {
        m_dialogs.messageBox(QStringLiteral(" Nie wybrałeś słowa do wyszukania !?"), kAppTitle, Icon::None);
        return;
    }
    // Marks of an earlier search go too, so only this search's hits stand out.
    zgas();
    m_siatka->clearBold(0);
    const GridModel* model = m_siatka->gridModel();
    m_trafienia = trafieniaSzukania(m_siatka->rowCount() - 1, m_siatka->columnCount(),
                                    [model](int w) { return model->cells(w); }, *odp);
    for (int& w : m_trafienia)
        ++w;  // grid rows count from the header row
    const int pierwszy = m_trafienia.value(0, 0);
    const int trafienia = int(m_trafienia.size());
    m_siatka->setCellsBold(m_trafienia, 0, true);
    if (pierwszy > 0) {
        m_ladowanie = true;
        m_siatka->selectRange(pierwszy, 0, pierwszy, 24);
        m_siatka->setCurrentCell(pierwszy, 1);
        m_ladowanie = false;
        wybierz(pierwszy, false);
        podswietl(pierwszy, 24);
        m_siatka->scrollToRow(pierwszy);
    }
    if (trafienia > 0)
        return;
    const Answer a = m_dialogs.messageBox(QStringLiteral("Przejscie do dopisania kontrahenta = Tak , Wyjście = Nie ?"),
                                          QStringLiteral("Nie znaleziono takiego rekordu !! "), Icon::Critical,
                                          Buttons::YesNo);
    if (a != Answer::Yes)
        return;
    m_session.TrybKontrahenta = 4;
    m_wiersz = m_siatka->rowCount();
    otworzKarte();
    close();
}

void frmKontrahenci::dopisz()
{
    m_wiersz = m_siatka->rowCount();
    m_session.TrybKontrahenta = 4;
    otworzKarte();
}

void frmKontrahenci::edytuj()
{
    m_wiersz = m_siatka->currentRow();
    if (m_wiersz < 1) {
        m_dialogs.messageBox(QStringLiteral("Nie wybrałeś kontrahenta do edycji - wskaż go na liście."),
                             QStringLiteral("Edycja kontrahenta"), Icon::Exclamation);
        return;
    }
    // Edytuj always edits, whatever mode an unfinished Dopisz left behind.
    m_session.TrybKontrahenta = 0;
    otworzKarte();
}

void frmKontrahenci::otworzKarte()
{
    KontekstListy k;
    k.liczbaWierszy = m_siatka->rowCount();
    k.wiersz = m_wiersz;
    if (m_wiersz >= 1 && m_wiersz < m_siatka->rowCount()) {
        k.nazwa = wartosc(m_wiersz, NazwaKontrahenta);
        k.skrot = wartosc(m_wiersz, SkrotK);
    }
    karta()->otworz(k);
}

} // namespace remitto
