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
#include "FolderDemo.h"
#include "Spacer.h"
#include "core/Session.h"
#include "shell/frmPrzelewA.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTextStream>
#include <QTranslator>

using namespace remitto;
using namespace remitto::zrzuty;

namespace {

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
    oznaczFolderDemo(demo);

    const QString plikBialejListy = QDir(demo).filePath(QStringLiteral("20260316.json"));
    if (!zapiszBialaListe(demo, kDzien, plikBialejListy, &blad)) {
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
