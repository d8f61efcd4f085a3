// The transfer window's contractor: search by short name, hand-over from the
// contractor list and card, and saving the entry area into kontrah.dta.
#include "transfers/frmPrzelewB.h"

#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "ui/Grid.h"

#include "Budowa.h"
#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::kontrahenci;
using namespace remitto::test;

namespace {

class KontrahentWPrzelewie : public ::testing::Test, public FolderDanych {
protected:
    KontrahentWPrzelewie() : FolderDanych(kBezPaczek)
    {
        dzien(QStringLiteral("09-12-2026")).ustawienia();
        lista = {pelnyKontrahent(1, QStringLiteral("Cegielnia"), QStringLiteral("CEG")),
                 pelnyKontrahent(2, QStringLiteral("Apteka"), QStringLiteral("APT")),
                 pelnyKontrahent(3, QStringLiteral("Browar"), QStringLiteral("BRO"))};
        lista[2][NrRachunku1K] = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
        lista[2][OstKwotaK] = QStringLiteral("100");
        lista[2][OstVatK] = QStringLiteral("23");
        wpiszKontrahentow(lista);
        okno.otworz();
    }
    ~KontrahentWPrzelewie() override { EXPECT_TRUE(d.allAnswersUsed()); }

    template <typename W = QLineEdit>
    W* w(const QWidget* o, const char* nazwa)
    {
        W* widget = o->findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    QString tekst(const char* nazwa) { return w(&okno, nazwa)->text(); }
    void kliknij(const QWidget* o, const char* nazwa)
    {
        QTest::mouseClick(w<QAbstractButton>(o, nazwa), Qt::LeftButton);
    }
    QWidget* okienko(const char* nazwa)
    {
        for (QWidget* t : QApplication::topLevelWidgets())
            if (t->objectName() == QLatin1String(nazwa) && t->isVisible())
                return t;
        return nullptr;
    }
    ShownBox ostatni() { return d.shown().isEmpty() ? ShownBox{} : d.shown().last(); }

    ScriptedDialogs d;
    QList<Kontrahent> lista;
    frmPrzelewB okno{s, d};
};

} // namespace

TEST_F(KontrahentWPrzelewie, SearchFillsTheEntryAreaAndSavingRewritesOnlyItsRecord)
{
    d.type(QStringLiteral("bro"));
    kliknij(&okno, "cmdZnajd");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().kind, ShownBox::Input);
    EXPECT_EQ(ostatni().text, QStringLiteral("Wprowadź szukany Skrót nazwy"));
    EXPECT_EQ(ostatni().title, QStringLiteral("Poszukiwanie rekordu"));
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Browar"));
    EXPECT_EQ(tekst("txtSkrótK"), QStringLiteral("BRO"));
    EXPECT_EQ(tekst("txtPoczta"), lista[2][Poczta]);
    EXPECT_EQ(tekst("txtKontoK"), QStringLiteral("61109010140000071219812874"));
    EXPECT_EQ(w<QLabel>(&okno, "lbKontoNRB")->text(), QStringLiteral("NRB \u2713"));
    EXPECT_EQ(tekst("txtKwotaK"), QStringLiteral("100"));
    EXPECT_EQ(tekst("txtKwotaBrutto"), QStringLiteral("123,00"));
    EXPECT_EQ(tekst("txtNrKol"), QStringLiteral("3"));
    EXPECT_EQ(s.NrKolKontrahenta, QStringLiteral("3"));

    // A changed account shows its mark at once.
    w(&okno, "txtKontoK")->setText(QStringLiteral("62109010140000071219812874"));
    EXPECT_EQ(w<QLabel>(&okno, "lbKontoNRB")->text(), QStringLiteral("NRB \u2717 błędne cyfry kontrolne"));
    w(&okno, "txtKontoK")->setText(QStringLiteral("1234"));
    EXPECT_EQ(w<QLabel>(&okno, "lbKontoNRB")->text(), QStringLiteral("nie NRB"));

    w(&okno, "txtKontoK")->setText(QStringLiteral("51102028920000510200001234"));
    w(&okno, "txtTytulem1")->setText(QStringLiteral("F-ra \"12\""));
    w(&okno, "txtKwotaK")->setText(QStringLiteral("12.5"));
    w(&okno, "txtVat")->setText(QStringLiteral("zw"));
    d.clear();
    kliknij(&okno, "cmdZmianyK");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().text, QStringLiteral("Zmiany wprowadzono !"));
    EXPECT_EQ(ostatni().title, QStringLiteral(" Zapis"));

    const OdczytKontrahentow o = czytajKontrahentow(plikKontrahentow());
    ASSERT_TRUE(o.ok);
    ASSERT_EQ(o.lista.size(), 3);
    EXPECT_EQ(o.lista[0], lista[0]);
    EXPECT_EQ(o.lista[1], lista[1]);
    const Kontrahent& k = o.lista[2];
    EXPECT_EQ(k[NrRachunku1K], QStringLiteral("51102028920000510200001234"));
    EXPECT_EQ(k[OstKwotaK], QStringLiteral("12,5"));
    EXPECT_EQ(k[OstVatK], QStringLiteral("zw"));
    EXPECT_EQ(k[TytulK], (QStringLiteral("NRID=") + lista[2][KodIden] + QStringLiteral(" F-ra ''12''")
                          + QString(105, QLatin1Char(' ')))
                             .left(105));
    EXPECT_EQ(k[RegonK], lista[2][RegonK]);

    // Not found, and Cancel.
    d.clear();
    d.type(QStringLiteral("XYZ"));
    kliknij(&okno, "cmdZnajd");
    EXPECT_EQ(ostatni().text, QStringLiteral("Nie znaleziono rekordu o tym skrócie"));
    EXPECT_EQ(ostatni().icon, Icon::None);
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Browar"));
    d.cancelInput();
    kliknij(&okno, "cmdZnajd");
    EXPECT_EQ(tekst("txtNrKol"), QStringLiteral("3"));
}

TEST_F(KontrahentWPrzelewie, SavingWithoutAContractorOrWithAnOpenSumChangesNothing)
{
    const QByteArray przed = dir.readBytes(kPlikKontrahentow);
    w(&okno, "txtNazwa1K")->setText(QStringLiteral("Ktoś"));
    kliknij(&okno, "cmdZmianyK");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(ostatni().text.startsWith(QStringLiteral("Nie wybrano kontrahenta")));
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);

    d.type(QStringLiteral("APT"));
    kliknij(&okno, "cmdZnajd");
    // An amount that does not evaluate stops the saving as Enter would.
    w(&okno, "txtKwotaK")->setText(QStringLiteral("100+2x"));
    d.clear();
    kliknij(&okno, "cmdZmianyK");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(ostatni().text, QStringLiteral(" Błąd wpisanej kwoty "));
    EXPECT_EQ(ostatni().icon, Icon::Critical);
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);

    // The contractor vanished from the file meanwhile.
    ASSERT_TRUE(zapiszKontrahentow(plikKontrahentow(), {lista[0]}));
    const QByteArray jeden = dir.readBytes(kPlikKontrahentow);
    w(&okno, "txtKwotaK")->setText(QStringLiteral("120"));
    w(&okno, "txtVat")->setText(QStringLiteral("0"));
    d.clear();
    kliknij(&okno, "cmdZmianyK");
    EXPECT_TRUE(ostatni().text.contains(QStringLiteral("nie ma kontrahenta nr 2"))) << qPrintable(ostatni().text);
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), jeden);
}

TEST_F(KontrahentWPrzelewie, ListAndCardHandTheContractorOver)
{
    kliknij(&okno, "cmdPodglad");
    QWidget* listaOkno = okienko("frmKontrahenci");
    ASSERT_NE(listaOkno, nullptr);
    Grid* g = w<Grid>(listaOkno, "MSFlexGrid4");
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(1, 1)).center());
    kliknij(listaOkno, "cmdZakup");
    EXPECT_FALSE(listaOkno->isVisible());
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Apteka"));
    EXPECT_EQ(tekst("txtNrKol"), QStringLiteral("2"));
    EXPECT_EQ(w<QLabel>(&okno, "lbNazwaFirmy")->text(), QStringLiteral("APT"));
    EXPECT_EQ(tekst("txtTelefon"), lista[1][Telefon]);

    // "&Dodaj" opens the card for a new contractor; its "&Do przelewu" fills the window.
    kliknij(&okno, "cmdDodaj");
    EXPECT_EQ(s.TrybKontrahenta, 4);
    QWidget* karta = okienko("frmFirmaKontrahenta");
    ASSERT_NE(karta, nullptr);
    w(karta, "txtNazwiskoK")->setText(QStringLiteral("Nowy Sklep"));
    w(karta, "txtPocztK")->setText(QStringLiteral("Dobczyce"));
    kliknij(karta, "cmdDoFakturyZakupu");
    EXPECT_FALSE(karta->isVisible());
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Nowy Sklep"));
    EXPECT_EQ(tekst("txtPoczta"), QStringLiteral("Dobczyce"));
    EXPECT_EQ(tekst("txtTelefon"), QString());  // nothing of Apteka stays behind
    EXPECT_TRUE(d.shown().isEmpty());
}

// A hand-over after another contractor leaves nothing of that one on screen,
// and saving writes into the record only what the user changed.
TEST_F(KontrahentWPrzelewie, SavingAfterAHandOverWritesOnlyWhatTheUserChanged)
{
    lista[1][Poczta].clear();
    lista[1][Telefon] = QStringLiteral("601 200 300");
    lista[1][NrRachunku1K] = QStringLiteral("61 1090 1014 0000 0712 1981 2874");
    lista[1][OstVatK] = QStringLiteral("0");
    lista[1][WWWK].clear();
    // Apteka's empty values were never set: empty lines, not "".
    QString tekstPliku = kontrahenci::tekstPliku(lista);
    const qsizetype od = tekstPliku.indexOf(QStringLiteral("\r\n\"Apteka\""));
    const qsizetype rekord = tekstPliku.indexOf(QStringLiteral("\"Browar\"")) - od;
    tekstPliku.replace(od, rekord, tekstPliku.mid(od, rekord).replace(QStringLiteral("\r\n\"\"\r\n"), QStringLiteral("\r\n\r\n")));
    dir.writeText(kPlikKontrahentow, tekstPliku);
    d.type(QStringLiteral("BRO"));
    kliknij(&okno, "cmdZnajd");
    EXPECT_EQ(tekst("txtPoczta"), lista[2][Poczta]);

    kliknij(&okno, "cmdPodglad");
    QWidget* listaOkno = okienko("frmKontrahenci");
    ASSERT_NE(listaOkno, nullptr);
    Grid* g = w<Grid>(listaOkno, "MSFlexGrid4");
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(1, 1)).center());
    kliknij(listaOkno, "cmdZakup");
    EXPECT_EQ(tekst("txtNazwa1K"), QStringLiteral("Apteka"));
    EXPECT_EQ(tekst("txtPoczta"), QString());  // Browar's post office is gone

    QLineEdit* suma = w(&okno, "txtKwotaK");
    suma->setFocus();
    suma->selectAll();
    QTest::keyClicks(suma, QStringLiteral("250"));
    d.clear();
    kliknij(&okno, "cmdZmianyK");
    EXPECT_EQ(ostatni().text, QStringLiteral("Zmiany wprowadzono !"));

    QList<Kontrahent> oczekiwane = lista;
    oczekiwane[1][OstKwotaK] = QStringLiteral("250");
    QList<Kontrahent> zapisane = czytajKontrahentow(plikKontrahentow()).lista;
    ASSERT_EQ(zapisane.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(zapisane[i].w, oczekiwane[i].w) << i;
    // Byte for byte, only the amount's line changed.
    tekstPliku.replace(QStringLiteral("\"%1\"").arg(lista[1][OstKwotaK]), QStringLiteral("\"250\""));
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), tekstPliku.toLatin1());
}
