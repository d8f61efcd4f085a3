#include "invoices/frmPlatnosciZ.h"

#include "contractors/RaportBialejListy.h"
#include "core/Session.h"
#include "shop/ListaFaktur.h"
#include "transfers/NumeracjaPaczek.h"
#include "transfers/PlikPaczki.h"
#include "ui/Grid.h"
#include "ui/QtDialogs.h"

#include "Budowa.h"
#include "DrzewoFaktur.h"
#include "KeyboardAnswers.h"
#include "PlikPlaski.h"
#include "ScriptedDialogs.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QString kInna = QStringLiteral("Wpłacasz kwotę inną niż w fakturze");
const QString kKonto = QStringLiteral("61109010140000071219812874");

QString fz(int numer)
{
    return QStringLiteral("Fz2612%1.dat").arg(numer, 5, 10, QLatin1Char('0'));
}

QByteArray numeracjaPaczek(int poczatPaczk, int koniecPacz, int koniecPrzel, int poczatPrzel = 1)
{
    QByteArray b;
    for (int m = 1; m <= 12; ++m)
        b += QByteArray::number(m) + (m == 12 ? "," + QByteArray::number(poczatPaczk) + ","
                                                    + QByteArray::number(koniecPacz) + "," + QByteArray::number(poczatPrzel) + ","
                                                    + QByteArray::number(koniecPrzel)
                                              : QByteArray(",0,0,0,0"))
           + ",\"c\"\r\n";
    return b;
}

/// A shop tree of four December invoices of 1000,00 and a data folder of the
/// company "LAN" without packages.
class Platnosci : public ::testing::Test, public DrzewoFaktur {
protected:
    Platnosci()
    {
        s.clock.setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(10, 0)); });
        s.KontoWybrane = QStringLiteral("61109010140000071219812874");
        s.SciezkaKramix = kramix();
        s.FolderFirmyKramix = firma;
        numeracja(QStringLiteral("26"), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4});
        faktura(1, QStringLiteral("Kowalski"));
        faktura(2, QStringLiteral("Nowak"));
        faktura(3, QStringLiteral("Wiśniewski"), [](QStringList& h) { h[14] = h[14].left(25); });
        faktura(4, QStringLiteral("Zając"), [](QStringList& h) { h[0] = QStringLiteral("03   1000,0020261201  "); });
    }
    ~Platnosci() override { EXPECT_TRUE(d.allAnswersUsed()); }

    void faktura(int n, const QString& nazwa, const std::function<void(QStringList&)>& zmien = {})
    {
        QStringList h = naglowek(fz(n));
        h[1] = nazwa;
        h[9] = nazwa.left(5).toUpper();
        h[16] = QStringLiteral("01-12-2026");
        h[18] = QStringLiteral("15-12-2026");
        h[14] = kKonto;
        if (zmien)
            zmien(h);
        DrzewoFaktur::faktura(fz(n), h);
    }
    void numerujPaczki(const QByteArray& b) { dane.dir.writeBytes(QStringLiteral("NumP26.dat"), b); }
    QByteArray plik(const QString& nazwa) { return dane.dir.readBytes(nazwa); }

    template <typename W>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    Grid* faktury() { return w<Grid>("MSFlexGrid11"); }
    Grid* przelewy() { return w<Grid>("MSFlexGrid1"); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QAbstractButton>(nazwa), Qt::LeftButton); }
    void kliknijKomorke(Grid* g, int wiersz, int kolumna)
    {
        g->setCurrentCell(wiersz, kolumna);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->currentIndex()).center());
    }
    /// Clicks the gross amount of an invoice and types the amount.
    void zaplac(int wiersz, const QString& kwota)
    {
        d.type(kwota);
        kliknijKomorke(faktury(), wiersz, kol::Brutto);
    }
    QStringList zaplata(int wiersz)
    {
        return {faktury()->text(wiersz, kol::Splacono), faktury()->text(wiersz, kol::DoSplaty),
                faktury()->text(wiersz, kol::DataSplaty), faktury()->text(wiersz, kol::Stan),
                faktury()->text(wiersz, kol::NrPaczki), faktury()->text(wiersz, kol::NrPrzelewu)};
    }
    QString razem() { return w<QLineEdit>("txtRazemKwota")->text(); }

    FolderDanych dane{kBezPaczek};
    Session& s = dane.s;
    ScriptedDialogs d;
    frmPlatnosciZ okno{s, d};
};

} // namespace

TEST_F(Platnosci, ClickOnTheGrossAmountPaysWholeOrInPartIntoOnePackage)
{
    numerujPaczki(numeracjaPaczek(1, 4, 17));
    okno.otworz();
    ASSERT_EQ(faktury()->rowCount(), 5);
    for (const char* n : {"cmdZapiszPaczke", "cmdDoPrzelewu", "cmdUsunPlatnosc"})
        EXPECT_TRUE(w<QPushButton>(n)->isEnabled()) << n;

    // Another column only takes the short name.
    kliknijKomorke(faktury(), 2, kol::Nazwa);
    EXPECT_EQ(w<QLineEdit>("txtSlowo")->text(), QStringLiteral("NOWAK"));
    EXPECT_TRUE(d.shown().isEmpty());

    zaplac(1, QStringLiteral("400"));
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[0].kind, test::ShownBox::Input);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Podaj kwotę do przelania "));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Kwota do przelania"));
    EXPECT_EQ(d.shown()[0].defaultText, QStringLiteral("1000,00"));
    EXPECT_EQ(d.shown()[1].text, kInna);
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Wstaw dodatkowy opis"));
    EXPECT_EQ(zaplata(1), (QStringList{QStringLiteral("400,00"), QStringLiteral("600,00"), QStringLiteral("10-12-2026"),
                                       QStringLiteral("SplCz"), QStringLiteral("05"), QStringLiteral("1")}));
    EXPECT_EQ(faktury()->cellBackground(1, kol::Termin), QColor(0, 255, 0));
    EXPECT_EQ(faktury()->cellBackground(1, kol::Stan), QColor(0, 255, 0));
    EXPECT_EQ(faktury()->cellBackground(1, kol::Brutto), QColor(255, 0, 0));

    d.clear();
    zaplac(2, QStringLiteral("1000,00"));
    ASSERT_EQ(d.shown().size(), 1);  // the whole amount: no remark
    EXPECT_EQ(zaplata(2)[3], QStringLiteral("Spłacono"));
    EXPECT_EQ(zaplata(2)[1], QStringLiteral("0,00"));

    ASSERT_EQ(przelewy()->rowCount(), 3);
    EXPECT_EQ(przelewy()->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(przelewy()->text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(przelewy()->text(1, 21), QStringLiteral("05"));
    EXPECT_EQ(przelewy()->text(2, 21), QStringLiteral("05"));
    EXPECT_EQ(przelewy()->text(1, 9), QStringLiteral("400,00"));
    EXPECT_EQ(przelewy()->text(1, 6), QStringLiteral("1000,00"));
    EXPECT_EQ(przelewy()->text(1, 20), fz(1));
    EXPECT_EQ(przelewy()->text(2, 25), QStringLiteral("110"));
    EXPECT_EQ(przelewy()->cellBackground(2, 9), QColor(0, 255, 0));
    EXPECT_EQ(razem(), QStringLiteral("1400,00"));
    EXPECT_EQ(w<QLabel>("lbWplaty")->text(), QStringLiteral("1400,00"));
    EXPECT_EQ(w<QLabel>("lbZadluzenie")->text(), QStringLiteral("2600,00"));

    // The rest of the first invoice: offered, and no more than that.
    d.clear();
    zaplac(1, QStringLiteral("600,01"));
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[0].defaultText, QStringLiteral("600,00"));
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Kwota 600,01 jest większa niż kwota do spłaty z tej faktury: 600,00"));
    zaplac(1, QStringLiteral("600"));
    EXPECT_EQ(zaplata(1)[1], QStringLiteral("0,00"));
    EXPECT_EQ(przelewy()->text(3, 22), QStringLiteral("3"));

    // Paid in full: refused with its date.
    d.clear();
    kliknijKomorke(faktury(), 2, kol::Brutto);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Należności z tej faktury zostały spłacone w dniu 10-12-2026"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral(" Zastanów się co robisz !"));
    EXPECT_EQ(razem(), QStringLiteral("2000,00"));
    // Finding the package number changed nothing on disk.
    EXPECT_EQ(plik(QStringLiteral("NumP26.dat")), numeracjaPaczek(1, 4, 17));
}

TEST_F(Platnosci, RefusedPaymentsChangeNothing)
{
    okno.otworz();
    struct Przypadek {
        const char* opis;
        int wiersz;
        QString odpowiedz;  ///< "-" when no amount is asked
        QByteArray numeracja;
        QString tekst;      ///< start of the last box shown
    };
    const QList<Przypadek> przypadki = {
        {"account of 25", 3, QStringLiteral("-"), {},
         QStringLiteral("Konto wydaje się być nieprawidłowe - przelew nie zostanie zaimportowany do Eliksir")},
        {"paid through a package", 4, QStringLiteral("-"), {},
         QStringLiteral("Należności z tej faktury zostały spłacone w dniu 01-12-2026")},
        {"zero", 1, QStringLiteral("0"), {}, QStringLiteral("Kwota do przelania musi być większa od zera.")},
        {"negative", 1, QStringLiteral("-10"), {}, QStringLiteral("Kwota do przelania musi być większa od zera.")},
        {"not an amount", 1, QStringLiteral("sto"), {}, QStringLiteral("\"sto\" nie jest kwotą")},
        {"above the rest", 1, QStringLiteral("1000,01"), {}, QStringLiteral("Kwota 1000,01 jest większa")},
        {"numbering line in an unexpected state", 1, QStringLiteral("100"), numeracjaPaczek(3, 4, 17),
         QStringLiteral("Nie można ustalić numeru paczki")},
        {"package file already there", 1, QStringLiteral("100"), numeracjaPaczek(1, 1, 1),
         QStringLiteral(" Ten numer paczki ")},
    };
    QDir().mkpath(s.SciezkaProgramu + QStringLiteral("/Paczki"));
    dane.dir.writeBytes(QStringLiteral("Paczki/Paczka202612_02.dta"), QByteArray());
    for (const Przypadek& p : przypadki) {
        d.clear();
        if (!p.numeracja.isEmpty())
            numerujPaczki(p.numeracja);
        const QStringList przed = faktury()->rowTexts(p.wiersz);
        if (p.odpowiedz != QStringLiteral("-"))
            d.type(p.odpowiedz);
        kliknijKomorke(faktury(), p.wiersz, kol::Brutto);
        ASSERT_FALSE(d.shown().isEmpty()) << p.opis;
        EXPECT_TRUE(d.shown().last().text.startsWith(p.tekst)) << p.opis << " " << d.shown().last().text.toStdString();
        EXPECT_EQ(d.shown().last().icon, Icon::Critical) << p.opis;
        EXPECT_EQ(faktury()->rowTexts(p.wiersz), przed) << p.opis;
        EXPECT_EQ(przelewy()->rowCount(), 1) << p.opis;
    }
    // An empty answer or Cancel ends it quietly; so does a missing shop folder
    // with its own message.
    d.clear();
    d.type(QString());
    kliknijKomorke(faktury(), 1, kol::Brutto);
    d.cancelInput();
    kliknijKomorke(faktury(), 1, kol::Brutto);
    EXPECT_EQ(d.shown().size(), 2);
    s.SciezkaKramix.clear();
    d.type(QStringLiteral("100"));
    kliknijKomorke(faktury(), 1, kol::Brutto);
    EXPECT_EQ(d.texts().last(), QStringLiteral("Brak ustalonego dostepu do Kramix"));
    EXPECT_EQ(przelewy()->rowCount(), 1);
    EXPECT_EQ(zaplata(1)[3], QStringLiteral("DoPrzelewu"));
}

TEST_F(Platnosci, RemovingATransferPutsItsInvoiceBack)
{
    okno.otworz();
    zaplac(1, QStringLiteral("400"));
    zaplac(2, QStringLiteral("1000"));
    const QString suma = w<QLabel>("lbRazemBrutto")->text();

    // Nothing chosen: nothing removed.
    d.clear();
    kliknij("cmdUsunPlatnosc");
    EXPECT_EQ(przelewy()->rowCount(), 3);
    EXPECT_EQ(razem(), QStringLiteral("1400,00"));
    EXPECT_TRUE(d.shown().isEmpty());

    kliknijKomorke(przelewy(), 1, 1);
    kliknij("cmdUsunPlatnosc");
    ASSERT_EQ(przelewy()->rowCount(), 2);
    EXPECT_EQ(przelewy()->text(1, 1), QStringLiteral("Nowak"));
    EXPECT_EQ(przelewy()->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(przelewy()->text(1, 22), QStringLiteral("1"));
    EXPECT_EQ(razem(), QStringLiteral("1000,00"));
    EXPECT_EQ(zaplata(1), (QStringList{QStringLiteral("0,00"), QStringLiteral("1000,00"), QString(),
                                       QStringLiteral("DoPrzelewu"), QString(), QString()}));
    EXPECT_FALSE(faktury()->cellBackground(1, kol::Termin).isValid());
    EXPECT_EQ(zaplata(2)[5], QStringLiteral("1"));
    EXPECT_EQ(w<QLabel>("lbRazemBrutto")->text(), suma);

    // A reload keeps what the list pays.
    kliknij("cmdZmiany");
    EXPECT_EQ(zaplata(2)[3], QStringLiteral("Spłacono"));
    EXPECT_EQ(faktury()->cellBackground(2, kol::Stan), QColor(0, 255, 0));
}

// The invoice rows are the window's records: a payment leaves the paid row
// current, and a transfer removed after the list was narrowed still finds
// its invoice wherever it now stands.
TEST_F(Platnosci, PaidRowStaysCurrentAndRemovalFindsItsInvoiceInANarrowedList)
{
    okno.otworz();
    zaplac(2, QStringLiteral("1000"));
    EXPECT_EQ(faktury()->currentRow(), 2);
    EXPECT_EQ(w<QLineEdit>("txtSlowo")->text(), QStringLiteral("NOWAK"));
    EXPECT_EQ(zaplata(2)[3], QStringLiteral("Spłacono"));

    kliknij("cmdTylkoKontrahent");
    ASSERT_EQ(faktury()->rowCount(), 2);
    EXPECT_EQ(faktury()->text(1, kol::Plik), fz(2));
    EXPECT_EQ(faktury()->cellBackground(1, kol::Stan), QColor(0, 255, 0));

    kliknijKomorke(przelewy(), 1, 1);
    kliknij("cmdUsunPlatnosc");
    EXPECT_EQ(przelewy()->rowCount(), 1);
    EXPECT_EQ(zaplata(1), (QStringList{QStringLiteral("0,00"), QStringLiteral("1000,00"), QString(),
                                       QStringLiteral("DoPrzelewu"), QString(), QString()}));
    EXPECT_FALSE(faktury()->cellBackground(1, kol::Stan).isValid());
    EXPECT_EQ(faktury()->cellBackground(1, kol::Brutto), QColor(255, 0, 0));
}

// The list is its transfers: after a removal in the middle the rows, the
// total and the package saved all follow the transfers left.
TEST_F(Platnosci, RemovalInTheMiddleRenumbersAndTheSavedPackageFollows)
{
    okno.otworz();
    zaplac(1, QStringLiteral("400"));
    zaplac(2, QStringLiteral("1000"));
    zaplac(1, QStringLiteral("50"));
    ASSERT_EQ(przelewy()->rowCount(), 4);

    kliknijKomorke(przelewy(), 2, 1);
    kliknij("cmdUsunPlatnosc");
    ASSERT_EQ(przelewy()->rowCount(), 3);
    EXPECT_EQ(przelewy()->text(2, 0), QStringLiteral("2"));
    EXPECT_EQ(przelewy()->text(2, 22), QStringLiteral("2"));
    EXPECT_EQ(przelewy()->cellBackground(2, 9), QColor(0, 255, 0));
    EXPECT_EQ(razem(), QStringLiteral("450,00"));

    d.clear();
    d.answer(Answer::Yes);
    kliknij("cmdZapiszPaczke");
    const OdczytPaczki p = czytajPaczke(s.PlikPaczki);
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.rekordy.size(), 2);
    EXPECT_EQ(p.rekordy[0].nrKolFakt, fz(1));
    EXPECT_EQ(p.rekordy[1].nrKolFakt, fz(1));
    EXPECT_EQ(p.rekordy[1].nrPrzel, QStringLiteral("2"));
    EXPECT_EQ(p.rekordy[1].splacono, QStringLiteral("50,00"));
    EXPECT_EQ(przelewy()->text(2, 21), p.rekordy[1].nrPaczk);
}

TEST_F(Platnosci, SavingTheListMakesTheNextPackageOfTheMonth)
{
    numerujPaczki(numeracjaPaczek(1, 4, 17));
    okno.otworz();
    QSignalSpy zmiana(&okno, &frmPlatnosciZ::paczkaZmieniona);
    kliknij("cmdZapiszPaczke");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Paczka nie zawiera przelewów"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("zastanów sie co chcesz zobić !!"));

    zaplac(1, QStringLiteral("400"));
    zaplac(2, QStringLiteral("1000"));
    d.clear();
    d.answer(Answer::No);
    kliknij("cmdZapiszPaczke");
    EXPECT_EQ(d.texts(), QStringList{QStringLiteral("Czy zapisać wybrane przelewy do dzisiejszej paczki ? ")});
    EXPECT_FALSE(dane.dir.exists(QStringLiteral("Paczki/Paczka202612_05.dta")));

    d.clear();
    d.answer(Answer::Yes);
    kliknij("cmdZapiszPaczke");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].text, QStringLiteral(" Paczka zapisana !"));
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Przelewy do paczki nr 05"));
    const QString sciezka = s.SciezkaProgramu + QStringLiteral("/Paczki/Paczka202612_05.dta");
    const OdczytPaczki p = czytajPaczke(sciezka);
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.rekordy.size(), 2);
    EXPECT_EQ(p.rekordy[0].splacono, QStringLiteral("400,00"));
    EXPECT_EQ(p.rekordy[0].nrKolFakt, fz(1));
    EXPECT_EQ(p.rekordy[1].nrPrzel, QStringLiteral("2"));
    EXPECT_EQ(plik(QStringLiteral("NumP26.dat")), numeracjaPaczek(1, 5, 19));
    ASSERT_EQ(zmiana.size(), 1);
    EXPECT_EQ(zmiana[0][0].toString(), sciezka);
    EXPECT_EQ(zmiana[0][1].toInt(), 5);
    EXPECT_EQ(s.PlikPaczki, sciezka);

    // Saved once: not again, and not dropped on closing.
    d.clear();
    kliknij("cmdZapiszPaczke");
    EXPECT_TRUE(d.texts().value(0).startsWith(QStringLiteral("Przelewy tej listy są już zapisane w paczce ")));
    d.clear();
    kliknij("cmdKoniec");
    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_FALSE(okno.isVisible());
}

// An invoice paid into a package that has not gone to Ecorponet yet still
// looks unpaid: paying it again asks first (default No); a closed package's
// invoices are marked and do not ask.
TEST_F(Platnosci, InvoiceInAnOpenPackageAsksBeforeItIsPaidAgain)
{
    const Przelew otwarty = BudowaPrzelewu::pusty().faktura(fz(1).toLower()).status(kOtwarta);
    const Przelew zamkniety = BudowaPrzelewu::pusty().faktura(fz(2)).status(kZamknieta);
    ASSERT_TRUE(utworzFolderyPaczek(s.SciezkaProgramu));
    ASSERT_TRUE(zapiszPaczke(dane.paczka(2026, 11, 3), {otwarty}));
    ASSERT_TRUE(zapiszPaczke(dane.paczka(2026, 12, 1), {zamkniety}));
    numerujPaczki(numeracjaPaczek(1, 1, 1));
    okno.otworz();

    d.answer(Answer::No);
    kliknijKomorke(faktury(), 1, kol::Brutto);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(d.shown()[0].text.contains(QStringLiteral("Paczka202611_03.dta"))) << qPrintable(d.shown()[0].text);
    EXPECT_EQ(przelewy()->rowCount(), 1);
    EXPECT_EQ(zaplata(1)[0], QStringLiteral("0,00"));

    d.clear();
    d.answer(Answer::Yes);
    zaplac(1, QStringLiteral("1000"));
    EXPECT_EQ(d.shown().size(), 2);  // the question, then the amount
    EXPECT_EQ(przelewy()->rowCount(), 2);

    d.clear();
    zaplac(2, QStringLiteral("1000"));
    EXPECT_EQ(d.shown().size(), 1);  // the amount only
    EXPECT_EQ(przelewy()->rowCount(), 3);
}

TEST_F(Platnosci, ClosingWithTransfersNotSavedAsksFirst)
{
    okno.otworz();
    zaplac(1, QStringLiteral("1000"));
    d.clear();
    d.answer(Answer::No);
    kliknij("cmdKoniec");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].icon, Icon::Question);
    EXPECT_TRUE(okno.isVisible());
    d.answer(Answer::Yes);
    EXPECT_TRUE(okno.close());
    EXPECT_FALSE(okno.isVisible());
}

// A payment of 15 000,00 zł or more to a pair the flat file of the day does
// not hold is confirmed before the list is saved or sent; No keeps all as it was.
TEST_F(Platnosci, LargePaymentNotOnTheWhiteListAsksBeforeTheMove)
{
    QStringList h = naglowek(fz(1));
    h[14] = kKonto;
    h[16] = QStringLiteral("01-12-2026");
    h[18] = QStringLiteral("15-12-2026");
    DrzewoFaktur::faktura(fz(1), h,
                          {pozycja(QStringLiteral("16260.16"), QStringLiteral("1"), QStringLiteral("16260.16"),
                                   QStringLiteral("23"), QStringLiteral("20000.00"))});
    dir.writeBytes(QStringLiteral("20261210.json"), test::plikPlaski("20261210", {}));
    {
        QSettings settings;
        kontrahenci::zapamietajPlikBialejListy(settings, dir.file(QStringLiteral("20261210.json")));
    }
    s.DataDzis = QStringLiteral("10-12-2026");
    okno.otworz();
    zaplac(1, QStringLiteral("20000"));
    d.clear();
    d.answer(Answer::Ok);  // "Czy napewno chcesz przenieść..."
    d.answer(Answer::No);
    kliknij("cmdDoPrzelewu");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].buttons, Buttons::YesNoDefaultNo);
    EXPECT_TRUE(d.shown()[1].text.contains(QStringLiteral("20000,00"))) << qPrintable(d.shown()[1].text);
    EXPECT_FALSE(QFileInfo::exists(s.SciezkaProgramu + QStringLiteral("/Paczki")));
    EXPECT_FALSE(QFileInfo::exists(s.SciezkaProgramu + QStringLiteral("/DoECorponet")));
    EXPECT_EQ(przelewy()->rowCount(), 2);
    QSettings().remove(QStringLiteral("bialaLista"));
}

// The whole road of a part payment: paid in the window, moved to Ecorponet
// without saving first, found in the export file, the sent transfers and the
// invoice file, and shown paid on the next load.
TEST_F(Platnosci, PartPaymentMovedToEcorponetMarksTheInvoice)
{
    okno.otworz();
    zaplac(1, QStringLiteral("400"));
    d.clear();
    kliknij("cmdDoPrzelewu");
    EXPECT_EQ(d.shown().value(0).text, QStringLiteral("Czy napewno chcesz przenieść płatność z tych faktur do przelewu ?"));
    EXPECT_EQ(d.shown().value(0).title, QStringLiteral(" Faktury oznaczone zostaną jako zapłacone !"));
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Paczka została uzupełniona"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Dopisanie paczki do ECorponet na dzien 10-12-2026"));
    EXPECT_EQ(d.shown().size(), 2) << d.texts().join(QLatin1Char('|')).toStdString();

    // Saved as package 01 of December, without a question, and closed.
    EXPECT_EQ(plik(QStringLiteral("NumP26.dat")), numeracjaPaczek(1, 1, 1, 0));
    const OdczytPaczki p = czytajPaczke(s.SciezkaProgramu + QStringLiteral("/Paczki/Paczka202612_01.dta"));
    ASSERT_TRUE(p.ok());
    ASSERT_EQ(p.rekordy.size(), 1);
    EXPECT_EQ(p.rekordy[0].status, QStringLiteral("Zamknieta"));

    const QString eksport = QString::fromLatin1(plik(QStringLiteral("DoECorponet/LAN202612_01.TXT")));
    EXPECT_TRUE(eksport.startsWith(QStringLiteral("110,20261210,00000000000040000,86020000,0,")))
        << eksport.toStdString();
    EXPECT_TRUE(eksport.contains(QStringLiteral(",\"") + kKonto + QStringLiteral("\",")));
    EXPECT_TRUE(eksport.endsWith(QStringLiteral(",\"\",\"\",\"51\"\r\n")));
    EXPECT_EQ(eksport.count(QStringLiteral("\r\n")), 1);

    const OdczytPaczki historia = czytajPaczke(s.SciezkaProgramu + QStringLiteral("/LAN.dat"));
    ASSERT_TRUE(historia.ok());
    ASSERT_EQ(historia.rekordy.size(), 1);
    EXPECT_EQ(historia.rekordy[0].splacono, QStringLiteral("400,00"));
    EXPECT_EQ(historia.rekordy[0].kwDoSplaty, QStringLiteral("600"));
    EXPECT_EQ(historia.rekordy[0].nrKolFakt, fz(1));
    EXPECT_EQ(historia.rekordy[0].status, QStringLiteral("Zamknieta"));

    const QByteArray faktura = dir.readBytes(wFirmie(QStringLiteral("Faktury/") + fz(1)));
    EXPECT_TRUE(faktura.startsWith("\"01    400,0020261210  \",\"Kowalski\"")) << faktura.left(60).constData();
    EXPECT_EQ(przelewy()->text(1, 24), QStringLiteral("Zamknieta"));

    // Moved once: a second move is refused and changes nothing.
    d.clear();
    kliknij("cmdDoPrzelewu");
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Sprawdź numeracje paczek"));
    EXPECT_EQ(plik(QStringLiteral("DoECorponet/LAN202612_01.TXT")), eksport.toLatin1());

    // The next load keeps the rest to pay; the rest is paid into the next
    // package and moved too: the mark then holds the whole gross.
    d.clear();
    kliknij("cmdZmiany");
    EXPECT_EQ(zaplata(1), (QStringList{QStringLiteral("400,00"), QStringLiteral("600,00"), QStringLiteral("20261210"),
                                       QStringLiteral("SplCz"), QStringLiteral("01"), QString()}));
    zaplac(1, QStringLiteral("600"));
    EXPECT_EQ(d.shown().value(0).defaultText, QStringLiteral("600,00"));
    ASSERT_EQ(przelewy()->rowCount(), 2);
    EXPECT_EQ(przelewy()->text(1, 21), QStringLiteral("02"));
    EXPECT_EQ(przelewy()->text(1, 10), QStringLiteral("0,00"));
    d.clear();
    kliknij("cmdDoPrzelewu");
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Paczka została uzupełniona"));
    EXPECT_TRUE(dir.readBytes(wFirmie(QStringLiteral("Faktury/") + fz(1))).startsWith("\"02   1000,0020261210  \""));
    d.clear();
    kliknij("cmdZmiany");
    EXPECT_EQ(faktury()->text(1, kol::Stan), QStringLiteral("Spłacona"));
    kliknijKomorke(faktury(), 1, kol::Brutto);
    EXPECT_TRUE(d.texts().value(0).startsWith(QStringLiteral("Należności z tej faktury zostały spłacone")));
}

// The transfer list shows its amounts with the decimal comma; the package
// keeps the record's own forms. An account with wrong check digits is asked
// about before its payment goes into the list.
TEST_F(Platnosci, TransferListAmountsOnScreenAndAccountWithWrongCheckDigits)
{
    faktura(2, QStringLiteral("Nowak"), [](QStringList& h) { h[14] = QStringLiteral("62109010140000071219812874"); });
    okno.otworz();
    zaplac(1, QStringLiteral("66,86"));  // a valid account is not asked about
    EXPECT_EQ(d.shown().size(), 2) << d.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(przelewy()->text(1, 9), QStringLiteral("66,86"));
    EXPECT_EQ(przelewy()->text(1, 10), QStringLiteral("933,14"));

    const QString pytanie = QStringLiteral("Numer konta ma błędne cyfry kontrolne. Czy mimo to dodać płatność do listy?");
    d.clear();
    d.answer(Answer::No);
    kliknijKomorke(faktury(), 2, kol::Brutto);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, pytanie);
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(przelewy()->rowCount(), 2);
    EXPECT_EQ(faktury()->text(2, kol::Stan), QStringLiteral("DoPrzelewu"));

    d.clear();
    d.answer(Answer::Yes);
    zaplac(2, QStringLiteral("1000"));
    EXPECT_EQ(d.shown().value(0).text, pytanie);
    EXPECT_EQ(przelewy()->rowCount(), 3);

    d.answer(Answer::Yes);
    kliknij("cmdZapiszPaczke");
    const OdczytPaczki p = czytajPaczke(s.SciezkaProgramu + QStringLiteral("/Paczki/Paczka202612_01.dta"));
    ASSERT_TRUE(p.ok()) << p.blad.toStdString();
    ASSERT_GE(p.rekordy.size(), 2);
    EXPECT_EQ(p.rekordy[0].kwDoSplaty, QStringLiteral("933.14"));
    EXPECT_EQ(p.rekordy[0].splacono, QStringLiteral("66,86"));
}

TEST(PlatnosciQt, PayingAndSavingWithRealBoxes)
{
    DrzewoFaktur drzewo;
    drzewo.numeracja(QStringLiteral("26"), {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1});
    QStringList h = DrzewoFaktur::naglowek(fz(1));
    h[14] = kKonto;  // valid check digits: no question before the amount
    drzewo.faktura(fz(1), h);
    FolderDanych dane(kBezPaczek);
    Session& s = dane.s;
    s.clock.setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(10, 0)); });
    s.SciezkaKramix = drzewo.kramix();
    s.FolderFirmyKramix = drzewo.firma;
    QtDialogs dialogs;
    frmPlatnosciZ okno(s, dialogs);
    okno.otworz();
    auto* g = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid11"));
    g->setCurrentCell(1, kol::Brutto);

    {
        KeyboardAnswers odpowiedzi;
        odpowiedzi.type(QStringLiteral("250,50"));
        odpowiedzi.keys({{Qt::Key_Return}});
        QTest::keyClick(g, Qt::Key_Return);  // Enter on the gross amount pays
        EXPECT_EQ(odpowiedzi.faults(), 0);
        ASSERT_EQ(odpowiedzi.seen().size(), 2);
        EXPECT_EQ(odpowiedzi.seen()[0].inputText, QStringLiteral("1000,00"));
        EXPECT_EQ(odpowiedzi.seen()[1].text, kInna);
    }
    EXPECT_EQ(okno.findChild<QLineEdit*>(QStringLiteral("txtRazemKwota"))->text(), QStringLiteral("250,50"));

    KeyboardAnswers zapis;
    zapis.keys({{Qt::Key_Return}}).keys({{Qt::Key_Return}});
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdZapiszPaczke")), Qt::LeftButton);
    EXPECT_EQ(zapis.faults(), 0);
    ASSERT_EQ(zapis.seen().size(), 2);
    EXPECT_EQ(zapis.seen()[1].text, QStringLiteral(" Paczka zapisana !"));
    EXPECT_TRUE(QFile::exists(s.SciezkaProgramu + QStringLiteral("/Paczki/Paczka202612_01.dta")));
}
