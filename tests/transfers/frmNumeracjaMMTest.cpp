#include "transfers/frmNumeracjaMM.h"

#include "core/Session.h"
#include "transfers/Paczki.h"
#include "ui/Grid.h"
#include "ui/QtDialogs.h"

#include "ScriptedDialogs.h"
#include "Budowa.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

QByteArray plik(const QByteArray& grudzien = "12,1,3,1,17,\"m\"\r\n")
{
    QByteArray b;
    for (int m = 1; m <= 11; ++m)
        b += QByteArray::number(m) + (m == 5 ? ",1,2,1,40,\"c\"\r\n" : ",0,0,0,0,\"c\"\r\n");
    return b + grudzien;
}

class OknoNumeracji : public ::testing::Test, public FolderDanych {
protected:
    OknoNumeracji() : FolderDanych(kBezPaczek) {}
    ~OknoNumeracji() override { EXPECT_TRUE(d.allAnswersUsed()); }

    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    Grid* siatka() { return w<Grid>("MSFlexGrid2"); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QPushButton>(nazwa), Qt::LeftButton); }
    void edytuj(int wiersz, int kolumna) { emit siatka()->cellActivated(wiersz, kolumna); }
    QByteArray naDysku() const { return dir.readBytes(QStringLiteral("NumP26.dat")); }

    ScriptedDialogs d;
    frmNumeracjaMM okno{s, d};
};

} // namespace

TEST_F(OknoNumeracji, OpeningShowsTheYearAndSavingUntouchedKeepsTheBytes)
{
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    okno.otworz();
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Numeracja dokumentów MM w 2026r."));
    EXPECT_EQ(s.PlikNumeracji, dir.file(QStringLiteral("NumP26.dat")));
    Grid* g = siatka();
    ASSERT_EQ(g->columnCount(), 7);
    ASSERT_EQ(g->rowCount(), 13);
    const QStringList naglowki = {QStringLiteral("Nr.kol"), QStringLiteral("PoczatPaczk"), QStringLiteral("KoniecPacz"),
                                  QStringLiteral("PoczatPrzel"), QStringLiteral("KoniecPrzel"), QStringLiteral("TypNumerac")};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(g->text(0, c), naglowki[c]);
    EXPECT_EQ(g->rowTexts(5).mid(0, 6), (QStringList{QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("2"),
                                                     QStringLiteral("1"), QStringLiteral("40"), QStringLiteral("c")}));
    EXPECT_EQ(w("txtWskaznik")->text(), QStringLiteral("m"));
    EXPECT_EQ(w<QLabel>("Label1")->text(), QStringLiteral("Numeracja miesięczna = m , ciągła = c"));
    EXPECT_EQ(w<QPushButton>("cmdZapiszZmiany")->text(), QStringLiteral("&Zapisz zmiany"));
    EXPECT_EQ(w<QPushButton>("cmdKoniec")->text(), QStringLiteral("&Koniec"));

    kliknij("cmdZapiszZmiany");
    EXPECT_EQ(naDysku(), plik());
    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_TRUE(w<QPushButton>("cmdKoniec")->hasFocus() || !QApplication::focusWidget());
}

TEST_F(OknoNumeracji, EveryColumnAsksWithItsOwnTextsAndSavesOnlyOnSave)
{
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    okno.otworz();
    const struct {
        int wiersz, kolumna;
        const char* odpowiedz;
        const char* prompt;
        const char* tytul;
    } przypadki[] = {
        {12, 1, "2", "Wpisz nowy nr początkowy !\nMiesiąc nr 12\nNumer zmieniany = 1",
         "Zmiana nr początkowego Paczki! pozycja 12"},
        {12, 2, "5", "Wpisz nowy nr końcowy !\nMiesiąc nr 12\nNumer zmieniany = 3",
         "Zmiana nr końcowego Paczki! pozycja 12"},
        {3, 3, "100", "Wpisz nowy nr początkowy Przelewu!\nMiesiąc nr 3\nNumer zmieniany = 0",
         "Zmiana nr początkowego Przelewu! pozycja 3"},
        {3, 4, " 999999 ", "Wpisz nowy nr końcowy Przelewu !\nMiesiąc nr 3\nNumer zmieniany = 0",
         "Zmiana nr końcowego Przelewu! pozycja 3"},
        {1, 5, "m", "Wpisz kod numeracji m lub c !\nMiesiąc nr 1\nwartość zmieniana = c",
         "Zmiana kodu numeracji ! pozycja 1"},
    };
    for (const auto& c : przypadki) {
        d.type(QString::fromUtf8(c.odpowiedz));
        edytuj(c.wiersz, c.kolumna);
    }
    ASSERT_EQ(d.shown().size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(d.shown()[i].kind, ShownBox::Input);
        EXPECT_EQ(d.shown()[i].text, QString::fromUtf8(przypadki[i].prompt));
        EXPECT_EQ(d.shown()[i].title, QString::fromUtf8(przypadki[i].tytul));
    }
    EXPECT_EQ(siatka()->text(3, 4), QStringLiteral("999999"));
    EXPECT_EQ(naDysku(), plik());  // nothing written before saving

    kliknij("cmdZapiszZmiany");
    QByteArray oczekiwany = plik("12,2,5,1,17,\"m\"\r\n");
    oczekiwany.replace("\n3,0,0,0,0,\"c\"", "\n3,0,0,100,999999,\"c\"");
    oczekiwany.replace(0, 14, "1,0,0,0,0,\"m\"\r");
    EXPECT_EQ(naDysku(), oczekiwany);
    // Clicks on column 0 or 6 ask nothing.
    edytuj(4, 0);
    edytuj(4, 6);
    EXPECT_EQ(d.shown().size(), 5);
}

TEST_F(OknoNumeracji, CancelEmptyAndWrongAnswersChangeNothing)
{
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    okno.otworz();
    d.cancelInput();
    edytuj(12, 2);
    d.type(QString());
    edytuj(12, 2);
    d.type(QStringLiteral("   "));
    edytuj(12, 2);
    EXPECT_EQ(d.shown().size(), 3);

    const struct {
        int kolumna;
        const char* odpowiedz;
        const char* komunikat;
    } zle[] = {
        {1, "100", "Wpisz liczbę całkowitą od 0 do 99 !"},
        {2, "abc", "Wpisz liczbę całkowitą od 0 do 99 !"},
        {2, "-1", "Wpisz liczbę całkowitą od 0 do 99 !"},
        {3, "1,5", "Wpisz liczbę całkowitą od 0 do 999999 !"},
        {4, "1000000", "Wpisz liczbę całkowitą od 0 do 999999 !"},
        {5, "x", "Kod numeracji może być tylko m lub c !"},
    };
    for (const auto& c : zle) {
        d.clear();
        const QString przed = siatka()->text(12, c.kolumna);
        d.type(QString::fromUtf8(c.odpowiedz));
        edytuj(12, c.kolumna);
        ASSERT_EQ(d.shown().size(), 2) << c.odpowiedz;
        EXPECT_EQ(d.shown()[1].text, QString::fromUtf8(c.komunikat)) << c.odpowiedz;
        EXPECT_EQ(d.shown()[1].title, d.shown()[0].title);
        EXPECT_EQ(d.shown()[1].icon, Icon::Critical);
        EXPECT_EQ(siatka()->text(12, c.kolumna), przed) << c.odpowiedz;
    }
    kliknij("cmdZapiszZmiany");
    EXPECT_EQ(naDysku(), plik());
}

TEST_F(OknoNumeracji, MissingFileShowsFreshMonthsAndIsCreatedBySaving)
{
    okno.otworz();
    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("NumP26.dat")));
    EXPECT_EQ(siatka()->rowTexts(12).mid(0, 6), (QStringList{QStringLiteral("12"), QStringLiteral("0"), QStringLiteral("0"),
                                                             QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("c")}));
    EXPECT_EQ(w("txtWskaznik")->text(), QStringLiteral("c"));
    kliknij("cmdZapiszZmiany");
    QByteArray swiezy;
    for (int m = 1; m <= 12; ++m)
        swiezy += QByteArray::number(m) + ",0,0,0,0,\"c\"\r\n";
    EXPECT_EQ(naDysku(), swiezy);
}

TEST_F(OknoNumeracji, DamagedFileIsReportedAndNotSavedOver)
{
    const QByteArray zly = plik().left(100);
    dir.writeBytes(QStringLiteral("NumP26.dat"), zly);
    okno.otworz();
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(QStringLiteral("NumP26.dat")));
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_FALSE(w<QPushButton>("cmdZapiszZmiany")->isEnabled());
    emit w<QPushButton>("cmdZapiszZmiany")->clicked();
    EXPECT_EQ(naDysku(), zly);
}

TEST_F(OknoNumeracji, RaisedLastPackageNumberIsFollowedByTheNextTransfer)
{
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    okno.otworz();
    d.type(QStringLiteral("5"));
    edytuj(12, 2);
    kliknij("cmdZapiszZmiany");

    const Przelew r = BudowaPrzelewu::pusty()
                          .nazwa(QStringLiteral("Nowak"))
                          .konto(QStringLiteral("61109010140000071219812874"))
                          .zmien([](Przelew& p) { p.kwotaB = QStringLiteral("10,00"); });
    const DodaniePrzelewu w = dodajDoPaczki(dir.path(), QDate(2026, 12, 10), kZamknieta, r, false);
    ASSERT_EQ(w.wynik, WynikDodania::Dodano);
    EXPECT_EQ(w.nn, QStringLiteral("06"));
    EXPECT_TRUE(dir.exists(QStringLiteral("Paczki/Paczka202612_06.dta")));
}

TEST_F(OknoNumeracji, MouseClickEditsArrowKeysOnlyMove)
{
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    okno.otworz();
    Grid* g = siatka();
    g->setCurrentCell(1, 1);
    QTest::keyClick(g, Qt::Key_Down);
    QTest::keyClick(g, Qt::Key_Right);
    EXPECT_TRUE(d.shown().isEmpty());

    // The cell of row 2, column 2, wherever the grid draws it.
    g->setCurrentCell(2, 2);
    const QModelIndex i = g->currentIndex();
    ASSERT_TRUE(i.isValid());
    d.type(QStringLiteral("4"));
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Zmiana nr końcowego Paczki! pozycja 2"));
    EXPECT_EQ(g->text(2, 2), QStringLiteral("4"));
}

TEST(OknoNumeracjiQt, RealInputBoxAnsweredByKeys)
{
    TempFolder dir;
    dir.writeBytes(QStringLiteral("NumP26.dat"), plik());
    Session s;
    s.SciezkaProgramu = dir.path();
    s.DataDzis = QStringLiteral("10-12-2026");
    QtDialogs dialogs;
    frmNumeracjaMM okno(s, dialogs);
    okno.otworz();
    Grid* g = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid2"));
    ASSERT_NE(g, nullptr);

    QString tytul;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        tytul = box->windowTitle();
        QLineEdit* pole = box->findChild<QLineEdit*>();
        ASSERT_NE(pole, nullptr);
        QTest::keyClicks(pole, QStringLiteral("7"));
        QTest::keyClick(pole, Qt::Key_Return);
    });
    g->setCurrentCell(12, 2);
    QTest::keyClick(g, Qt::Key_Return);
    EXPECT_EQ(tytul, QStringLiteral("Zmiana nr końcowego Paczki! pozycja 12"));
    EXPECT_EQ(g->text(12, 2), QStringLiteral("7"));
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdZapiszZmiany")), Qt::LeftButton);
    EXPECT_EQ(dir.readBytes(QStringLiteral("NumP26.dat")), plik("12,1,7,1,17,\"m\"\r\n"));
}
