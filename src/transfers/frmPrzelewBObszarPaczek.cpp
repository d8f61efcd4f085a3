// The package area of the transfer window: the package shown and the
// month's packages, kept as records and shown through the grids' row source.
// The rules live in Paczki.h; this file reads the controls, asks and shows.
#include "transfers/frmPrzelewBObszarPaczek.h"

#include "core/Amount.h"
#include "core/PorzadekOgolny.h"
#include "core/Session.h"
#include "transfers/Paczki.h"
#include "transfers/Przelew.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Kontrolki.h"
#include "ui/PostepKopii.h"
#include "ui/RekordyWSiatce.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <tuple>
#include <utility>

namespace remitto {

using namespace kontrolki;

namespace {

const QColor kJasnoczerwony(0xFF, 0xC0, 0xC0);  // paid cell of an added row
const QColor kZielony(0x00, 0xFF, 0x00);        // gross cells of a package shown
const QColor kCzerwony(0xFF, 0x00, 0x00);       // paid cells of a package shown

// Columns of the month's package list.
enum KolumnaListyPaczek : int { kListaSciezka = 1 };


} // namespace

ObszarPaczek::ObszarPaczek(Session& session, Dialogs& dialogs, QWidget* parent)
    : QGroupBox(QStringLiteral("Zawartość paczki nr "), parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("Frame2"));

    m_lbStan = etykieta(QStringLiteral("Otwarta"), QStringLiteral("Label31"), this);
    m_lbRazem = etykieta(QString(), QStringLiteral("Label3"), this);
    // The buttons, the state and the total share the line under the
    // package's contents, so the grids get the height.
    auto* przyciski = new QHBoxLayout;
    m_cmdDoPaczki = przycisk(QStringLiteral("Do &Paczki"), QStringLiteral("cmdDoPaczki"), this);
    przyciski->addWidget(m_cmdDoPaczki);
    for (const auto& [napis, nazwa, akcja] :
         {std::tuple{QStringLiteral("Usuń &Rekord z Paczki"), QStringLiteral("cmdUsunRekord"), &ObszarPaczek::usunRekordZPaczki},
          std::tuple{QStringLiteral("&Usuń Paczkę"), QStringLiteral("CmdUsunpaczke"), &ObszarPaczek::usunWskazanaPaczke},
          std::tuple{QStringLiteral("Wyczyść Zawartość"), QStringLiteral("CmdWyczyscM1"), &ObszarPaczek::wyczyscZawartosc}}) {
        QPushButton* b = przycisk(napis, nazwa, this);
        connect(b, &QPushButton::clicked, this, akcja);
        przyciski->addWidget(b);
    }
    przyciski->addStretch(1);
    przyciski->addWidget(etykieta(QStringLiteral("Status Paczki ="), QStringLiteral("lblStatus"), this));
    przyciski->addWidget(m_lbStan);
    przyciski->addSpacing(12);
    przyciski->addWidget(etykieta(QStringLiteral("Razem kwota przelewów ="), QStringLiteral("lblRazem"), this));
    przyciski->addWidget(m_lbRazem);

    m_txtMiesiac = pole(QStringLiteral("txtMiesiac"), this, 3);
    m_txtRok = pole(QStringLiteral("txtROKA"), this, 5);
    auto* lista = new QHBoxLayout;
    lista->addWidget(etykieta(QStringLiteral("Paczki miesiąca"), QStringLiteral("lblMiesiac"), this));
    lista->addWidget(m_txtMiesiac);
    lista->addWidget(m_txtRok);
    QPushButton* cmdZmien = przycisk(QStringLiteral("&Zmnień"), QStringLiteral("cmdZmien"), this);
    connect(cmdZmien, &QPushButton::clicked, this, &ObszarPaczek::zmienMiesiac);
    lista->addWidget(cmdZmien);
    QPushButton* cmdSortuj = przycisk(QStringLiteral("Sortuj"), QStringLiteral("cmdSortuj"), this);
    connect(cmdSortuj, &QPushButton::clicked, this, &ObszarPaczek::sortujPaczki);
    lista->addWidget(cmdSortuj);
    lista->addStretch(1);
    m_lbFolder = etykieta(QString(), QStringLiteral("lbSciezkaPaczek"), this);
    lista->addWidget(m_lbFolder);

    // The contents of one package, and the packages of the month.
    m_siatkaPaczki = new Grid(this);
    m_siatkaPaczki->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_siatkaPaczki->setColumns(naglowkiPaczki(), szerokosciPaczki());
    m_siatkaPaczki->setHeaderForeground(QColor(255, 0, 0));
    m_siatkaListy = new Grid(this);
    m_siatkaListy->setObjectName(QStringLiteral("MSFlexGrid2"));
    m_siatkaListy->setColumns({QStringLiteral("Nrkol"), QStringLiteral("Nazwa Paczki"), QStringLiteral("TerminSplaty"),
                             QStringLiteral("KwotaNetto"), QStringLiteral("KwotaVat"), QStringLiteral("KwotaBrutto"),
                             QStringLiteral("Spłacono"), QStringLiteral("DataSplaty"), QStringLiteral("StatusP"),
                             QStringLiteral("ilPrzel")});
    // The package's file name is the end of its path: a long data folder is
    // cut at the front, and the sums and states stay in view.
    m_siatkaListy->setTextElideMode(Qt::ElideLeft);
    m_siatkaListy->setFittedWidthLimit(200);

    // The grids take the height the window has to spare, and never less
    // than a few rows each.
    m_siatkaPaczki->setMinimumRows(6);
    m_siatkaListy->setMinimumRows(3);
    auto* v = new QVBoxLayout(this);
    v->addWidget(m_siatkaPaczki, 3);
    v->addLayout(przyciski);
    v->addLayout(lista);
    v->addWidget(m_siatkaListy, 2);
    polacz();
}


void ObszarPaczek::polacz()
{
    // A click shows or edits; Enter does the same from the keyboard. Moving
    // with the arrow keys only moves.
    for (Grid* g : {m_siatkaPaczki, m_siatkaListy})
        g->viewport()->installEventFilter(this);
    connect(m_siatkaListy, &Grid::cellClicked, this, [this](int wiersz, int) {
        if (std::exchange(m_klikListy, false))
            pokazPaczkeZListy(wiersz);
    });
    connect(m_siatkaListy, &Grid::cellActivated, this, [this](int wiersz, int) { pokazPaczkeZListy(wiersz); });
    connect(m_siatkaPaczki, &Grid::cellClicked, this, [this](int wiersz, int kolumna) {
        if (std::exchange(m_klikPaczki, false))
            edytujKomorkePaczki(wiersz, kolumna);
    });
    connect(m_siatkaPaczki, &Grid::cellActivated, this, &ObszarPaczek::edytujKomorkePaczki);
}

bool ObszarPaczek::eventFilter(QObject* watched, QEvent* event)
{
    const bool paczka = watched == m_siatkaPaczki->viewport();
    if (paczka || watched == m_siatkaListy->viewport()) {
        bool& klik = paczka ? m_klikPaczki : m_klikListy;
        // The grid reports a click on press (a new cell) or on release (the
        // current cell); the mark lasts until the release has been handled.
        if (event->type() == QEvent::MouseButtonPress)
            klik = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, this, [&klik] { klik = false; });
    }
    return QGroupBox::eventFilter(watched, event);
}

void ObszarPaczek::ustawMiesiac(const QString& miesiac, const QString& rok)
{
    m_txtMiesiac->setText(miesiac);
    m_txtRok->setText(rok);
}

void ObszarPaczek::ustawFolder(const QString& folder)
{
    m_lbFolder->setText(folder);
}

void ObszarPaczek::pokazDodane(const QList<Przelew>& rekordy)
{
    wypelnijWidok(rekordy, false);
    m_siatkaPaczki->setCellBackground(m_siatkaPaczki->rowCount() - 1, kolPaczki::Splacono, kJasnoczerwony);
    ustawStatus(StanPaczki::Otwarta);
}

// ---- The view of one package -----------------------------------------------

void ObszarPaczek::ustawStatus(StanPaczki stan)
{
    m_stan = stan;
    m_napisStanu = tekstStanu(stan);
    pokazStatus();
}

void ObszarPaczek::pokazStatus()
{
    m_lbStan->setText(m_napisStanu);
    setTitle(QStringLiteral("Zawartość paczki nr ") + m_session.PlikPaczki
                     + QStringLiteral("     Status Paczki = ") + m_napisStanu);
}

void ObszarPaczek::przygotujWidok()
{
    m_rekordy.clear();
    m_siatkaPaczki->setColumns(naglowkiPaczki(), szerokosciPaczki());
    m_siatkaPaczki->setHeaderForeground(kCzerwony);
}

void ObszarPaczek::wypelnijWidok(QList<Przelew> rekordy, bool koloruj)
{
    QList<QStringList> wiersze;
    wiersze.reserve(rekordy.size());
    for (qsizetype i = 0; i < rekordy.size(); ++i)
        wiersze.append(rekordy[i].wierszSiatki(int(i + 1)));
    przygotujWidok();
    m_rekordy = rekordy;
    m_siatkaPaczki->setRows(wiersze);
    if (koloruj) {
        for (int r = 1; r < m_siatkaPaczki->rowCount(); ++r) {
            m_siatkaPaczki->setCellBackground(r, kolPaczki::KwotaB, kZielony);
            m_siatkaPaczki->setCellBackground(r, kolPaczki::Splacono, kCzerwony);
        }
    }
    przeliczRazem();
}

void ObszarPaczek::przeliczRazem()
{
    m_lbRazem->setText(formatAmount(sumaBrutto(m_rekordy)));
}

void ObszarPaczek::pokazPaczke(const QString& sciezka, int nr)
{
    m_session.PlikPaczki = sciezka;
    m_session.NrPaczkiAktualnej = nr;
    const OdczytPaczki p = czytajPaczke(sciezka);
    wypelnijWidok(p.rekordy, true);
    if (!p.rekordy.isEmpty()) {
        // The last record's value as it stands, also one that is neither state.
        m_stan = stanPaczki(p.rekordy.last().status);
        m_napisStanu = p.rekordy.last().status;
        pokazStatus();
    } else if (p.ok()) {
        ustawStatus(StanPaczki::Otwarta);
    } else {
        pokazStatus();
    }
    if (!p.ok())
        m_dialogs.messageBox(p.blad, QStringLiteral("Błąd"), Icon::Critical);
}

void ObszarPaczek::pokazPaczkeZListy(int wiersz)
{
    if (wiersz < 1 || wiersz > m_paczkiMiesiaca.size())
        return;
    const WierszPaczki& w = m_paczkiMiesiaca[wiersz - 1];
    pokazPaczke(w.sciezka, w.nr);
}

void ObszarPaczek::pokazPaczkeZPliku(const QString& nazwaPliku)
{
    int rok = 0, miesiac = 0, nr = 0;
    if (!rozpoznajNazwePaczki(nazwaPliku, &rok, &miesiac, &nr)) {
        m_dialogs.messageBox(QStringLiteral("Nazwa pliku ") + nazwaPliku
                                 + QStringLiteral(" nie kończy się numerem paczki (rrrrmm_NN)."),
                             QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    pokazPaczke(sciezkaPaczki(m_session.SciezkaProgramu, rok, miesiac, nr), nr);
}

void ObszarPaczek::wyczyscZawartosc()
{
    przygotujWidok();
    m_lbRazem->clear();
    pokazStatus();
}

// ---- The month's package list -----------------------------------------------------

void ObszarPaczek::pokazListePaczek(QList<WierszPaczki> paczki)
{
    m_paczkiMiesiaca = std::move(paczki);
    RekordyWSiatce<WierszPaczki>::pokaz(m_siatkaListy, m_paczkiMiesiaca,
                                        [](const WierszPaczki& w, int, int kolumna) { return w.komorki().value(kolumna); });
}

ListaPaczek ObszarPaczek::odswiezListePaczek()
{
    const int biezacy = m_siatkaListy->currentRow();
    const ListaPaczek lista = listaPaczek(m_session.SciezkaProgramu, m_txtRok->text().trimmed().toInt(),
                                          m_txtMiesiac->text().trimmed().toInt());
    pokazListePaczek(lista.wiersze);
    if (biezacy >= 1 && biezacy < m_siatkaListy->rowCount())
        m_siatkaListy->setCurrentCell(biezacy, 1);
    return lista;
}

void ObszarPaczek::zmienMiesiac()
{
    const ListaPaczek lista = odswiezListePaczek();
    // With no package in view, the last one listed becomes the current one.
    if (m_siatkaPaczki->rowCount() <= 1 && !lista.wiersze.isEmpty()) {
        m_session.PlikPaczki = lista.wiersze.last().sciezka;
        m_session.NrPaczkiAktualnej = lista.wiersze.last().nr;
    }
    ustawStatus(lista.status == kZamknieta ? StanPaczki::Zamknieta : StanPaczki::Otwarta);
    if (m_siatkaListy->rowCount() > 1)
        m_siatkaListy->scrollToRow(m_siatkaListy->rowCount() - 1);
    if (!lista.blad.isEmpty())
        m_dialogs.messageBox(lista.blad, QStringLiteral("Błąd"), Icon::Critical);
}

void ObszarPaczek::sortujPaczki()
{
    const Answer a = m_dialogs.messageBox(QStringLiteral("Sortowanie od Ostatniej= Yes, Od Pierwszej =No "),
                                          QStringLiteral("Sortowanie"), Icon::Question, Buttons::YesNo);
    if (m_paczkiMiesiaca.size() < 2)
        return;
    // The records are sorted by the package's file as the list shows it.
    QStringList sciezki;
    for (const WierszPaczki& w : std::as_const(m_paczkiMiesiaca))
        sciezki.append(w.komorki().value(kListaSciezka));
    QList<WierszPaczki> posortowane;
    for (int i : porzadekOgolny(sciezki, a == Answer::Yes))
        posortowane.append(m_paczkiMiesiaca[i]);
    pokazListePaczek(std::move(posortowane));
}

// ---- Removing a record, deleting a package ----------------------------------------------

void ObszarPaczek::usunRekordZPaczki()
{
    if (m_siatkaPaczki->rowCount() <= 2) {
        m_dialogs.messageBox(QStringLiteral("Wstaw drugą pozycję wówczas możesz usunąć pierwszą!"),
                             QStringLiteral("Błąd- nie można usunać jedynej pozycji z paczki - mozesz usunąć paczkę"),
                             Icon::Critical);
        return;
    }
    if (m_stan != StanPaczki::Otwarta) {
        m_dialogs.messageBox(QStringLiteral("Ta paczka jest już zamknięta - Nie można usunąć z niej rekordu ! "),
                             QStringLiteral(" Błąd"), Icon::Critical);
        return;
    }
    const int wiersz = m_siatkaPaczki->currentRow();
    if (wiersz < 1 || wiersz > m_rekordy.size()) {
        m_dialogs.messageBox(QStringLiteral("Wskaż w paczce przelew do usunięcia (kliknij jego wiersz)."),
                             QStringLiteral("Usuń Rekord z Paczki"), Icon::Information);
        return;
    }
    const Przelew& p = m_rekordy[wiersz - 1];
    const std::optional<qint64> brutto = parseAmount(p.kwotaB);
    const QString nazwa = (p.nazwaKontrahenta + QLatin1Char(' ') + p.imieKontrahenta).trimmed();
    const QString pytanie = QStringLiteral("Usunąć z paczki przelew nr %1: %2, %3 ?")
                                .arg(wiersz)
                                .arg(nazwa, brutto ? formatAmount(*brutto) : p.kwotaB.trimmed());
    if (m_dialogs.messageBox(pytanie, QStringLiteral("Usuń Rekord z Paczki"), Icon::Question,
                             Buttons::YesNoDefaultNo)
        != Answer::Yes)
        return;
    const UsuniecieRekordu u = usunRekord(m_session.SciezkaProgramu, m_session.PlikPaczki, wiersz - 1);
    switch (u.wynik) {
    case WynikUsuniecia::JedynaPozycja:
        m_dialogs.messageBox(QStringLiteral("Wstaw drugą pozycję wówczas możesz usunąć pierwszą!"),
                             QStringLiteral("Błąd- nie można usunać jedynej pozycji z paczki - mozesz usunąć paczkę"),
                             Icon::Critical);
        return;
    case WynikUsuniecia::Zamknieta:
        m_dialogs.messageBox(QStringLiteral("Ta paczka jest już zamknięta - Nie można usunąć z niej rekordu ! "),
                             QStringLiteral(" Błąd"), Icon::Critical);
        return;
    case WynikUsuniecia::Usunieto:
        break;
    default:
        m_dialogs.messageBox(u.blad.isEmpty() ? QStringLiteral("Nie usunięto rekordu z paczki ") + m_session.PlikPaczki
                                              : u.blad,
                             QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    wypelnijWidok(u.rekordy, true);
    odswiezListePaczek();
    m_dialogs.messageBox(QStringLiteral("Rekord zostal usuniety z Paczki"),
                         QStringLiteral("Korekta paczki ") + nrPaczkiTekst(m_session.NrPaczkiAktualnej)
                             + QStringLiteral(" na  dzien "),
                         Icon::Exclamation);
}

void ObszarPaczek::usunWskazanaPaczke()
{
    const int wiersz = m_siatkaListy->currentRow();
    if (wiersz < 1 || wiersz > m_paczkiMiesiaca.size())
        return;
    const WierszPaczki paczka = m_paczkiMiesiaca[wiersz - 1];
    const Answer a = m_dialogs.messageBox(QStringLiteral("Czy napewno chcesz usunąć wskazaną paczkę z aktualnych wpisów ?"),
                                          QStringLiteral("Pytanie"), Icon::Question, Buttons::OkCancel);
    if (a != Answer::Ok)
        return;
    const auto zamknieta = [this] {
        m_dialogs.messageBox(QStringLiteral("Paczka zamknieta i wysłana do Ecorponet - nie można usunąć!"),
                             QStringLiteral(" Bład !"), Icon::Critical);
    };
    if (paczka.status == kZamknieta) {
        zamknieta();
        return;
    }
    if (!kopiaPrzedZmianaZPytaniem(window(), m_session, m_dialogs))
        return;
    QString blad;
    switch (usunPaczke(paczka.sciezka, &blad)) {
    case WynikUsunieciaPaczki::Zamknieta:
        zamknieta();
        return;
    case WynikUsunieciaPaczki::BladZapisu:
        m_dialogs.messageBox(blad, QStringLiteral("Błąd"), Icon::Critical);
        return;
    case WynikUsunieciaPaczki::Usunieto:
    case WynikUsunieciaPaczki::BrakPliku:
        break;
    }
    // The list is read again (a deleted number shows its file missing); the
    // last package whose file is left becomes the current one, and its state
    // the state shown.
    const ListaPaczek lista = odswiezListePaczek();
    wyczyscZawartosc();
    const WierszPaczki* ostatnia = nullptr;
    for (const WierszPaczki& w : lista.wiersze) {
        if (w.status != kBrakPliku && (!ostatnia || w.nr > ostatnia->nr))
            ostatnia = &w;
    }
    if (ostatnia) {
        m_session.PlikPaczki = ostatnia->sciezka;
        m_session.NrPaczkiAktualnej = ostatnia->nr;
    }
    ustawStatus(ostatnia && ostatnia->status == kZamknieta ? StanPaczki::Zamknieta : StanPaczki::Otwarta);
    m_dialogs.messageBox(QStringLiteral(" Paczkę usunięto !"), QStringLiteral("Pytanie"), Icon::Information);
}

// ---- Editing the package shown ------------------------------------------------------------

void ObszarPaczek::edytujKomorkePaczki(int wiersz, int kolumna)
{
    if (wiersz < 1 || wiersz > m_rekordy.size())
        return;
    if (m_stan != StanPaczki::Otwarta) {
        m_dialogs.messageBox(QStringLiteral(" Paczka zamknieta - brak mozliwosci zmian -tylko w programie bankowym po "
                                            "zaimportowaniu "),
                             QStringLiteral(" Paczka zamknieta"), Icon::Critical);
        return;
    }
    if (!kolumnaEdytowalna(kolumna))
        return;
    const QString wartosc = m_rekordy[wiersz - 1].wierszSiatki(wiersz).value(kolumna);
    const QString poz = QString::number(wiersz);
    QString prompt;
    QString tytul;
    switch (kolumna) {
    case kolPaczki::Nazwa:
    case kolPaczki::Imie:
        prompt = QStringLiteral("Wpisz nową nazwę Kontrahenta!\n.Aktualna nazwa Kontrahenta = ") + wartosc;
        tytul = QStringLiteral(" Zmiana Kontrahenta poz.") + poz;
        break;
    case kolPaczki::Konto:
        prompt = QStringLiteral("Wpisz nową nowe konto!\n.Aktualny nr Konta = ") + wartosc;
        tytul = QStringLiteral(" Zmiana Konta poz.") + poz;
        break;
    case kolPaczki::KwotaN:
        prompt = QStringLiteral("Wpisz nową kwote netto!\n") + wartosc;
        tytul = QStringLiteral(" Zmiana kwoty netto.") + poz;
        break;
    case kolPaczki::Vat:
        prompt = QStringLiteral("Wpisz nową stawke VAT !\n") + wartosc;
        tytul = QStringLiteral(" Zmiana stawki VATa poz.") + poz;
        break;
    default:
        prompt = QStringLiteral("Wpisz nową tytuł przelewu \n.Aktualny tytuł przelewu = ") + wartosc;
        tytul = QStringLiteral(" Zmiana tytułu przelewu poz.") + poz;
        break;
    }
    const std::optional<QString> odp = m_dialogs.inputBox(prompt, tytul);
    if (!odp)
        return;
    if (wiersz > m_rekordy.size())
        return;
    Przelew p = m_rekordy[wiersz - 1];
    switch (zmienWartosc(p, kolumna, *odp)) {
    case WynikEdycji::Anulowano:
        return;
    case WynikEdycji::ZlaKwota:
        m_dialogs.messageBox(QStringLiteral(" Błąd wpisanej kwoty "), QStringLiteral(" Popraw"), Icon::Critical);
        return;
    default:
        break;
    }
    QString blad;
    switch (zapiszRekord(m_session.PlikPaczki, wiersz - 1, p, &blad)) {
    case WynikEdycji::Zmieniono:
        break;
    case WynikEdycji::Zamknieta:
        ustawStatus(StanPaczki::Zamknieta);
        m_dialogs.messageBox(QStringLiteral(" Paczka zamknieta - brak mozliwosci zmian -tylko w programie bankowym po "
                                            "zaimportowaniu "),
                             QStringLiteral(" Paczka zamknieta"), Icon::Critical);
        return;
    default:
        m_dialogs.messageBox(blad.isEmpty() ? QStringLiteral("Nie zapisano zmiany w paczce ") + m_session.PlikPaczki
                                            : blad,
                             QStringLiteral("Błąd"), Icon::Critical);
        return;
    }
    m_rekordy[wiersz - 1] = p;
    const QStringList komorki = p.wierszSiatki(wiersz);
    for (int k = 1; k < komorki.size(); ++k)
        m_siatkaPaczki->setText(wiersz, k, komorki[k]);
    przeliczRazem();
    odswiezListePaczek();
    m_dialogs.messageBox(QStringLiteral("Dane w paczce zostaly zmienione"), QStringLiteral(" Sukces"),
                         Icon::Information);
}

} // namespace remitto
