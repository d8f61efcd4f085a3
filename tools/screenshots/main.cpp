// remitto_zrzuty <folder for the pictures> [--demo <data folder>]
//
// Makes the pictures of the user guide (docs/podrecznik.md) from the real
// windows: writes a demo data folder as of a fixed day, starts the main
// window on it without a display (offscreen platform), walks the month's
// road as the guide describes it (clicks, typed text, answered questions)
// and saves each window as a PNG file. The same program and the same fonts
// give the same pictures: the windows show the data folder's path, so the
// demo folder has a fixed name (/tmp/Remitto-demo unless --demo names one),
// taken under a lock so that two runs never share it.

#include "DemoData.h"
#include "contractors/BialaLista.h"
#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "shell/frmPrzelewA.h"
#include "shell/frmSplash.h"
#include "transfers/frmPrzelewB.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>
#include <QTextStream>
#include <QTranslator>
#include <QUrl>
#include <QVBoxLayout>

#include <cstdio>
#include <deque>

using namespace remitto;

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

/// The day the pictures are made on: the demo data and the program's clock.
const QDate kDzien(2026, 3, 16);
const QTime kGodzina(10, 30, 0);

/// Drops the offscreen platform's notes on what it cannot do (raise a
/// window and the like); everything else goes to stderr as usual.
void bezUwagPlatformy(QtMsgType typ, const QMessageLogContext& kontekst, const QString& tekst)
{
    if (tekst.startsWith(QLatin1String("This plugin does not support")))
        return;
    QTextStream(stderr) << qFormatLogMessage(typ, kontekst, tekst) << '\n';
}

/// Marks a demo folder as this program's own, so that a later run may
/// remove it.
const QString kZnacznik = QStringLiteral(".remitto-zrzuty");

/// Empties the fixed demo folder of an earlier run; refuses a folder that
/// this program did not write.
bool przygotujFolderDemo(const QString& folder, QString* blad)
{
    QDir d(folder);
    if (!d.exists())
        return true;
    if (d.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        return true;
    if (!QFileInfo::exists(d.filePath(kZnacznik))) {
        *blad = QStringLiteral("Folder ") + folder
                + QStringLiteral(" nie jest pusty i nie pochodzi z remitto_zrzuty: podaj inny (--demo).");
        return false;
    }
    if (!d.removeRecursively()) {
        *blad = QStringLiteral("Nie można usunąć folderu ") + folder;
        return false;
    }
    return true;
}

/// A VAT white-list flat file of the day for the demo's contractors: most of
/// them on the list as active payers, one exempt, every fourth missing, so
/// that the check shows each kind of result.
bool zapiszBialaListe(const QString& demo, const QString& plik, QString* blad)
{
    const kontrahenci::OdczytKontrahentow odczyt =
        kontrahenci::czytajKontrahentow(QDir(demo).filePath(kontrahenci::kPlikKontrahentow));
    if (!odczyt.ok) {
        *blad = odczyt.blad;
        return false;
    }
    const QByteArray data = kDzien.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    auto cyfry = [](const QString& t) {
        QByteArray c;
        for (QChar z : t)
            if (z.isDigit())
                c += char(z.unicode());
        return c;
    };
    QByteArray czynni, zwolnieni;
    int n = 0;
    for (const kontrahenci::Kontrahent& k : odczyt.lista) {
        const QByteArray nip = cyfry(k[kontrahenci::Pole::NipKontr]);
        const QByteArray konto = cyfry(k[kontrahenci::Pole::NrRachunku1K]);
        if (nip.size() != 10 || konto.size() != 26 || ++n % 4 == 0)
            continue;
        QByteArray& tablica = n == 5 ? zwolnieni : czynni;
        tablica += (tablica.isEmpty() ? "\"" : ",\"") + kontrahenci::skrotPary(data, nip, konto, 1) + '"';
    }
    const QByteArray tekst = "{\"naglowek\":{\"dataGenerowaniaDanych\":\"" + data
        + "\",\"liczbaTransformacji\":\"1\",\"schemat\":\"RRRRMMDDNNNNNNNNNNBBBBBBBBBBBBBBBBBBBBBBBBBB\"},"
          "\"skrotyPodatnikowCzynnych\":["
        + czynni + "],\"skrotyPodatnikowZwolnionych\":[" + zwolnieni + "],\"maski\":[]}";
    QFile f(plik);
    if (!f.open(QIODevice::WriteOnly) || f.write(tekst) != tekst.size()) {
        *blad = QStringLiteral("Nie można zapisać ") + plik;
        return false;
    }
    return true;
}

/// Answers every question as the guide's user does: OK and Yes, the queued
/// text (or the offered default) in input boxes. A box can be photographed
/// too: the next one shown is saved under the name given.
class DialogiZrzutow : public Dialogs {
public:
    explicit DialogiZrzutow(const QDir& cel) : m_cel(cel) {}

    Answer messageBox(const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        err() << "  [komunikat] " << title << ": " << text << '\n';
        err().flush();
        if (!m_nastepnyZrzut.isEmpty()) {
            // The box with its title above it, as a window manager would
            // draw it: grab() takes only the inside of a window.
            QWidget ramka;
            ramka.setObjectName(QStringLiteral("komunikat"));
            auto* uklad = new QVBoxLayout(&ramka);
            uklad->setContentsMargins(1, 1, 1, 1);
            uklad->setSpacing(0);
            auto* pasek = new QLabel(title.trimmed(), &ramka);
            pasek->setStyleSheet(QStringLiteral("background:#2f5f8f;color:white;font-weight:bold;padding:5px 8px;"));
            auto* box = new QMessageBox(ikona(icon), title, text, przyciski(buttons), &ramka);
            box->setWindowFlags(Qt::Widget);
            uklad->addWidget(pasek);
            uklad->addWidget(box);
            ramka.setStyleSheet(QStringLiteral("#komunikat{border:1px solid #2f5f8f;}"));
            ramka.show();
            QApplication::processEvents();
            zapisz(ramka, std::exchange(m_nastepnyZrzut, QString()));
        }
        switch (buttons) {
        case Buttons::Ok:
            return Answer::Ok;
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return Answer::Yes;
        }
        return Answer::Ok;
    }

    std::optional<QString> inputBox(const QString& prompt, const QString& title, const QString& def) override
    {
        QString odp = def;
        if (!m_odpowiedzi.empty()) {
            odp = m_odpowiedzi.front();
            m_odpowiedzi.pop_front();
        }
        err() << "  [pytanie] " << title << ": " << prompt << " -> " << odp << '\n';
        err().flush();
        return odp;
    }

    void odpowiedz(const QString& tekst) { m_odpowiedzi.push_back(tekst); }
    void sfotografujNastepny(const QString& nazwa) { m_nastepnyZrzut = nazwa; }

    bool zapisz(QWidget& w, const QString& nazwa)
    {
        QApplication::processEvents();
        const QString plik = m_cel.filePath(nazwa + QStringLiteral(".png"));
        if (!w.grab().save(plik, "PNG")) {
            err() << "Nie można zapisać " << plik << '\n';
            m_bledy++;
            return false;
        }
        err() << nazwa << ".png\n";
        m_zapisane++;
        return true;
    }
    int bledy() const { return m_bledy; }
    int zapisane() const { return m_zapisane; }
    void blad(const QString& opis)
    {
        err() << "Błąd: " << opis << '\n';
        m_bledy++;
    }

private:
    static QMessageBox::Icon ikona(Icon i)
    {
        switch (i) {
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
        }
        return QMessageBox::NoIcon;
    }
    static QMessageBox::StandardButtons przyciski(Buttons b)
    {
        switch (b) {
        case Buttons::Ok:
            return QMessageBox::Ok;
        case Buttons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return QMessageBox::Yes | QMessageBox::No;
        }
        return QMessageBox::Ok;
    }

    QDir m_cel;
    std::deque<QString> m_odpowiedzi;
    QString m_nastepnyZrzut;
    int m_bledy = 0;
    int m_zapisane = 0;
};

/// The walk through the windows, one step of the guide after another.
class Spacer {
public:
    Spacer(frmPrzelewA& glowne, DialogiZrzutow& d) : m_glowne(glowne), m_d(d) {}

    /// A window of the program by its name, shown or not.
    QWidget* okno(const QString& nazwa)
    {
        QApplication::processEvents();
        if (m_glowne.objectName() == nazwa)
            return &m_glowne;
        if (auto* w = m_glowne.findChild<QWidget*>(nazwa))
            return w;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == nazwa)
                return w;
        m_d.blad(QStringLiteral("nie ma okna ") + nazwa);
        return nullptr;
    }

    template <typename T> T* kontrolka(QWidget* okno, const QString& nazwa)
    {
        T* k = okno ? okno->findChild<T*>(nazwa) : nullptr;
        if (!k)
            m_d.blad(QStringLiteral("nie ma kontrolki ") + nazwa);
        return k;
    }

    void menu(const QString& akcja)
    {
        if (auto* a = m_glowne.findChild<QAction*>(akcja))
            a->trigger();
        else
            m_d.blad(QStringLiteral("nie ma pozycji menu ") + akcja);
        QApplication::processEvents();
    }

    void kliknij(QWidget* okno, const QString& przycisk)
    {
        if (auto* b = kontrolka<QAbstractButton>(okno, przycisk)) {
            b->window()->activateWindow();
            // An option button reacts to its mark and text only, which sit
            // at its left end; a push button anywhere.
            const QPoint gdzie = qobject_cast<QRadioButton*>(b) ? QPoint(8, b->height() / 2) : b->rect().center();
            QTest::mouseClick(b, Qt::LeftButton, {}, gdzie);
            if (qobject_cast<QRadioButton*>(b) && !b->isChecked())
                m_d.blad(QStringLiteral("nie wybrano ") + przycisk);
        }
        QApplication::processEvents();
    }

    /// Types ASCII text into a field as the keyboard would (Enter when asked).
    void wpisz(QWidget* okno, const QString& pole, const QString& tekst, bool enter = false)
    {
        auto* e = kontrolka<QLineEdit>(okno, pole);
        if (!e)
            return;
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QTest::keyClicks(e, tekst);
        if (enter)
            QTest::keyClick(e, Qt::Key_Return);
        QApplication::processEvents();
    }

    /// Sets a field's text directly (Polish letters, which QTest cannot type).
    void ustaw(QWidget* okno, const QString& pole, const QString& tekst)
    {
        if (auto* e = kontrolka<QLineEdit>(okno, pole))
            e->setText(tekst);
        QApplication::processEvents();
    }

    /// A click on a cell of a grid (grid rows count the header row as 0).
    void komorka(QWidget* okno, const QString& siatka, int wiersz, int kolumna)
    {
        auto* g = kontrolka<Grid>(okno, siatka);
        if (!g)
            return;
        if (wiersz >= g->rowCount()) {
            m_d.blad(siatka + QStringLiteral(": brak wiersza ") + QString::number(wiersz));
            return;
        }
        const QModelIndex i = g->model()->index(wiersz - 1, kolumna);
        g->scrollTo(i);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
        QApplication::processEvents();
    }

    void zdjecie(QWidget* okno, const QString& nazwa)
    {
        if (okno)
            m_d.zapisz(*okno, nazwa);
    }

    void zamknij(QWidget* okno)
    {
        if (okno)
            okno->close();
        QApplication::processEvents();
    }

    DialogiZrzutow& dialogi() { return m_d; }

private:
    frmPrzelewA& m_glowne;
    DialogiZrzutow& m_d;
};

void rodzaj(Spacer& s, QWidget* przelew, const QString& opcja)
{
    s.kliknij(przelew, opcja);
}

void przejdz(Spacer& s, frmPrzelewA& glowne, const QString& plikBialejListy)
{
    s.zdjecie(&glowne, QStringLiteral("okno-glowne"));

    // Own company.
    s.menu(QStringLiteral("Mój"));
    QWidget* moja = s.okno(QStringLiteral("frmMojaFirma"));
    s.zdjecie(moja, QStringLiteral("moja-firma"));
    s.zamknij(moja);

    // The transfer window and the contractor list.
    s.menu(QStringLiteral("kotr"));
    QWidget* przelew = s.okno(QStringLiteral("frmPrzelewB"));
    if (!przelew)
        return;
    przelew->resize(1100, 840);
    s.kliknij(przelew, QStringLiteral("cmdPodglad"));
    QWidget* lista = s.okno(QStringLiteral("frmKontrahenci"));
    s.komorka(lista, QStringLiteral("MSFlexGrid4"), 3, 0);
    s.zdjecie(lista, QStringLiteral("kontrahenci"));
    s.kliknij(lista, QStringLiteral("cmdEdytuj"));
    QWidget* karta = s.okno(QStringLiteral("frmFirmaKontrahenta"));
    s.zdjecie(karta, QStringLiteral("karta-kontrahenta"));
    s.zamknij(karta);
    s.komorka(lista, QStringLiteral("MSFlexGrid4"), 3, 0);
    s.kliknij(lista, QStringLiteral("cmdZakup"));
    s.zamknij(lista);

    // An ordinary transfer: title, net amount summed, VAT amount, gross.
    rodzaj(s, przelew, QStringLiteral("OpRodzaj1"));
    s.ustaw(przelew, QStringLiteral("txtTytulem1"), QStringLiteral("Faktura FV/118/03/2026"));
    s.wpisz(przelew, QStringLiteral("txtKwotaK"), QStringLiteral("1000+250"), true);
    s.wpisz(przelew, QStringLiteral("txtVat"), QStringLiteral("287,50"), true);
    s.zdjecie(przelew, QStringLiteral("przelew"));
    s.kliknij(przelew, QStringLiteral("cmdDoPaczki"));
    s.zdjecie(przelew, QStringLiteral("paczka"));

    // The other kinds, each for its own contractor found by short name.
    s.dialogi().odpowiedz(QStringLiteral("USŻYWIEC"));
    s.kliknij(przelew, QStringLiteral("cmdZnajd"));
    rodzaj(s, przelew, QStringLiteral("opRodzaj2"));
    s.wpisz(przelew, QStringLiteral("txtNrOkresu"), QStringLiteral("02"));
    s.kliknij(przelew, QStringLiteral("CmdSeryjny"));
    s.wpisz(przelew, QStringLiteral("txtKwotaK"), QStringLiteral("2315"), true);
    s.wpisz(przelew, QStringLiteral("txtVat"), QStringLiteral("0"), true);
    s.zdjecie(przelew, QStringLiteral("przelew-skarbowy"));
    s.kliknij(przelew, QStringLiteral("cmdDoPaczki"));

    s.dialogi().odpowiedz(QStringLiteral("ZUS"));
    s.kliknij(przelew, QStringLiteral("cmdZnajd"));
    rodzaj(s, przelew, QStringLiteral("opRodzaj4"));
    if (auto* tytul = s.kontrolka<QLineEdit>(przelew, QStringLiteral("txtTytulem1")))
        tytul->setText(tytul->text() + QStringLiteral("02.2026"));
    s.wpisz(przelew, QStringLiteral("txtKwotaK"), QStringLiteral("1773,92"), true);
    s.wpisz(przelew, QStringLiteral("txtVat"), QStringLiteral("0"), true);
    s.zdjecie(przelew, QStringLiteral("przelew-zus"));
    s.kliknij(przelew, QStringLiteral("cmdDoPaczki"));

    s.dialogi().odpowiedz(QStringLiteral("JAGODA"));
    s.kliknij(przelew, QStringLiteral("cmdZnajd"));
    rodzaj(s, przelew, QStringLiteral("opRodzaj5"));
    s.wpisz(przelew, QStringLiteral("txtKwotaK"), QStringLiteral("1000"), true);
    s.wpisz(przelew, QStringLiteral("txtVat"), QStringLiteral("230"), true);
    s.dialogi().odpowiedz(QStringLiteral("FV/77/03/2026"));
    s.kliknij(przelew, QStringLiteral("CmdSeryjny"));
    s.zdjecie(przelew, QStringLiteral("przelew-podzielony"));
    s.kliknij(przelew, QStringLiteral("cmdDoPaczki"));

    rodzaj(s, przelew, QStringLiteral("OpRodzaj6"));
    s.zdjecie(przelew, QStringLiteral("przelew-zlecenie"));

    rodzaj(s, przelew, QStringLiteral("opRodzaj3"));
    s.wpisz(przelew, QStringLiteral("txt200zl"), QStringLiteral("5"));
    s.wpisz(przelew, QStringLiteral("txt100zl"), QStringLiteral("12"));
    s.wpisz(przelew, QStringLiteral("txt50zl"), QStringLiteral("3"));
    s.wpisz(przelew, QStringLiteral("txt10zl"), QStringLiteral("7"));
    s.zdjecie(przelew, QStringLiteral("wplata"));
    rodzaj(s, przelew, QStringLiteral("OpRodzaj1"));

    // Export of the package shown to Ecorponet.
    s.dialogi().sfotografujNastepny(QStringLiteral("eksport-pytanie"));
    s.kliknij(przelew, QStringLiteral("cmdDoEcorponet"));
    s.zdjecie(przelew, QStringLiteral("eksport"));

    // Printing: the printer settings window.
    s.menu(QStringLiteral("Drukarki"));
    QWidget* drukarka = s.okno(QStringLiteral("frmUstawieniaDrukarki"));
    s.zdjecie(drukarka, QStringLiteral("drukarka"));
    s.zamknij(drukarka);

    // Paying purchase invoices.
    przelew->activateWindow();
    s.kliknij(przelew, QStringLiteral("cmdPlatnosci"));
    QWidget* platnosci = s.okno(QStringLiteral("frmPlatnosciZ"));
    if (platnosci) {
        platnosci->resize(1200, 800);
        s.kliknij(platnosci, QStringLiteral("CmdTylkoNieSplacone"));
        s.zdjecie(platnosci, QStringLiteral("platnosci"));
        s.komorka(platnosci, QStringLiteral("MSFlexGrid11"), 1, 5);
        s.komorka(platnosci, QStringLiteral("MSFlexGrid11"), 2, 5);
        s.zdjecie(platnosci, QStringLiteral("platnosci-przelewy"));
        s.komorka(platnosci, QStringLiteral("MSFlexGrid11"), 1, 1);
        s.kliknij(platnosci, QStringLiteral("CmdFaktura"));
        QWidget* faktura = s.okno(QStringLiteral("frmKorektaFakturyZ"));
        s.zdjecie(faktura, QStringLiteral("faktura"));
        s.zamknij(faktura);
        s.kliknij(platnosci, QStringLiteral("cmdZapiszPaczke"));
        s.zamknij(platnosci);
    }
    s.zamknij(przelew);

    // History of sent transfers.
    s.menu(QStringLiteral("historia"));
    QWidget* historia = s.okno(QStringLiteral("frmHistoria"));
    if (historia)
        historia->resize(1200, 760);
    s.zdjecie(historia, QStringLiteral("historia"));
    s.zamknij(historia);

    // The VAT white list.
    s.menu(QStringLiteral("mnuBialaLista"));
    QWidget* biala = s.okno(QStringLiteral("frmBialaLista"));
    s.ustaw(biala, QStringLiteral("txtPlik"), plikBialejListy);
    s.kliknij(biala, QStringLiteral("cmdSprawdz"));
    s.zdjecie(biala, QStringLiteral("biala-lista"));
    s.zamknij(biala);

    // The about window.
    s.menu(QStringLiteral("pomoc"));
    QWidget* oProgramie = s.okno(QStringLiteral("frmSplash"));
    s.zdjecie(oProgramie, QStringLiteral("o-programie"));
    s.zamknij(oProgramie);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings the windows keep (column widths, print offset) go to a
    // test location, never into the user's own.
    QStandardPaths::setTestModeEnabled(true);

    qInstallMessageHandler(bezUwagPlatformy);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Remitto"));
    QApplication::setOrganizationName(QStringLiteral("Remitto-zrzuty"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTranslator qtPolish;
    if (qtPolish.load(QStringLiteral("qtbase_pl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtPolish);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Makes the pictures of the user guide from the program's windows on a demo data folder."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Folder the PNG files are written to."));
    const QCommandLineOption demoOption(QStringLiteral("demo"),
                                        QStringLiteral("Demo data folder to write and use (empty or missing); "
                                                       "/tmp/Remitto-demo by default."),
                                        QStringLiteral("folder"));
    parser.addOption(demoOption);
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() != 1) {
        err() << parser.helpText();
        return 2;
    }
    QDir cel(args.first());
    if (!cel.mkpath(QStringLiteral("."))) {
        err() << "Nie można utworzyć folderu " << args.first() << '\n';
        return 1;
    }

    const QString demo = parser.isSet(demoOption) ? QDir(parser.value(demoOption)).absolutePath()
                                                  : QStringLiteral("/tmp/Remitto-demo");
    QLockFile blokada(demo + QStringLiteral(".lock"));
    if (!blokada.lock()) {
        err() << "Nie można zablokować " << blokada.fileName() << '\n';
        return 1;
    }
    demo::DemoOptions opcje;
    opcje.seed = 1;
    opcje.today = kDzien;
    QString blad;
    if (!przygotujFolderDemo(demo, &blad) || !demo::writeDemoData(demo, opcje, &blad)) {
        err() << blad << '\n';
        return 1;
    }
    QFile znacznik(QDir(demo).filePath(kZnacznik));
    znacznik.open(QIODevice::WriteOnly);
    znacznik.close();

    const QString plikBialejListy = QDir(demo).filePath(QStringLiteral("20260316.json"));
    if (!zapiszBialaListe(demo, plikBialejListy, &blad)) {
        err() << blad << '\n';
        return 1;
    }

    DialogiZrzutow dialogi(cel);
    Session session;
    session.clock.setSource([] { return QDateTime(kDzien, kGodzina); });
    frmPrzelewA glowne(session, dialogi);
    glowne.resize(900, 640);
    glowne.show();
    glowne.uruchom(demo);
    QApplication::processEvents();

    Spacer spacer(glowne, dialogi);
    przejdz(spacer, glowne, plikBialejListy);

    err() << dialogi.zapisane() << " obrazów w " << cel.absolutePath() << '\n';
    return dialogi.bledy() == 0 ? 0 : 1;
}
