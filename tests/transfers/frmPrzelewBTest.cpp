// The transfer window driven by its control names: opening, the entry area's
// keys and buttons, the kinds and the banknote frame.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "core/QuoteFormat.h"
#include "transfers/Przelew.h"
#include "ui/PrintRenderer.h"
#include "ui/Grid.h"

#include "Budowa.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QString kKonto1 = QStringLiteral("11111111111111111111111111");
const QString kKonto2 = QStringLiteral("22222222222222222222222222");

class OknoPrzelewu : public ::testing::Test, public FolderDanych {
protected:
    OknoPrzelewu() : FolderDanych(kBezPaczek)
    {
        dzien(QStringLiteral("09-12-2026")).firma(QStringLiteral("ALFA"));
        s.DataRobocza = QStringLiteral("08-12-2026");
        s.NipFirmy = QStringLiteral("6810000001");
        s.Konto1Firmy = kKonto1;
        s.Konto2Firmy = kKonto2;
        s.Konto4Firmy = QStringLiteral("44444444444444444444444444");
        s.KontoWybrane = kKonto2;
        s.OpisSeryjny = QStringLiteral("F-ra \"nr\" ");
        ustawienia();
    }
    ~OknoPrzelewu() override { EXPECT_TRUE(d.allAnswersUsed()); }

    void otworz()
    {
        okno.otworz();
        QApplication::setActiveWindow(&okno);
    }

    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    QString tekst(const char* nazwa) { return w(nazwa)->text(); }
    void ustaw(const char* nazwa, const QString& t) { w(nazwa)->setText(t); }
    void wpisz(const char* nazwa, const QString& t)
    {
        QLineEdit* e = w(nazwa);
        e->setFocus();
        e->clear();
        QTest::keyClicks(e, t);
    }
    void enter(const char* nazwa) { QTest::keyClick(w(nazwa), Qt::Key_Return); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QAbstractButton>(nazwa), Qt::LeftButton); }
    bool widoczne(const char* nazwa) { return !w<QWidget>(nazwa)->isHidden(); }
    ShownBox ostatni() { return d.shown().isEmpty() ? ShownBox{} : d.shown().last(); }

    ScriptedDialogs d;
    frmPrzelewB okno{s, d};
};

} // namespace

TEST_F(OknoPrzelewu, OpeningShowsCompanyDatesPrinterAndEveryControl)
{
    ustawienia(QStringLiteral("I"), QStringLiteral("2"), QStringLiteral("1"));
    s.RodzajPrzelewu = 3;
    s.TrybKontrahenta = 4;
    otworz();

    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_EQ(okno.windowTitle(),
              QStringLiteral("Przelew z ALFA Nr konta ") + kKonto2 + QStringLiteral(" Data przelewu 09-12-2026"));
    // The outgoing account chosen in the own company window comes first.
    EXPECT_EQ(w<QLabel>("lbKonto1")->text(), kKonto2);
    EXPECT_EQ(w<QLabel>("lbKonto2")->text(), kKonto1);
    EXPECT_EQ(w<QLabel>("lbNIP")->text(), QStringLiteral("6810000001"));
    EXPECT_EQ(w<QLabel>("lbMikroPodatkowy")->text(), QStringLiteral("44444444444444444444444444"));
    EXPECT_EQ(w<QLabel>("lbdata")->text(), QStringLiteral("08-12-2026"));
    EXPECT_EQ(w<QLabel>("lbSciezkaEcorponet")->text(), dir.path() + QStringLiteral("/DoECorponet"));
    EXPECT_EQ(w<QLabel>("lbSciezkaPaczek")->text(), dir.path() + QStringLiteral("/Paczki"));
    // The export file list has its own caption right above it.
    auto* lbPaczki = w<QLabel>("lbPaczkiWyslane");
    auto* pliki = w<QListWidget>("FileList1");
    ASSERT_NE(lbPaczki, nullptr);
    EXPECT_EQ(lbPaczki->text(), QStringLiteral("Paczki wysłane do Ekorponet"));
    EXPECT_EQ(lbPaczki->buddy(), pliki);
    EXPECT_TRUE(lbPaczki->isVisible());
    EXPECT_LT(lbPaczki->mapTo(&okno, QPoint(0, lbPaczki->height())).y(), pliki->mapTo(&okno, QPoint(0, 1)).y());
    EXPECT_EQ(tekst("txtMiesiac"), QStringLiteral("12"));
    EXPECT_EQ(tekst("txtROKA"), QStringLiteral("2026"));
    EXPECT_EQ(w<QGroupBox>("Frame3")->title(), QStringLiteral("Drukarka-Igłowa"));
    EXPECT_TRUE(w<QRadioButton>("optdruk2")->isChecked());
    EXPECT_EQ(s.TrybKontrahenta, 0);
    EXPECT_EQ(s.RodzajPrzelewu, 1);
    EXPECT_TRUE(w<QRadioButton>("OpRodzaj1")->isChecked());
    EXPECT_FALSE(widoczne("Frame1"));
    EXPECT_FALSE(widoczne("lbskarbowy"));
    EXPECT_FALSE(widoczne("txtRok"));
    EXPECT_TRUE(widoczne("txtMail"));

    for (const char* nazwa :
         {"txtNazwa1K", "txtNazwa2K", "txtSkrótK", "txtKODK", "txtAdresK", "txtUlicaK", "txtNumerDomuK", "txtNrLok",
          "txtPoczta", "txtBankK", "txtKontoK", "txtNIPK", "txtKodIden", "txtTelefon", "txtMail", "txtKwotaK", "txtVat",
          "txtKwotaBrutto", "txtTytulem1", "txtRok", "txtOkres", "txtNrOkresu", "txtSymbol", "txt200zl", "txt100zl",
          "txt50zl", "txt20zl", "txt10zl", "txt5zl", "txt2zl", "txt1zl", "txtMiesiac", "txtROKA", "txtNrKol"})
        EXPECT_NE(okno.findChild<QLineEdit*>(QString::fromUtf8(nazwa)), nullptr) << nazwa;
    EXPECT_EQ(w("txtTytulem1")->maxLength(), 105);
    EXPECT_EQ(w("txtKwotaK")->toolTip(), QStringLiteral("Kwota z miejscami dz po przecinku np12,34"));
    EXPECT_EQ(w("txtOkres")->toolTip(), QStringLiteral("np. M lub R lub P orocze"));
    EXPECT_EQ(w<QGroupBox>("Frame1")->title(), QStringLiteral("Specyfikacja banknotów"));
    EXPECT_EQ(w<QLabel>("lbskarbowy")->text(), QStringLiteral("Rok  |Okres|  NrOkr  |Symbol płatności"));

    // Buttons: caption, and whether they can be pressed.
    const struct {
        const char* nazwa;
        const char* napis;
        bool aktywny;
    } przyciski[] = {
        {"cmdDoPaczki", "Do &Paczki", true},
        {"cmdUsunRekord", "Usuń &Rekord z Paczki", true},
        {"CmdUsunpaczke", "&Usuń Paczkę", true},
        {"CmdWyczyscM1", "Wyczyść Zawartość", true},
        {"cmdZmien", "&Zmnień", true},
        {"cmdSortuj", "Sortuj", true},
        {"cmdDoEcorponet", "Paczka &Do Ecorponet", true},
        {"CmdUsunWskazanPaczke", "Usuń wskazaną paczkę z Ecoropnet", true},
        {"cmdDRUKUJ", "D&Rukuj x4 lub wpłata", true},
        {"cmdPlatnosci", "Płatnosci &fakturowe ze sklepu", true},
        {"cmdSprNIP", "&Sprawdź NIP", true},
        {"CmdSeryjny", "&Wstaw opis seryjny", true},
        {"cmdZnajd", "z&Nnajdź skrót", true},
        {"cmdZmianyK", "&Zapisz Zmiany", true},
        {"cmdDodaj", "&Dodaj", true},
        {"cmdPodglad", "&Podglad +sortowanie", true},
        {"wyjscie", "K&Oniec", true},
        {"OpRodzaj1", "Przelew", true},
        {"opRodzaj2", "Skarbowy", true},
        {"opRodzaj3", "Wpłata", true},
        {"opRodzaj4", "ZUS", true},
        {"opRodzaj5", "F-ra Podzielona Płayt", true},
        {"OpRodzaj6", "Zlecenie", true},
        {"optdruk1", "Zwykły", true},
        {"optdruk2", "Gruby", true},
    };
    for (const auto& p : przyciski) {
        QAbstractButton* b = w<QAbstractButton>(p.nazwa);
        ASSERT_NE(b, nullptr) << p.nazwa;
        EXPECT_EQ(b->text(), QString::fromUtf8(p.napis)) << p.nazwa;
        EXPECT_EQ(b->isEnabled(), p.aktywny) << p.nazwa;
    }
    EXPECT_TRUE(w<QListWidget>("FileList1")->isEnabled());

    Grid* paczka = w<Grid>("MSFlexGrid1");
    ASSERT_EQ(paczka->columnCount(), 28);
    EXPECT_EQ(paczka->rowCount(), 1);
    EXPECT_EQ(paczka->text(0, 18), QStringLiteral(" Skrót "));
    EXPECT_EQ(w<Grid>("MSFlexGrid2")->columnCount(), 10);
    EXPECT_EQ(w<Grid>("MSFlexGrid2")->text(0, 1), QStringLiteral("Nazwa Paczki"));
}

TEST_F(OknoPrzelewu, MissingPrinterSettingsAreReportedAtOpening)
{
    for (const auto& [piata, szosta] : {std::pair{QString(), QStringLiteral("1")}, {QStringLiteral("1"), QString()}}) {
        d.clear();
        ustawienia(QStringLiteral("L"), piata, szosta);
        otworz();
        ASSERT_EQ(d.shown().size(), 1);
        EXPECT_EQ(ostatni().text, QStringLiteral("Ustaw drukarke i druk !"));
        EXPECT_EQ(ostatni().title, QStringLiteral("Zle wybrana ściezka do przelewów "));
        EXPECT_EQ(ostatni().icon, Icon::Critical);
        EXPECT_EQ(w<QGroupBox>("Frame3")->title(), QStringLiteral("Drukarka-Laserowa"));
    }
}

TEST_F(OknoPrzelewu, SummingFieldAddsOnEnterAndCopiesToGrossWithoutVat)
{
    otworz();
    const struct {
        const char* wpis;
        const char* vat;
        const char* kwota;
        const char* brutto;
        bool blad;
    } przypadki[] = {
        {"12,50+7,50", "0", "20", "20", false},
        {"100-30-20", "0", "50", "50", false},
        {"-5", "0", "-5", "-5", false},
        {"100+20-5", "23", "115", "", false},   // VAT not "0": the gross waits for the VAT field
        {"0,1+0,2", "0", "0,3", "0,3", false},
        {"77,77", "0", "77,77", "77,77", false},
        {"10+abc", "0", "10+abc", "", true},
        {"abc", "0", "abc", "", true},
    };
    for (const auto& p : przypadki) {
        d.clear();
        ustaw("txtVat", QString::fromUtf8(p.vat));
        ustaw("txtKwotaBrutto", QString());
        wpisz("txtKwotaK", QString::fromUtf8(p.wpis));
        enter("txtKwotaK");
        EXPECT_EQ(tekst("txtKwotaK"), QString::fromUtf8(p.kwota)) << p.wpis;
        EXPECT_EQ(tekst("txtKwotaBrutto"), QString::fromUtf8(p.brutto)) << p.wpis;
        if (p.blad) {
            ASSERT_EQ(d.shown().size(), 1) << p.wpis;
            EXPECT_EQ(ostatni().text, QStringLiteral(" Błąd wpisanej kwoty "));
            EXPECT_EQ(ostatni().title, QStringLiteral(" Popraw"));
            EXPECT_EQ(ostatni().icon, Icon::Critical);
        } else {
            EXPECT_TRUE(d.shown().isEmpty()) << p.wpis;
        }
    }
}

TEST_F(OknoPrzelewu, VatFieldComputesGrossAndTitleResetsTheAmounts)
{
    otworz();
    const struct {
        const char* netto;
        const char* vat;
        const char* brutto;
        const char* vatPo;
    } przypadki[] = {
        {"100", "23", "123,00", "23"},
        {"100", "23%", "123,00", "23%"},
        {"100", "zw", "100", "zw"},
        {"100", "NP", "100", "NP"},
        {"80,5", "", "80,5", "0"},
    };
    for (const auto& p : przypadki) {
        ustaw("txtKwotaK", QString::fromUtf8(p.netto));
        wpisz("txtVat", QString::fromUtf8(p.vat));
        enter("txtVat");
        EXPECT_EQ(tekst("txtKwotaBrutto"), QString::fromUtf8(p.brutto)) << p.vat;
        EXPECT_EQ(tekst("txtVat"), QString::fromUtf8(p.vatPo)) << p.vat;
        EXPECT_EQ(QApplication::focusWidget(), w("txtKwotaBrutto")) << p.vat;
    }
    EXPECT_TRUE(d.shown().isEmpty());

    wpisz("txtVat", QStringLiteral("abc"));
    enter("txtVat");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().text, QStringLiteral(" Błąd wpisanej kwoty "));
    EXPECT_EQ(ostatni().title, QStringLiteral(" Popraw"));
    EXPECT_EQ(tekst("txtVat"), QStringLiteral("abc"));
    EXPECT_EQ(tekst("txtKwotaBrutto"), QStringLiteral("80,5"));

    // Typing in the title clears the gross amount; Enter there starts the amounts afresh.
    wpisz("txtTytulem1", QStringLiteral("F-ra 12"));
    EXPECT_EQ(tekst("txtKwotaBrutto"), QString());
    ustaw("txtKwotaBrutto", QStringLiteral("5"));
    enter("txtTytulem1");
    EXPECT_EQ(tekst("txtKwotaK"), QString());
    EXPECT_EQ(tekst("txtVat"), QStringLiteral("0"));
    EXPECT_EQ(tekst("txtKwotaBrutto"), QString());
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("F-ra 12"));
    EXPECT_EQ(QApplication::focusWidget(), w("txtKwotaK"));
}

TEST_F(OknoPrzelewu, KindsSetCodesFieldsAndTitles)
{
    otworz();
    ustaw("txtNrOkresu", QStringLiteral("11"));

    kliknij("opRodzaj2");
    EXPECT_EQ(s.RodzajPrzelewu, 2);
    EXPECT_EQ(okno.rodzaj(), Rodzaj::Skarbowy);
    EXPECT_TRUE(widoczne("lbskarbowy"));
    for (const char* pole : {"txtRok", "txtOkres", "txtNrOkresu", "txtSymbol"})
        EXPECT_TRUE(widoczne(pole)) << pole;
    EXPECT_EQ(tekst("txtRok"), QStringLiteral("26"));
    EXPECT_EQ(tekst("txtOkres"), QStringLiteral("M"));
    EXPECT_EQ(tekst("txtNrOkresu"), QStringLiteral("11"));
    EXPECT_EQ(tekst("txtSymbol"), QStringLiteral("VAT7"));
    EXPECT_EQ(s.RokUS + s.OkresUS + s.NrOkresuUS + s.SymbolUS, QStringLiteral("26M11VAT7"));

    kliknij("opRodzaj3");
    EXPECT_EQ(s.RodzajPrzelewu, 3);
    EXPECT_TRUE(widoczne("Frame1"));
    EXPECT_FALSE(widoczne("txtMail"));
    EXPECT_FALSE(widoczne("txtTelefon"));
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("Wpłata własna 08-12-2026"));

    kliknij("opRodzaj4");
    EXPECT_EQ(s.RodzajPrzelewu, 3);  // ZUS leaves the kind code
    EXPECT_FALSE(widoczne("Frame1"));
    EXPECT_TRUE(widoczne("txtMail"));
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral(" Wpłata składek ZUS za miesiąc "));

    for (const char* opcja : {"opRodzaj5", "OpRodzaj6"}) {
        kliknij(opcja);
        EXPECT_EQ(s.RodzajPrzelewu, 3) << opcja;
        EXPECT_TRUE(widoczne("txtMail")) << opcja;
        EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral(" Wpłata składek ZUS za miesiąc ")) << opcja;
    }

    kliknij("OpRodzaj1");
    EXPECT_EQ(s.RodzajPrzelewu, 1);
    EXPECT_FALSE(widoczne("lbskarbowy"));
    EXPECT_FALSE(widoczne("txtSymbol"));

    // The tax header label: a click shows it under kind code 2, hides it under 1.
    w<QLabel>("lbskarbowy")->show();
    QTest::mouseClick(w<QLabel>("lbskarbowy"), Qt::LeftButton);
    EXPECT_FALSE(widoczne("lbskarbowy"));
}

TEST_F(OknoPrzelewu, NipCheckMessages)
{
    otworz();
    const struct {
        const char* nip;
        const char* tekst;
        const char* tytul;
        Icon ikona;
    } przypadki[] = {
        {"5260250274", "Wpisany numer NIP jest OK ", "OK !!", Icon::Information},
        {"5260250275", "Wpisany numer NIP jest błędny !! , lub napisany ze spacjami", "Popraw !!", Icon::Critical},
        {"1234567890", "Wpisany numer NIP jest błędny !! , lub napisany ze spacjami", "Popraw !!", Icon::Critical},
        {"526-025-02-74", "Nip nie wpisany lub zła ilość znaków ", "Popraw !", Icon::Critical},
        {"", "Nip nie wpisany lub zła ilość znaków ", "Popraw !", Icon::Critical},
        {"52 6025027", "Nip napisany ze spacjami ", "Popraw !", Icon::Critical},
    };
    for (const auto& p : przypadki) {
        d.clear();
        ustaw("txtNIPK", QString::fromUtf8(p.nip));
        kliknij("cmdSprNIP");
        ASSERT_EQ(d.shown().size(), 1) << p.nip;
        EXPECT_EQ(ostatni().text, QString::fromUtf8(p.tekst)) << p.nip;
        EXPECT_EQ(ostatni().title, QString::fromUtf8(p.tytul)) << p.nip;
        EXPECT_EQ(ostatni().icon, p.ikona) << p.nip;
    }
}

TEST_F(OknoPrzelewu, SerialDescriptionByKind)
{
    otworz();
    kliknij("CmdSeryjny");
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("F-ra ''nr'' "));
    EXPECT_EQ(QApplication::focusWidget(), w("txtTytulem1"));

    kliknij("opRodzaj2");
    ustaw("txtNrOkresu", QStringLiteral("12"));
    kliknij("CmdSeryjny");
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("/TI/N6810000001/OKR/26M12/SFP/VAT7|/TXT/VAT7 za M12- 2026"));
    EXPECT_TRUE(d.shown().isEmpty());

    ustaw("txtNrOkresu", QString());
    kliknij("CmdSeryjny");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().text, QStringLiteral(" Nie wypełnione wymagane pola dot Przelewu do US"));
    EXPECT_EQ(ostatni().title, QStringLiteral(" Wypelnij NIP własny i pola Okresu !"));
    EXPECT_EQ(ostatni().icon, Icon::Critical);

    d.clear();
    ustaw("txtNrOkresu", QStringLiteral("12"));
    kliknij("opRodzaj5");
    ustaw("txtKwotaBrutto", QStringLiteral("123,00"));
    ustaw("txtNIPK", QStringLiteral("5260250274"));
    d.type(QStringLiteral("FV 7/12"));
    kliknij("CmdSeryjny");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().kind, ShownBox::Input);
    EXPECT_EQ(ostatni().text, QStringLiteral(" Podaj Numer faktury płaconej Metodą Podzielonej Płaności "));
    EXPECT_EQ(ostatni().title, QStringLiteral("Faktura VAT = Numer "));
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("/VAT/123,00/IDC/5260250274/INV/FV 7/12/TXT/VAT7 za M12- 2026"));

    // Cancel leaves the serial description.
    d.cancelInput();
    kliknij("CmdSeryjny");
    EXPECT_EQ(tekst("txtTytulem1"), QStringLiteral("F-ra ''nr'' "));
}

TEST_F(OknoPrzelewu, BanknoteFrameAddsUp)
{
    otworz();
    kliknij("opRodzaj3");
    wpisz("txt200zl", QStringLiteral("2"));
    wpisz("txt50zl", QStringLiteral("1"));
    wpisz("txt1zl", QStringLiteral("7"));
    wpisz("txt2zl", QStringLiteral("x"));
    // Values in whole złoty, as the printed form has room for them.
    EXPECT_EQ(w<QLabel>("lbKwota200zl")->text(), QStringLiteral("400"));
    EXPECT_EQ(w<QLabel>("lbKwota50zl")->text(), QStringLiteral("50"));
    EXPECT_EQ(w<QLabel>("lbKwota1zl")->text(), QStringLiteral("7"));
    EXPECT_EQ(w<QLabel>("lbKwota100zl")->text(), QStringLiteral("0"));
    EXPECT_EQ(w<QLabel>("lbRazemSzt")->text(), QStringLiteral("10"));
    EXPECT_EQ(w<QLabel>("lbRazemKwotaWplaty")->text(), QStringLiteral("457,00"));
    // An unreadable count counts as 0 and its field is marked until it is mended.
    EXPECT_EQ(w<QLabel>("lbKwota2zl")->text(), QStringLiteral("0"));
    EXPECT_FALSE(w("txt2zl")->toolTip().isEmpty());
    EXPECT_FALSE(w("txt2zl")->styleSheet().isEmpty());
    EXPECT_TRUE(w("txt1zl")->toolTip().isEmpty());
    wpisz("txt2zl", QStringLiteral("3"));
    EXPECT_EQ(w<QLabel>("lbKwota2zl")->text(), QStringLiteral("6"));
    EXPECT_TRUE(w("txt2zl")->toolTip().isEmpty());
    EXPECT_TRUE(w("txt2zl")->styleSheet().isEmpty());
}

TEST_F(OknoPrzelewu, NamesLoseDoubleQuotesAndPostalCodeFindsTheTown)
{
    otworz();
    wpisz("txtNazwa1K", QStringLiteral("Firma \"Kos\""));
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Firma ''Kos''"));
    wpisz("txtNazwa2K", QStringLiteral("\"A\" B"));
    EXPECT_EQ(tekst("txtNazwa2K"), QStringLiteral("''A'' B"));

    ustaw("txtAdresK", QStringLiteral("stara"));
    wpisz("txtKODK", QStringLiteral("32-41"));
    enter("txtKODK");
    EXPECT_EQ(tekst("txtAdresK"), QStringLiteral("stara"));
    wpisz("txtKODK", QStringLiteral("32-999"));  // not in the table: the town stays
    enter("txtKODK");
    EXPECT_EQ(tekst("txtAdresK"), QStringLiteral("stara"));
    wpisz("txtKODK", QStringLiteral("32-410"));
    enter("txtKODK");
    EXPECT_EQ(tekst("txtAdresK"), QStringLiteral("Dobczyce"));
}

namespace {

/// Takes the forms instead of the print dialog.
struct Drukarka : Drukowanie {
    WynikWydruku odpowiedz = WynikWydruku::Wydrukowano;
    QList<PrintJob> wydruki;
    WynikWydruku drukuj(const PrintJob& job, QString*) override
    {
        wydruki.append(job);
        return odpowiedz;
    }
};

} // namespace

TEST_F(OknoPrzelewu, PrintButtonPrintsTheFormOfTheKindAndRecordsIt)
{
    Drukarka drukarka;
    okno.ustawDrukowanie(&drukarka);
    otworz();
    ustaw("txtNazwa1K", QStringLiteral("Hurtownia Zboże"));
    ustaw("txtSkrótK", QStringLiteral("ZBOZE"));
    ustaw("txtKontoK", QStringLiteral("61109010140000071219812874"));
    ustaw("txtKwotaK", QStringLiteral("100,50"));
    ustaw("txtTytulem1", QStringLiteral("F-ra 7/2026"));

    // Declined print dialog: the message, nothing recorded.
    drukarka.odpowiedz = WynikWydruku::Rezygnacja;
    kliknij("cmdDRUKUJ");
    EXPECT_EQ(ostatni().text, QStringLiteral("Zrezygnowałeś z drukowania !"));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("ALFA.dat"))));

    drukarka.odpowiedz = WynikWydruku::Wydrukowano;
    d.clear();
    kliknij("cmdDRUKUJ");
    EXPECT_TRUE(d.shown().isEmpty());
    ASSERT_EQ(drukarka.wydruki.size(), 2);
    bool nazwaNaFormularzu = false;
    for (const PrintLine& l : drukarka.wydruki.last().pages().value(0).lines)
        nazwaNaFormularzu = nazwaNaFormularzu || l.text.contains(QStringLiteral("HURTOWNIA ZBOŻE"));
    EXPECT_TRUE(nazwaNaFormularzu);

    QList<Przelew> zapisane;
    ASSERT_TRUE(przelewyZWartosci(readQuoteFile(dir.file(QStringLiteral("ALFA.dat"))).values, &zapisane));
    ASSERT_EQ(zapisane.size(), 1);
    EXPECT_EQ(zapisane[0].oznPrz, QStringLiteral("Wydruk"));
    EXPECT_EQ(zapisane[0].status, QStringLiteral("Wydruk"));
    EXPECT_EQ(zapisane[0].skrot, QStringLiteral("ZBOZE"));
    EXPECT_EQ(zapisane[0].typZlec, QStringLiteral("110"));

    // An amount that is not money stops before the print dialog.
    ustaw("txtKwotaK", QStringLiteral("12,5+x"));
    d.clear();
    kliknij("cmdDRUKUJ");
    EXPECT_EQ(ostatni().text, QStringLiteral(" Błąd wpisanej kwoty "));
    EXPECT_EQ(drukarka.wydruki.size(), 2);
}

// The banknote list of the printed deposit keeps its columns for counts of
// 1 to 1000 pieces of every face value.
TEST_F(OknoPrzelewu, DepositBanknoteListStaysInItsColumns)
{
    Drukarka drukarka;
    okno.ustawDrukowanie(&drukarka);
    otworz();
    kliknij("opRodzaj3");
    ustaw("txtNazwa1K", QStringLiteral("Piekarnia"));
    ustaw("txtSkrótK", QStringLiteral("ALFA"));
    ustaw("txtKontoK", kKonto1);
    const char* pola[] = {"txt200zl", "txt100zl", "txt50zl", "txt20zl", "txt10zl", "txt5zl", "txt2zl", "txt1zl"};
    for (int ile : {1, 10, 100, 1000}) {
        SCOPED_TRACE(ile);
        for (const char* p : pola)
            wpisz(p, QString::number(ile));
        ustaw("txtKwotaK", QString::number(388 * ile));  // 200 + 100 + 50 + 20 + 10 + 5 + 2 + 1
        kliknij("cmdDRUKUJ");
        ASSERT_FALSE(drukarka.wydruki.isEmpty());
        QStringList linie;
        QList<qsizetype> kolumny;  // where each line of the list starts
        for (const PrintLine& l : drukarka.wydruki.last().pages().value(0).lines) {
            const qsizetype zl = l.text.indexOf(QStringLiteral("zł * "));
            if (zl >= 5) {
                linie << l.text.mid(zl - 5);
                kolumny << zl - 5;
            }
        }
        ASSERT_EQ(linie.size(), 4);
        EXPECT_EQ(kolumny, QList<qsizetype>(4, kolumny[0]));
        const QString n = QString::number(ile).rightJustified(4);
        const auto v = [ile](int zl, int szer) { return QString::number(ile * zl).rightJustified(szer); };
        EXPECT_EQ(linie[0], QStringLiteral("    1zł * ") + n + u'=' + v(1, 5) + QStringLiteral(" ||    20zł * ") + n
                                + u'=' + v(20, 6));
        EXPECT_EQ(linie[1], QStringLiteral("    2zł * ") + n + u'=' + v(2, 5) + QStringLiteral(" ||    50zł * ") + n
                                + u'=' + v(50, 6));
        EXPECT_EQ(linie[2], QStringLiteral("    5zł * ") + n + u'=' + v(5, 5) + QStringLiteral(" ||   100zł * ") + n
                                + u'=' + v(100, 6));
        EXPECT_EQ(linie[3], QStringLiteral("   10zł * ") + n + u'=' + v(10, 5) + QStringLiteral(" ||   200zł * ") + n
                                + u'=' + v(200, 6));
        for (const QString& l : linie)
            EXPECT_EQ(l.size(), 45) << l.toStdString();
    }
    EXPECT_EQ(drukarka.wydruki.size(), 4);
}

TEST_F(OknoPrzelewu, PaymentsButtonOpensThePaymentsWindowOnce)
{
    otworz();
    kliknij("cmdPlatnosci");
    auto* platnosci = okno.findChild<QWidget*>(QStringLiteral("frmPlatnosciZ"));
    ASSERT_NE(platnosci, nullptr);
    EXPECT_TRUE(platnosci->isVisible());
    kliknij("cmdPlatnosci");
    EXPECT_EQ(okno.findChildren<QWidget*>(QStringLiteral("frmPlatnosciZ")).size(), 1);
}

// A long data folder path in the lower half must not squeeze the frames of
// the upper half below the height their lines need.
TEST_F(OknoPrzelewu, EveryFrameGetsTheHeightItNeeds)
{
    s.SciezkaProgramu = dir.path() + QStringLiteral("/") + QString(120, QLatin1Char('x'));
    otworz();
    okno.show();
    QCoreApplication::processEvents();
    for (const char* n : {"frWpis", "frRodzaj", "frMojaFirma", "Frame3", "frEksport"}) {
        QWidget* f = w<QWidget>(n);
        EXPECT_GE(f->height(), f->minimumSizeHint().height()) << n;
    }
    EXPECT_EQ(w<QLabel>("lbSciezkaEcorponet")->toolTip(), s.SciezkaProgramu + QStringLiteral("/DoECorponet"));
}
