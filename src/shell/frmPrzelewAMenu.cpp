// The "Globalne" menu: program date and time, password, serial description,
// the two folders of the current company, printer settings, the VAT white
// list, about window.
#include "shell/frmPrzelewA.h"

#include "contractors/frmBialaLista.h"
#include "statements/frmWyciag.h"
#include "core/Session.h"
#include "history/frmHistoria.h"
#include "shell/Instalka.h"
#include "shell/Logowanie.h"
#include "shell/MojaFirma.h"
#include "shell/Startup.h"
#include "shell/frmSplash.h"
#include "shell/frmUstawieniaDrukarki.h"
#include "transfers/frmNumeracjaMM.h"
#include "transfers/frmPrzelewB.h"
#include "ui/Dialogs.h"

#include <QLabel>
#include <QLocale>
#include <QTime>

namespace remitto {

namespace {

const QString kAktualnaSciezka = QStringLiteral("Aktualna scieżka=");
const QString kTytulHasla = QStringLiteral("Zmiana Hasła dostepu !!");
const QString kZmianyWprowadzone = QStringLiteral("Zmiany zostały wprowadzone");

} // namespace

void frmPrzelewA::kontrahenci()
{
    if (!hasloPoprawne(m_session)) {
        zakoncz();
        return;
    }
    if (!m_przelew) {
        m_przelew = new frmPrzelewB(m_session, m_dialogs, this);
        m_przelew->setWindowFlag(Qt::Window);
        connect(m_przelew, &frmPrzelewB::zamknieto, this, [this] {
            raise();
            activateWindow();
        });
    }
    m_przelew->otworz();
}

frmPrzelewB* frmPrzelewA::oknoPrzelewu() const
{
    return m_przelew;
}

void frmPrzelewA::zmianaDaty()
{
    const QString tytul = QStringLiteral("Zmiana daty systemowej !");
    const auto odp = m_dialogs.inputBox(QStringLiteral("Podaj zmienioną date w formacie rrrr-mm-dd"), tytul);
    if (!odp || odp->trimmed().isEmpty())
        return;
    const std::optional<QDate> dzien = dataZWpisu(*odp);
    if (!dzien) {
        m_dialogs.messageBox(QStringLiteral("Niepoprawna data \"%1\". Wpisz datę w formacie rrrr-mm-dd, np. 2020-07-08.")
                                 .arg(odp->trimmed()),
                             tytul, Icon::Exclamation);
        return;
    }
    m_session.clock.setDate(*dzien);
    ustawDzis(m_session, *dzien);
    odswiezDate(*dzien);
}

void frmPrzelewA::zmianaCzasu()
{
    const QString tytul = QStringLiteral("Zmiana czasu systemowego !");
    const auto odp = m_dialogs.inputBox(QStringLiteral("Podaj zmieniony czas w formacie gg:ss"), tytul);
    if (!odp || odp->trimmed().isEmpty())
        return;
    const std::optional<QTime> czas = czasZWpisu(*odp);
    if (!czas) {
        m_dialogs.messageBox(QStringLiteral("Niepoprawny czas \"%1\". Wpisz godzinę i minuty w formacie gg:mm, np. 14:30.")
                                 .arg(odp->trimmed()),
                             tytul, Icon::Exclamation);
        return;
    }
    m_session.clock.setTime(*czas);
    lbGodzina->setText(m_session.clock.now().time().toString(QStringLiteral("HH:mm:ss")));
}

void frmPrzelewA::zmianaHasla()
{
    const auto stare = m_dialogs.inputBox(QStringLiteral("Podaj dotychczsowe hasło dostępu do programu! "), kTytulHasla);
    if (!stare)
        return;
    QString error;
    switch (sprawdzStareHaslo(m_session, *stare, &error)) {
    case StareHaslo::BladOdczytu: m_dialogs.messageBox(error, kTytulHasla, Icon::Critical); return;
    case StareHaslo::Niezgodne: return;
    case StareHaslo::Zgodne: break;
    }
    const auto nowe = m_dialogs.inputBox(QStringLiteral("Podaj nowe hasło dostępu do programu i zapamiętaj !"),
                                         kTytulHasla);
    if (!nowe)
        return;  // Cancel keeps the old password
    const WynikZmiany w = zmienHaslo(m_session, *stare, *nowe, &error);
    if (w == WynikZmiany::BladOdczytu || w == WynikZmiany::BladZapisu)
        m_dialogs.messageBox(error, kTytulHasla, Icon::Critical);
    else if (w == WynikZmiany::NiedozwoloneZnaki)
        m_dialogs.messageBox(QStringLiteral("Hasło nie może zawierać znaków: %1\n"
                                            "(cudzysłowu ani znaków spoza polskiej strony kodowej Windows-1250).\n"
                                            "Hasło nie zostało zmienione - obowiązuje dotychczasowe.")
                                 .arg(znakiNiedozwolone(*nowe)),
                             kTytulHasla, Icon::Critical);
}

void frmPrzelewA::opisSeryjny()
{
    const QString tytul = QStringLiteral("Text do seryjnego wstawiania");
    const auto odp = m_dialogs.inputBox(QStringLiteral(" Wprowadź text opisu seryjnego przelewu"), tytul,
                                        QStringLiteral("F-ra nr"));
    if (!odp || odp->isEmpty())
        return;
    QString error;
    const WynikZmiany w = zmienOpisSeryjny(m_session, *odp, &error);
    if (w == WynikZmiany::BladOdczytu || w == WynikZmiany::BladZapisu)
        m_dialogs.messageBox(error, tytul, Icon::Critical);
}

void frmPrzelewA::pokazWynikFolderu(WynikFolderu wynik, const QString& error)
{
    switch (wynik) {
    case WynikFolderu::Zmieniono:
        m_dialogs.messageBox(kZmianyWprowadzone, kAppTitle, Icon::Exclamation);
        return;
    case WynikFolderu::BezZmian: return;
    case WynikFolderu::BrakFirmy:
        m_dialogs.messageBox(QStringLiteral("Nie wybrano bieżącej firmy: w pliku MojaFirma.txt nie ma jej rekordu.\n"
                                            "Wybierz firmę w oknie Moja Firma. Nic nie zostało zmienione."),
                             kAppTitle, Icon::Exclamation);
        return;
    case WynikFolderu::BladOdczytu:
    case WynikFolderu::BladZapisu: break;
    }
    // The "line" is the company record concerned.
    m_dialogs.messageBox(
        QStringLiteral(" Błąd nr %1 w linii %2\n%3").arg(numerBledu(wynik)).arg(m_session.NrIdFirmy, error),
        kAppTitle, Icon::None);
}

void frmPrzelewA::sciezkaEcorponet()
{
    const auto odp = m_dialogs.inputBox(QStringLiteral("Wprowadź sciezke do Ecorponet "),
                                        kAktualnaSciezka, m_session.SciezkaEcorponet);
    if (!odp || odp->isEmpty())
        return;
    QString error;
    pokazWynikFolderu(ustawFolderEcorponet(m_session, *odp, &error), error);
}

void frmPrzelewA::sciezkaKramix()
{
    const QString poprzedni = m_session.SciezkaKramix;
    const auto odp = m_dialogs.inputBox(QStringLiteral("Wprowadź sciezke do Kramix "),
                                        kAktualnaSciezka + poprzedni, poprzedni);
    if (!odp)
        return;
    // A first folder is stored too; only "empty stays empty" changes nothing.
    if (poprzedni.isEmpty() && odp->isEmpty())
        return;
    QString error;
    pokazWynikFolderu(ustawFolderKramix(m_session, *odp, &error), error);
}

void frmPrzelewA::ustawienieDrukarki()
{
    if (!m_drukarka) {
        m_drukarka = new frmUstawieniaDrukarki(m_session, m_dialogs, this);
        m_drukarka->setWindowFlag(Qt::Window);
        m_drukarka->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_drukarka->otworz();
    m_drukarka->show();
    m_drukarka->raise();
}

void frmPrzelewA::numeracja()
{
    if (!m_numeracja) {
        m_numeracja = new frmNumeracjaMM(m_session, m_dialogs, this);
        m_numeracja->setWindowFlag(Qt::Window);
        m_numeracja->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_numeracja->otworz();
}

void frmPrzelewA::historia()
{
    if (!m_historia) {
        m_historia = new frmHistoria(m_session, m_dialogs, this);
        m_historia->setWindowFlag(Qt::Window);
        m_historia->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_historia->otworz();
}

void frmPrzelewA::bialaLista()
{
    if (!m_bialaLista) {
        m_bialaLista = new frmBialaLista(m_session, m_dialogs, this);
        m_bialaLista->setWindowFlag(Qt::Window);
        m_bialaLista->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_bialaLista->otworz();
}

void frmPrzelewA::wyciagBankowy()
{
    if (!m_wyciag) {
        m_wyciag = new frmWyciag(m_session, m_dialogs, this);
        m_wyciag->setWindowFlag(Qt::Window);
        m_wyciag->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_wyciag->otworz();
}

void frmPrzelewA::pomoc()
{
    if (!m_splash) {
        m_splash = new frmSplash(m_dialogs, this);
        m_splash->setWindowFlag(Qt::Window);
        m_splash->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_splash->show();
    m_splash->raise();
    m_splash->activateWindow();
}

} // namespace remitto
