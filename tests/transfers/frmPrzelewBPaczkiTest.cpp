// The package area of the transfer window: adding, listing, showing,
// removing, deleting, clearing and editing, checked on the files on disk.
#include "transfers/frmPrzelewB.h"

#include "invoices/frmPlatnosciZ.h"

#include "core/Session.h"
#include "transfers/Paczki.h"
#include "ui/Grid.h"
#include "ui/QtDialogs.h"

#include "Budowa.h"
#include "KeyboardAnswers.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

const QString kKonto = QStringLiteral("61109010140000071219812874");
const QString kNaDzien = QStringLiteral(" na  dzien ");

/// The company "ALFA" on 09-12-2026, before its first package.
struct FolderOkna : FolderDanych {
    FolderOkna() : FolderDanych(kBezPaczek) { dzien(QStringLiteral("09-12-2026")).firma(QStringLiteral("ALFA")).ustawienia(); }
};

class OknoPaczek : public ::testing::Test, public FolderOkna {
protected:
    ~OknoPaczek() override { EXPECT_TRUE(d.allAnswersUsed()); }

    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    Grid* paczka() { return w<Grid>("MSFlexGrid1"); }
    Grid* lista() { return w<Grid>("MSFlexGrid2"); }
    QString status() { return w<QLabel>("Label31")->text(); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QAbstractButton>(nazwa), Qt::LeftButton); }
    /// A click on an option button's circle (the button may be wider than its text).
    void kliknijOpcje(const char* nazwa)
    {
        auto* b = w<QAbstractButton>(nazwa);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void wpisz(const QString& nazwa, const QString& konto = kKonto, const QString& brutto = QStringLiteral("123,00"))
    {
        w("txtNazwa1K")->setText(nazwa);
        w("txtNazwa2K")->setText(QStringLiteral("Handel"));
        w("txtKontoK")->setText(konto);
        // 100 net and a VAT amount of 23 make 123,00; any other gross is typed
        // as the amount without VAT.
        const bool zVat = brutto == QLatin1String("123,00");
        w("txtKwotaK")->setText(zVat ? QStringLiteral("100") : brutto);
        w("txtVat")->setText(zVat ? QStringLiteral("23") : QStringLiteral("0"));
        w("txtKwotaBrutto")->setText(brutto);
        w("txtTytulem1")->setText(QStringLiteral("FV 1"));
    }
    /// Enters and adds a transfer; the confirmation needs no answer.
    void dodaj(const QString& nazwa, const QString& brutto = QStringLiteral("123,00"))
    {
        wpisz(nazwa, kKonto, brutto);
        kliknij("cmdDoPaczki");
    }
    QString plik(int nr) const { return QStringLiteral("Paczki/Paczka202612_%1.dta").arg(nrPaczkiTekst(nr)); }
    QList<Przelew> rekordy(int nr) const { return FolderPaczek::rekordy(2026, 12, nr); }
    NumeracjaMiesiaca grudzien() const { return czytajNumeracje(dir.file(QStringLiteral("NumP26.dat"))).miesiace.value(11); }
    void zamknij(int nr) const { FolderPaczek::zamknij(2026, 12, nr); }
    /// A click on the row-number cell at the left of a data row.
    void kliknijNumerWiersza(Grid* g, int wiersz)
    {
        QHeaderView* h = g->verticalHeader();
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(4, h->sectionViewportPosition(wiersz - 1) + 4));
    }
    void kliknijKomorke(Grid* g, int wiersz, int kolumna)
    {
        g->setCurrentCell(wiersz, kolumna);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->currentIndex()).center());
    }

    /// A real click on the middle of a cell, scrolled into view first.
    void klikKomorki(Grid* g, int wiersz, int kolumna)
    {
        const QModelIndex i = g->model()->index(wiersz - 1, kolumna);
        g->scrollTo(i);
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(i).center());
    }
    /// A real click on the row-number cell (the vertical header) of a row.
    void klikNumeruWiersza(Grid* g, int wiersz)
    {
        g->scrollTo(g->model()->index(wiersz - 1, 1));
        QHeaderView* h = g->verticalHeader();
        const int y = h->sectionViewportPosition(wiersz - 1) + h->sectionSize(wiersz - 1) / 2;
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, QPoint(h->width() / 2, y));
    }

    ScriptedDialogs d;
    frmPrzelewB okno{s, d};
};

} // namespace

TEST_F(OknoPaczek, AddingFillsPackageNumberingViewAndList)
{
    okno.otworz();
    EXPECT_EQ(lista()->rowCount(), 1);  // no numbering file yet: an empty list
    EXPECT_EQ(status(), kOtwarta);

    dodaj(QStringLiteral("Kowalski \"Hurt\""));
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Paczka została uzupełniona"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Dopisanie do paczki 01") + kNaDzien);
    EXPECT_EQ(d.shown()[0].icon, Icon::Exclamation);
    EXPECT_EQ(dir.readText(plik(1)),
              QStringLiteral("\"Kowalski ''Hurt''\",\"Handel\",\"61109010140000071219812874\",\"100\",\"23\",\"123,00\","
                             "\"FV 1\",\"2026-12-09\",\"123,00\",0,\"2026-12-09\",\"Spłacona\",\"\",\"\",\"\",\"\",\"\","
                             "\"\",\"\",\"01\",1,\"\",\"\",\"Otwarta\",\"110\",\"51\",\"\"\r\n"));
    EXPECT_EQ(s.PlikPaczki, dir.file(plik(1)));
    EXPECT_EQ(s.NrPaczkiAktualnej, 1);

    dodaj(QStringLiteral("Nowak"), QStringLiteral("10,50"));
    EXPECT_EQ(d.shown().size(), 2);
    EXPECT_EQ(rekordy(1).size(), 2);
    EXPECT_EQ(rekordy(1)[1].nrPrzel, QStringLiteral("2"));
    const NumeracjaMiesiaca m = grudzien();
    EXPECT_EQ(m.poczatPaczk, 1);
    EXPECT_EQ(m.koniecPacz, 1);
    EXPECT_EQ(m.poczatPrzel, 1);
    EXPECT_EQ(m.koniecPrzel, 2);

    // The view holds the whole package; the new row's paid cell is light red.
    ASSERT_EQ(paczka()->rowCount(), 3);
    EXPECT_EQ(paczka()->text(1, 0), QStringLiteral("1"));
    EXPECT_EQ(paczka()->text(2, 1), QStringLiteral("Nowak"));
    EXPECT_EQ(paczka()->text(2, 22), QStringLiteral("2"));
    EXPECT_EQ(paczka()->cellBackground(2, 9), QColor(0xFF, 0xC0, 0xC0));
    EXPECT_EQ(w<QLabel>("Label3")->text(), QStringLiteral("133,50"));
    EXPECT_EQ(w<QGroupBox>("Frame2")->title(),
              QStringLiteral("Zawartość paczki nr ") + dir.file(plik(1)) + QStringLiteral("     Status Paczki = Otwarta"));
    ASSERT_EQ(lista()->rowCount(), 2);
    EXPECT_EQ(lista()->rowTexts(1),
              (QStringList{QStringLiteral("1"), dir.file(plik(1)), QStringLiteral("2026-12-09"), QStringLiteral("110,50"),
                           QStringLiteral("23,00"), QStringLiteral("133,50"), QStringLiteral("133,50"),
                           QStringLiteral("2026-12-09"), kOtwarta, QStringLiteral("2")}));
}

TEST_F(OknoPaczek, RefusedEntriesAndDepositWriteNothing)
{
    okno.otworz();
    const struct {
        const char* opis;
        QString nazwa, konto, brutto;
        QString tekst, tytul;
    } przypadki[] = {
        {"short account", QStringLiteral("A"), QStringLiteral("1234 5678"), QStringLiteral("1"),
         QStringLiteral("Konto nieprawidłowe "), QStringLiteral(" Konto nieprawidlowe Ilość znaków =9")},
        {"no gross", QStringLiteral("A"), kKonto, QString(), QStringLiteral("Brak wpisanej kwoty przelewu brutto "),
         QStringLiteral(" Brak Kwoty")},
        {"no name", QString(), kKonto, QStringLiteral("1"), QStringLiteral(" Brak nazwy beneficjenta "),
         QStringLiteral(" Wpisz Nazwę")},
    };
    for (const auto& c : przypadki) {
        d.clear();
        wpisz(c.nazwa, c.konto, c.brutto);
        kliknij("cmdDoPaczki");
        ASSERT_EQ(d.shown().size(), 1) << c.opis;
        EXPECT_EQ(d.shown()[0].text, c.tekst) << c.opis;
        EXPECT_EQ(d.shown()[0].title, c.tytul) << c.opis;
        EXPECT_EQ(d.shown()[0].icon, Icon::Critical) << c.opis;
    }
    d.clear();
    kliknij("opRodzaj3");
    wpisz(QStringLiteral("Wpłata"));
    kliknij("cmdDoPaczki");
    EXPECT_TRUE(d.shown().isEmpty());
    EXPECT_FALSE(dir.exists(QStringLiteral("NumP26.dat")));
    EXPECT_FALSE(dir.exists(plik(1)));
}

TEST_F(OknoPaczek, ClosedPackageInViewStartsTheNextAndTheAccountTitleIsShort)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    zamknij(1);
    kliknij("cmdZmien");
    EXPECT_EQ(status(), kZamknieta);

    d.clear();
    wpisz(QStringLiteral("B"), QStringLiteral("123"));
    kliknij("cmdDoPaczki");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].title, QStringLiteral(" Konto nieprawidlowe"));

    dodaj(QStringLiteral("B"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Dopisanie do paczki 02") + kNaDzien);
    EXPECT_EQ(rekordy(2).size(), 1);
    EXPECT_EQ(grudzien().koniecPacz, 2);
    EXPECT_EQ(status(), kOtwarta);
    EXPECT_EQ(lista()->rowCount(), 3);
}

TEST_F(OknoPaczek, SortedListClickedShowsThatPackage)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    dodaj(QStringLiteral("B"));
    zamknij(1);
    kliknij("cmdZmien");
    dodaj(QStringLiteral("C"));
    d.clear();

    d.answer(Answer::Yes);
    kliknij("cmdSortuj");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Sortowanie od Ostatniej= Yes, Od Pierwszej =No "));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Sortowanie"));
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(lista()->text(1, 0), QStringLiteral("2"));
    EXPECT_EQ(lista()->text(2, 0), QStringLiteral("1"));

    kliknijKomorke(lista(), 2, 3);
    EXPECT_EQ(s.NrPaczkiAktualnej, 1);
    EXPECT_EQ(s.PlikPaczki, dir.file(plik(1)));
    ASSERT_EQ(paczka()->rowCount(), 3);
    EXPECT_EQ(paczka()->text(2, 1), QStringLiteral("B"));
    EXPECT_EQ(paczka()->cellBackground(1, 6), QColor(0, 0xFF, 0));
    EXPECT_EQ(paczka()->cellBackground(2, 9), QColor(0xFF, 0, 0));
    EXPECT_EQ(status(), kZamknieta);
    EXPECT_EQ(w<QLabel>("Label3")->text(), QStringLiteral("246,00"));

    d.answer(Answer::No);
    kliknij("cmdSortuj");
    EXPECT_EQ(lista()->text(1, 0), QStringLiteral("1"));
}

TEST_F(OknoPaczek, SortedListDeletesThePackageOfTheRowChosen)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    zamknij(1);
    kliknij("cmdZmien");
    dodaj(QStringLiteral("B"));
    // Both packages open again, so either could be deleted.
    QList<Przelew> pierwsza = rekordy(1);
    for (Przelew& p : pierwsza)
        p.status = kOtwarta;
    ASSERT_TRUE(przepiszPaczke(dir.file(plik(1)), pierwsza));
    kliknij("cmdZmien");
    d.clear();

    d.answer(Answer::Yes);
    kliknij("cmdSortuj");
    ASSERT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(lista()->text(1, 0), QStringLiteral("2"));
    kliknijKomorke(lista(), 2, 3);
    EXPECT_EQ(s.PlikPaczki, dir.file(plik(1)));
    EXPECT_EQ(paczka()->text(1, 1), QStringLiteral("A"));

    d.clear();
    d.answer(Answer::Ok);
    kliknij("CmdUsunpaczke");
    EXPECT_EQ(d.shown().last().text, QStringLiteral(" Paczkę usunięto !"));
    EXPECT_FALSE(dir.exists(plik(1)));
    EXPECT_TRUE(dir.exists(plik(2)));
    // The list is read again in file order.
    EXPECT_EQ(lista()->text(1, 8), kBrakPliku);
    EXPECT_EQ(lista()->text(2, 8), kOtwarta);
}

TEST_F(OknoPaczek, RemovingRecordsAndDeletingPackages)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    d.clear();
    kliknij("cmdUsunRekord");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Wstaw drugą pozycję wówczas możesz usunąć pierwszą!"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Błąd- nie można usunać jedynej pozycji z paczki - mozesz usunąć paczkę"));

    dodaj(QStringLiteral("B"));
    dodaj(QStringLiteral("C"), QStringLiteral("45,10"));
    // A click on a row number makes that row current; the removal names it
    // and "No" keeps the package as it was.
    const QByteArray trzy = dir.readBytes(plik(1));
    kliknijNumerWiersza(paczka(), 3);
    EXPECT_EQ(paczka()->currentRow(), 3);
    EXPECT_EQ(paczka()->selectedRange().row1, 3);
    d.clear();
    d.answer(Answer::No);
    kliknij("cmdUsunRekord");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Usunąć z paczki przelew nr 3: C Handel, 45,10 ?"));
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(dir.readBytes(plik(1)), trzy);

    kliknijNumerWiersza(paczka(), 1);
    d.clear();
    d.answer(Answer::Yes);
    kliknij("cmdUsunRekord");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Usunąć z paczki przelew nr 1: A Handel, 123,00 ?"));
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Rekord zostal usuniety z Paczki"));
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Korekta paczki 01") + kNaDzien);
    const QList<Przelew> po = rekordy(1);
    ASSERT_EQ(po.size(), 2);
    EXPECT_EQ(po[0].nazwaKontrahenta, QStringLiteral("B"));
    EXPECT_EQ(po[0].nrPrzel, QStringLiteral("1"));
    EXPECT_EQ(po[1].nrPrzel, QStringLiteral("2"));
    EXPECT_EQ(dir.readBytes(plik(1)).count("\r\n"), 54);  // one value per line
    EXPECT_EQ(grudzien().koniecPrzel, 2);
    EXPECT_EQ(paczka()->rowCount(), 3);
    EXPECT_EQ(paczka()->text(1, 22), QStringLiteral("1"));
    EXPECT_EQ(w<QLabel>("Label3")->text(), QStringLiteral("168,10"));

    // Closed: neither a record nor the package goes.
    zamknij(1);
    kliknijKomorke(lista(), 1, 1);
    d.clear();
    paczka()->setCurrentCell(1, 1);
    kliknij("cmdUsunRekord");
    EXPECT_EQ(d.texts(), QStringList{QStringLiteral("Ta paczka jest już zamknięta - Nie można usunąć z niej rekordu ! ")});
    kliknij("cmdZmien");
    lista()->setCurrentCell(1, 1);
    d.clear();
    d.answer(Answer::Ok);
    kliknij("CmdUsunpaczke");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Czy napewno chcesz usunąć wskazaną paczkę z aktualnych wpisów ?"));
    EXPECT_EQ(d.shown()[0].buttons, Buttons::OkCancel);
    EXPECT_EQ(d.shown()[1].text, QStringLiteral("Paczka zamknieta i wysłana do Ecorponet - nie można usunąć!"));
    EXPECT_EQ(d.shown()[1].title, QStringLiteral(" Bład !"));
    EXPECT_TRUE(dir.exists(plik(1)));

    // An open package: Cancel keeps it, OK deletes it and keeps its number used.
    dodaj(QStringLiteral("D"));
    lista()->setCurrentCell(2, 1);
    d.clear();
    d.answer(Answer::Cancel);
    kliknij("CmdUsunpaczke");
    EXPECT_TRUE(dir.exists(plik(2)));
    d.answer(Answer::Ok);
    kliknij("CmdUsunpaczke");
    EXPECT_EQ(d.shown().last().text, QStringLiteral(" Paczkę usunięto !"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Pytanie"));
    EXPECT_EQ(d.shown().last().icon, Icon::Information);
    EXPECT_FALSE(dir.exists(plik(2)));
    // The list is read again: the number stays used, its file is gone.
    ASSERT_EQ(lista()->rowCount(), 3);
    EXPECT_EQ(lista()->text(2, 8), kBrakPliku);
    EXPECT_EQ(paczka()->rowCount(), 1);
    // What is shown is the package left, closed, not the one deleted.
    EXPECT_EQ(s.PlikPaczki, dir.file(plik(1)));
    EXPECT_EQ(status(), kZamknieta);
    EXPECT_FALSE(w<QGroupBox>("Frame2")->title().contains(plik(2)));
    EXPECT_EQ(grudzien().koniecPacz, 2);
    dodaj(QStringLiteral("E"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Dopisanie do paczki 03") + kNaDzien);
}

TEST_F(OknoPaczek, RemovalTakesTheRowClickedAndAsksFirst)
{
    okno.otworz();
    for (int i = 1; i <= 16; ++i)
        dodaj(QStringLiteral("Firma %1").arg(i), QStringLiteral("%1,50").arg(i));
    // Shown again from the list, as the user finds it later.
    klikKomorki(lista(), 1, 2);
    Grid* g = paczka();
    ASSERT_EQ(g->rowCount(), 17);
    const QByteArray przed = dir.readBytes(plik(1));

    // Nothing chosen yet: nothing goes.
    d.clear();
    kliknij("cmdUsunRekord");
    EXPECT_EQ(d.texts(), QStringList{QStringLiteral("Wskaż w paczce przelew do usunięcia (kliknij jego wiersz).")});
    EXPECT_EQ(dir.readBytes(plik(1)), przed);

    // The row number of row 14, scrolled into view, makes it current and
    // highlights the whole row.
    klikNumeruWiersza(g, 14);
    EXPECT_EQ(g->currentRow(), 14);
    EXPECT_TRUE(g->selectionModel()->isRowSelected(13));
    EXPECT_EQ(g->selectionModel()->selectedRows().size(), 1);

    d.clear();
    d.answer(Answer::No);
    kliknij("cmdUsunRekord");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Usunąć z paczki przelew nr 14: Firma 14 Handel, 14,50 ?"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Usuń Rekord z Paczki"));
    EXPECT_EQ(d.shown()[0].icon, Icon::Question);
    EXPECT_EQ(d.shown()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(dir.readBytes(plik(1)), przed);

    d.answer(Answer::Yes);
    kliknij("cmdUsunRekord");
    QList<Przelew> po = rekordy(1);
    ASSERT_EQ(po.size(), 15);
    EXPECT_EQ(po[12].nazwaKontrahenta, QStringLiteral("Firma 13"));
    EXPECT_EQ(po[13].nazwaKontrahenta, QStringLiteral("Firma 15"));
    EXPECT_EQ(po[13].nrPrzel, QStringLiteral("14"));
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Rekord zostal usuniety z Paczki"));

    // A click on a plain cell of another row (one that is not edited) chooses it too.
    klikKomorki(g, 3, 8);
    EXPECT_EQ(g->currentRow(), 3);
    EXPECT_TRUE(g->selectionModel()->isRowSelected(2));
    d.clear();
    d.answer(Answer::Yes);
    kliknij("cmdUsunRekord");
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Usunąć z paczki przelew nr 3: Firma 3 Handel, 3,50 ?"));
    po = rekordy(1);
    ASSERT_EQ(po.size(), 14);
    EXPECT_EQ(po[2].nazwaKontrahenta, QStringLiteral("Firma 4"));
}

TEST_F(OknoPaczek, TheListShowsTheFilesAfterEveryChange)
{
    s.KontoWybrane = QStringLiteral("61109010140000071219812874");
    okno.otworz();
    dodaj(QStringLiteral("A"), QStringLiteral("100,00"));
    dodaj(QStringLiteral("B"), QStringLiteral("23,00"));
    dodaj(QStringLiteral("C"), QStringLiteral("1,00"));
    const auto wiersz = [&] { return lista()->rowTexts(1); };
    EXPECT_EQ(wiersz().value(5), QStringLiteral("124,00"));

    // A record removed.
    klikKomorki(paczka(), 2, 8);
    d.answer(Answer::Yes);
    kliknij("cmdUsunRekord");
    EXPECT_EQ(wiersz().value(5), QStringLiteral("101,00"));
    EXPECT_EQ(wiersz().value(9), QStringLiteral("2"));

    // A net amount changed in the view (no VAT): 200 + 1.
    d.type(QStringLiteral("200"));
    klikKomorki(paczka(), 1, 4);
    EXPECT_EQ(wiersz().value(3), QStringLiteral("201,00"));
    EXPECT_EQ(wiersz().value(5), QStringLiteral("201,00"));
    EXPECT_EQ(status(), kOtwarta);

    // The package exported: closed in the list, the view and the label.
    d.clear();
    kliknij("cmdDoEcorponet");
    ASSERT_EQ(d.shown().last().text, QStringLiteral("Paczka została przeniesiona"));
    EXPECT_EQ(wiersz().value(8), kZamknieta);
    EXPECT_EQ(status(), kZamknieta);
    EXPECT_EQ(paczka()->text(1, 24), kZamknieta);
    d.clear();
}

TEST_F(OknoPaczek, PackageGridsKeepTheirRowsWhateverTheKind)
{
    okno.otworz();
    okno.resize(1400, 840);  // the window's size on a 1440 x 900 screen
    QTest::qWait(50);
    const auto wiersze = [](Grid* g) { return g->viewport()->height() / g->verticalHeader()->defaultSectionSize(); };
    const int paczkaWys = paczka()->height();
    const int listaWys = lista()->height();
    EXPECT_GE(wiersze(paczka()), 7);
    EXPECT_GE(wiersze(lista()), 4);
    for (const char* opcja : {"opRodzaj2", "opRodzaj3", "opRodzaj4", "opRodzaj5", "OpRodzaj6", "OpRodzaj1"}) {
        kliknijOpcje(opcja);
        QCoreApplication::processEvents();
        ASSERT_TRUE(w<QAbstractButton>(opcja)->isChecked()) << opcja;
        EXPECT_EQ(paczka()->height(), paczkaWys) << opcja;
        EXPECT_EQ(lista()->height(), listaWys) << opcja;
        for (const char* n : {"frWpis", "frRodzaj", "Frame3", "frEksport"}) {
            QWidget* f = w<QWidget>(n);
            EXPECT_GE(f->height(), f->minimumSizeHint().height()) << opcja << " " << n;
        }
    }
    // A cash deposit shows its banknotes where the own company is shown otherwise.
    kliknijOpcje("opRodzaj3");
    QCoreApplication::processEvents();
    EXPECT_TRUE(w<QWidget>("Frame1")->isVisible());
    EXPECT_FALSE(w<QWidget>("frMojaFirma")->isVisible());
    EXPECT_GE(w<QWidget>("Frame1")->height(), w<QWidget>("Frame1")->minimumSizeHint().height());
    EXPECT_GE(wiersze(paczka()), 7);
    kliknijOpcje("OpRodzaj1");
    EXPECT_TRUE(w<QWidget>("frMojaFirma")->isVisible());
}

TEST_F(OknoPaczek, ColumnsShowWholeValuesAndKeepTheWidthTheUserGave)
{
    QSettings().remove(QStringLiteral("Kolumny/frmPrzelewB/MSFlexGrid1"));
    okno.otworz();
    dodaj(QStringLiteral("Przedsiębiorstwo Produkcyjno-Handlowe"), QStringLiteral("1234567,89"));
    dodaj(QStringLiteral("B"), QStringLiteral("5,00"));
    klikKomorki(lista(), 1, 2);
    Grid* g = paczka();
    const QFontMetrics fm = g->fontMetrics();
    for (int k : {1, 3, 4, 6, 9, 11, 12, 22}) {
        for (int r = 1; r < g->rowCount(); ++r)
            EXPECT_GE(g->columnWidth(k), fm.horizontalAdvance(g->text(r, k))) << k;
    }
    for (int k : {2, 3, 5, 6, 7, 8})  // the path (1) is cut at the front
        EXPECT_GE(lista()->columnWidth(k), fm.horizontalAdvance(lista()->text(1, k))) << k;

    // The title made wider by the user stays so for the next package shown
    // and in the window of the next session.
    g->horizontalHeader()->resizeSection(7, 333);
    klikKomorki(lista(), 1, 3);
    EXPECT_EQ(g->columnWidth(7), 333);
    frmPrzelewB nastepne(s, d);
    nastepne.otworz();
    auto* g2 = nastepne.findChild<Grid*>(QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(g2->columnWidth(7), 333);
    QSettings().remove(QStringLiteral("Kolumny/frmPrzelewB/MSFlexGrid1"));
}

TEST_F(OknoPaczek, CellEditsAskRecomputeAndRewrite)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    dodaj(QStringLiteral("B"));
    d.clear();
    const struct {
        int kolumna;
        const char* prompt;
        const char* tytul;
    } pytania[] = {
        {1, "Wpisz nową nazwę Kontrahenta!\n.Aktualna nazwa Kontrahenta = B", " Zmiana Kontrahenta poz.2"},
        {2, "Wpisz nową nazwę Kontrahenta!\n.Aktualna nazwa Kontrahenta = Handel", " Zmiana Kontrahenta poz.2"},
        {3, "Wpisz nową nowe konto!\n.Aktualny nr Konta = 61109010140000071219812874", " Zmiana Konta poz.2"},
        {4, "Wpisz nową kwote netto!\n100", " Zmiana kwoty netto.2"},
        {5, "Wpisz nową stawke VAT !\n23", " Zmiana stawki VATa poz.2"},
        {7, "Wpisz nową tytuł przelewu \n.Aktualny tytuł przelewu = FV 1", " Zmiana tytułu przelewu poz.2"},
    };
    for (const auto& p : pytania) {
        d.clear();
        d.type(QStringLiteral("0"));  // "0" cancels
        kliknijKomorke(paczka(), 2, p.kolumna);
        ASSERT_EQ(d.shown().size(), 1) << p.kolumna;
        EXPECT_EQ(d.shown()[0].text, QString::fromUtf8(p.prompt));
        EXPECT_EQ(d.shown()[0].title, QString::fromUtf8(p.tytul));
    }
    const QByteArray przed = dir.readBytes(plik(1));
    d.clear();
    d.cancelInput();
    kliknijKomorke(paczka(), 2, 4);
    d.type(QStringLiteral("abc"));
    kliknijKomorke(paczka(), 2, 4);
    EXPECT_EQ(d.shown().last().text, QStringLiteral(" Błąd wpisanej kwoty "));
    EXPECT_EQ(d.shown().last().title, QStringLiteral(" Popraw"));
    kliknijKomorke(paczka(), 2, 6);  // gross is not edited
    EXPECT_EQ(d.shown().size(), 3);
    EXPECT_EQ(dir.readBytes(plik(1)), przed);

    d.type(QStringLiteral("200"));
    kliknijKomorke(paczka(), 2, 4);
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Dane w paczce zostaly zmienione"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral(" Sukces"));
    // The record's VAT of 23 is an amount, as the entry field wrote it.
    EXPECT_EQ(paczka()->text(2, 6), QStringLiteral("223,00"));
    EXPECT_EQ(paczka()->text(2, 9), QStringLiteral("223,00"));
    EXPECT_EQ(w<QLabel>("Label3")->text(), QStringLiteral("346,00"));
    const QList<Przelew> po = rekordy(1);
    ASSERT_EQ(po.size(), 2);
    EXPECT_EQ(po[1].kwotaN, QStringLiteral("200"));
    EXPECT_EQ(po[1].kwotaB, QStringLiteral("223,00"));
    EXPECT_EQ(po[1].kwDoSplaty, QStringLiteral("0"));
    EXPECT_EQ(po[0].kwotaB, QStringLiteral("123,00"));

    // The VAT question asks for a rate: 8 becomes "8%" in the file.
    d.type(QStringLiteral("8"));
    kliknijKomorke(paczka(), 2, 5);
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Dane w paczce zostaly zmienione"));
    EXPECT_EQ(paczka()->text(2, 6), QStringLiteral("216,00"));
    EXPECT_EQ(rekordy(1)[1].vat, QStringLiteral("8%"));
    EXPECT_EQ(rekordy(1)[1].kwotaB, QStringLiteral("216,00"));

    // No edit of a closed package.
    zamknij(1);
    kliknijKomorke(lista(), 1, 1);
    d.clear();
    kliknijKomorke(paczka(), 1, 1);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text,
              QStringLiteral(" Paczka zamknieta - brak mozliwosci zmian -tylko w programie bankowym po zaimportowaniu "));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral(" Paczka zamknieta"));
}

TEST_F(OknoPaczek, ExportFileShowsItsPackageAndClearingEmptiesTheView)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    dir.writeBytes(QStringLiteral("DoECorponet/ALFA202612_01.TXT"), "x\r\n");
    okno.otworz();  // lists the export folder again
    kliknij("CmdWyczyscM1");
    EXPECT_EQ(paczka()->rowCount(), 1);
    EXPECT_EQ(paczka()->columnCount(), 28);
    s.NrPaczkiAktualnej = 0;
    QListWidget* pliki = w<QListWidget>("FileList1");
    ASSERT_EQ(pliki->count(), 1);
    QTest::mouseClick(pliki->viewport(), Qt::LeftButton, {}, pliki->visualItemRect(pliki->item(0)).center());
    EXPECT_EQ(s.NrPaczkiAktualnej, 1);
    EXPECT_EQ(paczka()->rowCount(), 2);

    // A listed package whose file is gone shows a row saying so; showing it reports it.
    ASSERT_TRUE(QFile::remove(dir.file(plik(1))));
    kliknij("cmdZmien");
    EXPECT_EQ(lista()->text(1, 8), kBrakPliku);
    d.clear();
    kliknijKomorke(lista(), 1, 1);
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(QStringLiteral("Paczka202612_01.dta")));
    EXPECT_EQ(paczka()->rowCount(), 1);
}

TEST(OknoPaczekQt, AddingWithRealBoxes)
{
    FolderOkna f;
    Session& s = f.s;
    const TempFolder& dir = f.dir;
    QtDialogs dialogs;
    frmPrzelewB okno(s, dialogs);
    okno.otworz();
    okno.findChild<QLineEdit*>(QStringLiteral("txtNazwa1K"))->setText(QStringLiteral("Nowak"));
    okno.findChild<QLineEdit*>(QStringLiteral("txtKontoK"))->setText(kKonto);
    okno.findChild<QLineEdit*>(QStringLiteral("txtKwotaBrutto"))->setText(QStringLiteral("5,00"));
    QString tytul;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        tytul = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdDoPaczki")), Qt::LeftButton);
    EXPECT_EQ(tytul, QStringLiteral("Dopisanie do paczki 01") + kNaDzien);
    EXPECT_EQ(czytajPaczke(dir.file(QStringLiteral("Paczki/Paczka202612_01.dta"))).rekordy.size(), 1);
}

TEST(OknoPaczekQt, RemovalAskedInARealBoxRemovesOnlyOnYes)
{
    FolderOkna f;
    Session& s = f.s;
    const TempFolder& dir = f.dir;
    QList<Przelew> rekordy;
    for (int i = 1; i <= 3; ++i)
        rekordy.append(BudowaPrzelewu::pusty()
                           .nazwa(QStringLiteral("Firma %1").arg(i))
                           .konto(kKonto)
                           .brutto(QStringLiteral("%1,00").arg(i))
                           .status(kOtwarta));
    ASSERT_TRUE(QDir().mkpath(dir.file(QStringLiteral("Paczki"))));
    rekordy = f.zapisz(rekordy, 2026, 12, 1);
    const QString plik = dir.file(QStringLiteral("Paczki/Paczka202612_01.dta"));
    ASSERT_TRUE(QFile::exists(plik));
    NumeracjaRoku n = nowaNumeracja();
    n[11].poczatPaczk = n[11].koniecPacz = n[11].poczatPrzel = 1;
    n[11].koniecPrzel = 3;
    ASSERT_TRUE(zapiszNumeracje(dir.file(QStringLiteral("NumP26.dat")), n));

    QtDialogs dialogs;
    frmPrzelewB okno(s, dialogs);
    okno.otworz();
    auto* lista = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid2"));
    auto* paczka = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid1"));
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, lista->visualRect(lista->model()->index(0, 2)).center());
    ASSERT_EQ(paczka->rowCount(), 4);
    QHeaderView* numery = paczka->verticalHeader();
    QTest::mouseClick(numery->viewport(), Qt::LeftButton, {},
                      QPoint(numery->width() / 2, numery->sectionViewportPosition(1) + numery->sectionSize(1) / 2));
    auto* usun = okno.findChild<QPushButton*>(QStringLiteral("cmdUsunRekord"));
    const QByteArray przed = dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta"));

    using K = KeyboardAnswers::Key;
    KeyboardAnswers odpowiedzi;
    odpowiedzi.keys({K{Qt::Key_Return}});  // Enter takes the default: No
    QTest::mouseClick(usun, Qt::LeftButton);
    EXPECT_EQ(dir.readBytes(QStringLiteral("Paczki/Paczka202612_01.dta")), przed);

    odpowiedzi.keys({K{Qt::Key_Tab}, K{Qt::Key_Space}});  // Yes
    odpowiedzi.keys({K{Qt::Key_Return}});                // "Rekord zostal usuniety z Paczki"
    QTest::mouseClick(usun, Qt::LeftButton);
    ASSERT_EQ(odpowiedzi.seen().size(), 3);
    EXPECT_EQ(odpowiedzi.seen()[0].text, QStringLiteral("Usunąć z paczki przelew nr 2: Firma 2, 2,00 ?"));
    EXPECT_EQ(odpowiedzi.seen()[2].text, QStringLiteral("Rekord zostal usuniety z Paczki"));
    EXPECT_EQ(odpowiedzi.faults(), 0);
    const QList<Przelew> po = czytajPaczke(plik).rekordy;
    ASSERT_EQ(po.size(), 2);
    EXPECT_EQ(po[0].nazwaKontrahenta, QStringLiteral("Firma 1"));
    EXPECT_EQ(po[1].nazwaKontrahenta, QStringLiteral("Firma 3"));
}

TEST_F(OknoPaczek, PackageSavedInThePaymentsWindowIsShownHere)
{
    okno.otworz();
    dodaj(QStringLiteral("Alfa"));  // package 01
    // The payments window saves its list as package 02 and says so.
    Przelew p = rekordy(1).first();
    p.nazwaKontrahenta = QStringLiteral("Kowalski");
    p.nrPaczk = QStringLiteral("02");
    ASSERT_TRUE(zapiszPaczke(dir.file(plik(2)), {p}));
    NumeracjaRoku n = czytajNumeracje(dir.file(QStringLiteral("NumP26.dat"))).miesiace;
    n[11].koniecPacz = 2;
    ASSERT_TRUE(zapiszNumeracje(dir.file(QStringLiteral("NumP26.dat")), n));
    w("txtMiesiac")->setText(QStringLiteral("11"));

    kliknij("cmdPlatnosci");
    auto* platnosci = okno.findChild<frmPlatnosciZ*>(QStringLiteral("frmPlatnosciZ"));
    ASSERT_NE(platnosci, nullptr);
    emit platnosci->paczkaZmieniona(dir.file(plik(2)), 2);

    EXPECT_EQ(w("txtMiesiac")->text(), QStringLiteral("12"));
    EXPECT_EQ(lista()->rowCount(), 3);
    ASSERT_EQ(paczka()->rowCount(), 2);
    EXPECT_EQ(paczka()->text(1, 1), QStringLiteral("Kowalski"));
    EXPECT_EQ(s.PlikPaczki, dir.file(plik(2)));
    EXPECT_EQ(s.NrPaczkiAktualnej, 2);
    platnosci->close();
    d.clear();
}

// The package list shows the files as they are after each action, without
// "Zmnień" being pressed.
TEST_F(OknoPaczek, PackageListFollowsRemovalsAndEdits)
{
    okno.otworz();
    dodaj(QStringLiteral("A"));
    dodaj(QStringLiteral("B"), QStringLiteral("10,00"));
    ASSERT_EQ(lista()->rowCount(), 2);
    EXPECT_EQ(lista()->text(1, 5), QStringLiteral("133,00"));
    d.clear();
    d.answer(Answer::Yes);
    paczka()->selectRow(2);
    kliknij("cmdUsunRekord");
    EXPECT_EQ(lista()->text(1, 5), QStringLiteral("123,00"));
    EXPECT_EQ(lista()->text(1, 9), QStringLiteral("1"));
}
