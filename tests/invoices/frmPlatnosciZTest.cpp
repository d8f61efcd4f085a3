#include "invoices/frmKorektaFakturyZ.h"
#include "invoices/frmPlatnosciZ.h"

#include "core/Session.h"
#include "shop/ListaFaktur.h"
#include "ui/Grid.h"
#include "ui/QtDialogs.h"

#include "DrzewoFaktur.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::DrzewoFaktur;
using remitto::test::ScriptedDialogs;

namespace {

QString fz(int miesiac, int numer)
{
    return QStringLiteral("Fz20%1%2.dat").arg(miesiac, 2, 10, QLatin1Char('0')).arg(numer, 5, 10, QLatin1Char('0'));
}

class OknoPlatnosci : public ::testing::Test, public DrzewoFaktur {
protected:
    OknoPlatnosci()
    {
        s.clock.setSource([] { return QDateTime(QDate(2020, 7, 20), QTime(10, 0)); });
        s.DataRobocza = QStringLiteral("17-07-2020");
        s.SciezkaKramix = kramix();
        s.FolderFirmyKramix = firma;
        numeracja(QStringLiteral("20"), {2, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0});
        faktura(1, 1, QStringLiteral("Nowak"), QStringLiteral("17-07-2020"));
        faktura(1, 2, QStringLiteral("Zielińska"), QStringLiteral("30-01-2020"));
        faktura(7, 1, QStringLiteral("Kowalski"), QStringLiteral("31-07-2020"));
        faktura(7, 2, QStringLiteral("NOWAKOWSKA"), QStringLiteral("17-07-2020"),
                [](QStringList& h) { h[0] = QStringLiteral("02   1000,0010-07-2020"); });
        faktura(7, 3, QStringLiteral("Nowak"), QStringLiteral("05-07-2020"),
                [](QStringList& h) { h[17] = QStringLiteral("Gotówka"); });
        faktura(7, 4, QStringLiteral("Wójcik"), QStringLiteral("10-08-2019"),
                [](QStringList& h) { h[12] = QStringLiteral("VFZ/etc/passwd0000"); });
    }
    ~OknoPlatnosci() override { EXPECT_TRUE(d.allAnswersUsed()); }

    void faktura(int m, int n, const QString& nazwa, const QString& termin,
                 const std::function<void(QStringList&)>& zmien = {})
    {
        QStringList h = naglowek(fz(m, n));
        h[1] = nazwa;
        h[18] = termin;
        if (zmien)
            zmien(h);
        DrzewoFaktur::faktura(fz(m, n), h);
    }

    template <typename W>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QAbstractButton>(nazwa), Qt::LeftButton); }
    QString etykieta(const char* nazwa) { return w<QLabel>(nazwa)->text(); }
    Grid* lista() { return w<Grid>("MSFlexGrid11"); }
    QStringList kolumna(int k)
    {
        QStringList out;
        for (int r = 1; r < lista()->rowCount(); ++r)
            out.append(lista()->text(r, k));
        return out;
    }
    QStringList sumy()
    {
        return {etykieta("LbRazemNetto"), etykieta("lbRazemVat"), etykieta("lbRazemBrutto"), etykieta("lbWplaty"),
                etykieta("lbZadluzenie")};
    }

    Session s;
    ScriptedDialogs d;
    frmPlatnosciZ okno{s, d};
};

} // namespace

TEST_F(OknoPlatnosci, OpeningListsTheMonthWithTotalsAndColours)
{
    okno.otworz();

    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Płatności własne z faktur zakupu"));
    EXPECT_EQ(s.DataDzis, QStringLiteral("20-07-2020"));
    EXPECT_EQ(s.DataDzisKlucz, QStringLiteral("20200720"));
    EXPECT_EQ(etykieta("Label13"), QStringLiteral("17-07-2020"));
    EXPECT_EQ(etykieta("lbSciezkadoKramix"), kramix());
    EXPECT_EQ(w<QLineEdit>("txtRokFr")->text(), QStringLiteral("2020"));
    EXPECT_EQ(w<QLineEdit>("txtMiesiacZ")->text(), QStringLiteral("07"));
    EXPECT_EQ(w<QComboBox>("cmbMiesiacFr")->currentText(), QStringLiteral("07"));
    EXPECT_EQ(lista()->columnCount(), 24);
    EXPECT_EQ(lista()->text(0, 8), QStringLiteral("TerminSpł"));
    EXPECT_EQ(w<Grid>("MSFlexGrid1")->columnCount(), 28);
    EXPECT_EQ(w<Grid>("MSFlexGrid1")->text(0, 27), QStringLiteral("KodIden"));

    EXPECT_EQ(kolumna(kol::Stan), (QStringList{QStringLiteral("DoPrzelewu"), QStringLiteral("Spłacona"),
                                               QStringLiteral("Gotówka"), QStringLiteral("DoPrzelewu")}));
    EXPECT_EQ(kolumna(kol::Plik)[3], QStringLiteral("Zła nazwa pliku: /etc/passwd0000"));
    EXPECT_EQ(sumy(), (QStringList{QStringLiteral("3252,04"), QStringLiteral("747,96"), QStringLiteral("4000,00"),
                                   QStringLiteral("2000,00"), QStringLiteral("2000,00")}));
    EXPECT_EQ(lista()->cellBackground(1, kol::Brutto), QColor(255, 0, 0));
    EXPECT_FALSE(lista()->cellBackground(1, kol::Stan).isValid());
    EXPECT_EQ(lista()->cellBackground(2, kol::Stan), QColor(128, 255, 128));
    EXPECT_EQ(lista()->cellBackground(3, kol::Brutto), QColor(0, 255, 0));
    EXPECT_FALSE(lista()->cellBackground(3, kol::Ulica).isValid());
    EXPECT_FALSE(w<QProgressBar>("prgWczytywanie")->isVisible());

    // "Aktualne na dziś" has no effect: it is there but cannot be pressed.
    for (const char* n : {"cmdHistoriaPrzelewow", "cmdZapiszPaczke", "cmdDoPrzelewu", "cmdUsunPlatnosc"})
        EXPECT_TRUE(w<QPushButton>(n)->isEnabled()) << n;
    EXPECT_FALSE(w<QPushButton>("cmdPrzelewyAktualne")->isEnabled());
    EXPECT_TRUE(d.shown().isEmpty());
}

TEST_F(OknoPlatnosci, ListButtonsReadTheirMonthsAndKeepTheirRows)
{
    okno.otworz();
    // February registered nothing: from January on only January is read.
    w<QLineEdit>("txtMiesiacZ")->setText(QStringLiteral("1"));
    kliknij("cmdWszystkie");
    EXPECT_EQ(kolumna(kol::Nazwa), (QStringList{QStringLiteral("Nowak"), QStringLiteral("Zielińska")}));

    w<QLineEdit>("txtMiesiacZ")->setText(QStringLiteral("7"));
    kliknij("CmdTylkoNieSplacone");
    EXPECT_EQ(kolumna(kol::Nazwa), (QStringList{QStringLiteral("Kowalski"), QStringLiteral("Wójcik")}));
    EXPECT_EQ(etykieta("lbZadluzenie"), QStringLiteral("2000,00"));

    kliknij("cmdNaDzis");  // the working date 17-07-2020, in every month
    EXPECT_EQ(kolumna(kol::Nazwa), (QStringList{QStringLiteral("Nowak"), QStringLiteral("NOWAKOWSKA")}));
    EXPECT_EQ(kolumna(kol::Stan), (QStringList{QStringLiteral("DoPrzelewu"), QStringLiteral("DoPrzelewu")}));

    w<QComboBox>("cmbMiesiacFr")->setCurrentText(QStringLiteral("01"));
    kliknij("cmdZmiany");
    EXPECT_EQ(kolumna(kol::Nr), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(lista()->text(2, kol::Nazwa), QStringLiteral("Zielińska"));
}

TEST_F(OknoPlatnosci, ContractorFilterAndDateSorts)
{
    okno.otworz();
    kliknij("cmdTylkoKontrahent");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral(" Nie wybrałeś słowa do wyszukania !?"));
    EXPECT_EQ(lista()->rowCount(), 5);

    w<QLineEdit>("txtSlowo")->setText(QStringLiteral("nowak"));
    kliknij("cmdTylkoKontrahent");
    EXPECT_EQ(w<QLineEdit>("txtSlowo")->text(), QStringLiteral("NOWAK"));
    EXPECT_EQ(kolumna(kol::Nazwa), (QStringList{QStringLiteral("NOWAKOWSKA"), QStringLiteral("Nowak")}));
    EXPECT_EQ(kolumna(kol::Nr), (QStringList{QStringLiteral("1"), QStringLiteral("2")}));
    EXPECT_EQ(sumy(), (QStringList{QStringLiteral("1626,02"), QStringLiteral("373,98"), QStringLiteral("2000,00"),
                                   QStringLiteral("2000,00"), QStringLiteral("0,00")}));
    EXPECT_EQ(lista()->cellBackground(2, kol::Brutto), QColor(0, 255, 0));

    kliknij("cmdWszystkie");
    w<QRadioButton>("Option2")->click();
    EXPECT_EQ(kolumna(kol::Termin), (QStringList{QStringLiteral("10-08-2019"), QStringLiteral("05-07-2020"),
                                                 QStringLiteral("17-07-2020"), QStringLiteral("31-07-2020")}));
    EXPECT_EQ(lista()->cellBackground(2, kol::Stan), QColor(0, 255, 0));  // colours go with their rows
    w<QRadioButton>("Option1")->click();  // one purchase date: the order stays
    EXPECT_EQ(kolumna(kol::Nr), (QStringList{QStringLiteral("4"), QStringLiteral("3"), QStringLiteral("2"),
                                             QStringLiteral("1")}));
}

TEST_F(OknoPlatnosci, MissingNumberingFileIsNamed)
{
    okno.otworz();
    w<QLineEdit>("txtRokFr")->setText(QStringLiteral("2019"));
    kliknij("cmdWszystkie");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Brak pliku numeracji faktur zakupu ") + kramix()
                                     + QStringLiteral("/FIRMA/Parametry/NumZ19.dat"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Faktury zakupu z Kramix"));
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(lista()->rowCount(), 1);
    EXPECT_EQ(etykieta("lbRazemBrutto"), QStringLiteral("0,00"));
}

TEST_F(OknoPlatnosci, InvoiceViewShowsTheSelectedInvoice)
{
    QStringList h = naglowek(fz(7, 1));
    h[1] = QStringLiteral("Kowalski");
    DrzewoFaktur::faktura(fz(7, 1), h,
                          {pozycja(QStringLiteral("10.00"), QStringLiteral("2"), QStringLiteral("20.00"),
                                   QStringLiteral("23"), QStringLiteral("24.60"), QStringLiteral("12.50")),
                           pozycja(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("5.00"),
                                   QStringLiteral("zw"), QStringLiteral("5.00"))});
    okno.otworz();
    kliknij("CmdFaktura");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Wybierz fakturę z listy."));

    lista()->setCurrentCell(1, kol::Nazwa);
    kliknij("CmdFaktura");
    EXPECT_EQ(s.PlikFakturyZ, fz(7, 1));
    frmKorektaFakturyZ* p = okno.podglad();
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(p->isVisible());
    EXPECT_EQ(p->windowTitle(), QStringLiteral("Faktura zakupu nr Fz200700001 od Kowalski Jan NIP-6810001122"));
    const auto pole = [&](const char* n) { return p->findChild<QLineEdit*>(QString::fromUtf8(n))->text(); };
    EXPECT_EQ(pole("txtNumerKolejnyFakturyZakupu"), QStringLiteral("00001"));
    EXPECT_EQ(pole("txtDataZakupu"), QStringLiteral("03-07-2020"));
    EXPECT_TRUE(p->findChild<QLineEdit*>(QStringLiteral("txtNazwaKontrahenta"))->isReadOnly());
    EXPECT_EQ(p->findChild<QComboBox*>(QStringLiteral("CmbSposobPlatnosci"))->currentText(), QStringLiteral("Przelew 14 dni"));
    EXPECT_EQ(p->findChild<QListWidget*>(QStringLiteral("List1"))->item(0)->text(), QStringLiteral("VAT"));
    Grid* g = p->findChild<Grid*>(QStringLiteral("MSFlexGrid8"));
    ASSERT_EQ(g->rowCount(), 3);
    EXPECT_EQ(g->columnCount(), 21);
    EXPECT_EQ(g->text(1, 7), QStringLiteral("25,00"));
    EXPECT_EQ(g->text(2, 7), QString());
    EXPECT_EQ(p->findChild<QLabel*>(QStringLiteral("lbBruttoRazem"))->text(), QStringLiteral("29,60"));
    EXPECT_EQ(p->findChild<QLabel*>(QStringLiteral("LbNettoRazem"))->text(), QStringLiteral("25,00"));
    EXPECT_EQ(p->findChild<QLabel*>(QStringLiteral("LbVatRazem"))->text(), QStringLiteral("4,60"));

    // The calendar of the purchase date: a key shows it, a picked date
    // fills the field and moves on.
    auto* data = p->findChild<QLineEdit*>(QStringLiteral("txtDataZakupu"));
    auto* kalendarz = p->findChild<QCalendarWidget*>(QStringLiteral("MonthView1"));
    EXPECT_TRUE(kalendarz->isHidden());
    QTest::keyClick(data, Qt::Key_Space);
    EXPECT_FALSE(kalendarz->isHidden());
    emit kalendarz->clicked(QDate(2020, 7, 5));
    EXPECT_EQ(data->text(), QStringLiteral("05-07-2020"));
    EXPECT_TRUE(kalendarz->isHidden());

    // A row whose header names no invoice file opens nothing.
    d.clear();
    lista()->setCurrentCell(4, kol::Nazwa);
    kliknij("CmdFaktura");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(QStringLiteral("nie jest nazwą pliku faktury")));
}

TEST(OknoPlatnosciQt, EmptySearchWordIsReportedInARealBox)
{
    Session s;
    s.SciezkaKramix = QStringLiteral("/nonexistent-kramix");
    QtDialogs dialogs;
    frmPlatnosciZ okno(s, dialogs);
    QStringList widziane;
    // Waits for the next box and presses Enter in it.
    std::function<void()> odpowiedz = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, odpowiedz);
            return;
        }
        widziane.append(box->text());
        QTest::keyClick(box, Qt::Key_Return);
    };
    QTimer::singleShot(0, odpowiedz);
    okno.otworz();  // no shop folder: said so
    QTimer::singleShot(0, odpowiedz);
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdTylkoKontrahent")), Qt::LeftButton);
    EXPECT_EQ(widziane, (QStringList{QStringLiteral("Brak folderu programu Kramix /nonexistent-kramix"),
                                     QStringLiteral(" Nie wybrałeś słowa do wyszukania !?")}));
}

TEST_F(OknoPlatnosci, HistoryButtonOpensTheHistoryOfSentTransfers)
{
    okno.otworz();
    d.clear();
    kliknij("cmdHistoriaPrzelewow");
    auto* historia = okno.findChild<QWidget*>(QStringLiteral("frmHistoria"));
    ASSERT_NE(historia, nullptr);
    EXPECT_TRUE(historia->isVisible());
    historia->close();
}
