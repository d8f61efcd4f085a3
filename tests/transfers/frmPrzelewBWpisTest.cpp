// The transfer window's entry area in a user's hands: amounts typed without
// Enter, a window closed and opened again, an account with wrong check
// digits, the printed amount, banknotes that do not add up, and the
// contractor handed over from the list and saved back.
#include "transfers/frmPrzelewB.h"

#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "transfers/Paczki.h"
#include "transfers/RejestrWydruku.h"
#include "core/QuoteFormat.h"
#include "ui/Grid.h"
#include "ui/PrintRenderer.h"

#include "Budowa.h"
#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::kontrahenci;
using namespace remitto::test;

namespace {

const QString kDobreKonto = QStringLiteral("61109010140000071219812874");
const QString kZleKonto = QStringLiteral("62109010140000071219812874");
const QString kPaczka = QStringLiteral("Paczki/Paczka202612_01.dta");

struct Drukarka : Drukowanie {
    QList<PrintJob> wydruki;
    WynikWydruku drukuj(const PrintJob& job, QString*) override
    {
        wydruki.append(job);
        return WynikWydruku::Wydrukowano;
    }
};

class WpisWOknie : public ::testing::Test, public FolderDanych {
protected:
    WpisWOknie() : FolderDanych(kBezPaczek)
    {
        dzien(QStringLiteral("09-12-2026")).firma(QStringLiteral("ALFA")).ustawienia();
        okno.ustawDrukowanie(&drukarka);
        otworz();
    }
    ~WpisWOknie() override { EXPECT_TRUE(d.allAnswersUsed()); }

    void otworz()
    {
        okno.otworz();
        QApplication::setActiveWindow(&okno);
    }
    template <typename W = QLineEdit>
    W* w(const QWidget* o, const char* nazwa)
    {
        W* widget = o->findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    QString tekst(const char* nazwa) { return w(&okno, nazwa)->text(); }
    void ustaw(const char* nazwa, const QString& t) { w(&okno, nazwa)->setText(t); }
    /// Typed as a user types, without Enter.
    void wpisz(const char* nazwa, const QString& t)
    {
        QLineEdit* e = w(&okno, nazwa);
        e->setFocus();
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Delete);
        QTest::keyClicks(e, t);
    }
    void enter(const char* nazwa) { QTest::keyClick(w(&okno, nazwa), Qt::Key_Return); }
    void kliknij(const QWidget* o, const char* nazwa)
    {
        QTest::mouseClick(w<QAbstractButton>(o, nazwa), Qt::LeftButton);
    }
    void kliknij(const char* nazwa) { kliknij(&okno, nazwa); }
    QList<Przelew> wPaczce() const { return czytajPaczke(dir.file(kPaczka)).rekordy; }
    /// The LASKOWSKI card's amounts: net 2676,77, VAT "8", gross 2684,77.
    void laskowski(const QString& konto = kDobreKonto)
    {
        ustaw("txtNazwa1K", QStringLiteral("LASKOWSKI"));
        ustaw("txtKontoK", konto);
        ustaw("txtTytulem1", QStringLiteral("F-ra 12"));
        ustaw("txtKwotaK", QStringLiteral("2676,77"));
        ustaw("txtVat", QStringLiteral("8"));
        enter("txtVat");
        ASSERT_EQ(tekst("txtKwotaBrutto"), QStringLiteral("2684,77"));
    }

    ScriptedDialogs d;
    Drukarka drukarka;
    frmPrzelewB okno{s, d};
};

} // namespace

TEST_F(WpisWOknie, AmountTypedWithoutEnterIsEvaluatedBeforeItGoesIntoThePackage)
{
    laskowski();
    wpisz("txtKwotaK", QStringLiteral("5000"));
    kliknij("cmdDoPaczki");
    ASSERT_EQ(wPaczce().size(), 1);
    EXPECT_EQ(wPaczce()[0].kwotaN, QStringLiteral("5000"));
    EXPECT_EQ(wPaczce()[0].vat, QStringLiteral("8"));
    EXPECT_EQ(wPaczce()[0].kwotaB, QStringLiteral("5008,00"));
    EXPECT_EQ(wPaczce()[0].splacono, QStringLiteral("5008,00"));
    EXPECT_EQ(tekst("txtKwotaBrutto"), QStringLiteral("5008,00"));

    // A sum typed without Enter, then one that does not evaluate.
    wpisz("txtKwotaK", QStringLiteral("100+20-5"));
    wpisz("txtVat", QStringLiteral("23%"));
    kliknij("cmdDoPaczki");
    ASSERT_EQ(wPaczce().size(), 2);
    EXPECT_EQ(wPaczce()[1].kwotaN, QStringLiteral("115"));
    EXPECT_EQ(wPaczce()[1].kwotaB, QStringLiteral("141,45"));

    const QByteArray przed = dir.readBytes(kPaczka);
    for (const QString& zla : {QStringLiteral("abc"), QStringLiteral("10+x")}) {
        d.clear();
        wpisz("txtKwotaK", zla);
        kliknij("cmdDoPaczki");
        EXPECT_EQ(d.texts(), QStringList{QStringLiteral(" Błąd wpisanej kwoty ")}) << qPrintable(zla);
        d.clear();
        kliknij("cmdDRUKUJ");
        EXPECT_EQ(d.texts(), QStringList{QStringLiteral(" Błąd wpisanej kwoty ")}) << qPrintable(zla);
    }
    EXPECT_EQ(dir.readBytes(kPaczka), przed);
    EXPECT_TRUE(drukarka.wydruki.isEmpty());
}

TEST_F(WpisWOknie, ReopenedWindowStartsEmptyAndAddsNothingByOneClick)
{
    laskowski();
    kliknij("cmdDoPaczki");
    ASSERT_EQ(wPaczce().size(), 1);
    okno.close();
    otworz();
    for (const char* pole : {"txtNazwa1K", "txtKontoK", "txtKwotaK", "txtVat", "txtKwotaBrutto", "txtTytulem1",
                             "txtNrKol", "txtPoczta", "txtTelefon"})
        EXPECT_EQ(tekst(pole), QString()) << pole;
    d.clear();
    kliknij("cmdDoPaczki");
    EXPECT_EQ(d.shown().size(), 1);
    EXPECT_EQ(wPaczce().size(), 1);
}

TEST_F(WpisWOknie, AccountWithWrongCheckDigitsIsAddedOnlyWhenTheUserSaysSo)
{
    laskowski(kZleKonto);
    d.answer(Answer::No);
    kliknij("cmdDoPaczki");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text,
              QStringLiteral("Numer konta ma błędne cyfry kontrolne. Czy mimo to dodać przelew do paczki?"));
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_FALSE(dir.exists(kPaczka));

    d.clear();
    d.answer(Answer::Yes);
    kliknij("cmdDoPaczki");
    ASSERT_EQ(wPaczce().size(), 1);
    EXPECT_EQ(wPaczce()[0].konto, kZleKonto);

    // A good account asks nothing; 26 digits stay the hard rule.
    d.clear();
    ustaw("txtKontoK", kDobreKonto);
    kliknij("cmdDoPaczki");
    EXPECT_EQ(d.texts(), QStringList{QStringLiteral("Paczka została uzupełniona")});
}

TEST_F(WpisWOknie, FormPrintsTheGrossAmountAndRecordsIt)
{
    laskowski();
    ustaw("txtSkrótK", QStringLiteral("LASK"));
    wpisz("txtKwotaK", QStringLiteral("100"));
    wpisz("txtVat", QStringLiteral("23%"));
    kliknij("cmdDRUKUJ");
    ASSERT_FALSE(drukarka.wydruki.isEmpty());
    QString form;
    for (const PrintLine& l : drukarka.wydruki.last().pages().value(0).lines)
        form += l.text + QLatin1Char('\n');
    EXPECT_TRUE(form.contains(QStringLiteral("*123,00"))) << qPrintable(form);
    EXPECT_FALSE(form.contains(QStringLiteral("*100*"))) << qPrintable(form);
    const QuoteFile f = readQuoteFile(dir.file(QStringLiteral("ALFA.dat")));
    QList<Przelew> zapisane;
    ASSERT_TRUE(przelewyZWartosci(f.values, &zapisane));
    ASSERT_EQ(zapisane.size(), 1);
    EXPECT_EQ(zapisane[0].kwotaB, QStringLiteral("123,00"));
    EXPECT_EQ(zapisane[0].splacono, QStringLiteral("123,00"));
}

TEST_F(WpisWOknie, DepositAsksWhenTheBanknotesDoNotAddUpToTheAmount)
{
    kliknij("opRodzaj3");
    ustaw("txtNazwa1K", QStringLiteral("ALFA"));
    ustaw("txtSkrótK", QStringLiteral("ALFA"));
    ustaw("txtKontoK", kDobreKonto);
    wpisz("txtKwotaK", QStringLiteral("2300"));
    wpisz("txt50zl", QStringLiteral("11"));
    d.answer(Answer::No);
    kliknij("cmdDRUKUJ");
    ASSERT_FALSE(d.shown().isEmpty());
    const auto& pytanie = d.shown().last();
    EXPECT_EQ(pytanie.buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(pytanie.text.contains(QStringLiteral("550,00"))) << qPrintable(pytanie.text);
    EXPECT_TRUE(pytanie.text.contains(QStringLiteral("2300,00"))) << qPrintable(pytanie.text);
    EXPECT_TRUE(drukarka.wydruki.isEmpty());

    // Banknotes that add up, or none counted: no question.
    wpisz("txt50zl", QStringLiteral("46"));
    d.clear();
    kliknij("cmdDRUKUJ");
    EXPECT_EQ(drukarka.wydruki.size(), 1);
    wpisz("txt50zl", QString());
    kliknij("cmdDRUKUJ");
    EXPECT_EQ(drukarka.wydruki.size(), 2);
    for (const auto& b : d.shown())
        EXPECT_NE(b.buttons, Buttons::YesNoDefaultNo) << qPrintable(b.text);
}

TEST_F(WpisWOknie, HandOverFromTheListFillsEveryBoxAndSavingKeepsTheRecord)
{
    QList<Kontrahent> lista = {pelnyKontrahent(1, QStringLiteral("Cegielnia"), QStringLiteral("CEG")),
                               pelnyKontrahent(2, QStringLiteral("Apteka"), QStringLiteral("APT"))};
    lista[0][Poczta] = QStringLiteral("Zywiec");
    lista[1][Poczta] = QStringLiteral("Zyrardow");
    for (Kontrahent& k : lista) {
        k[OstKwotaK] = QStringLiteral("100");
        k[OstVatK] = QStringLiteral("0");
        k[NrRachunku1K] = kDobreKonto;
    }
    ASSERT_TRUE(zapiszKontrahentow(plikKontrahentow(), lista));

    // The card of the first contractor, then the list's "Do przelewu" of the second.
    d.type(QStringLiteral("CEG"));
    kliknij("cmdZnajd");
    ASSERT_EQ(tekst("txtPoczta"), QStringLiteral("Zywiec"));
    kliknij("cmdPodglad");
    QWidget* listaOkno = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (t->objectName() == QLatin1String("frmKontrahenci") && t->isVisible())
            listaOkno = t;
    ASSERT_NE(listaOkno, nullptr);
    Grid* g = w<Grid>(listaOkno, "MSFlexGrid4");
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(1, 1)).center());
    kliknij(listaOkno, "cmdZakup");
    ASSERT_EQ(tekst("txtNazwa1K"), QStringLiteral("Apteka"));
    EXPECT_EQ(tekst("txtPoczta"), QStringLiteral("Zyrardow"));
    EXPECT_EQ(tekst("txtTelefon"), lista[1][Telefon]);

    d.clear();
    kliknij("cmdZmianyK");
    EXPECT_EQ(d.texts(), QStringList{QStringLiteral("Zmiany wprowadzono !")});
    const OdczytKontrahentow o = czytajKontrahentow(plikKontrahentow());
    ASSERT_EQ(o.lista.size(), 2);
    EXPECT_EQ(o.lista[0], lista[0]);
    EXPECT_EQ(o.lista[1][Poczta], QStringLiteral("Zyrardow"));
    EXPECT_EQ(o.lista[1][Telefon], lista[1][Telefon]);
    EXPECT_EQ(o.lista[1][MailK], lista[1][MailK]);
}
