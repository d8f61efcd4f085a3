// Paying invoices in the payments window: the transfer list, saving it as a
// package and moving it to Ecorponet.

#include "invoices/frmPlatnosciZ.h"

#include "core/Amount.h"
#include "core/Nrb.h"
#include "core/Session.h"
#include "shop/OznaczenieFaktury.h"
#include "invoices/PlatnoscFaktury.h"
#include "transfers/EksportPaczki.h"
#include "transfers/PlikPaczki.h"
#include "transfers/frmBialaListaPytanie.h"
#include "transfers/frmPrzelewBEksport.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/RekordyWSiatce.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <utility>

namespace remitto {

namespace {

const QString kTytulKwoty = QStringLiteral("Kwota do przelania");
const QString kTytulNumeracji = QStringLiteral("Numeracja paczek");
const QString kTytulZapisu = QStringLiteral("Zapis paczki");
const QColor kZielonyPrzelew(0, 255, 0);

} // namespace

void frmPlatnosciZ::polaczPrzelewy()
{
    connect(m_cmdZapiszPaczke, &QPushButton::clicked, this, &frmPlatnosciZ::zapiszPaczke);
    connect(m_cmdDoPrzelewu, &QPushButton::clicked, this, &frmPlatnosciZ::doEcorponet);
    connect(m_cmdUsunPlatnosc, &QPushButton::clicked, this, &frmPlatnosciZ::usunPrzelew);

    // A mouse click on the gross amount pays, and so does Enter on it; moving
    // over it with the arrow keys only moves.
    m_MSFlexGrid11->viewport()->installEventFilter(this);
    connect(m_MSFlexGrid11, &Grid::cellClicked, this, [this](int wiersz, int kolumna) {
        kliknietoFakture(wiersz, kolumna, std::exchange(m_klikFaktury, false));
    });
    connect(m_MSFlexGrid11, &Grid::cellActivated, this,
            [this](int wiersz, int kolumna) { kliknietoFakture(wiersz, kolumna, true); });
    connect(m_MSFlexGrid1, &Grid::cellClicked, this, [this](int wiersz, int) { m_wierszPrzelewu = wiersz; });
}

bool frmPlatnosciZ::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_MSFlexGrid11->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            m_klikFaktury = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, this, [this] { m_klikFaktury = false; });
    }
    return QWidget::eventFilter(watched, event);
}

QDate frmPlatnosciZ::dzis() const
{
    const QDate d = QDate::fromString(m_session.DataDzis, QStringLiteral("dd-MM-yyyy"));
    return d.isValid() ? d : m_session.clock.today();
}

QList<Przelew> frmPlatnosciZ::przelewyListy() const
{
    QList<Przelew> lista;
    for (const Zaplata& z : m_zaplaty)
        lista.append(z.przelew);
    return lista;
}

void frmPlatnosciZ::przeliczRazem()
{
    const qint64 razem = sumaListy(przelewyListy());
    m_txtRazemKwota->setText(formatAmount(razem));
    m_lbWplaty->setText(formatAmount(razem));
    m_lbZadluzenie->setText(formatAmount(m_razemBrutto - razem));
}

int frmPlatnosciZ::wierszFaktury(int i) const
{
    if (i < 0 || i >= m_zaplaty.size())
        return -1;
    const Zaplata& z = m_zaplaty[i];
    const QList<int>& kolumny = kolumnyZaplaty();
    for (int f = 0; f < m_faktury.size(); ++f) {
        const QStringList& faktura = m_faktury[f];
        if (faktura.value(kol::Plik) != z.plik)
            continue;
        bool taSama = true;
        for (int j = 0; j < kolumny.size() && taSama; ++j)
            taSama = faktura.value(kolumny[j]) == z.po.value(j);
        if (taSama)
            return f;
    }
    return -1;
}

void frmPlatnosciZ::pokazListe()
{
    RekordyWSiatce<Zaplata>::pokaz(
        m_MSFlexGrid1, m_zaplaty,
        [](const Zaplata& z, int wiersz, int kolumna) { return wierszListyPrzelewow(z.przelew, wiersz + 1).value(kolumna); },
        [](const Zaplata&, int, int kolumna) {
            GridModel::CellStyle s;
            if (kolumna == kolPaczki::Splacono)
                s.background = kZielonyPrzelew;
            return s;
        });
}

void frmPlatnosciZ::zacznijNowaListe()
{
    m_zaplaty.clear();
    pokazListe();
    m_wierszPrzelewu = 0;
    m_paczkaListy.clear();
    m_przeniesiona = false;
    m_txtRazemKwota->setText(formatAmount(0));
}

void frmPlatnosciZ::pokazOdmoweNumeru(const NumerPaczkiListy& numer)
{
    m_dialogs.messageBox(numer.blad, numer.stan == NumerPaczkiListy::Stan::PlikIstnieje ? QString() : kTytulNumeracji,
                         Icon::Critical);
}

void frmPlatnosciZ::kliknietoFakture(int wiersz, int kolumna, bool zaplac)
{
    if (m_wczytywanie || wiersz < 1 || wiersz > m_faktury.size())
        return;
    const int f = wiersz - 1;
    m_txtSlowo->setText(m_faktury[f].value(kol::Skrot));
    if (!zaplac || kolumna != kol::Brutto)
        return;

    const QStringList w = m_faktury[f];
    const WierszDoZaplaty sprawdzenie = sprawdzWierszDoZaplaty(w);
    switch (sprawdzenie.stan) {
    case WierszDoZaplaty::Stan::Ok:
        break;
    case WierszDoZaplaty::Stan::ZleKonto:
        m_dialogs.messageBox(QStringLiteral("Konto wydaje się być nieprawidłowe - przelew nie zostanie zaimportowany do Eliksir"),
                             QStringLiteral("Popraw kontow fakturze"), Icon::Critical);
        return;
    case WierszDoZaplaty::Stan::Splacona:
        m_dialogs.messageBox(QStringLiteral("Należności z tej faktury zostały spłacone w dniu ")
                                 + w.value(kol::DataSplaty),
                             QStringLiteral(" Zastanów się co robisz !"), Icon::Critical);
        return;
    case WierszDoZaplaty::Stan::ZlaKwota:
        m_dialogs.messageBox(QStringLiteral("Kwot tej faktury nie da się odczytać - sprawdź plik faktury ")
                                 + w.value(kol::Plik) + QLatin1Char('.'),
                             kTytulKwoty, Icon::Critical);
        return;
    }

    // A payment saved into a package marks the invoice only when the package
    // goes to Ecorponet: until then the invoice looks unpaid here.
    const QStringList wPaczkach = otwartePaczkiFaktury(m_session.SciezkaProgramu, w.value(kol::Plik), dzis());
    if (!wPaczkach.isEmpty()) {
        QStringList nazwy;
        for (const QString& p : wPaczkach)
            nazwy.append(QFileInfo(p).fileName());
        if (m_dialogs.messageBox(QStringLiteral("Faktura %1 (%2) jest już w paczce nie przeniesionej do Ecorponet: "
                                                "%3.\nCzy mimo to zapłacić ją jeszcze raz ?")
                                     .arg(w.value(kol::Tytulem), w.value(kol::Plik), nazwy.join(QStringLiteral(", "))),
                                 kTytulKwoty, Icon::Question, Buttons::YesNoDefaultNo)
            != Answer::Yes)
            return;
    }
    // 26 digits are the only hard rule; wrong check digits are asked about.
    if (sprawdzNrb(w.value(kol::Konto)) == StanNrb::Bledny
        && m_dialogs.messageBox(QStringLiteral("Numer konta ma błędne cyfry kontrolne. Czy mimo to dodać płatność do "
                                               "listy?"),
                                kTytulKwoty, Icon::Question, Buttons::YesNoDefaultNo)
               != Answer::Yes)
        return;
    const std::optional<QString> odpowiedz =
        m_dialogs.inputBox(QStringLiteral("Podaj kwotę do przelania "), kTytulKwoty, sprawdzenie.domyslnaKwota);
    if (!odpowiedz || odpowiedz->trimmed().isEmpty())
        return;
    qint64 kwota = 0;
    switch (sprawdzKwotePlatnosci(*odpowiedz, sprawdzenie.doSplaty, &kwota)) {
    case KwotaPlatnosci::Ok:
        break;
    case KwotaPlatnosci::Nieczytelna:
        m_dialogs.messageBox(QStringLiteral("\"") + odpowiedz->trimmed()
                                 + QStringLiteral("\" nie jest kwotą - wpisz kwotę, np. 400,00."),
                             kTytulKwoty, Icon::Critical);
        return;
    case KwotaPlatnosci::NieDodatnia:
        m_dialogs.messageBox(QStringLiteral("Kwota do przelania musi być większa od zera."), kTytulKwoty,
                             Icon::Critical);
        return;
    case KwotaPlatnosci::PonadReszte:
        m_dialogs.messageBox(QStringLiteral("Kwota ") + odpowiedz->trimmed()
                                 + QStringLiteral(" jest większa niż kwota do spłaty z tej faktury: ")
                                 + sprawdzenie.domyslnaKwota,
                             kTytulKwoty, Icon::Critical);
        return;
    }

    // Everything is checked before the row changes.
    if (m_session.SciezkaKramix.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Brak ustalonego dostepu do Kramix"),
                             QStringLiteral("Wprowadź sciezke w Moja Firma"), Icon::Critical);
        return;
    }
    const QString plik = w.value(kol::Plik);
    const FakturaDoOznaczenia faktura = sprawdzFakture(m_session.SciezkaKramix, m_session.FolderFirmyKramix, plik);
    if (faktura.stan != FakturaDoOznaczenia::Stan::Ok) {
        QString tekst;
        if (faktura.stan == FakturaDoOznaczenia::Stan::ZlaNazwa)
            tekst = QStringLiteral("\"") + plik + QStringLiteral("\" nie jest nazwą pliku faktury (Fz + 9 cyfr + .dat).");
        else if (faktura.stan == FakturaDoOznaczenia::Stan::Brak)
            tekst = QStringLiteral("Brak pliku faktury ") + QDir::toNativeSeparators(faktura.sciezka);
        else if (faktura.stan == FakturaDoOznaczenia::Stan::Folder)
            tekst = komunikatFolderu(faktura.sciezka);
        else
            tekst = QStringLiteral("Plik faktury ") + QDir::toNativeSeparators(faktura.sciezka)
                  + QStringLiteral(" jest uszkodzony: ") + faktura.powod;
        m_dialogs.messageBox(tekst + QStringLiteral("\nFaktura nie została opłacona."), kTytulKwoty, Icon::Critical);
        return;
    }
    const NumerPaczkiListy numer = numerPaczkiListy(m_session.SciezkaProgramu, dzis());
    if (!numer.ok()) {
        pokazOdmoweNumeru(numer);
        return;
    }
    if (f >= m_faktury.size() || m_faktury[f] != w)
        return;  // the list was read again meanwhile
    // A list already saved (or moved) lives on as its package: a payment
    // starts the next list, in the next package.
    if (!m_paczkaListy.isEmpty())
        zacznijNowaListe();
    if (kwota != sprawdzenie.brutto)
        m_dialogs.messageBox(QStringLiteral("Wpłacasz kwotę inną niż w fakturze"),
                             QStringLiteral("Wstaw dodatkowy opis"), Icon::Information);

    const int nrPrzelewu = int(m_zaplaty.size()) + 1;
    const QStringList po = zaplaconyWiersz(w, kwota, m_session.DataDzis, numer.nn(), nrPrzelewu);
    Zaplata z;
    z.plik = plik;
    for (int k : kolumnyZaplaty()) {
        z.przed.append(w.value(k));
        z.po.append(po.value(k));
        m_faktury[f][k] = po.value(k);
    }
    z.przelew = przelewZFaktury(po, numer.nn(), nrPrzelewu);
    m_zaplaty.append(z);
    pokazFaktury();

    pokazListe();
    przeliczRazem();
}

void frmPlatnosciZ::usunPrzelew()
{
    const int r = m_wierszPrzelewu;
    if (r < 1 || r > m_zaplaty.size())
        return;
    if (!m_paczkaListy.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Przelewy tej listy są już w paczce ") + m_paczkaListy
                                 + QStringLiteral(" - przelew usuń z paczki w oknie przelewów."),
                             QStringLiteral("Usuń Przelew"), Icon::Exclamation);
        return;
    }
    // The invoice row shows the payment no more.
    const int i = r - 1;
    if (const int f = wierszFaktury(i); f >= 0) {
        for (int j = 0; j < kolumnyZaplaty().size(); ++j)
            m_faktury[f][kolumnyZaplaty()[j]] = m_zaplaty[i].przed.value(j);
    }
    m_zaplaty.removeAt(i);
    m_wierszPrzelewu = 0;
    // The transfers after it move up one place; their invoice rows are
    // found before the numbers change.
    QList<int> wiersze;
    for (int k = i; k < m_zaplaty.size(); ++k)
        wiersze.append(wierszFaktury(k));
    przenumerujZaplaty(m_zaplaty, i);
    for (int k = i; k < m_zaplaty.size(); ++k) {
        if (const int f = wiersze[k - i]; f >= 0)
            m_faktury[f][kol::NrPrzelewu] = m_zaplaty[k].przelew.nrPrzel;
    }
    pokazFaktury();
    pokazListe();
    przeliczRazem();
}

bool frmPlatnosciZ::zapiszListe()
{
    const ZapisListy z = zapiszListeJakoPaczke(m_session.SciezkaProgramu, dzis(), przelewyListy());
    switch (z.stan) {
    case ZapisListy::Stan::Zapisano:
    case ZapisListy::Stan::BladNumeracji:
        break;
    case ZapisListy::Stan::Pusta:
        return false;
    case ZapisListy::Stan::Odmowa:
        pokazOdmoweNumeru(z.numer);
        return false;
    case ZapisListy::Stan::BladZapisu:
        m_dialogs.messageBox(z.blad + QStringLiteral("\nPaczka nie została zapisana."), kTytulZapisu, Icon::Critical);
        return false;
    }

    // The list now is the package: its rows and invoices carry its number.
    m_paczkaListy = z.numer.sciezkaPaczki;
    m_session.PlikPaczki = z.numer.sciezkaPaczki;
    m_session.NrPaczkiAktualnej = z.numer.nr;
    for (int i = 0; i < z.rekordy.size(); ++i) {
        if (i < m_zaplaty.size())
            m_zaplaty[i].przelew = z.rekordy[i];
        if (const int f = wierszFaktury(i); f >= 0)
            m_faktury[f][kol::NrPaczki] = z.numer.nn();
        m_zaplaty[i].po[kolumnyZaplaty().indexOf(kol::NrPaczki)] = z.numer.nn();
    }
    pokazFaktury();
    pokazListe();
    if (z.stan == ZapisListy::Stan::BladNumeracji)
        m_dialogs.messageBox(QStringLiteral("Paczkę zapisano w pliku ") + QDir::toNativeSeparators(m_paczkaListy)
                                 + QStringLiteral(", ale nie zmieniono numeracji paczek: ") + z.blad
                                 + QStringLiteral("\nPopraw numerację w oknie numeracji paczek."),
                             kTytulNumeracji, Icon::Critical);
    emit paczkaZmieniona(m_paczkaListy, z.numer.nr);
    return true;
}

void frmPlatnosciZ::zapiszPaczke()
{
    if (m_zaplaty.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Paczka nie zawiera przelewów"),
                             QStringLiteral("zastanów sie co chcesz zobić !!"), Icon::Critical);
        return;
    }
    if (!m_paczkaListy.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Przelewy tej listy są już zapisane w paczce ") + m_paczkaListy,
                             kTytulZapisu, Icon::Information);
        return;
    }
    const NumerPaczkiListy numer = numerPaczkiListy(m_session.SciezkaProgramu, dzis());
    if (!numer.ok()) {
        pokazOdmoweNumeru(numer);
        return;
    }
    if (m_dialogs.messageBox(QStringLiteral("Czy zapisać wybrane przelewy do dzisiejszej paczki ? "), kTytulZapisu,
                             Icon::Question, Buttons::YesNo)
        != Answer::Yes)
        return;
    if (!zapiszListe())
        return;
    m_dialogs.messageBox(QStringLiteral(" Paczka zapisana !"),
                         QStringLiteral("Przelewy do paczki nr ") + nrPaczkiTekst(m_session.NrPaczkiAktualnej),
                         Icon::Information);
}

void frmPlatnosciZ::doEcorponet()
{
    m_dialogs.messageBox(QStringLiteral("Czy napewno chcesz przenieść płatność z tych faktur do przelewu ?"),
                         QStringLiteral(" Faktury oznaczone zostaną jako zapłacone !"), Icon::Information);
    if (m_zaplaty.isEmpty()) {
        m_dialogs.messageBox(QStringLiteral("Paczka nie zawiera przelewów"),
                             QStringLiteral("Zastanów się co chcesz zrobić !!"), Icon::Critical);
        return;
    }
    // Large payments to accounts the VAT white list does not hold are
    // confirmed before anything is saved or sent.
    if (!potwierdzBialaLista(m_session, m_dialogs, przelewyListy(), this))
        return;
    // A list not saved yet becomes a package of this month first, so the
    // export works on a package like any other.
    if (m_paczkaListy.isEmpty() && !zapiszListe())
        return;

    const QString paczka = m_paczkaListy;
    const WynikEksportu w = eksportujPaczke(daneEksportu(m_session), paczka, przelewyListy(), Rodzaj::Przelew);
    const bool calosc = pokazWynikEksportu(m_session, m_dialogs, w, paczka);
    if (!w.odmowiono() && (w.przerwanyKrok == KrokEksportu::Koniec || w.przerwanyKrok == KrokEksportu::Faktury)) {
        // The package is closed: so are the transfers of the list.
        m_przeniesiona = true;
        for (Zaplata& z : m_zaplaty)
            z.przelew.status = kZamknieta;
        pokazListe();
        int rok = 0, miesiac = 0, nr = 0;
        rozpoznajNazwePaczki(paczka, &rok, &miesiac, &nr);
        emit paczkaZmieniona(paczka, nr);
    }
    if (calosc)
        m_dialogs.messageBox(QStringLiteral("Paczka została uzupełniona"),
                             QStringLiteral("Dopisanie paczki do ECorponet na dzien ") + m_session.DataDzis,
                             Icon::Exclamation);
}

void frmPlatnosciZ::closeEvent(QCloseEvent* event)
{
    if (!m_zaplaty.isEmpty() && m_paczkaListy.isEmpty()
        && m_dialogs.messageBox(QStringLiteral("Przelewy z listy nie zostały zapisane w paczce ani przeniesione do "
                                               "Ecorponet. Czy zamknąć okno i porzucić te przelewy ?"),
                                QStringLiteral("Przelewy do paczki"), Icon::Question, Buttons::YesNo)
               != Answer::Yes) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace remitto
