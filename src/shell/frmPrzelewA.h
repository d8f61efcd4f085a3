#pragma once

#include "shell/MojaFirma.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QCalendarWidget;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QTreeView;
class QFileSystemModel;

namespace remitto {

struct Session;
class Dialogs;
class frmMojaFirma;
class frmPrzelewB;
class frmUstawieniaDrukarki;
class frmSplash;
class SingleInstance;
class frmNumeracjaMM;
class frmHistoria;
class frmBialaLista;
class FolderLock;
class frmWyciag;

/// The main window: start-up, login, calendar and clock, and the menu from
/// which every other window is opened.
class frmPrzelewA : public QMainWindow {
    Q_OBJECT

public:
    frmPrzelewA(Session& session, Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmPrzelewA() override;

    /// Runs the start-up: today's date, settings, first own company, caption,
    /// calendar. `folder` is the folder shown in the folder list at start.
    void uruchom(const QString& folder);

    /// Folder shown in the folder list.
    QString pokazanyFolder() const { return m_folder; }
    /// Shows `folder` in the folder list (as a click in the list would).
    void pokazFolder(const QString& folder);

    frmMojaFirma* oknoMojaFirma() const;
    frmPrzelewB* oknoPrzelewu() const;

    /// True when this is the only running copy; otherwise tells the user
    /// that the program is already running (the caller then ends).
    static bool jedynaKopia(SingleInstance& kopia, Dialogs& dialogs);

    /// Guards the data folder with its lock file (core/FolderLock.h): from
    /// now on a folder is written only while this program holds its lock.
    /// The program turns it on at start; tests of other matters leave it off.
    void wlaczBlokadeFolderu();
    /// The folder whose lock this program holds (empty when none).
    QString zablokowanyFolder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    /// The program must end (wrong password, " &KOniec").
    void programZakonczony();
    /// A data folder was accepted; main() remembers it for the next start.
    void folderZaakceptowany(const QString& folder);

private:
    void budujKontrolki();
    void budujMenu();
    QAction* dodajAkcje(QWidget* menu, const QString& name, const QString& caption);

    // Start-up and login
    void ladowanie();
    bool wczytajFirme();
    void pokazListyFolderow(bool widoczne);
    void modelFolderow();
    void ukryjHaslo();
    void odswiezWizytowke();
    void odswiezDate(const QDate& dzien);
    void zakoncz();
    void zatwierdzHaslo();
    void akceptujFolder();
    void zmianaDysku(int index);
    bool zablokujFolder(const QString& folder, bool przyStarcie);
    bool moznaPisac();

    // Menu
    void otworzMojaFirma();
    void kontrahenci();
    void zmianaDaty();
    void zmianaCzasu();
    void zmianaHasla();
    void opisSeryjny();
    void sciezkaEcorponet();
    void sciezkaKramix();
    void ustawienieDrukarki();
    void numeracja();
    void historia();
    void bialaLista();
    void kopiaBezpieczenstwa();
    void odtworzZKopii();
    void wyciagBankowy();
    void pomoc();
    void pokazWynikFolderu(WynikFolderu wynik, const QString& error);

    Session& m_session;
    Dialogs& m_dialogs;
    QString m_folder;

    QCalendarWidget* MonthView1 = nullptr;
    QLabel* lbdata = nullptr;
    QLabel* lbGodzina = nullptr;
    QTimer* tmCzas = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* lbinformacja = nullptr;
    QLineEdit* txtWizytowka = nullptr;
    QLabel* lbInformacja1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* WprHasla = nullptr;
    QLineEdit* txtHaslo = nullptr;
    QPushButton* cmdZatwierdz = nullptr;
    QComboBox* drvStacjaDyskow = nullptr;
    QTreeView* dirFolder = nullptr;
    QFileSystemModel* m_folderModel = nullptr;
    QPushButton* cmdAkceptuj = nullptr;
    QPushButton* cmdKoniec = nullptr;

    QPointer<frmMojaFirma> m_mojaFirma;
    QPointer<frmPrzelewB> m_przelew;
    QPointer<frmUstawieniaDrukarki> m_drukarka;
    QPointer<frmSplash> m_splash;
    QPointer<frmNumeracjaMM> m_numeracja;
    QPointer<frmHistoria> m_historia;
    QPointer<frmBialaLista> m_bialaLista;

    bool m_blokadaWlaczona = false;
    std::unique_ptr<FolderLock> m_blokada;
    QPointer<frmWyciag> m_wyciag;
};

} // namespace remitto
