#include "shell/frmPrzelewA.h"

#include "core/FolderLock.h"
#include "core/Session.h"
#include "shell/Logowanie.h"
#include "shell/SingleInstance.h"
#include "shell/Startup.h"
#include "shell/frmMojaFirma.h"
#include "shell/frmSplash.h"
#include "shell/frmUstawieniaDrukarki.h"
#include "ui/Dialogs.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace remitto {

namespace {

QPixmap obrazek()
{
    QPixmap pix(220, 96);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 220, 96);
    g.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    g.setColorAt(1, QColor(0x3a, 0x8f, 0xc8));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(pix.rect().adjusted(1, 1, -1, -1), 12, 12);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("DejaVu Sans"), 20, QFont::Bold);
    p.setFont(f);
    p.drawText(pix.rect().adjusted(0, 0, 0, -22), Qt::AlignCenter, QStringLiteral("Remitto"));
    f.setPointSize(9);
    f.setBold(false);
    p.setFont(f);
    p.drawText(pix.rect().adjusted(0, 40, 0, 0), Qt::AlignCenter, QStringLiteral("przelewy  •  paczki  •  faktury"));
    return pix;
}

} // namespace

frmPrzelewA::frmPrzelewA(Session& session, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmPrzelewA"));
    setWindowTitle(QStringLiteral("Remitto"));
    budujKontrolki();
    budujMenu();
}

frmPrzelewA::~frmPrzelewA() = default;  // a clean end removes the folder's lock

void frmPrzelewA::budujKontrolki()
{
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* grid = new QGridLayout(central);

    MonthView1 = new QCalendarWidget(central);
    MonthView1->setObjectName(QStringLiteral("MonthView1"));
    MonthView1->setLocale(QLocale(QLocale::Polish, QLocale::Poland));
    MonthView1->setFirstDayOfWeek(Qt::Monday);
    MonthView1->setGridVisible(true);
    connect(MonthView1, &QCalendarWidget::clicked, this, [this](const QDate& d) {
        ustawDateRobocza(m_session, d);
        odswiezDate(d);
    });
    connect(MonthView1, &QCalendarWidget::activated, MonthView1, &QCalendarWidget::clicked);

    lbdata = new QLabel(central);
    lbdata->setObjectName(QStringLiteral("lbdata"));
    QFont big = lbdata->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    lbdata->setFont(big);

    lbGodzina = new QLabel(central);
    lbGodzina->setObjectName(QStringLiteral("lbGodzina"));
    lbGodzina->setFont(big);
    tmCzas = new QTimer(this);
    tmCzas->setObjectName(QStringLiteral("tmCzas"));
    tmCzas->setInterval(1000);
    connect(tmCzas, &QTimer::timeout, this, [this] {
        lbGodzina->setText(m_session.clock.now().time().toString(QStringLiteral("HH:mm:ss")));
    });

    Label4 = new QLabel(QStringLiteral("Wersja"), central);
    Label4->setObjectName(QStringLiteral("Label4"));

    lbinformacja = new QLabel(QStringLiteral("Twoje konto do przelewu"), central);
    lbinformacja->setObjectName(QStringLiteral("lbinformacja"));
    txtWizytowka = new QLineEdit(central);
    txtWizytowka->setObjectName(QStringLiteral("txtWizytówka"));
    txtWizytowka->setReadOnly(true);
    txtWizytowka->setMinimumWidth(330);

    lbInformacja1 = new QLabel(
        QStringLiteral("Przelewy kontrahentów i faktur zakupu, paczki do Ecorponet, druki przelewów"), central);
    lbInformacja1->setObjectName(QStringLiteral("lbInformacja1"));
    lbInformacja1->setWordWrap(true);

    Image1 = new QLabel(central);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(obrazek());

    WprHasla = new QLabel(QStringLiteral("Wprowadż Hasło masz 15 s"), central);
    WprHasla->setObjectName(QStringLiteral("WprHasla"));
    txtHaslo = new QLineEdit(central);
    txtHaslo->setObjectName(QStringLiteral("txtHasło"));
    txtHaslo->setEchoMode(QLineEdit::Password);
    connect(txtHaslo, &QLineEdit::textChanged, this, [this](const QString& t) { m_session.HasloWpisane = t; });
    cmdZatwierdz = new QPushButton(QStringLiteral("Zatwierdź"), central);
    cmdZatwierdz->setObjectName(QStringLiteral("cmdZatwierdz"));
    connect(cmdZatwierdz, &QPushButton::clicked, this, &frmPrzelewA::zatwierdzHaslo);
    connect(txtHaslo, &QLineEdit::returnPressed, cmdZatwierdz, &QPushButton::click);

    drvStacjaDyskow = new QComboBox(central);
    drvStacjaDyskow->setObjectName(QStringLiteral("drvStacjaDyskow"));
    dirFolder = new QTreeView(central);
    dirFolder->setObjectName(QStringLiteral("dirFolder"));
    // The tree gets its folders when the lists are first shown
    // (modelFolderow): a start in a known data folder never lists the disks.
    dirFolder->header()->hide();
    dirFolder->setMinimumHeight(180);
    connect(drvStacjaDyskow, &QComboBox::activated, this, &frmPrzelewA::zmianaDysku);
    cmdAkceptuj = new QPushButton(QStringLiteral("Akceptuj wybór scieżki"), central);
    cmdAkceptuj->setObjectName(QStringLiteral("cmdAkceptuj"));
    connect(cmdAkceptuj, &QPushButton::clicked, this, &frmPrzelewA::akceptujFolder);

    cmdKoniec = new QPushButton(QStringLiteral(" &KOniec"), central);
    cmdKoniec->setObjectName(QStringLiteral("cmdKoniec"));
    // Alt+K belongs to the menu "&Kontrahenci": with both holding it Qt
    // fires neither. The button keeps its caption and is reached by mouse
    // or Tab.
    cmdKoniec->setShortcut(QKeySequence());
    connect(cmdKoniec, &QPushButton::clicked, this, &frmPrzelewA::zakoncz);

    auto* right = new QVBoxLayout;
    right->addWidget(Image1, 0, Qt::AlignLeft);
    right->addWidget(lbdata);
    right->addWidget(lbGodzina);
    right->addWidget(lbinformacja);
    right->addWidget(txtWizytowka);
    right->addWidget(lbInformacja1);
    auto* haslo = new QHBoxLayout;
    haslo->addWidget(WprHasla);
    haslo->addWidget(txtHaslo);
    haslo->addWidget(cmdZatwierdz);
    right->addLayout(haslo);
    right->addStretch();

    grid->addWidget(MonthView1, 0, 0);
    grid->addLayout(right, 0, 1);
    auto* foldery = new QVBoxLayout;
    foldery->addWidget(drvStacjaDyskow);
    foldery->addWidget(dirFolder);
    foldery->addWidget(cmdAkceptuj);
    grid->addLayout(foldery, 1, 0, 1, 2);
    auto* dol = new QHBoxLayout;
    dol->addWidget(Label4);
    dol->addStretch();
    dol->addWidget(cmdKoniec);
    grid->addLayout(dol, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);

    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        if (v.isValid() && !v.rootPath().startsWith(QLatin1String("/proc"))
            && !v.rootPath().startsWith(QLatin1String("/sys")))
            drvStacjaDyskow->addItem(v.rootPath());
    }
}

QAction* frmPrzelewA::dodajAkcje(QWidget* menu, const QString& name, const QString& caption)
{
    auto* a = new QAction(caption, menu);
    a->setObjectName(name);
    menu->addAction(a);
    return a;
}

void frmPrzelewA::budujMenu()
{
    QMenuBar* bar = menuBar();
    auto* kotr = dodajAkcje(bar, QStringLiteral("kotr"), QStringLiteral("&Kontrahenci"));
    // Every entry that writes into the data folder asks for its lock first.
    const auto zapis = [this](void (frmPrzelewA::*akcja)()) {
        return [this, akcja] {
            if (moznaPisac())
                (this->*akcja)();
        };
    };
    connect(kotr, &QAction::triggered, this, zapis(&frmPrzelewA::kontrahenci));
    auto* moj = dodajAkcje(bar, QStringLiteral("Mój"), QStringLiteral("&Moja Firma"));
    connect(moj, &QAction::triggered, this, [this] {
        if (!moznaPisac())
            return;
        if (!hasloPoprawne(m_session)) {
            zakoncz();
            return;
        }
        otworzMojaFirma();
    });
    connect(dodajAkcje(bar, QStringLiteral("historia"), QStringLiteral("&Historia")), &QAction::triggered, this,
            zapis(&frmPrzelewA::historia));

    auto* globalne = new QMenu(QStringLiteral("&Globalne"), bar);
    globalne->setObjectName(QStringLiteral("globalne"));
    bar->addMenu(globalne);
    connect(dodajAkcje(globalne, QStringLiteral("Data"), QStringLiteral("&Data")), &QAction::triggered, this,
            &frmPrzelewA::zmianaDaty);
    connect(dodajAkcje(globalne, QStringLiteral("Czas"), QStringLiteral("Czas")), &QAction::triggered, this,
            &frmPrzelewA::zmianaCzasu);
    connect(dodajAkcje(globalne, QStringLiteral("Sciezka"), QStringLiteral("Scieżka do programu")),
            &QAction::triggered, this, [this] { pokazListyFolderow(true); });
    connect(dodajAkcje(globalne, QStringLiteral("Hasło"), QStringLiteral("Zmiana Hasła")), &QAction::triggered, this,
            zapis(&frmPrzelewA::zmianaHasla));
    connect(dodajAkcje(globalne, QStringLiteral("Drukarki"), QStringLiteral("Ustawienie Drukarki")),
            &QAction::triggered, this,
            zapis(&frmPrzelewA::ustawienieDrukarki));
    connect(dodajAkcje(globalne, QStringLiteral("Opis"), QStringLiteral("Opis seryjny")), &QAction::triggered, this,
            zapis(&frmPrzelewA::opisSeryjny));
    connect(dodajAkcje(globalne, QStringLiteral("siezkah"),
                       QStringLiteral("Ścieżka Ecorponet( np.C:\\Remitto\\Ventor )")),
            &QAction::triggered, this,
            zapis(&frmPrzelewA::sciezkaEcorponet));
    connect(dodajAkcje(globalne, QStringLiteral("mnudosklep"),
                       QStringLiteral("Ścieżka do Kramix  (np. C:\\Kramix\\Ventor )  ")),
            &QAction::triggered, this,
            zapis(&frmPrzelewA::sciezkaKramix));
    connect(dodajAkcje(globalne, QStringLiteral("mnuNumP"), QStringLiteral("Numeracja paczek i Przelewów")),
            &QAction::triggered, this,
            zapis(&frmPrzelewA::numeracja));
    connect(dodajAkcje(globalne, QStringLiteral("mnuBialaLista"), QStringLiteral("Biała lista VAT...")),
            &QAction::triggered, this,
            zapis(&frmPrzelewA::bialaLista));
    globalne->addSeparator();
    connect(dodajAkcje(globalne, QStringLiteral("mnuKopia"), QStringLiteral("Kopia bezpieczeństwa...")),
            &QAction::triggered, this, zapis(&frmPrzelewA::kopiaBezpieczenstwa));
    connect(dodajAkcje(globalne, QStringLiteral("mnuOdtworz"), QStringLiteral("Odtwórz z kopii...")),
            &QAction::triggered, this, zapis(&frmPrzelewA::odtworzZKopii));
    connect(dodajAkcje(globalne, QStringLiteral("mnuWyciag"), QStringLiteral("Wyciąg bankowy (MT940)...")),
            &QAction::triggered, this, zapis(&frmPrzelewA::wyciagBankowy));

    dodajAkcje(bar, QStringLiteral("calc"), QStringLiteral("Ka&Lkulator"))->setEnabled(false);
    connect(dodajAkcje(bar, QStringLiteral("pomoc"), QStringLiteral("&Pomoc")), &QAction::triggered, this,
            &frmPrzelewA::pomoc);
}

void frmPrzelewA::odswiezDate(const QDate& dzien)
{
    lbdata->setText(QLocale(QLocale::Polish, QLocale::Poland).toString(dzien, QStringLiteral("dddd,dd,MMMM,yyyy")));
}

void frmPrzelewA::odswiezWizytowke()
{
    txtWizytowka->setText(wizytowka(m_session));
}

void frmPrzelewA::ukryjHaslo()
{
    WprHasla->hide();
    txtHaslo->hide();
    cmdZatwierdz->hide();
}

void frmPrzelewA::modelFolderow()
{
    if (m_folderModel)
        return;
    m_folderModel = new QFileSystemModel(this);
    m_folderModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folderModel->setRootPath(QString());
    dirFolder->setModel(m_folderModel);
    for (int c = 1; c < m_folderModel->columnCount(); ++c)
        dirFolder->hideColumn(c);
    connect(dirFolder->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& i) {
                if (i.isValid()) {
                    m_folder = m_folderModel->filePath(i);
                    m_session.SciezkaProgramu = m_folder;
                }
            });
}

void frmPrzelewA::pokazListyFolderow(bool widoczne)
{
    drvStacjaDyskow->setVisible(widoczne);
    dirFolder->setVisible(widoczne);
    cmdAkceptuj->setVisible(widoczne);
    if (!widoczne)
        return;
    modelFolderow();
    const QString folder = m_session.SciezkaProgramu.isEmpty() ? m_folder : m_session.SciezkaProgramu;
    if (!folder.isEmpty())
        pokazFolder(folder);
}

void frmPrzelewA::pokazFolder(const QString& folder)
{
    modelFolderow();
    m_folder = folder;
    const QModelIndex i = m_folderModel->index(folder);
    if (i.isValid()) {
        dirFolder->setCurrentIndex(i);
        dirFolder->scrollTo(i);
    }
    m_folder = folder;
    m_session.SciezkaProgramu = folder;
    // The drive list follows the volume of the shown folder.
    const QString root = QStorageInfo(folder).rootPath();
    const int d = drvStacjaDyskow->findText(root);
    if (d >= 0)
        drvStacjaDyskow->setCurrentIndex(d);
}

void frmPrzelewA::zmianaDysku(int index)
{
    const QString root = drvStacjaDyskow->itemText(index);
    const QStorageInfo info(root);
    if (!info.isValid() || !info.isReady() || !QFileInfo(root).isReadable()) {
        m_dialogs.messageBox(QStringLiteral("Stacja dysków nie przygotowana!"), QStringLiteral("Brak dysku"),
                             Icon::Information);
        const int back = drvStacjaDyskow->findText(QStorageInfo(m_folder).rootPath());
        if (back >= 0)
            drvStacjaDyskow->setCurrentIndex(back);
        return;
    }
    pokazFolder(root);
    dirFolder->expand(m_folderModel->index(root));
}

bool frmPrzelewA::jedynaKopia(SingleInstance& kopia, Dialogs& dialogs)
{
    if (kopia.acquire())
        return true;
    dialogs.messageBox(komunikatDrugiejKopii(), kAppTitle, Icon::None);
    return false;
}

void frmPrzelewA::zakoncz()
{
    hide();
    emit programZakonczony();
}

} // namespace remitto

namespace remitto {

frmMojaFirma* frmPrzelewA::oknoMojaFirma() const
{
    return m_mojaFirma;
}

} // namespace remitto
