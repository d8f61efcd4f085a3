// The contractor card: boxes, keys, postal code, saving in both modes, the
// NRB mark and "&Do przelewu", with kontrah.dta checked on disk.
#include "contractors/frmFirmaKontrahenta.h"
#include "contractors/KontrahenciOperacje.h"
#include "core/Session.h"

#include "Budowa.h"
#include "KontrahenciOkno.h"
#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

using namespace kontrahenci;
using test::kontrolka;
using test::pelnyKontrahent;
using test::ScriptedDialogs;
using test::TempFolder;

class KartaTest : public ::testing::Test, public test::FolderDanych {
protected:
    KartaTest() : FolderDanych(test::kBezPaczek) {}
    ~KartaTest() override { EXPECT_TRUE(d.allAnswersUsed()); }

    QLineEdit* pole(const QString& nazwa) { return kontrolka<QLineEdit>(karta, nazwa); }
    QString tekst(const QString& nazwa) { return pole(nazwa)->text(); }
    void kliknij(const QString& nazwa) { QTest::mouseClick(kontrolka<QPushButton>(karta, nazwa), Qt::LeftButton); }
    /// Two contractors, the second one edited from list row 2.
    QList<Kontrahent> dwaIEdycjaDrugiego()
    {
        QList<Kontrahent> l = {pelnyKontrahent(1, u"Alfa"_s, u"ALF"_s), pelnyKontrahent(2, u"Beta"_s, u"bet"_s)};
        l[1][NrRachunku1K] = u"61 1090 1014 0000 0712 1981 2874"_s;
        EXPECT_TRUE(zapiszKontrahentow(plikKontrahentow(), l));
        s.TrybKontrahenta = 0;
        karta.otworz({3, 2, u"Beta"_s, u"bet"_s});
        return l;
    }

    ScriptedDialogs d;
    frmFirmaKontrahenta karta{s, d};
};

struct PoleKarty {
    const char* nazwa;
    Pole pole;
};
const PoleKarty kPola[] = {
    {"txtRodzajPlatnikaK", Svat}, {"txtNazwiskoK", NazwaKontrahenta}, {"txtImieK", ImieKontrahenta},
    {"txtNIPpesK", NipKontr},     {"txtRegonK", RegonK},             {"txtKODK", Kod},
    {"txtPocztK", Poczta},        {"txtMiejscK", Miejscowosc},       {"txtUlicaK", Ulica},
    {"txtNumerDomuK", NrDomu},    {"txtlokK", NrLokaluK},            {"txtGMINK", GminaK},
    {"txtPowK", PowiatK},         {"txtWOJK", Wojewodztwo},          {"txtKonto1K", NrRachunku1K},
    {"txtKonto2K", NrRachunku2K}, {"txtTelK", Telefon},              {"txtMailK", MailK},
    {"txtWWWK", WWWK},            {"txtUwagiK", UwagiK},             {"txtKodKontrahenta", KodIden},
};

TEST_F(KartaTest, EditOpensTheRecordOfTheListRowInNamedBoxes)
{
    const QList<Kontrahent> l = dwaIEdycjaDrugiego();
    EXPECT_TRUE(karta.isVisible());
    EXPECT_EQ(karta.windowTitle(), u"Firma Kontrahenta"_s);
    EXPECT_EQ(kontrolka<QLabel>(karta, u"LbNrKol"_s)->text(), u"2"_s);
    EXPECT_EQ(tekst(u"txtSkrótK"_s), u"BET"_s);
    for (const PoleKarty& p : kPola)
        EXPECT_EQ(tekst(QString::fromUtf8(p.nazwa)), l[1][p.pole]) << p.nazwa;
    EXPECT_EQ(kontrolka<QComboBox>(karta, u"cmbWalutaKH"_s)->currentText(), u"PLN"_s);
    EXPECT_TRUE(kontrolka<QRadioButton>(karta, u"Option1"_s)->isChecked());
    EXPECT_EQ(kontrolka<QRadioButton>(karta, u"Option2"_s)->text(), u"Konto2"_s);
    for (const char* n : {"txtKomorkaK", "txtFaxK", "txtZEU"})
        EXPECT_EQ(tekst(QString::fromUtf8(n)), QString()) << n;
    EXPECT_EQ(pole(u"txtZEU"_s)->toolTip(), u"Jezeli Kontrahent z EU to wpisz symbol państwa"_s);
    for (const char* n : {"cmdZmianyK", "cmdDoFakturyZakupu", "cmdKoniecM"})
        EXPECT_TRUE(kontrolka<QPushButton>(karta, QString::fromUtf8(n))->isVisible()) << n;
    EXPECT_TRUE(d.shown().isEmpty());

    // A list row whose ordinal does not match: nothing is shown, edit mode off.
    s.TrybKontrahenta = 3;
    karta.otworz({3, 1, u"Beta"_s, u"bet"_s});
    EXPECT_EQ(tekst(u"txtNazwiskoK"_s), QString());
    EXPECT_EQ(s.TrybKontrahenta, 0);
}

TEST_F(KartaTest, AccountBoxesShowWhetherTheCheckDigitsAreRight)
{
    dwaIEdycjaDrugiego();
    QLabel* znak1 = kontrolka<QLabel>(karta, u"lbNrbKonto1K"_s);
    QLabel* znak2 = kontrolka<QLabel>(karta, u"lbNrbKonto2K"_s);
    EXPECT_TRUE(znak1->text().contains(u"\u2713"_s));
    const struct {
        QString konto;
        QString znak;
    } przypadki[] = {
        {u"PL61 1090 1014 0000 0712 1981 2874"_s, u"NRB \u2713"_s},
        {u"61 1090 1014 0000 0712 1981 2875"_s, u"NRB \u2717 błędne cyfry kontrolne"_s},
        {u"1234"_s, u"nie NRB"_s},
        {u""_s, u""_s},
    };
    for (const auto& p : przypadki) {
        pole(u"txtKonto2K"_s)->setText(p.konto);
        EXPECT_EQ(znak2->text(), p.znak) << p.konto.toStdString();
    }
    EXPECT_TRUE(d.shown().isEmpty());  // quietly, never a message box
}

TEST_F(KartaTest, EnterMovesTheFocusInOrderAndThePayerTypeIsUpperCase)
{
    dwaIEdycjaDrugiego();
    QApplication::setActiveWindow(&karta);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&karta));
    const QStringList kolejnosc = {u"txtSkrótK"_s,  u"txtRodzajPlatnikaK"_s, u"txtNazwiskoK"_s, u"txtImieK"_s,
                                   u"txtNIPpesK"_s, u"txtKODK"_s,            u"txtPocztK"_s,    u"txtMiejscK"_s,
                                   u"txtUlicaK"_s,  u"txtNumerDomuK"_s,      u"txtlokK"_s,      u"cmdZmianyK"_s};
    pole(kolejnosc[0])->setFocus();
    for (qsizetype i = 0; i + 1 < kolejnosc.size(); ++i) {
        ASSERT_EQ(QApplication::focusWidget()->objectName(), kolejnosc[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"cmdZmianyK"_s);

    pole(u"txtRodzajPlatnikaK"_s)->clear();
    QTest::keyClicks(pole(u"txtRodzajPlatnikaK"_s), u"v"_s);
    EXPECT_EQ(tekst(u"txtRodzajPlatnikaK"_s), u"V"_s);
    pole(u"txtRodzajPlatnikaK"_s)->setText(u"s"_s);
    EXPECT_EQ(tekst(u"txtRodzajPlatnikaK"_s), u"S"_s);
}

TEST_F(KartaTest, SixCharacterPostalCodeFillsTownAndPostOffice)
{
    s.TrybKontrahenta = 4;
    karta.otworz({1, 0, {}, {}});
    pole(u"txtMiejscK"_s)->setText(u"Wpisane"_s);
    QTest::keyClicks(pole(u"txtKODK"_s), u"32-41"_s);
    EXPECT_EQ(tekst(u"txtMiejscK"_s), u"Wpisane"_s);
    QTest::keyClicks(pole(u"txtKODK"_s), u"0"_s);
    EXPECT_EQ(tekst(u"txtMiejscK"_s), u"Dobczyce"_s);
    EXPECT_EQ(tekst(u"txtPocztK"_s), u"Dobczyce"_s);
    // A code the table does not know leaves what was typed.
    pole(u"txtKODK"_s)->setText(u"99-999"_s);
    EXPECT_EQ(tekst(u"txtMiejscK"_s), u"Dobczyce"_s);
}

TEST_F(KartaTest, NewContractorIsAppendedWithTheCardsRulesAndNeedsAShortName)
{
    ASSERT_TRUE(zapiszKontrahentow(plikKontrahentow(), {pelnyKontrahent(1, u"Alfa"_s, u"ALF"_s)}));
    s.TrybKontrahenta = 4;
    QSignalSpy dopisano(&karta, &frmFirmaKontrahenta::dopisano);
    karta.otworz({2, 1, u"Alfa"_s, u"ALF"_s});
    EXPECT_EQ(kontrolka<QLabel>(karta, u"LbNrKol"_s)->text(), u"2"_s);
    EXPECT_EQ(tekst(u"txtNazwiskoK"_s), QString());

    pole(u"txtNazwiskoK"_s)->setText(u"kowalski \"Kowal\""_s);
    pole(u"txtImieK"_s)->setText(u"j"_s);
    pole(u"txtPocztK"_s)->setText(u"Kraków"_s);
    pole(u"txtUlicaK"_s)->setText(u"Długa \"7\""_s);
    pole(u"txtKonto2K"_s)->setText(u"drugie"_s);
    kontrolka<QComboBox>(karta, u"cmbWalutaKH"_s)->setCurrentText(u"EU"_s);
    kliknij(u"cmdZmianyK"_s);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].title, u"Brak skrótu nazwy"_s);
    EXPECT_EQ(kontrahenciNaDysku().size(), 1);
    EXPECT_TRUE(karta.isVisible());

    pole(u"txtSkrótK"_s)->setText(u"kow"_s);
    kliknij(u"cmdZmianyK"_s);
    EXPECT_EQ(d.shown().constLast().text, u" Rekord Kowalski ''Kowal'' został dopisany na końcu zbioru !"_s);
    EXPECT_EQ(d.shown().constLast().title, u"Posortuj kontrahentów"_s);
    EXPECT_EQ(d.shown().constLast().icon, Icon::Information);
    EXPECT_EQ(dopisano.size(), 1);
    EXPECT_FALSE(karta.isVisible());
    EXPECT_EQ(s.TrybKontrahenta, 0);

    const QList<Kontrahent> l = kontrahenciNaDysku();
    ASSERT_EQ(l.size(), 2);
    Kontrahent oczekiwany;
    oczekiwany[NrKol] = u"2"_s;
    oczekiwany[NazwaKontrahenta] = u"Kowalski ''Kowal''"_s;
    oczekiwany[ImieKontrahenta] = u"j"_s;
    oczekiwany[SkrotK] = u"KOW"_s;
    oczekiwany[Poczta] = u"Kraków"_s;
    oczekiwany[Miejscowosc] = u"Kraków"_s;
    oczekiwany[Ulica] = u"Długa ''7''"_s;
    oczekiwany[NrRachunku2K] = u"drugie"_s;
    oczekiwany[OstKwotaK] = u"0"_s;
    oczekiwany[WalutaKh] = u"EU"_s;
    EXPECT_EQ(l[1], oczekiwany);  // bank, payment field, last title and VAT empty
}

TEST_F(KartaTest, EditRewritesOnlyTheRecordsOfThatNameAndShortName)
{
    const QList<Kontrahent> l = dwaIEdycjaDrugiego();
    QSignalSpy zmieniono(&karta, &frmFirmaKontrahenta::zmieniono);
    pole(u"txtNazwiskoK"_s)->setText(u"gamma"_s);
    pole(u"txtUwagiK"_s)->setText(u"nowe \"uwagi\""_s);
    kliknij(u"cmdZmianyK"_s);
    EXPECT_EQ(d.texts(), QStringList{u"Zmiany zostały wprowadzone"_s});
    EXPECT_EQ(d.shown()[0].icon, Icon::Exclamation);
    EXPECT_EQ(zmieniono.size(), 1);
    const QList<Kontrahent> po = kontrahenciNaDysku();
    ASSERT_EQ(po.size(), 2);
    EXPECT_EQ(po[0], l[0]);
    Kontrahent oczekiwany = l[1];
    oczekiwany[NazwaKontrahenta] = u"Gamma"_s;
    oczekiwany[ImieKontrahenta] = u"W3-2"_s;  // first letter upper case
    oczekiwany[SkrotK] = u"BET"_s;
    oczekiwany[UwagiK] = u"nowe ''uwagi''"_s;
    oczekiwany[OstVatK].clear();
    EXPECT_EQ(po[1], oczekiwany);  // ordinal, payment, bank, last amount and title kept
}

TEST_F(KartaTest, NipBoxShowsQuietlyWhetherTheCheckDigitIsRight)
{
    dwaIEdycjaDrugiego();
    QLabel* znak = kontrolka<QLabel>(karta, u"lbNipK"_s);
    const struct {
        QString nip;
        QString znak;
    } przypadki[] = {
        {u"5260250274"_s, u"NIP \u2713"_s},
        {u"5260250275"_s, u"NIP \u2717 błędny"_s},
        {u"PL 526-025-02-74"_s, u"NIP \u2713"_s},
        {u"526-025-02-75"_s, u"NIP \u2717 błędny"_s},
        {u"526025027"_s, u"nie NIP"_s},
        {u"52602502A4"_s, u"NIP \u2717 błędny"_s},
        {u""_s, u""_s},
    };
    for (const auto& p : przypadki) {
        pole(u"txtNIPpesK"_s)->clear();
        QTest::keyClicks(pole(u"txtNIPpesK"_s), p.nip);
        EXPECT_EQ(znak->text(), p.znak) << p.nip.toStdString();
    }
    EXPECT_TRUE(d.shown().isEmpty());
}

// Wrong check digits are asked about before saving, "No" by default; only
// "Yes" writes the record. A wrong NIP is marked and never stops the save.
TEST_F(KartaTest, AccountWithWrongCheckDigitsIsSavedOnlyAfterYes)
{
    const QString bledne = u"61109010140000071219812875"_s;
    const struct {
        int tryb;
        QString konto;  // box typed into
    } przypadki[] = {{0, u"txtKonto1K"_s}, {0, u"txtKonto2K"_s}, {4, u"txtKonto1K"_s}};
    for (const auto& p : przypadki) {
        SCOPED_TRACE(p.konto.toStdString() + " mode " + std::to_string(p.tryb));
        d.clear();
        QList<Kontrahent> l = dwaIEdycjaDrugiego();
        if (p.tryb == 4) {
            s.TrybKontrahenta = 4;
            karta.otworz({3, 2, u"Beta"_s, u"bet"_s});
            QTest::keyClicks(pole(u"txtSkrótK"_s), u"nowy"_s);
        }
        const QByteArray przed = dir.readBytes(kPlikKontrahentow);
        pole(p.konto)->clear();
        QTest::keyClicks(pole(p.konto), bledne);
        pole(u"txtNIPpesK"_s)->clear();
        QTest::keyClicks(pole(u"txtNIPpesK"_s), u"1234567890"_s);
        EXPECT_EQ(kontrolka<QLabel>(karta, u"lbNipK"_s)->text(), u"NIP \u2717 błędny"_s);

        d.answer(Answer::No);
        kliknij(u"cmdZmianyK"_s);
        ASSERT_EQ(d.shown().size(), 1);
        EXPECT_EQ(d.shown()[0].text, u"Numer konta ma błędne cyfry kontrolne. Czy mimo to zapisać kontrahenta?"_s);
        EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
        EXPECT_EQ(dir.readBytes(kPlikKontrahentow), przed);  // nothing written
        EXPECT_TRUE(karta.isVisible());
        EXPECT_EQ(tekst(p.konto), bledne);
        EXPECT_EQ(tekst(u"txtNIPpesK"_s), u"1234567890"_s);

        d.answer(Answer::Yes);
        kliknij(u"cmdZmianyK"_s);
        ASSERT_EQ(d.shown().size(), 3);
        EXPECT_EQ(d.shown()[1].text, d.shown()[0].text);
        const QList<Kontrahent> po = kontrahenciNaDysku();
        const Kontrahent& zapisany = p.tryb == 4 ? po.constLast() : po[1];
        ASSERT_EQ(po.size(), p.tryb == 4 ? 3 : 2);
        EXPECT_EQ(zapisany[p.konto == u"txtKonto1K"_s ? NrRachunku1K : NrRachunku2K], bledne);
        EXPECT_EQ(zapisany[NipKontr], u"1234567890"_s);
        EXPECT_EQ(po[0], l[0]);
    }

    // A right account and a number that is not 26 digits are saved without a question.
    d.clear();
    dwaIEdycjaDrugiego();
    pole(u"txtKonto2K"_s)->setText(u"DE89370400440532013000"_s);
    kliknij(u"cmdZmianyK"_s);
    EXPECT_EQ(d.texts(), QStringList{u"Zmiany zostały wprowadzone"_s});
    EXPECT_EQ(kontrahenciNaDysku()[1][NrRachunku2K], u"DE89370400440532013000"_s);
}

TEST_F(KartaTest, DoPrzelewuHandsTheBoxesOnOrAsksForAName)
{
    const QList<Kontrahent> l = dwaIEdycjaDrugiego();
    QSignalSpy spy(&karta, &frmFirmaKontrahenta::doPrzelewu);
    pole(u"txtNazwiskoK"_s)->clear();
    kliknij(u"cmdDoFakturyZakupu"_s);
    EXPECT_EQ(d.texts(), QStringList{u" Brak nazwy kontrahenta lub konta nie możliwe wejscie przelewów "_s});
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_TRUE(karta.isVisible());
    EXPECT_EQ(spy.size(), 0);

    pole(u"txtNazwiskoK"_s)->setText(u"Beta"_s);
    pole(u"txtUlicaK"_s)->setText(u"Nowa"_s);
    kliknij(u"cmdDoFakturyZakupu"_s);
    ASSERT_EQ(spy.size(), 1);
    const auto przekazany = spy[0][0].value<KontrahentDoPrzelewu>();
    Kontrahent k = l[1];
    k[SkrotK] = u"BET"_s;
    k[Ulica] = u"Nowa"_s;
    EXPECT_EQ(przekazany, doPrzelewuZKarty(k));
    EXPECT_EQ(przekazany.txtKontoK, u"61109010140000071219812874"_s);
    EXPECT_EQ(przekazany.txtBankK, l[1][BankK]);
    EXPECT_EQ(s.NrKolKontrahenta, u"2"_s);
    EXPECT_FALSE(karta.isVisible());
}

} // namespace
} // namespace remitto
