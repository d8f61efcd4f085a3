// Start-up, login and the choice of the data folder.
#include "shell/frmPrzelewA.h"

#include "core/FolderLock.h"
#include "core/Leftovers.h"
#include "core/Session.h"
#include "shell/Logowanie.h"
#include "shell/Startup.h"
#include "shell/frmMojaFirma.h"
#include "ui/Dialogs.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFileInfo>
#include <QEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace remitto {

namespace {

const QString kTytulBrakFirmy = QStringLiteral("Brak danych firmy");
const QString kTytulBrakInstalki = QStringLiteral("Brak zbioru Instalka.dat");
const QString kTytulBlokady = QStringLiteral("Folder danych w użyciu");

/// The same folder however it was written.
QString folderKlucz(const QString& folder)
{
    const QFileInfo f(folder);
    const QString c = f.canonicalFilePath();
    return c.isEmpty() ? f.absoluteFilePath() : c;
}

} // namespace

void frmPrzelewA::uruchom(const QString& folder)
{
    const QDate dzis = m_session.clock.today();
    ustawDzis(m_session, dzis);
    m_folder = folder;
    if (m_session.SciezkaProgramu.isEmpty())
        m_session.SciezkaProgramu = folder;
    ladowanie();

    setWindowTitle(QStringLiteral("Remitto ") + m_session.SciezkaProgramu + QStringLiteral(" Wersja ")
                   + wersjaProgramu());
    MonthView1->setSelectedDate(dzis);
    ustawDateRobocza(m_session, MonthView1->selectedDate());
    odswiezDate(dzis);
    Label4->setText(QStringLiteral("Wersja ") + wersjaProgramu());
    lbGodzina->setText(m_session.clock.now().time().toString(QStringLiteral("HH:mm:ss")));
    tmCzas->start();
}

void frmPrzelewA::ladowanie()
{
    pokazListyFolderow(false);
    QString error;
    StanUstawien stan = wczytajUstawienia(m_session, &error);
    const bool uszkodzone = stan == StanUstawien::Uszkodzone;
    if (uszkodzone) {
        // Reported, then the start goes on as without the file: a damaged
        // file never leads into the password prompt.
        m_dialogs.messageBox(error, kTytulBrakInstalki, Icon::Critical);
        stan = StanUstawien::Brak;
    }
    if (stan == StanUstawien::Brak) {
        // Enter alone never replaces a damaged file with defaults.
        const Answer a = m_dialogs.messageBox(
            QStringLiteral("Brak pliku Instalacyjnego w wybranym katalogu,Wybierz sciezke dostepu i naciśnij Akceptuj ?"),
            kTytulBrakInstalki, Icon::Information, uszkodzone ? Buttons::YesNoDefaultNo : Buttons::YesNo);
        pokazListyFolderow(true);
        if (a != Answer::Yes)
            return;
        const QString folder = m_folder.isEmpty() ? m_session.SciezkaProgramu : m_folder;
        if (!zablokujFolder(folder, true))
            return;
        QString kopia;
        if (!utworzUstawienia(m_session, folder, &error, &kopia)) {
            m_dialogs.messageBox(error, kTytulBrakInstalki, Icon::Critical);
            return;
        }
        if (!kopia.isEmpty())
            m_dialogs.messageBox(komunikatZachowanegoPliku(QDir(folder).filePath(kPlikInstalka), kopia),
                                 kTytulBrakInstalki, Icon::Information);
        m_session.SciezkaProgramu = folder;
        stan = wczytajUstawienia(m_session, &error);
    }
    if (stan != StanUstawien::Wczytane) {
        // A damaged settings file is reported, not skipped in silence.
        m_dialogs.messageBox(error, kTytulBrakInstalki, Icon::Critical);
        pokazListyFolderow(true);
        return;
    }
    // Nothing is written into the folder (not even the leftovers of a killed
    // run tidied) before this program is its only writer.
    if (!zablokujFolder(m_session.SciezkaProgramu, true))
        return;
    if (hasloPoprawne(m_session))
        ukryjHaslo();
    odswiezDate(m_session.clock.today());
    wczytajFirme();
    emit folderZaakceptowany(m_session.SciezkaProgramu);
}

bool frmPrzelewA::wczytajFirme()
{
    // The data folder is known: appends and rewrites a killed run left
    // unfinished are settled before anything reads its files.
    for (const QString& problem : tidyDataFolder(m_session.SciezkaProgramu))
        m_dialogs.messageBox(problem, QStringLiteral("Błąd"), Icon::Critical);
    QString error;
    const StanFirmy stan = wczytajPierwszaFirme(m_session, &error);
    if (stan == StanFirmy::BrakPliku || stan == StanFirmy::PustyPlik) {
        // A file that is there but holds no record is not replaced on Enter alone.
        const Answer a = m_dialogs.messageBox(
            QStringLiteral("W katalogu %1 nie ma zapisanej żadnej własnej firmy (plik MojaFirma.txt).\n"
                           "Czy utworzyć pierwszy, pusty rekord firmy do wypełnienia w oknie Moja Firma ?")
                .arg(m_session.SciezkaProgramu),
            kTytulBrakFirmy, Icon::Question,
            stan == StanFirmy::PustyPlik ? Buttons::YesNoDefaultNo : Buttons::YesNo);
        QString kopia;
        if (a == Answer::Yes && !utworzPierwszaFirme(m_session, &error, &kopia)) {
            m_dialogs.messageBox(error, kTytulBrakFirmy, Icon::Critical);
        } else if (a == Answer::Yes) {
            if (!kopia.isEmpty())
                m_dialogs.messageBox(komunikatZachowanegoPliku(m_session.PlikMojaFirma, kopia),
                                     kTytulBrakFirmy, Icon::Information);
            wczytajPierwszaFirme(m_session, &error);
        }
    } else if (stan == StanFirmy::Uszkodzony || stan == StanFirmy::ZlySkrot) {
        m_dialogs.messageBox(error, QStringLiteral("Błąd pliku MojaFirma.txt"), Icon::Critical);
    }
    odswiezWizytowke();
    return stan == StanFirmy::Wczytana;
}

void frmPrzelewA::zatwierdzHaslo()
{
    if (zaloguj(m_session) == WynikLogowania::BrakDostepu) {
        m_dialogs.messageBox(QStringLiteral("Brak Dostępu niestety nie rozpoznaje Cie !"),
                             QStringLiteral("Błąd wprowadzenia Hasła"), Icon::Critical);
        zakoncz();
        return;
    }
    otworzMojaFirma();
}

void frmPrzelewA::otworzMojaFirma()
{
    ukryjHaslo();
    if (!m_mojaFirma) {
        m_mojaFirma = new frmMojaFirma(m_session, m_dialogs, this);
        m_mojaFirma->setWindowFlag(Qt::Window);
        connect(m_mojaFirma, &frmMojaFirma::przekazano, this, [this] {
            odswiezWizytowke();
            raise();
            activateWindow();
        });
        // Browsing already changes the current company; a window closed
        // without the hand-over must not leave the business card stale.
        m_mojaFirma->installEventFilter(this);
    }
    m_mojaFirma->otworz();
    m_mojaFirma->show();
    m_mojaFirma->raise();
    m_mojaFirma->activateWindow();
}

void frmPrzelewA::akceptujFolder()
{
    Label4->setText(QStringLiteral("Versja ") + wersjaProgramu());
    const QString wybrany = m_folder;
    if (!zablokujFolder(wybrany, false))
        return;
    QString error;
    bool ok = przepiszUstawieniaDlaFolderu(m_session, wybrany, &error);
    if (!ok) {
        // A file that is there but could not be used is not replaced on Enter alone.
        const Answer a = m_dialogs.messageBox(
            QStringLiteral("Brak pliku Instalacyjnego w wybranej lokalizacji!  Czy Zapisać Nowy ?"),
            kTytulBrakInstalki, Icon::Information,
            jestPlikUstawien(wybrany) ? Buttons::YesNoDefaultNo : Buttons::YesNo);
        if (a == Answer::Yes) {
            QString kopia;
            ok = zapiszNoweUstawienia(m_session, wybrany, &error, &kopia);
            if (!ok)
                m_dialogs.messageBox(error, kTytulBrakInstalki, Icon::Critical);
            else if (!kopia.isEmpty())
                m_dialogs.messageBox(komunikatZachowanegoPliku(QDir(wybrany).filePath(kPlikInstalka), kopia),
                                     kTytulBrakInstalki, Icon::Information);
        }
    }
    m_session.SciezkaProgramu = wybrany;
    pokazListyFolderow(false);
    setWindowTitle(QStringLiteral("Remitto ") + wybrany + QStringLiteral(" Wersja ") + wersjaProgramu());
    if (!ok)
        return;
    if (hasloPoprawne(m_session))
        ukryjHaslo();
    else {
        WprHasla->show();
        txtHaslo->show();
        cmdZatwierdz->show();
    }
    wczytajFirme();
    emit folderZaakceptowany(wybrany);
}

void frmPrzelewA::wlaczBlokadeFolderu()
{
    m_blokadaWlaczona = true;
    // A program left open for days keeps its lock young, so that another
    // computer never offers to take it over.
    auto* odswiez = new QTimer(this);
    odswiez->setObjectName(QStringLiteral("tmBlokada"));
    odswiez->setInterval(10 * 60 * 1000);
    connect(odswiez, &QTimer::timeout, this, [this] {
        if (m_blokada)
            m_blokada->refresh();
    });
    odswiez->start();
}

QString frmPrzelewA::zablokowanyFolder() const
{
    return m_blokada && m_blokada->held() ? m_blokada->folder() : QString();
}

bool frmPrzelewA::zablokujFolder(const QString& folder, bool przyStarcie)
{
    if (!m_blokadaWlaczona || folder.isEmpty())
        return true;
    if (m_blokada && m_blokada->held() && folderKlucz(m_blokada->folder()) == folderKlucz(folder))
        return true;
    // The lock held so far goes only once the new folder is this program's.
    auto nowa = std::make_unique<FolderLock>();
    LockState stan = nowa->acquire(folder);
    if (stan == LockState::StaleElsewhere) {
        const Answer a = m_dialogs.messageBox(
            nowa->message()
                + QStringLiteral("\n\nTamten program nie odnawiał blokady od ponad doby, więc prawdopodobnie już nie działa "
                                 "(komputer wyłączony albo program przerwany).\n"
                                 "Czy przejąć folder? Odpowiedz Tak tylko, gdy wiesz, że na tamtym komputerze "
                                 "Remitto nie pracuje w tym folderze."),
            kTytulBlokady, Icon::Question, Buttons::YesNoDefaultNo);
        if (a == Answer::Yes && nowa->takeOver())
            stan = LockState::Acquired;
    }
    if (stan == LockState::Acquired) {
        m_blokada = std::move(nowa);
        return true;
    }
    QString tekst = nowa->message();
    if (stan != LockState::Unwritable)
        tekst += QStringLiteral("\nTen program nie otworzy go do zapisu.");
    if (!przyStarcie) {
        m_dialogs.messageBox(tekst, kTytulBlokady, Icon::Exclamation);
        return false;
    }
    const Answer a = m_dialogs.messageBox(
        tekst + QStringLiteral("\n\nCzy wybrać inny folder danych?\n(Nie - koniec programu)"),
        kTytulBlokady, Icon::Exclamation, Buttons::YesNo);
    if (a == Answer::Yes)
        pokazListyFolderow(true);
    else
        zakoncz();
    return false;
}

bool frmPrzelewA::moznaPisac()
{
    return zablokujFolder(m_session.SciezkaProgramu, false);
}

} // namespace remitto

namespace remitto {

bool frmPrzelewA::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_mojaFirma && event->type() == QEvent::Hide)
        odswiezWizytowke();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace remitto
