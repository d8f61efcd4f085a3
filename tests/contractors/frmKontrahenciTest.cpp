// The contractor list window driven as a user would, with kontrah.dta checked
// on disk and every box through ScriptedDialogs.
#include "contractors/frmFirmaKontrahenta.h"
#include "contractors/frmKontrahenci.h"
#include "contractors/KontrahenciOperacje.h"
#include "core/QuoteFormat.h"
#include "core/Session.h"
#include "ui/Grid.h"
#include "ui/QtDialogs.h"

#include "Budowa.h"
#include "KontrahenciOkno.h"
#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

using namespace kontrahenci;
using test::kontrolka;
using test::pelnyKontrahent;
using test::ScriptedDialogs;
using test::ShownBox;
using test::TempFolder;

class OknoKontrahentow : public ::testing::Test, public test::FolderDanych {
protected:
    OknoKontrahentow() : FolderDanych(test::kBezPaczek)
    {
        s.SciezkaKramix = dir.file(u"Kramix"_s);
        s.FolderFirmyKramix = u"FIRMA"_s;
    }
    ~OknoKontrahentow() override { EXPECT_TRUE(d.allAnswersUsed()); }

    QStringList nazwyNaDysku() const
    {
        QStringList out;
        for (const Kontrahent& k : kontrahenciNaDysku())
            out << k[NazwaKontrahenta];
        return out;
    }
    QStringList kolumna(int c) const
    {
        QStringList out;
        for (int r = 1; r < siatka()->rowCount(); ++r)
            out << siatka()->text(r, c);
        return out;
    }
    Grid* siatka() const { return kontrolka<Grid>(okno, u"MSFlexGrid4"_s); }
    void kliknij(const QString& nazwa) { QTest::mouseClick(kontrolka<QPushButton>(okno, nazwa), Qt::LeftButton); }
    void kliknijWiersz(int wiersz)
    {
        Grid* g = siatka();
        const QRect r = g->visualRect(g->model()->index(wiersz - 1, 1));
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, r.center());
    }
    /// Three contractors in file order C, A, B.
    QList<Kontrahent> trzech()
    {
        QList<Kontrahent> l = {pelnyKontrahent(1, u"Cegielnia"_s, u"CEG"_s), pelnyKontrahent(2, u"Apteka"_s, u"APT"_s),
                               pelnyKontrahent(3, u"Browar"_s, u"BRO"_s)};
        l[2][Ulica] = u"ul. Cegielniana"_s;
        wpiszKontrahentow(l);
        return l;
    }
    const ShownBox& ostatni() const { return d.shown().constLast(); }

    ScriptedDialogs d;
    frmKontrahenci okno{s, d};
};

TEST_F(OknoKontrahentow, OpeningShowsTheFileInTheGridWithEveryControl)
{
    const QList<Kontrahent> l = trzech();
    okno.otworz();
    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(okno.windowTitle(), u"Kontrahenci"_s);

    Grid* g = siatka();
    ASSERT_EQ(g->rowCount(), 4);
    ASSERT_EQ(g->columnCount(), 27);
    EXPECT_EQ(g->text(0, 1), u"Nazwa kontrahenta   "_s);
    EXPECT_EQ(g->text(0, 16), u"Płatność"_s);
    EXPECT_EQ(g->rowTexts(2), wierszSiatki(l[1]));
    EXPECT_EQ(g->columnWidth(26), 4000 / 15);
    for (int c = 0; c < 27; ++c) {
        const QVariant kolor = g->model()->headerData(c, Qt::Horizontal, Qt::ForegroundRole);
        EXPECT_EQ(g->cellBold(0, c), c <= 6) << c;
        EXPECT_EQ(kolor.isValid() && kolor.value<QBrush>().color() == QColor(Qt::red), c <= 6) << c;
    }
    // Row 1 is chosen.
    EXPECT_EQ(g->currentRow(), 1);
    EXPECT_EQ(okno.wiersz(), 1);
    EXPECT_EQ(s.NazwaKontrahenta, u"Cegielnia"_s);
    EXPECT_EQ(s.SkrotKontrahenta, u"CEG"_s);

    const struct {
        const char* nazwa;
        QString napis;
    } przyciski[] = {
        {"cmdZnajdzK", u"z&Najdź"_s},
        {"cmdDodajK", u"&Dopisz"_s},
        {"cmdEdytuj", u"&Edytuj"_s},
        {"cmdUsun", u"&Usuń"_s},
        {"CmdSortowanie", u"&Sortowanie"_s},
        {"cmdUsunPodwojne", u"Usuń podwójne wpisy"_s},
        {"cmdPobierzKontrahentow", u"Dodaj kontrahentow z Kramix"_s},
        {"cmdZakup", u"&Do przelewu"_s},
        {"cmdKoniec", u"&Koniec"_s},
    };
    for (const auto& p : przyciski)
        EXPECT_EQ(kontrolka<QPushButton>(okno, QString::fromUtf8(p.nazwa))->text(), p.napis) << p.nazwa;

    kliknij(u"cmdKoniec"_s);
    EXPECT_FALSE(okno.isVisible());
}

TEST_F(OknoKontrahentow, ClickEnterAndArrowsChooseARowAndHighlightOnlyIt)
{
    trzech();
    okno.otworz();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    const QColor zielony(0xC0, 0xFF, 0xC0);

    kliknijWiersz(2);
    EXPECT_EQ(okno.wiersz(), 2);
    EXPECT_EQ(s.NazwaKontrahenta, u"Apteka"_s);
    EXPECT_EQ(s.SkrotKontrahenta, u"APT"_s);
    EXPECT_EQ(siatka()->cellBackground(2, 26), zielony);
    EXPECT_TRUE(siatka()->cellBold(2, 0));

    siatka()->setFocus();
    QTest::keyClick(siatka(), Qt::Key_Down);
    EXPECT_EQ(okno.wiersz(), 3);
    EXPECT_EQ(s.SkrotKontrahenta, u"BRO"_s);
    EXPECT_EQ(siatka()->cellBackground(3, 5), zielony);
    EXPECT_FALSE(siatka()->cellBackground(2, 5).isValid());
    EXPECT_FALSE(siatka()->cellBold(2, 0));

    QTest::keyClick(siatka(), Qt::Key_Up);
    QTest::keyClick(siatka(), Qt::Key_Return);
    EXPECT_EQ(okno.wiersz(), 2);
    EXPECT_EQ(s.NazwaKontrahenta, u"Apteka"_s);
}

TEST_F(OknoKontrahentow, FindMarksEveryHitAndShowsTheFirst)
{
    QList<Kontrahent> l;
    for (int i = 1; i <= 200; ++i)
        l << pelnyKontrahent(i, u"Firma %1"_s.arg(i), u"F%1"_s.arg(i));
    l[49][Ulica] = u"ul. Kwiatowa"_s;
    l[54][NazwaKontrahenta] = u"Kwiaciarnia"_s;
    l[54][Ulica] = u"Kwiatowa 2"_s;
    wpiszKontrahentow(l);
    okno.resize(800, 300);
    okno.otworz();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));

    d.type(u"kwia"_s);
    kliknij(u"cmdZnajdzK"_s);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].kind, ShownBox::Input);
    EXPECT_EQ(d.shown()[0].text, u"Podaj dowolny ciąg znaków charakterystycznych dla kontrahenta np.NIP, ulica, miejscowosc )"_s);
    EXPECT_EQ(d.shown()[0].title, u" Szukanie kontrahenta "_s);
    // Columns are scanned first: the name column finds row 55 before the
    // street column finds row 50.
    EXPECT_EQ(siatka()->currentRow(), 55);
    EXPECT_EQ(okno.wiersz(), 55);
    EXPECT_EQ(siatka()->rowAt(0) + 1, 55);
    EXPECT_EQ(siatka()->cellBackground(55, 24), QColor(0xC0, 0xFF, 0xC0));
    EXPECT_FALSE(siatka()->cellBackground(55, 25).isValid());
    EXPECT_TRUE(siatka()->cellBold(50, 0));
    EXPECT_FALSE(siatka()->cellBold(50, 1));
    EXPECT_FALSE(siatka()->cellBold(49, 0));

    // A new search drops the marks of the last one; the ordinal and the
    // account are searched too.
    d.type(l[9][NrRachunku1K].right(6));
    kliknij(u"cmdZnajdzK"_s);
    EXPECT_EQ(siatka()->currentRow(), 10);
    EXPECT_FALSE(siatka()->cellBold(50, 0));
    EXPECT_FALSE(siatka()->cellBackground(55, 1).isValid());

    // Empty answer, Cancel, and no hit.
    d.clear();
    d.type(QString());
    kliknij(u"cmdZnajdzK"_s);
    EXPECT_EQ(ostatni().text, u" Nie wybrałeś słowa do wyszukania !?"_s);
    d.cancelInput();
    kliknij(u"cmdZnajdzK"_s);
    EXPECT_EQ(d.shown().size(), 3);

    d.type(u"xyz"_s);
    d.answer(Answer::No);
    kliknij(u"cmdZnajdzK"_s);
    EXPECT_EQ(ostatni().text, u"Przejscie do dopisania kontrahenta = Tak , Wyjście = Nie ?"_s);
    EXPECT_EQ(ostatni().title, u"Nie znaleziono takiego rekordu !! "_s);
    EXPECT_EQ(ostatni().icon, Icon::Critical);
    EXPECT_EQ(ostatni().buttons, Buttons::YesNo);
    EXPECT_TRUE(okno.isVisible());

    d.type(u"xyz"_s);
    d.answer(Answer::Yes);
    kliknij(u"cmdZnajdzK"_s);
    EXPECT_EQ(s.TrybKontrahenta, 4);
    EXPECT_FALSE(okno.isVisible());
    ASSERT_TRUE(okno.karta()->isVisible());
    EXPECT_EQ(kontrolka<QLabel>(*okno.karta(), u"LbNrKol"_s)->text(), u"201"_s);
}

TEST_F(OknoKontrahentow, DeleteRemovesTheChosenRowAndRenumbers)
{
    trzech();
    okno.otworz();
    kliknijWiersz(2);
    d.answer(Answer::No);
    kliknij(u"cmdUsun"_s);
    EXPECT_EQ(kontrahenciNaDysku().size(), 3);

    d.answer(Answer::Yes);
    kliknij(u"cmdUsun"_s);
    ASSERT_EQ(d.texts(), (QStringList{u"Czy chcesz usunąć wskazanego kontrahenta?"_s,
                                      u"Czy chcesz usunąć wskazanego kontrahenta?"_s, u"Rekord usuniety !"_s}));
    EXPECT_EQ(d.shown()[1].title, u"Usuwanie rekordu kontrahenta"_s);
    EXPECT_EQ(d.shown()[1].icon, Icon::Information);
    EXPECT_EQ(ostatni().icon, Icon::Exclamation);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Cegielnia"_s, u"Browar"_s}));
    EXPECT_EQ(kontrahenciNaDysku()[1][NrKol], u"2"_s);
    EXPECT_EQ(kolumna(1), (QStringList{u"Cegielnia"_s, u"Browar"_s}));
    EXPECT_EQ(kolumna(0), (QStringList{u"1"_s, u"2"_s}));
}

TEST_F(OknoKontrahentow, SortRewritesTheFileFromItsRecordsAndClosesTheWindow)
{
    const QList<Kontrahent> l = trzech();
    okno.otworz();
    d.answer(Answer::Yes);
    kliknij(u"CmdSortowanie"_s);
    EXPECT_EQ(d.texts(), (QStringList{u"Sortowanie wg. Nazwy(Nazwiska) =Tak, Nie=Rezygnacja "_s,
                                      u"Zbior posortowany i zapisany! "_s}));
    EXPECT_EQ(d.shown()[0].icon, Icon::Question);
    EXPECT_EQ(ostatni().title, u"Sortowanie"_s);
    EXPECT_FALSE(okno.isVisible());
    const QList<Kontrahent> po = kontrahenciNaDysku();
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Apteka"_s, u"Browar"_s, u"Cegielnia"_s}));
    EXPECT_EQ(po[0][NrRachunku2K], l[1][NrRachunku2K]);
    EXPECT_EQ(po[0][OstVatK], l[1][OstVatK]);
    EXPECT_EQ(po[2][NrKol], u"3"_s);
    okno.otworz();
    EXPECT_EQ(kolumna(1), (QStringList{u"Apteka"_s, u"Browar"_s, u"Cegielnia"_s}));

    d.answer(Answer::No);
    kliknij(u"CmdSortowanie"_s);
    EXPECT_TRUE(okno.isVisible());
}

TEST_F(OknoKontrahentow, AListThatIsNotTheFileIsLoadedAgainInsteadOfWritten)
{
    QList<Kontrahent> l = trzech();
    okno.otworz();
    l << pelnyKontrahent(4, u"Dodany obok"_s, u"DOD"_s);  // another program added one meanwhile
    wpiszKontrahentow(l);
    for (const char* przycisk : {"CmdSortowanie", "cmdUsun", "cmdUsunPodwojne"}) {
        SCOPED_TRACE(przycisk);
        const QByteArray bajty = dir.readBytes(kPlikKontrahentow);
        d.clear();
        d.answer(Answer::Yes);
        kliknij(QString::fromUtf8(przycisk));
        EXPECT_EQ(ostatni().text, u"Lista nie pokazywała całego zbioru kontrahentów, więc została wczytana "
                                  u"ponownie. Sprawdź ją i powtórz operację."_s);
        EXPECT_EQ(dir.readBytes(kPlikKontrahentow), bajty);
        EXPECT_EQ(siatka()->rowCount(), int(l.size()) + 1);
        // And once more another program adds one before the next try.
        l << pelnyKontrahent(int(l.size()) + 1, u"Jeszcze"_s, u"J%1"_s.arg(l.size()));
        wpiszKontrahentow(l);
    }
}

TEST_F(OknoKontrahentow, DuplicateRemovalAsksFirstAndShowsTheResult)
{
    Kontrahent a = pelnyKontrahent(1, u"Nowak"_s, u"NOW"_s);
    wpiszKontrahentow({pelnyKontrahent(1, u"Zet"_s, u"Z"_s), a, a, a});
    okno.otworz();
    d.answer(Answer::No);
    kliknij(u"cmdUsunPodwojne"_s);
    EXPECT_EQ(kontrahenciNaDysku().size(), 4);
    d.answer(Answer::Yes);
    kliknij(u"cmdUsunPodwojne"_s);
    EXPECT_EQ(ostatni().text, u"Podwójne wpisy Usuniete !"_s);
    EXPECT_EQ(ostatni().title, u"Usuwanie podwójnych wpisów"_s);
    EXPECT_EQ(d.shown()[0].text, u"Czy posortowałeś zbiór klienci =Tak, Nie=Posortuj "_s);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Nowak"_s, u"Zet"_s}));
    EXPECT_EQ(kolumna(1), (QStringList{u"Nowak"_s, u"Zet"_s}));
    EXPECT_TRUE(okno.isVisible());
}

TEST_F(OknoKontrahentow, ImportKeepsACurrentFileReloadsTheGridAndASortSeesEveryRecord)
{
    trzech();
    QDir(dir.path()).mkpath(u"Kramix/FIRMA/kontrah"_s);
    Kontrahent z = pelnyKontrahent(1, u"Ar-Bud"_s, u"ARB"_s), krotki = pelnyKontrahent(2, u"Zły"_s, u"ZLY"_s);
    krotki[NrRachunku1K] = u"12345"_s;
    ASSERT_TRUE(zapiszKontrahentow(dir.file(u"Kramix/FIRMA/kontrah/kontrah.dta"_s), {z, krotki}));
    okno.otworz();

    d.answer(Answer::Yes);
    d.answer(Answer::Ok);  // the file already has the new layout
    d.answer(Answer::Yes);
    kliknij(u"cmdPobierzKontrahentow"_s);
    ASSERT_EQ(d.shown().size(), 4);
    EXPECT_EQ(d.shown()[0].text, u"Czy chcesz pobrać kontrahentów z Kramix ? "_s);
    EXPECT_EQ(d.shown()[0].title, u" Tylko z aktualnym nr konta"_s);
    EXPECT_TRUE(d.shown()[1].text.contains(u"ma już nowy układ"_s));
    EXPECT_EQ(d.shown()[2].text, u"Zbiór zamieniony , Czy chcesz go połaczyć ze zbiorem z Kramix?  "_s);
    EXPECT_EQ(d.shown()[3].text, u"Zrobione ! :) Posortuj !"_s);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Cegielnia"_s, u"Apteka"_s, u"Browar"_s, u"Ar-Bud"_s}));
    EXPECT_EQ(kontrahenciNaDysku()[3][NrKol], u"4"_s);
    EXPECT_EQ(kontrahenciNaDysku()[3][Platnosc], QString());
    EXPECT_EQ(siatka()->rowCount(), 5);

    d.clear();
    d.answer(Answer::Yes);
    kliknij(u"CmdSortowanie"_s);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Apteka"_s, u"Ar-Bud"_s, u"Browar"_s, u"Cegielnia"_s}));
}

TEST_F(OknoKontrahentow, ConversionOfTheOldLayoutAndAMissingShopFile)
{
    QuoteWriter w;
    for (int nr : {1, 2}) {
        const QStringList v = {QString::number(nr), u"S%1"_s.arg(nr), u"Stary %1"_s.arg(nr), u""_s, u"00-950"_s,
                               u"Warszawa"_s, u"Ul"_s, u"1"_s, u"Bank"_s,
                               nr == 1 ? QString(26, u'7') : QString(), u"T"_s, u"5"_s, u"20"_s, u"M"_s, u"1"_s,
                               u"VAT7"_s, u""_s, u""_s, u"ID"_s};
        for (const QString& x : v)
            w.text(x).endLine();
    }
    dir.writeText(kPlikKontrahentow, w.result());
    okno.otworz();
    d.clear();  // the old file does not fit 29 values: reported on opening

    d.answer(Answer::Yes);
    d.answer(Answer::Yes);
    d.answer(Answer::Yes);
    kliknij(u"cmdPobierzKontrahentow"_s);
    EXPECT_EQ(d.shown()[1].text, u"Zbiór nowy został utworzony, czy chcesz go zamienić za stary ?  "_s);
    EXPECT_EQ(d.shown()[1].title, u" Transformacja do nowego formatu"_s);
    EXPECT_EQ(d.shown()[2].title, u" Dodanie rekordów kontrahentow z Kramix"_s);
    EXPECT_TRUE(ostatni().text.contains(u"Nie można pobrać kontrahentów z Kramix"_s));
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Stary 1"_s}));
    EXPECT_EQ(kolumna(1), (QStringList{u"Stary 1"_s}));
}

TEST_F(OknoKontrahentow, DamagedFileIsShownAndRewrittenOnlyAfterConsent)
{
    dir.writeText(kPlikKontrahentow, tekstPliku({pelnyKontrahent(1, u"B"_s, u"B"_s), pelnyKontrahent(2, u"A"_s, u"A"_s)})
                                         + u"3\r\n\"Urwany\r\n"_s);
    const QByteArray bajty = dir.readBytes(kPlikKontrahentow);
    okno.otworz();
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(plikKontrahentow()));
    EXPECT_EQ(d.shown()[0].icon, Icon::Critical);
    EXPECT_EQ(siatka()->rowCount(), 3);

    d.answer(Answer::Yes);  // sort
    d.answer(Answer::No);   // no consent
    kliknij(u"CmdSortowanie"_s);
    EXPECT_EQ(dir.readBytes(kPlikKontrahentow), bajty);
    EXPECT_EQ(ostatni().title, u"Uszkodzony zbiór kontrahentów"_s);

    d.answer(Answer::Yes);
    d.answer(Answer::Yes);
    kliknij(u"CmdSortowanie"_s);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"A"_s, u"B"_s}));
    EXPECT_TRUE(czytajKontrahentow(plikKontrahentow()).ok);
}

TEST_F(OknoKontrahentow, MissingFileCancelShowsAnEmptyListOkOpensTheCard)
{
    d.answer(Answer::Cancel);
    okno.otworz();
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, u"Nie znaleziono zbioru Kontrahentow! Ok=Założyć - No = pobrac ze zbioru DOS"_s);
    EXPECT_EQ(d.shown()[0].title, u"Dodaje rekord!  "_s);
    EXPECT_EQ(d.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(siatka()->rowCount(), 1);
    EXPECT_FALSE(dir.exists(kPlikKontrahentow));
    d.answer(Answer::Ok);
    okno.otworz();
    frmFirmaKontrahenta* karta = okno.karta();
    ASSERT_TRUE(karta->isVisible());
    EXPECT_EQ(kontrolka<QLabel>(*karta, u"LbNrKol"_s)->text(), u"1"_s);
    kontrolka<QLineEdit>(*karta, u"txtSkrótK"_s)->setText(u"pierw"_s);
    kontrolka<QLineEdit>(*karta, u"txtNazwiskoK"_s)->setText(u"pierwszy"_s);
    QTest::mouseClick(kontrolka<QPushButton>(*karta, u"cmdZmianyK"_s), Qt::LeftButton);
    EXPECT_EQ(ostatni().text, u" Rekord Pierwszy został dopisany na końcu zbioru !"_s);
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Pierwszy"_s}));
    EXPECT_TRUE(okno.isVisible());
    EXPECT_EQ(kolumna(4), (QStringList{u"PIERW"_s}));
}

TEST_F(OknoKontrahentow, DoPrzelewuHandsTheChosenContractorOnAndCloses)
{
    const QList<Kontrahent> l = trzech();
    okno.otworz();
    QSignalSpy spy(&okno, &frmKontrahenci::doPrzelewu);
    kliknijWiersz(3);
    kliknij(u"cmdZakup"_s);
    ASSERT_EQ(spy.size(), 1);
    EXPECT_EQ(spy[0][0].value<KontrahentDoPrzelewu>(), doPrzelewuZListy(l[2]));
    EXPECT_EQ(s.NrKolKontrahenta, u"3"_s);
    EXPECT_FALSE(okno.isVisible());
    EXPECT_TRUE(d.shown().isEmpty());

    // A chosen contractor that the file no longer holds.
    okno.otworz();
    kliknijWiersz(2);
    wpiszKontrahentow({l[0]});
    kliknij(u"cmdZakup"_s);
    EXPECT_EQ(ostatni().text, u" Nie wybrałeś kontrahenta do Przelewu "_s);
    EXPECT_EQ(ostatni().icon, Icon::Critical);
    EXPECT_EQ(spy.size(), 1);

    // Nothing chosen.
    zapiszKontrahentow(plikKontrahentow(), {});
    okno.otworz();
    kliknij(u"cmdZakup"_s);
    EXPECT_EQ(ostatni().text, u"Nie wybrałeś kontrahenta do wypisania faktury"_s);
    EXPECT_EQ(ostatni().title, u" Błąd kardynalny !!"_s);
    kliknij(u"cmdEdytuj"_s);
    EXPECT_EQ(ostatni().title, u"Edycja kontrahenta"_s);
    EXPECT_FALSE(okno.karta()->isVisible());
}

TEST_F(OknoKontrahentow, DeleteWithRealMessageBoxesAnsweredByKeys)
{
    trzech();
    QtDialogs prawdziwe;
    frmKontrahenci realne(s, prawdziwe);
    realne.otworz();
    QStringList teksty;
    QTimer t;
    QObject::connect(&t, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            teksty << box->text();
            QTest::keyClick(box, Qt::Key_Return);  // the default: Yes, then OK
        }
    });
    t.start(20);
    QTest::mouseClick(kontrolka<QPushButton>(realne, u"cmdUsun"_s), Qt::LeftButton);
    t.stop();
    EXPECT_EQ(teksty, (QStringList{u"Czy chcesz usunąć wskazanego kontrahenta?"_s, u"Rekord usuniety !"_s}));
    EXPECT_EQ(nazwyNaDysku(), (QStringList{u"Apteka"_s, u"Browar"_s}));
}

} // namespace
} // namespace remitto
