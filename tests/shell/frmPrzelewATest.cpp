// Start-up, login, folder choice and the Globalne menu of the main window.
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/SingleInstance.h"
#include "shell/frmMojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "shell/frmSplash.h"
#include "shell/frmUstawieniaDrukarki.h"
#include "transfers/frmPrzelewB.h"
#include "transfers/frmNumeracjaMM.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <QUrl>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>

using namespace remitto;
using remitto::test::ScriptedDialogs;
using remitto::test::TempFolder;

namespace {

const QString kKonto1 = QStringLiteral("12 1020 2892 0000 5102 0000 1234");

Firma firma(int nr, const QString& skrot)
{
    Firma f;
    f.nrId = QString::number(nr);
    f.skrot = skrot;
    f.nazwa = QStringLiteral("Firma ") + skrot;
    f.konto[0] = nr == 1 ? kKonto1 : QStringLiteral("99 0000 0000 0000 0000 0000 000%1").arg(nr);
    f.sciezkaKramix = QStringLiteral("/kramix");
    f.sciezkaEcorponet = QStringLiteral("/ecorponet");
    return f;
}

void zapiszUstawienia(const TempFolder& dir, const QString& haslo, const QString& folder = {})
{
    writeInstalka(dir.path(), {haslo, folder.isEmpty() ? dir.path() : folder, QStringLiteral("L"), QString(),
                               QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("F-RA NR.")});
}

struct MainWindowTest : ::testing::Test {
    TempFolder dir;
    Session session;
    ScriptedDialogs dialogs;
    std::unique_ptr<frmPrzelewA> window;
    std::unique_ptr<QSignalSpy> ended;

    void SetUp() override
    {
        session.clock.setSource([] { return QDateTime(QDate(2020, 7, 8), QTime(10, 15, 30)); });
        writeMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")),
                       {firma(1, QStringLiteral("ALFA")), firma(2, QStringLiteral("BETA"))});
    }
    void start(const QString& folder)
    {
        window = std::make_unique<frmPrzelewA>(session, dialogs);
        ended = std::make_unique<QSignalSpy>(window.get(), &frmPrzelewA::programZakonczony);
        window->uruchom(folder);
    }
    template <typename T> T* child(const QString& name) const { return window->findChild<T*>(name); }
    void trigger(const QString& action) const
    {
        QAction* a = child<QAction>(action);
        ASSERT_NE(a, nullptr) << action.toStdString();
        a->trigger();
    }
    bool promptHidden() const
    {
        return child<QLabel>(QStringLiteral("WprHasla"))->isHidden()
            && child<QLineEdit>(QStringLiteral("txtHasło"))->isHidden()
            && child<QPushButton>(QStringLiteral("cmdZatwierdz"))->isHidden();
    }
    bool foldersVisible() const
    {
        return !child<QWidget>(QStringLiteral("drvStacjaDyskow"))->isHidden()
            && !child<QTreeView>(QStringLiteral("dirFolder"))->isHidden()
            && !child<QPushButton>(QStringLiteral("cmdAkceptuj"))->isHidden();
    }
    bool companyWindowOpen() const { return window->oknoMojaFirma() && window->oknoMojaFirma()->isVisible(); }
};

} // namespace

TEST_F(MainWindowTest, StartWithoutPasswordShowsEverything)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_TRUE(promptHidden());
    EXPECT_FALSE(foldersVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Remitto ") + dir.path() + QStringLiteral(" Wersja 2020.7.2"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("Wersja 2020.7.2"));
    EXPECT_EQ(child<QLineEdit>(QStringLiteral("txtWizytówka"))->text(), QStringLiteral("ALFA ") + kKonto1);
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbdata"))->text(), QStringLiteral("środa,08,lipca,2020"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbGodzina"))->text(), QStringLiteral("10:15:30"));
    EXPECT_EQ(session.DataDzis, QStringLiteral("08-07-2020"));
    EXPECT_EQ(session.DataDzisKlucz, QStringLiteral("20200708"));
    EXPECT_EQ(session.DataRobocza, QStringLiteral("08-07-2020"));
    EXPECT_EQ(session.PlikMojaFirma, dir.file(QStringLiteral("MojaFirma.txt")));
    EXPECT_EQ(session.KontoWybrane, kKonto1);
    EXPECT_EQ(session.OpisSeryjny, QStringLiteral("F-RA NR."));

    trigger(QStringLiteral("Mój"));
    EXPECT_TRUE(companyWindowOpen());
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(MainWindowTest, MenuHasEveryEntry)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    const QStringList names = {QStringLiteral("kotr"), QStringLiteral("Mój"), QStringLiteral("historia"),
                               QStringLiteral("Data"), QStringLiteral("Czas"), QStringLiteral("Sciezka"),
                               QStringLiteral("Hasło"), QStringLiteral("Drukarki"), QStringLiteral("Opis"),
                               QStringLiteral("siezkah"), QStringLiteral("mnudosklep"), QStringLiteral("mnuNumP"),
                               QStringLiteral("calc"), QStringLiteral("pomoc")};
    for (const QString& n : names)
        EXPECT_NE(child<QAction>(n), nullptr) << n.toStdString();
    EXPECT_EQ(child<QAction>(QStringLiteral("mnudosklep"))->text(),
              QStringLiteral("Ścieżka do Kramix  (np. C:\\Kramix\\Ventor )  "));
    EXPECT_TRUE(child<QAction>(QStringLiteral("Mój"))->isEnabled());
}

TEST_F(MainWindowTest, NumberingEntryOpensTheNumberingWindowOfTheYear)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    trigger(QStringLiteral("mnuNumP"));
    auto* okno = window->findChild<frmNumeracjaMM*>();
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->isVisible());
    EXPECT_EQ(okno->windowTitle(), QStringLiteral("Numeracja dokumentów MM w 2020r."));
    EXPECT_EQ(session.PlikNumeracji, dir.file(QStringLiteral("NumP20.dat")));
    QTest::mouseClick(okno->findChild<QPushButton*>(QStringLiteral("cmdKoniec")), Qt::LeftButton);
    EXPECT_FALSE(okno->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, GuardedEntryBeforePasswordEndsProgram)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    EXPECT_FALSE(promptHidden());
    trigger(QStringLiteral("Mój"));
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(companyWindowOpen());
    EXPECT_TRUE(dialogs.shown().isEmpty());
}

TEST_F(MainWindowTest, ContractorsEntryOpensTransferWindowBehindThePassword)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    trigger(QStringLiteral("kotr"));
    EXPECT_EQ(ended->count(), 1);
    EXPECT_EQ(window->oknoPrzelewu(), nullptr);

    child<QLineEdit>(QStringLiteral("txtHasło"))->setText(QStringLiteral("Tajne"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdZatwierdz")), Qt::LeftButton);
    trigger(QStringLiteral("kotr"));
    frmPrzelewB* przelew = window->oknoPrzelewu();
    ASSERT_NE(przelew, nullptr);
    EXPECT_TRUE(przelew->isVisible());
    EXPECT_EQ(przelew->windowTitle(), QStringLiteral("Przelew z ALFA Nr konta ") + kKonto1
                                          + QStringLiteral(" Data przelewu 08-07-2020"));
    EXPECT_EQ(ended->count(), 1);
    EXPECT_TRUE(dialogs.shown().isEmpty());

    // K&Oniec closes it; the menu opens the same window again.
    QTest::mouseClick(przelew->findChild<QPushButton*>(QStringLiteral("wyjscie")), Qt::LeftButton);
    EXPECT_FALSE(przelew->isVisible());
    trigger(QStringLiteral("kotr"));
    EXPECT_EQ(window->oknoPrzelewu(), przelew);
    EXPECT_TRUE(przelew->isVisible());
}

TEST_F(MainWindowTest, PasswordComparisonIsExact)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    for (const QString& typed : {QStringLiteral("tajne"), QStringLiteral("Tajne "), QString()}) {
        dialogs.clear();
        start(dir.path());
        child<QLineEdit>(QStringLiteral("txtHasło"))->setText(typed);
        QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdZatwierdz")), Qt::LeftButton);
        ASSERT_EQ(dialogs.shown().size(), 1);
        EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Brak Dostępu niestety nie rozpoznaje Cie !"));
        EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Błąd wprowadzenia Hasła"));
        EXPECT_EQ(ended->count(), 1) << typed.toStdString();
        EXPECT_FALSE(companyWindowOpen());
    }
}

TEST_F(MainWindowTest, RightPasswordOpensOwnCompanyWindow)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    child<QLineEdit>(QStringLiteral("txtHasło"))->setText(QStringLiteral("Tajne"));
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdZatwierdz")), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown().isEmpty());
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(companyWindowOpen());
    EXPECT_TRUE(promptHidden());
    trigger(QStringLiteral("Mój"));
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(MainWindowTest, SettingsFolderInFileWinsOverCurrentFolder)
{
    TempFolder other;
    writeMojaFirma(other.file(QStringLiteral("MojaFirma.txt")), {firma(1, QStringLiteral("INNA"))});
    zapiszUstawienia(dir, QString(), other.path());
    start(dir.path());
    EXPECT_EQ(session.SciezkaProgramu, other.path());
    EXPECT_EQ(session.SkrotFirmy, QStringLiteral("INNA"));
    EXPECT_TRUE(window->windowTitle().contains(other.path()));
}

TEST_F(MainWindowTest, MissingSettingsNoThenAcceptFolderCompletesStart)
{
    TempFolder good;
    zapiszUstawienia(good, QString(), QStringLiteral("C:\\Remitto"));
    writeMojaFirma(good.file(QStringLiteral("MojaFirma.txt")), {firma(1, QStringLiteral("DOBRA"))});

    dialogs.answer(Answer::No);
    start(dir.path());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Brak pliku Instalacyjnego w wybranym katalogu,Wybierz sciezke dostepu i naciśnij Akceptuj ?"));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Brak zbioru Instalka.dat"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::YesNo);
    EXPECT_TRUE(foldersVisible());
    EXPECT_FALSE(dir.exists(QStringLiteral("instalka.dat")));

    window->pokazFolder(good.path());
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdAkceptuj")), Qt::LeftButton);
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_FALSE(foldersVisible());
    EXPECT_EQ(session.SciezkaProgramu, good.path());
    EXPECT_EQ(readInstalka(good.path()).u.sciezka, good.path());
    EXPECT_EQ(session.SkrotFirmy, QStringLiteral("DOBRA"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("Label4"))->text(), QStringLiteral("Versja 2020.7.2"));
    EXPECT_TRUE(promptHidden());
}

TEST_F(MainWindowTest, MissingSettingsYesCreatesFileWithFolder)
{
    dialogs.answer(Answer::Yes);
    start(dir.path());
    EXPECT_TRUE(foldersVisible());
    const UstawieniaOdczyt r = readInstalka(dir.path());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.u, (Ustawienia{QString(), dir.path(), {}, {}, {}, {}, {}}));
    EXPECT_EQ(session.SkrotFirmy, QStringLiteral("ALFA"));
}

TEST_F(MainWindowTest, AcceptingFolderWithoutSettingsOffersNewFile)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    TempFolder empty;
    trigger(QStringLiteral("Sciezka"));
    EXPECT_TRUE(foldersVisible());
    window->pokazFolder(empty.path());
    dialogs.answer(Answer::Yes);  // write a new settings file
    dialogs.answer(Answer::No);   // no first company record
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdAkceptuj")), Qt::LeftButton);
    ASSERT_GE(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Brak pliku Instalacyjnego w wybranej lokalizacji!  Czy Zapisać Nowy ?"));
    const UstawieniaOdczyt r = readInstalka(empty.path());
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.u.sciezka, empty.path());
    EXPECT_EQ(r.u.opisSeryjny, QStringLiteral("F-ra nr."));
    EXPECT_EQ(r.u.rodzajDruku, QStringLiteral("1"));
    EXPECT_EQ(session.SciezkaProgramu, empty.path());
    EXPECT_FALSE(foldersVisible());
    EXPECT_FALSE(empty.exists(QStringLiteral("MojaFirma.txt")));
}

TEST_F(MainWindowTest, MissingCompanyFileOffersFirstRecord)
{
    TempFolder bare;
    zapiszUstawienia(bare, QString());
    dialogs.answer(Answer::Yes);
    start(bare.path());
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("MojaFirma.txt")));
    const MojaFirmaOdczyt r = readMojaFirma(bare.file(QStringLiteral("MojaFirma.txt")));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.firmy.size(), 1);
    EXPECT_EQ(r.firmy[0].nrId, QStringLiteral("1"));
}

TEST_F(MainWindowTest, CalendarPickSetsWorkingDate)
{
    zapiszUstawienia(dir, QString());
    session.clock.setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(9, 0)); });
    start(dir.path());
    auto* cal = child<QCalendarWidget>(QStringLiteral("MonthView1"));
    cal->setSelectedDate(QDate(2020, 7, 8));
    emit cal->clicked(QDate(2020, 7, 8));
    EXPECT_EQ(session.DataRobocza, QStringLiteral("08-07-2020"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbdata"))->text(), QStringLiteral("środa,08,lipca,2020"));
    EXPECT_EQ(session.DataDzis, QStringLiteral("10-12-2026"));
}

TEST_F(MainWindowTest, ProgramDateAndTimeEntries)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    dialogs.type(QStringLiteral("2021-03-04"));
    trigger(QStringLiteral("Data"));
    EXPECT_EQ(session.clock.today(), QDate(2021, 3, 4));
    EXPECT_EQ(session.DataDzis, QStringLiteral("04-03-2021"));
    EXPECT_EQ(session.DataDzisKlucz, QStringLiteral("20210304"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbdata"))->text(), QStringLiteral("czwartek,04,marca,2021"));
    EXPECT_EQ(dialogs.shown().last().title, QStringLiteral("Zmiana daty systemowej !"));
    EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("Podaj zmienioną date w formacie rrrr-mm-dd"));

    dialogs.type(QStringLiteral("4.3.2021"));
    trigger(QStringLiteral("Data"));
    EXPECT_EQ(dialogs.shown().last().icon, Icon::Exclamation);
    EXPECT_EQ(session.clock.today(), QDate(2021, 3, 4));

    dialogs.type(QStringLiteral("14:30"));
    trigger(QStringLiteral("Czas"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbGodzina"))->text(), QStringLiteral("14:30:00"));
    EXPECT_EQ(session.clock.today(), QDate(2021, 3, 4));

    dialogs.type(QString());
    trigger(QStringLiteral("Czas"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("lbGodzina"))->text(), QStringLiteral("14:30:00"));
}

TEST_F(MainWindowTest, PasswordChangeDialogs)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    const QByteArray before = dir.readBytes(QStringLiteral("instalka.dat"));

    dialogs.type(QStringLiteral("zle"));
    trigger(QStringLiteral("Hasło"));
    EXPECT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Zmiana Hasła dostepu !!"));
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Podaj dotychczsowe hasło dostępu do programu! "));

    dialogs.type(QStringLiteral("Tajne"));
    dialogs.cancelInput();
    trigger(QStringLiteral("Hasło"));
    EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("Podaj nowe hasło dostępu do programu i zapamiętaj !"));
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), before);

    dialogs.type(QStringLiteral("Tajne"));
    dialogs.type(QString());
    trigger(QStringLiteral("Hasło"));
    EXPECT_EQ(readInstalka(dir.path()).u.haslo, QString());
    EXPECT_TRUE(dialogs.allAnswersUsed());

    // Next start asks for no password.
    start(dir.path());
    EXPECT_TRUE(promptHidden());
}

TEST_F(MainWindowTest, SerialDescriptionAndFolderDialogs)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());

    dialogs.type(QStringLiteral("faktura nr"));
    trigger(QStringLiteral("Opis"));
    EXPECT_EQ(dialogs.shown().last().defaultText, QStringLiteral("F-ra nr"));
    EXPECT_EQ(readInstalka(dir.path()).u.opisSeryjny, QStringLiteral("FAKTURA NR"));

    dialogs.type(QStringLiteral("/nowy/eco"));
    trigger(QStringLiteral("siezkah"));
    EXPECT_EQ(dialogs.shown()[dialogs.shown().size() - 2].defaultText, QStringLiteral("/ecorponet"));
    EXPECT_EQ(dialogs.shown().last().text, QStringLiteral("Zmiany zostały wprowadzone"));
    EXPECT_EQ(dialogs.shown().last().icon, Icon::Exclamation);
    const MojaFirmaOdczyt r = readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt")));
    EXPECT_EQ(r.firmy[0].sciezkaEcorponet, QStringLiteral("/nowy/eco"));
    EXPECT_EQ(r.firmy[1].sciezkaEcorponet, QStringLiteral("/ecorponet"));

    dialogs.type(QStringLiteral("/nowy/kramix"));
    trigger(QStringLiteral("mnudosklep"));
    EXPECT_EQ(dialogs.shown()[dialogs.shown().size() - 2].title, QStringLiteral("Aktualna scieżka=/kramix"));
    EXPECT_EQ(readMojaFirma(dir.file(QStringLiteral("MojaFirma.txt"))).firmy[0].sciezkaKramix,
              QStringLiteral("/nowy/kramix"));
    EXPECT_EQ(session.SciezkaKramix, QStringLiteral("/nowy/kramix"));
}

TEST_F(MainWindowTest, PrinterWindowStoresTypeAndWeight)
{
    writeInstalka(dir.path(), {QString(), dir.path(), QString(), QString(), QStringLiteral("1"), QStringLiteral("1"),
                               QStringLiteral("F-RA NR.")});
    start(dir.path());
    trigger(QStringLiteral("Drukarki"));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, QStringLiteral("Wpisz rodzaj drukarki przyłączonej !"));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Rodzaj drukarki?"));

    auto* printer = window->findChild<frmUstawieniaDrukarki*>();
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->windowTitle(), QStringLiteral("Form1"));
    printer->findChild<QLineEdit*>(QStringLiteral("txtPrzylaczonaDrukarka"))->setText(QStringLiteral("laser"));
    printer->findChild<QRadioButton*>(QStringLiteral("Option2"))->setChecked(true);
    QTest::mouseClick(printer->findChild<QPushButton*>(QStringLiteral("cmdZapisz")), Qt::LeftButton);
    EXPECT_EQ(readInstalka(dir.path()).u.rodzajDrukarki, QStringLiteral("L"));
    EXPECT_EQ(readInstalka(dir.path()).u.drukPogrubiony, QStringLiteral("G"));

    printer->otworz();
    EXPECT_EQ(printer->findChild<QLineEdit*>(QStringLiteral("txtPrzylaczonaDrukarka"))->text(),
              QStringLiteral("Laserowa"));
    EXPECT_TRUE(printer->findChild<QRadioButton*>(QStringLiteral("Option2"))->isChecked());
}

TEST_F(MainWindowTest, AboutWindowShowsVersionAndClosesOnKey)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    trigger(QStringLiteral("pomoc"));
    auto* splash = window->findChild<frmSplash*>();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("lblProductName"))->text(), QStringLiteral("Remitto"));
    EXPECT_EQ(splash->findChild<QLabel*>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Wersja 2020.7.2"));
    EXPECT_TRUE(splash->isVisible());
    QTest::keyClick(splash, Qt::Key_A);
    EXPECT_FALSE(splash->isVisible());
}

// "Podręcznik" in the about window hands the guide's file address to the
// desktop: the installed copy beside the program's prefix, the source tree's
// docs/ for a program in a build folder, a message when there is neither or
// when nothing opens it. The window stays open.
TEST_F(MainWindowTest, AboutWindowOpensTheGuide)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    const QString zainstalowany = dir.file(QStringLiteral("usr/share/doc/remitto/podrecznik/podrecznik.md"));
    const QString wDrzewie = dir.file(QStringLiteral("zrodla/docs/podrecznik.md"));
    QDir().mkpath(QFileInfo(zainstalowany).path());
    QDir().mkpath(QFileInfo(wDrzewie).path());
    QDir().mkpath(dir.file(QStringLiteral("usr/bin")));
    QDir().mkpath(dir.file(QStringLiteral("build")));
    QDir().mkpath(dir.file(QStringLiteral("pusty")));
    dir.writeText(QStringLiteral("usr/share/doc/remitto/podrecznik/podrecznik.md"), QStringLiteral("# Podręcznik\n"));
    dir.writeText(QStringLiteral("zrodla/docs/podrecznik.md"), QStringLiteral("# Podręcznik\n"));
    dir.writeText(QStringLiteral("build/CMakeCache.txt"),
                  QStringLiteral("CMAKE_BUILD_TYPE:STRING=RelWithDebInfo\nCMAKE_HOME_DIRECTORY:INTERNAL=")
                      + dir.file(QStringLiteral("zrodla")) + QStringLiteral("\n"));

    struct Przypadek {
        QString folderProgramu;
        bool otwiera;
        QString oczekiwanyPlik;  ///< empty: no address is handed over
        QString komunikat;       ///< the message shown, or none
    };
    const QList<Przypadek> przypadki = {
        {dir.file(QStringLiteral("usr/bin")), true, zainstalowany, QString()},
        {dir.file(QStringLiteral("build")), true, wDrzewie, QString()},
        {dir.file(QStringLiteral("pusty")), true, QString(), QStringLiteral("Nie znaleziono podręcznika (podrecznik.md).")},
        {dir.file(QStringLiteral("usr/bin")), false, zainstalowany,
         QStringLiteral("Nie udało się otworzyć podręcznika:\n") + QFileInfo(zainstalowany).canonicalFilePath()
             + QStringLiteral("\nOtwórz ten plik w przeglądarce albo w edytorze tekstu.")},
    };
    trigger(QStringLiteral("pomoc"));
    auto* splash = window->findChild<frmSplash*>();
    ASSERT_NE(splash, nullptr);
    auto* przycisk = splash->findChild<QPushButton*>(QStringLiteral("cmdPodrecznik"));
    ASSERT_NE(przycisk, nullptr);
    EXPECT_EQ(przycisk->text(), QStringLiteral("Podręcznik"));
    for (const Przypadek& p : przypadki) {
        SCOPED_TRACE(p.folderProgramu.toStdString());
        QList<QUrl> otwarte;
        splash->ustawFolderProgramu(p.folderProgramu);
        splash->ustawOtwieranie([&otwarte, &p](const QUrl& url) {
            otwarte.append(url);
            return p.otwiera;
        });
        const qsizetype przed = dialogs.shown().size();
        QTest::mouseClick(przycisk, Qt::LeftButton);
        if (p.oczekiwanyPlik.isEmpty()) {
            EXPECT_TRUE(otwarte.isEmpty());
        } else {
            ASSERT_EQ(otwarte.size(), 1);
            EXPECT_EQ(otwarte[0], QUrl::fromLocalFile(QFileInfo(p.oczekiwanyPlik).canonicalFilePath()));
        }
        if (p.komunikat.isEmpty()) {
            EXPECT_EQ(dialogs.shown().size(), przed);
        } else {
            ASSERT_EQ(dialogs.shown().size(), przed + 1);
            EXPECT_EQ(dialogs.shown().last().text, p.komunikat);
        }
        EXPECT_TRUE(splash->isVisible());
    }
}

TEST_F(MainWindowTest, EndButtonEndsProgram)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    QTest::mouseClick(child<QPushButton>(QStringLiteral("cmdKoniec")), Qt::LeftButton);
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(MainWindowTest, FolderDialogOnDamagedCompanyFileReportsAndKeepsFile)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    dir.writeText(QStringLiteral("MojaFirma.txt"), QStringLiteral("\"1\"\r\n\"ALFA\"\r\n"));
    const QByteArray before = dir.readBytes(QStringLiteral("MojaFirma.txt"));
    dialogs.type(QStringLiteral("/inny/kramix"));
    trigger(QStringLiteral("mnudosklep"));
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_TRUE(dialogs.shown()[1].text.startsWith(QStringLiteral(" Błąd nr 53 w linii ")));
    EXPECT_TRUE(dialogs.shown()[1].text.contains(QStringLiteral("MojaFirma.txt")));
    EXPECT_EQ(dir.readBytes(QStringLiteral("MojaFirma.txt")), before);
    EXPECT_EQ(session.SciezkaKramix, QStringLiteral("/kramix"));
}

// A damaged settings file is named in a message and the start goes on as
// without one: no password from it is asked, nothing is written on No.
TEST_F(MainWindowTest, DamagedSettingsAreReportedAndStartGoesOnAsWithoutThem)
{
    const QByteArray damaged("\"\x8F\x01garbage\",\"/dane\",\"Laserowa\",\"\",\"1\",\"1\",\"\"\r\n");
    dir.writeBytes(QStringLiteral("instalka.dat"), damaged);
    dialogs.answer(Answer::Ok);
    dialogs.answer(Answer::No);
    start(dir.path());
    ASSERT_EQ(dialogs.shown().size(), 2);
    EXPECT_EQ(dialogs.shown()[0].icon, Icon::Critical);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(dir.file(QStringLiteral("instalka.dat"))))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QStringLiteral("wartość 1 (hasło)")));
    EXPECT_EQ(dialogs.shown()[1].text,
              QStringLiteral("Brak pliku Instalacyjnego w wybranym katalogu,Wybierz sciezke dostepu i naciśnij Akceptuj ?"));
    EXPECT_TRUE(foldersVisible());
    EXPECT_TRUE(session.HasloZapisane.isEmpty());
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), damaged);
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(MainWindowTest, NewPasswordWithAQuoteIsRefusedAndTheOldOneKept)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    const QByteArray before = dir.readBytes(QStringLiteral("instalka.dat"));
    dialogs.type(QStringLiteral("Tajne"));
    dialogs.type(QStringLiteral("nowe\"hasło"));
    trigger(QStringLiteral("Hasło"));
    ASSERT_EQ(dialogs.shown().size(), 3);
    EXPECT_EQ(dialogs.shown()[2].title, QStringLiteral("Zmiana Hasła dostepu !!"));
    EXPECT_EQ(dialogs.shown()[2].icon, Icon::Critical);
    EXPECT_TRUE(dialogs.shown()[2].text.startsWith(QStringLiteral("Hasło nie może zawierać znaków: \"\n")))
        << dialogs.shown()[2].text.toStdString();
    EXPECT_EQ(dir.readBytes(QStringLiteral("instalka.dat")), before);
    EXPECT_EQ(session.HasloZapisane, QStringLiteral("Tajne"));
}

TEST_F(MainWindowTest, FolderMenusWithoutCurrentCompanySaySoAndChangeNothing)
{
    zapiszUstawienia(dir, QString());
    start(dir.path());
    session.NrIdFirmy = QStringLiteral("5");  // a company since deleted
    const QByteArray before = dir.readBytes(QStringLiteral("MojaFirma.txt"));
    dialogs.type(QStringLiteral("/nowy/eco"));
    trigger(QStringLiteral("siezkah"));
    dialogs.type(QStringLiteral("/nowy/kramix"));
    trigger(QStringLiteral("mnudosklep"));
    ASSERT_EQ(dialogs.shown().size(), 4);
    for (int i : {1, 3}) {
        EXPECT_TRUE(dialogs.shown()[i].text.startsWith(QStringLiteral("Nie wybrano bieżącej firmy")))
            << dialogs.shown()[i].text.toStdString();
        EXPECT_EQ(dialogs.shown()[i].icon, Icon::Exclamation);
    }
    EXPECT_EQ(dir.readBytes(QStringLiteral("MojaFirma.txt")), before);
    EXPECT_EQ(session.SciezkaEcorponet, QStringLiteral("/ecorponet"));
    EXPECT_EQ(session.SciezkaKramix, QStringLiteral("/kramix"));
}

// Alt+K is the menu "&Kontrahenci"; the end button keeps its caption but no
// longer claims the key, so the menu entry fires once enabled.
TEST_F(MainWindowTest, AltKOpensContractorsNotTheEndButton)
{
    zapiszUstawienia(dir, QStringLiteral("Tajne"));
    start(dir.path());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* koniec = child<QPushButton>(QStringLiteral("cmdKoniec"));
    EXPECT_EQ(koniec->text(), QStringLiteral(" &KOniec"));
    QAction* kotr = child<QAction>(QStringLiteral("kotr"));
    kotr->setEnabled(true);
    QSignalSpy menu(kotr, &QAction::triggered);
    QSignalSpy button(koniec, &QPushButton::clicked);

    QTest::keyClick(window.get(), Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(menu.count(), 1);
    EXPECT_EQ(button.count(), 0);
    EXPECT_EQ(ended->count(), 1);  // no password typed: the guarded entry ends the program
}

TEST(SecondCopy, IsToldAndRefused)
{
    TempFolder dir;
    const QString lock = dir.file(QStringLiteral("remitto.lock"));
    SingleInstance first(lock);
    ScriptedDialogs dialogs;
    EXPECT_TRUE(frmPrzelewA::jedynaKopia(first, dialogs));
    EXPECT_TRUE(dialogs.shown().isEmpty());

    SingleInstance second(lock);
    EXPECT_FALSE(frmPrzelewA::jedynaKopia(second, dialogs));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text,
              QStringLiteral("Aplikacja Remitto jest aktywna - próba ponownego zainstalowania tego programu !"));
    EXPECT_EQ(dialogs.shown()[0].title, QStringLiteral("Remitto"));
    EXPECT_EQ(dialogs.shown()[0].buttons, Buttons::Ok);
}
