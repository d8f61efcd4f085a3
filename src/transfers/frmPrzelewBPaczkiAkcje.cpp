// Transfer window: the actions of the package area. Adding the entered
// transfer, listing and sorting the month's packages, showing one package,
// removing a record, deleting a package, clearing the view and editing the
// package shown cell by cell. The rules live in Paczki.h; this file reads the
// controls, asks and shows.
#include "transfers/frmPrzelewB.h"

#include "core/Amount.h"
#include "core/Session.h"
#include "transfers/Paczki.h"
#include "transfers/frmBialaListaPytanie.h"
#include "core/PorzadekOgolny.h"
#include "transfers/Przelew.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/RekordyWSiatce.h"
#include "ui/PostepKopii.h"

#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace remitto {

namespace {

const QColor kJasnoczerwony(0xFF, 0xC0, 0xC0);  // paid cell of an added row
const QColor kZielony(0x00, 0xFF, 0x00);        // gross cells of a package shown
const QColor kCzerwony(0xFF, 0x00, 0x00);       // paid cells of a package shown

// Columns of the month's package list.
enum KolumnaListyPaczek : int { kListaSciezka = 1 };

QDate dzienZDaty(const QString& ddmmrrrr)
{
    return QDate::fromString(ddmmrrrr, QStringLiteral("dd-MM-yyyy"));
}

} // namespace

void frmPrzelewB::polaczPaczki()
{
    const auto wlacz = [this](const char* nazwa, void (frmPrzelewB::*akcja)()) {
        auto* b = findChild<QPushButton*>(QString::fromLatin1(nazwa));
        b->setEnabled(true);
        connect(b, &QPushButton::clicked, this, akcja);
    };
    wlacz("cmdDoPaczki", &frmPrzelewB::doPaczki);
    wlacz("cmdUsunRekord", &frmPrzelewB::usunRekordZPaczki);
    wlacz("CmdUsunpaczke", &frmPrzelewB::usunWskazanaPaczke);
    wlacz("CmdWyczyscM1", &frmPrzelewB::wyczyscZawartosc);
    wlacz("cmdZmien", &frmPrzelewB::zmienMiesiac);
    wlacz("cmdSortuj", &frmPrzelewB::sortujPaczki);

    // A click shows or edits; Enter does the same from the keyboard. Moving
    // with the arrow keys only moves.
    for (Grid* g : {MSFlexGrid1, MSFlexGrid2})
        g->viewport()->installEventFilter(this);
    connect(MSFlexGrid2, &Grid::cellClicked, this, [this](int wiersz, int) {
        if (std::exchange(m_klikListy, false))
            pokazPaczkeZListy(wiersz);
    });
    connect(MSFlexGrid2, &Grid::cellActivated, this, [this](int wiersz, int) { pokazPaczkeZListy(wiersz); });
    connect(MSFlexGrid1, &Grid::cellClicked, this, [this](int wiersz, int kolumna) {
        if (std::exchange(m_klikPaczki, false))
            edytujKomorkePaczki(wiersz, kolumna);
    });
    connect(MSFlexGrid1, &Grid::cellActivated, this, &frmPrzelewB::edytujKomorkePaczki);
    FileList1->setEnabled(true);
    connect(FileList1, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { pokazPaczkeZPliku(item->text()); });
    connect(FileList1, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { pokazPaczkeZPliku(item->text()); });
}

bool frmPrzelewB::filtrSiatekPaczek(QObject* watched, QEvent* event)
{
    const bool paczka = watched == MSFlexGrid1->viewport();
    if (!paczka && watched != MSFlexGrid2->viewport())
        return false;
    bool& klik = paczka ? m_klikPaczki : m_klikListy;
    // The grid reports a click on press (a new cell) or on release (the
    // current cell); the mark lasts until the release has been handled.
    if (event->type() == QEvent::MouseButtonPress)
        klik = true;
    else if (event->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [&klik] { klik = false; });
    return false;
}

// ---- The view of one package -----------------------------------------------

void frmPrzelewB::ustawStatus(StanPaczki stan)
{
    m_stanWidoku = stan;
    m_napisStanu = tekstStanu(stan);
    pokazStatus();
}

void frmPrzelewB::pokazStatus()
{
    Label31->setText(m_napisStanu);
    Frame2->setTitle(QStringLiteral("Zawartość paczki nr ") + m_session.PlikPaczki
                     + QStringLiteral("     Status Paczki = ") + m_napisStanu);
}

void frmPrzelewB::przygotujWidok()
{
    m_rekordyWidoku.clear();
    MSFlexGrid1->setColumns(naglowkiPaczki(), szerokosciPaczki());
    MSFlexGrid1->setHeaderForeground(kCzerwony);
}

void frmPrzelewB::wypelnijWidok(QList<Przelew> rekordy, bool koloruj)
{
    QList<QStringList> wiersze;
    wiersze.reserve(rekordy.size());
    for (qsizetype i = 0; i < rekordy.size(); ++i)
        wiersze.append(rekordy[i].wierszSiatki(int(i + 1)));
    przygotujWidok();
    m_rekordyWidoku = rekordy;
    MSFlexGrid1->setRows(wiersze);
    if (koloruj) {
        for (int r = 1; r < MSFlexGrid1->rowCount(); ++r) {
            MSFlexGrid1->setCellBackground(r, kolPaczki::KwotaB, kZielony);
            MSFlexGrid1->setCellBackground(r, kolPaczki::Splacono, kCzerwony);
        }
    }
    przeliczRazem();
}

void frmPrzelewB::przeliczRazem()
{
    Label3->setText(formatAmount(sumaBrutto(m_rekordyWidoku)));
}

void frmPrzelewB::pokazPaczke(const QString& sciezka, int nr)
{
    m_session.PlikPaczki = sciezka;
    m_session.NrPaczkiAktualnej = nr;
    const OdczytPaczki p = czytajPaczke(sciezka);
    wypelnijWidok(p.rekordy, true);
    if (!p.rekordy.isEmpty()) {
        // The last record's value as it stands, also one that is neither state.
        m_stanWidoku = stanPaczki(p.rekordy.last().status);
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

void frmPrzelewB::pokazPaczkeZListy(int wiersz)
{
    if (wiersz < 1 || wiersz > m_paczkiMiesiaca.size())
        return;
    const WierszPaczki& w = m_paczkiMiesiaca[wiersz - 1];
    pokazPaczke(w.sciezka, w.nr);
}

void frmPrzelewB::pokazPaczkeZPliku(const QString& nazwaPliku)
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

void frmPrzelewB::wyczyscZawartosc()
{
    przygotujWidok();
    Label3->clear();
    pokazStatus();
}

// ---- Adding the entered transfer ------------------------------------------------

void frmPrzelewB::doPaczki()
{
    if (!ustalKwotyWpisu())
        return;
    const QDate dzien = dzienZDaty(m_session.DataDzis);
    const Rodzaj r = rodzaj();
    if (opisRodzaju(r).doPaczki && !kontoPotwierdzone(QStringLiteral("dodać przelew do paczki")))
        return;
    const Przelew wpisany = przelewZWpisu(wpis(), r, m_session.DataDzis);
    if (opisRodzaju(r).doPaczki && !potwierdzBialaLista(m_session, m_dialogs, {wpisany}, this))
        return;
    DodaniePrzelewu w = dodajDoPaczki(m_session.SciezkaProgramu, dzien, tekstStanu(m_stanWidoku), wpisany,
                                      !opisRodzaju(r).doPaczki);
    if (w.wynik == WynikDodania::UszkodzonaPaczka) {
        const Answer a = m_dialogs.messageBox(
            w.blad + QStringLiteral("\nObciąć plik do ostatniego całego przelewu i dopisać nowy?"),
            QStringLiteral("Pytanie"), Icon::Question, Buttons::YesNo);
        if (a != Answer::Yes)
            return;
        QString blad;
        if (!przytnijPaczke(w.sciezka, &blad)) {
            m_dialogs.messageBox(blad, QStringLiteral("Błąd"), Icon::Critical);
            return;
        }
        w = dodajDoPaczki(m_session.SciezkaProgramu, dzien, tekstStanu(m_stanWidoku), wpisany, !opisRodzaju(r).doPaczki);
    }
    m_session.PlikNumeracji = w.sciezkaNumeracji;
    switch (w.wynik) {
    case WynikDodania::ZleKonto: {
        QString tytul = QStringLiteral(" Konto nieprawidlowe");
        if (!w.decyzja.poZamknietejWidoku)
            tytul += QStringLiteral(" Ilość znaków =") + QString::number(txtKontoK->text().size());
        m_dialogs.messageBox(QStringLiteral("Konto nieprawidłowe "), tytul, Icon::Critical);
        return;
    }
    case WynikDodania::BrakKwoty:
        m_dialogs.messageBox(QStringLiteral("Brak wpisanej kwoty przelewu brutto "), QStringLiteral(" Brak Kwoty"),
                             Icon::Critical);
        return;
    case WynikDodania::BrakNazwy:
        m_dialogs.messageBox(QStringLiteral(" Brak nazwy beneficjenta "), QStringLiteral(" Wpisz Nazwę"),
                             Icon::Critical);
        return;
    case WynikDodania::Wplata:
        return;
    case WynikDodania::LimitPaczek:
        m_dialogs.messageBox(QStringLiteral("W tym miesiącu jest już paczka nr 99 - następnej nie można założyć !"),
                             QStringLiteral(" Błąd"), Icon::Critical);
        return;
    case WynikDodania::UszkodzonaPaczka:
    case WynikDodania::BladNumeracji:
    case WynikDodania::BladZapisu:
        m_dialogs.messageBox(w.blad, QStringLiteral("Błąd"), Icon::Critical);
        return;
    case WynikDodania::Dodano:
        break;
    }

    m_session.PlikPaczki = w.sciezka;
    m_session.NrPaczkiAktualnej = w.decyzja.nr;
    wypelnijWidok(w.rekordy, false);
    MSFlexGrid1->setCellBackground(MSFlexGrid1->rowCount() - 1, kolPaczki::Splacono, kJasnoczerwony);
    ustawStatus(StanPaczki::Otwarta);
    m_dialogs.messageBox(QStringLiteral("Paczka została uzupełniona"),
                         QStringLiteral("Dopisanie do paczki ") + w.nn + QStringLiteral(" na  dzien "),
                         Icon::Exclamation);
    zmienMiesiac();
}

// ---- The month's package list -----------------------------------------------------

void frmPrzelewB::pokazListePaczek(QList<WierszPaczki> paczki)
{
    m_paczkiMiesiaca = std::move(paczki);
    RekordyWSiatce<WierszPaczki>::pokaz(MSFlexGrid2, m_paczkiMiesiaca,
                                        [](const WierszPaczki& w, int, int kolumna) { return w.komorki().value(kolumna); });
}

ListaPaczek frmPrzelewB::odswiezListePaczek()
{
    const int biezacy = MSFlexGrid2->currentRow();
    const ListaPaczek lista = listaPaczek(m_session.SciezkaProgramu, txtROKA->text().trimmed().toInt(),
                                          txtMiesiac->text().trimmed().toInt());
    pokazListePaczek(lista.wiersze);
    if (biezacy >= 1 && biezacy < MSFlexGrid2->rowCount())
        MSFlexGrid2->setCurrentCell(biezacy, 1);
    return lista;
}

void frmPrzelewB::zmienMiesiac()
{
    const ListaPaczek lista = odswiezListePaczek();
    // With no package in view, the last one listed becomes the current one.
    if (MSFlexGrid1->rowCount() <= 1 && !lista.wiersze.isEmpty()) {
        m_session.PlikPaczki = lista.wiersze.last().sciezka;
        m_session.NrPaczkiAktualnej = lista.wiersze.last().nr;
    }
    ustawStatus(lista.status == kZamknieta ? StanPaczki::Zamknieta : StanPaczki::Otwarta);
    if (MSFlexGrid2->rowCount() > 1)
        MSFlexGrid2->scrollToRow(MSFlexGrid2->rowCount() - 1);
    if (!lista.blad.isEmpty())
        m_dialogs.messageBox(lista.blad, QStringLiteral("Błąd"), Icon::Critical);
}

void frmPrzelewB::sortujPaczki()
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

void frmPrzelewB::usunRekordZPaczki()
{
    if (MSFlexGrid1->rowCount() <= 2) {
        m_dialogs.messageBox(QStringLiteral("Wstaw drugą pozycję wówczas możesz usunąć pierwszą!"),
                             QStringLiteral("Błąd- nie można usunać jedynej pozycji z paczki - mozesz usunąć paczkę"),
                             Icon::Critical);
        return;
    }
    if (m_stanWidoku != StanPaczki::Otwarta) {
        m_dialogs.messageBox(QStringLiteral("Ta paczka jest już zamknięta - Nie można usunąć z niej rekordu ! "),
                             QStringLiteral(" Błąd"), Icon::Critical);
        return;
    }
    const int wiersz = MSFlexGrid1->currentRow();
    if (wiersz < 1 || wiersz > m_rekordyWidoku.size()) {
        m_dialogs.messageBox(QStringLiteral("Wskaż w paczce przelew do usunięcia (kliknij jego wiersz)."),
                             QStringLiteral("Usuń Rekord z Paczki"), Icon::Information);
        return;
    }
    const Przelew& p = m_rekordyWidoku[wiersz - 1];
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

void frmPrzelewB::usunWskazanaPaczke()
{
    const int wiersz = MSFlexGrid2->currentRow();
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
    if (!kopiaPrzedZmianaZPytaniem(this, m_session, m_dialogs))
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

void frmPrzelewB::edytujKomorkePaczki(int wiersz, int kolumna)
{
    if (wiersz < 1 || wiersz > m_rekordyWidoku.size())
        return;
    if (m_stanWidoku != StanPaczki::Otwarta) {
        m_dialogs.messageBox(QStringLiteral(" Paczka zamknieta - brak mozliwosci zmian -tylko w programie bankowym po "
                                            "zaimportowaniu "),
                             QStringLiteral(" Paczka zamknieta"), Icon::Critical);
        return;
    }
    if (!kolumnaEdytowalna(kolumna))
        return;
    const QString wartosc = m_rekordyWidoku[wiersz - 1].wierszSiatki(wiersz).value(kolumna);
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
    if (wiersz > m_rekordyWidoku.size())
        return;
    Przelew p = m_rekordyWidoku[wiersz - 1];
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
    m_rekordyWidoku[wiersz - 1] = p;
    const QStringList komorki = p.wierszSiatki(wiersz);
    for (int k = 1; k < komorki.size(); ++k)
        MSFlexGrid1->setText(wiersz, k, komorki[k]);
    przeliczRazem();
    odswiezListePaczek();
    m_dialogs.messageBox(QStringLiteral("Dane w paczce zostaly zmienione"), QStringLiteral(" Sukces"),
                         Icon::Information);
}

} // namespace remitto
