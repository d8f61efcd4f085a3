// Transfer window: how its parts join. The entry area feeds the package
// area (adding the entered transfer to the month's package) and the printer
// frame (the form); the export area moves the package shown to Ecorponet and
// opens the payments window, whose saved lists the package area shows.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "invoices/frmPlatnosciZ.h"
#include "transfers/Banknoty.h"
#include "transfers/Paczki.h"
#include "transfers/PlikPaczki.h"
#include "transfers/Przelew.h"
#include "transfers/frmBialaListaPytanie.h"
#include "transfers/frmPrzelewBDruk.h"
#include "transfers/frmPrzelewBEksport.h"
#include "transfers/frmPrzelewBObszarEksportu.h"
#include "transfers/frmPrzelewBObszarPaczek.h"
#include "transfers/frmPrzelewBObszarWpisu.h"
#include "transfers/frmPrzelewBRamkaBanknotow.h"
#include "transfers/frmPrzelewBRamkaDrukarki.h"
#include "ui/Dialogs.h"

#include <QPushButton>

namespace remitto {

namespace {

QDate dzienZDaty(const QString& ddmmrrrr)
{
    return QDate::fromString(ddmmrrrr, QStringLiteral("dd-MM-yyyy"));
}

} // namespace

void frmPrzelewB::polaczCzesci()
{
    connect(m_wpis, &ObszarWpisu::wybranoRodzaj, this, &frmPrzelewB::wybranoRodzaj);
    connect(m_wpis, &ObszarWpisu::przyjetoKontrahenta, this, &frmPrzelewB::doPrzodu);
    connect(m_wpis, &ObszarWpisu::koniec, this, &frmPrzelewB::close);
    connect(m_ramkaDrukarki, &RamkaDrukarki::drukuj, this, &frmPrzelewB::drukuj);
    connect(m_paczki->przyciskDoPaczki(), &QPushButton::clicked, this, &frmPrzelewB::doPaczki);
    connect(m_eksport, &ObszarEksportu::doEcorponet, this, &frmPrzelewB::doEcorponet);
    connect(m_eksport, &ObszarEksportu::platnosci, this, &frmPrzelewB::platnosci);
    connect(m_eksport, &ObszarEksportu::wybranoPlik, m_paczki, &ObszarPaczek::pokazPaczkeZPliku);
    // An export file deleted: the view empties.
    connect(m_eksport, &ObszarEksportu::usunietoPlik, m_paczki, &ObszarPaczek::wyczyscZawartosc);
}

// The kind chosen in the entry area shows or hides the banknote frame.
void frmPrzelewB::wybranoRodzaj(Rodzaj rodzaj)
{
    const Widocznosc banknoty = opisRodzaju(rodzaj).banknoty;
    if (banknoty != Widocznosc::BezZmian)
        m_banknoty->setVisible(banknoty == Widocznosc::Pokaz);
}

void frmPrzelewB::doPaczki()
{
    if (!m_wpis->ustalKwotyWpisu())
        return;
    const QDate dzien = dzienZDaty(m_session.DataDzis);
    const Rodzaj r = rodzaj();
    if (opisRodzaju(r).doPaczki && !m_wpis->kontoPotwierdzone(QStringLiteral("dodać przelew do paczki")))
        return;
    const WpisPrzelewu wpisanyWpis = wpis();
    const Przelew wpisany = przelewZWpisu(wpisanyWpis, r, m_session.DataDzis);
    if (opisRodzaju(r).doPaczki && !potwierdzBialaLista(m_session, m_dialogs, {wpisany}, this))
        return;
    DodaniePrzelewu w = dodajDoPaczki(m_session.SciezkaProgramu, dzien, tekstStanu(m_paczki->stan()), wpisany,
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
        w = dodajDoPaczki(m_session.SciezkaProgramu, dzien, tekstStanu(m_paczki->stan()), wpisany, !opisRodzaju(r).doPaczki);
    }
    m_session.PlikNumeracji = w.sciezkaNumeracji;
    switch (w.wynik) {
    case WynikDodania::ZleKonto: {
        QString tytul = QStringLiteral(" Konto nieprawidlowe");
        if (!w.decyzja.poZamknietejWidoku)
            tytul += QStringLiteral(" Ilość znaków =") + QString::number(wpisanyWpis.konto.size());
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
    m_paczki->pokazDodane(w.rekordy);
    m_dialogs.messageBox(QStringLiteral("Paczka została uzupełniona"),
                         QStringLiteral("Dopisanie do paczki ") + w.nn + QStringLiteral(" na  dzien "),
                         Icon::Exclamation);
    m_paczki->zmienMiesiac();
}

void frmPrzelewB::platnosci()
{
    // One payments window, kept while it is open.
    if (!m_platnosci) {
        m_platnosci = new frmPlatnosciZ(m_session, m_dialogs, this);
        m_platnosci->setAttribute(Qt::WA_DeleteOnClose);
        // A list of payments saved as a package, or moved to Ecorponet: the
        // package list and the view show it.
        connect(m_platnosci, &frmPlatnosciZ::paczkaZmieniona, this, [this](const QString& sciezka, int nr) {
            int rok = 0, miesiac = 0, numer = 0;
            if (rozpoznajNazwePaczki(sciezka, &rok, &miesiac, &numer)) {
                m_paczki->ustawMiesiac(QStringLiteral("%1").arg(miesiac, 2, 10, QLatin1Char('0')), QString::number(rok));
            }
            m_paczki->zmienMiesiac();
            m_paczki->pokazPaczke(sciezka, nr);
            m_eksport->pokazPliki();
        });
    }
    m_platnosci->otworz();
}

void frmPrzelewB::doEcorponet()
{
    const WynikEksportu w =
        przeniesDoEcorponet(m_session, m_dialogs, m_session.PlikPaczki, m_paczki->rekordy(), rodzaj());
    if (w.odmowiono())
        return;
    m_eksport->pokazPliki();
    m_paczki->odswiezListePaczek();
    // Once the package is closed, the view shows it closed.
    if (w.przerwanyKrok == KrokEksportu::Koniec || w.przerwanyKrok == KrokEksportu::Faktury)
        m_paczki->pokazPaczke(m_session.PlikPaczki, m_session.NrPaczkiAktualnej);
}

// The print button: the form of the kind selected, from the entry area, its
// tax fields and the banknote frame.
void frmPrzelewB::drukuj()
{
    if (!m_wpis->ustalKwotyWpisu())
        return;
    PolaPrzelewu pola;
    pola.wpis = wpis();
    const PolaPodatkowe podatkowe = m_wpis->podatkowe();
    pola.txtRok = podatkowe.rok;
    pola.txtOkres = podatkowe.okres;
    pola.txtNrOkresu = podatkowe.nrOkresu;
    pola.txtSymbol = podatkowe.symbol;
    pola.txtSztuk = m_banknoty->ilosci();
    // The values as the frame shows them, from the counts, not read back from its labels.
    const PodpisySpecyfikacji podpisy = podpisySpecyfikacji(specyfikacjaBanknotow(pola.txtSztuk));
    pola.lbKwota = podpisy.kwoty;
    pola.lbRazemSzt = podpisy.sztuk;
    pola.lbRazemKwotaWplaty = podpisy.razem;
    pola.rodzajPrzelewu = m_session.RodzajPrzelewu;
    pola.rodzaj = rodzaj();
    drukujPrzelew(m_session, m_dialogs, *m_drukowanie, pola);
}

} // namespace remitto
