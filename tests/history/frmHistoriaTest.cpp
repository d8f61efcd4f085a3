#include "history/frmHistoria.h"

#include "backup/KopiaDanych.h"
#include "core/Session.h"
#include "history/frmHistoriaWiersze.h"
#include "transfers/Przelew.h"
#include "ui/Grid.h"
#include "ui/PrintRenderer.h"
#include "ui/QtDialogs.h"

#include "Budowa.h"
#include "KeyboardAnswers.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

namespace {

QStringList L(std::initializer_list<const char*> t)
{
    QStringList l;
    for (const char* s : t)
        l.append(QString::fromUtf8(s));
    return l;
}

Przelew przelew(const QString& skrot, const QString& data, const QString& kwota)
{
    return BudowaPrzelewu::wyslany()
        .nazwa(QStringLiteral("Firma ") + skrot)
        .konto(QStringLiteral("12345678901234567890123456"))
        .brutto(kwota)
        .tytul(QStringLiteral("Faktura ") + skrot)
        .data(data)
        .skrot(skrot);
}

const QList<Przelew>& wyslane()
{
    static const QList<Przelew> l = {
        przelew(QStringLiteral("ALFA"), QStringLiteral("2025-12-30"), QStringLiteral("100,50")),
        przelew(QStringLiteral("BETA"), QStringLiteral("2026-01-02"), QStringLiteral("20")),
        przelew(QStringLiteral("ALFA"), QStringLiteral("2026-01-05"), QStringLiteral("1,25")),
        przelew(QStringLiteral("GAMMA"), QStringLiteral("2026-02-01"), QStringLiteral("3")),
    };
    return l;
}

QByteArray plikZ(const QList<Przelew>& l)
{
    QString t;
    for (const Przelew& p : l)
        t += liniaPrzelewu(p);
    return t.toLatin1();
}

class DrukowanieTestowe : public Drukowanie {
public:
    WynikWydruku drukuj(const PrintJob& job, QString*) override
    {
        zadania.append(job);
        return wynik;
    }
    WynikWydruku wynik = WynikWydruku::Wydrukowano;
    QList<PrintJob> zadania;
};

class OknoHistorii : public ::testing::Test, public FolderDanych {
protected:
    OknoHistorii() : FolderDanych(kBezPaczek) { firma(QStringLiteral("ABC")); }
    ~OknoHistorii() override { EXPECT_TRUE(d.allAnswersUsed()); }

    template <typename W = QLineEdit>
    W* w(const char* nazwa)
    {
        W* widget = okno.findChild<W*>(QString::fromUtf8(nazwa));
        EXPECT_NE(widget, nullptr) << nazwa;
        return widget;
    }
    Grid* siatka() { return w<Grid>("MSFlexGrid1"); }
    void kliknij(const char* nazwa) { QTest::mouseClick(w<QPushButton>(nazwa), Qt::LeftButton); }
    QString suma() { return w<QLabel>("LbKwotaRazem")->text(); }
    QStringList kolumna(int k)
    {
        QStringList c;
        for (int r = 1; r < siatka()->rowCount(); ++r)
            c.append(siatka()->text(r, k));
        return c;
    }
    QByteArray naDysku(const char* nazwa = "ABC.dat") const { return dir.readBytes(QString::fromLatin1(nazwa)); }

    ScriptedDialogs d;
    DrukowanieTestowe drukarka;
    frmHistoria okno{s, d, drukarka};
};

} // namespace

TEST_F(OknoHistorii, ControlsCarryTheirNamesAndCaptions)
{
    okno.otworz();
    EXPECT_EQ(okno.windowTitle(), QStringLiteral("Historia"));
    const std::pair<const char*, const char*> przyciski[] = {
        {"cmdWybrane", "&Wyświetl wybrane"},
        {"cmdDrukujH", "&Drukuj"},
        {"cmdArchiwizacjaRoku", "&Archiwizacja  wybranego roku"},
        {"cmdPodgladRoku", "Podglad arch. Roku"},
        {"cmdUsuń", "&Usuń rekord"},
        {"UsunWszystko", "Usuń &Wszystko"},
        {"koniecH", "  &Koniec"},
    };
    for (const auto& [nazwa, tekst] : przyciski)
        EXPECT_EQ(w<QPushButton>(nazwa)->text(), QString::fromUtf8(tekst)) << nazwa;
    EXPECT_EQ(w("TxtSkrot")->text(), QStringLiteral("Wszystkie"));
    for (const char* n : {"txtOddata", "txtDoData", "txtROKA"})
        w(n);
    EXPECT_EQ(siatka()->columnCount(), 28);
    EXPECT_EQ(siatka()->text(0, 18), QStringLiteral(" Skrót "));
    // A missing file is an empty history totalling 0,00.
    EXPECT_EQ(siatka()->rowCount(), 1);
    EXPECT_EQ(suma(), QStringLiteral("0,00"));
    EXPECT_TRUE(d.shown().isEmpty());
}

TEST_F(OknoHistorii, ListsFiltersAndTotals)
{
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    okno.otworz();
    EXPECT_EQ(kolumna(0), L({"1", "2", "3", "4"}));
    EXPECT_EQ(suma(), QStringLiteral("124,75"));
    EXPECT_EQ(siatka()->cellBackground(1, 6), QColor(0, 255, 0));
    EXPECT_EQ(siatka()->cellBackground(1, 9), QColor(255, 192, 192));
    QAbstractItemModelTester tester(siatka()->gridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);

    w("TxtSkrot")->setText(QStringLiteral("alfa"));
    w("txtOddata")->setText(QStringLiteral("30-12-2025"));
    kliknij("cmdWybrane");
    // Nrkol stays the position in the file.
    EXPECT_EQ(kolumna(0), L({"3"}));
    EXPECT_EQ(suma(), QStringLiteral("1,25"));

    w("TxtSkrot")->setText(QStringLiteral("Wszystkie"));
    w("txtOddata")->setText({});
    w("txtDoData")->setText(QStringLiteral("05-01-2026"));
    kliknij("cmdWybrane");
    EXPECT_EQ(kolumna(0), L({"1", "2"}));

    w("txtDoData")->setText(QStringLiteral("5-1"));
    kliknij("cmdWybrane");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Błąd !"));
    EXPECT_EQ(kolumna(0), L({"1", "2"}));
}

TEST_F(OknoHistorii, DeletingFromAFilteredListDeletesThatRecord)
{
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    okno.otworz();
    w("TxtSkrot")->setText(QStringLiteral("ALFA"));
    kliknij("cmdWybrane");
    ASSERT_EQ(kolumna(0), L({"1", "3"}));
    siatka()->selectRow(2);

    d.answer(Answer::Cancel);
    kliknij("cmdUsuń");
    EXPECT_EQ(naDysku(), plikZ(wyslane()));

    d.answer(Answer::Ok);
    kliknij("cmdUsuń");
    EXPECT_EQ(naDysku(), plikZ({wyslane()[0], wyslane()[1], wyslane()[3]}));
    EXPECT_EQ(kolumna(0), L({"1"}));
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].buttons, Buttons::OkCancel);
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Pytanie"));

    // Nothing selected now: nothing left to delete.
    kliknij("cmdUsuń");
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Juz nie ma co usuwać !"));
}

TEST_F(OknoHistorii, DeleteEverythingAsksAndReportsAMissingFile)
{
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    okno.otworz();
    d.answer(Answer::Cancel);
    kliknij("UsunWszystko");
    EXPECT_TRUE(dir.exists(QStringLiteral("ABC.dat")));
    EXPECT_EQ(siatka()->rowCount(), 5);

    d.answer(Answer::Ok);
    kliknij("UsunWszystko");
    EXPECT_FALSE(dir.exists(QStringLiteral("ABC.dat")));
    EXPECT_EQ(siatka()->rowCount(), 1);
    EXPECT_EQ(suma(), QStringLiteral("0,00"));

    d.answer(Answer::Ok);
    kliknij("UsunWszystko");
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Brak zbioru !"));
    EXPECT_EQ(d.shown().last().title, QStringLiteral("Błąd"));
}

TEST_F(OknoHistorii, ArchiveAndArchivedYear)
{
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    okno.otworz();

    w("txtROKA")->setText(QStringLiteral("26"));
    kliknij("cmdArchiwizacjaRoku");
    kliknij("cmdPodgladRoku");
    for (const ShownBox& b : d.shown()) {
        EXPECT_EQ(b.text, QStringLiteral(" Źle wpisany rok !"));
        EXPECT_EQ(b.title, QStringLiteral("Błąd !"));
    }
    d.clear();

    w("txtROKA")->setText(QStringLiteral("2026"));
    d.answer(Answer::Cancel);
    kliknij("cmdArchiwizacjaRoku");
    EXPECT_EQ(naDysku(), plikZ(wyslane()));
    EXPECT_FALSE(dir.exists(QStringLiteral("ABC2026.arh")));

    d.answer(Answer::Ok);
    kliknij("cmdArchiwizacjaRoku");
    EXPECT_EQ(d.shown().last().text, QStringLiteral(" Archiwizacja Roku 2026 Wykonane "));
    EXPECT_EQ(naDysku(), plikZ({wyslane()[0]}));
    EXPECT_EQ(naDysku("ABC2026.arh"), plikZ(wyslane().mid(1)));
    EXPECT_EQ(kolumna(0), L({"1"}));

    kliknij("cmdPodgladRoku");
    EXPECT_EQ(kolumna(0), L({"1", "2", "3"}));
    EXPECT_EQ(kolumna(6), L({"20,00", "1,25", "3,00"}));
    EXPECT_EQ(suma(), QStringLiteral("24,25"));

    w("txtROKA")->setText(QStringLiteral("2024"));
    kliknij("cmdPodgladRoku");
    EXPECT_EQ(d.shown().last().text, QStringLiteral("Brak zbioru !"));
}

TEST_F(OknoHistorii, DamagedFileIsReportedAndKeptUnlessConfirmed)
{
    const QByteArray bajty = plikZ(wyslane()) + "\"Firma X\",\"Imi";
    dir.writeBytes(QStringLiteral("ABC.dat"), bajty);
    okno.otworz();
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_TRUE(d.shown()[0].text.contains(dir.file(QStringLiteral("ABC.dat"))));
    EXPECT_EQ(siatka()->rowCount(), 5);

    siatka()->selectRow(1);
    d.answer(Answer::Ok);      // delete record 1
    d.answer(Answer::Cancel);  // but do not drop the damaged tail
    kliknij("cmdUsuń");
    EXPECT_EQ(naDysku(), bajty);
}

TEST(OknoHistoriiQt, DeleteConfirmedWithTheRealBoxes)
{
    FolderDanych f(kBezPaczek);
    f.firma(QStringLiteral("ABC"));
    f.dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    Session& s = f.s;
    QtDialogs dialogs;
    frmHistoria okno(s, dialogs);
    okno.otworz();
    okno.findChild<Grid*>(QStringLiteral("MSFlexGrid1"))->selectRow(4);
    KeyboardAnswers keys;
    keys.keys({KeyboardAnswers::Key{Qt::Key_Return}});
    QTest::mouseClick(okno.findChild<QPushButton*>(QStringLiteral("cmdUsuń")), Qt::LeftButton);
    EXPECT_EQ(keys.faults(), 0);
    ASSERT_EQ(keys.seen().size(), 1);
    EXPECT_EQ(keys.seen()[0].title, QStringLiteral("Pytanie"));
    EXPECT_EQ(f.dir.readBytes(QStringLiteral("ABC.dat")), plikZ(wyslane().mid(0, 3)));
}

TEST(HistoriaWiersze, LazyRowsBehindTheGrid)
{
    auto p = std::make_shared<PlikHistorii>(PlikHistorii::zBajtow(plikZ(wyslane()), kUkladPrzelewu));
    Grid g;
    g.setColumns(naglowkiHistorii());
    g.setRowSource(std::make_shared<HistoriaWiersze>(p, std::vector<int>{1, 3}));
    QAbstractItemModelTester tester(g.gridModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.text(2, 0), QStringLiteral("4"));
    EXPECT_EQ(g.text(2, 18), QStringLiteral("GAMMA"));
    g.removeRow(1);
    EXPECT_EQ(g.rowCount(), 2);
    EXPECT_EQ(g.text(1, 18), QStringLiteral("GAMMA"));
    // A change of one cell turns the rows into the grid's own; the rest stays.
    g.setText(1, 7, QStringLiteral("zmiana"));
    g.addRow(QStringLiteral("9\tX"));
    EXPECT_EQ(g.rowCount(), 3);
    EXPECT_EQ(g.text(1, 18), QStringLiteral("GAMMA"));
    EXPECT_EQ(g.text(1, 7), QStringLiteral("zmiana"));
    EXPECT_EQ(g.cellBackground(1, 6), QColor(0, 255, 0));
    EXPECT_EQ(g.text(2, 1), QStringLiteral("X"));
}

TEST_F(OknoHistorii, PrintsTheFilteredListOrSaysItWasCancelled)
{
    dir.writeBytes(QStringLiteral("ABC.dat"), plikZ(wyslane()));
    okno.otworz();
    w("TxtSkrot")->setText(QStringLiteral("ALFA"));
    kliknij("cmdDrukujH");
    ASSERT_EQ(drukarka.zadania.size(), 1);
    const QList<PrintLine>& linie = drukarka.zadania[0].pages()[0].lines;
    EXPECT_EQ(linie[0].text, QStringLiteral(" Zestawienie wysłanych przelewów  dla ALFA"));
    EXPECT_TRUE(linie[4].text.startsWith(QStringLiteral("!   1!2025-12-30!ALFA    !")));
    EXPECT_TRUE(linie[6].text.startsWith(QStringLiteral("!   2!2026-01-05!ALFA    !")));
    EXPECT_EQ(w<QLabel>("lbDrukowanie")->text(), QStringLiteral("                 Drukowanie zakończone !"));
    EXPECT_TRUE(d.shown().isEmpty());

    drukarka.wynik = WynikWydruku::Rezygnacja;
    kliknij("cmdDrukujH");
    ASSERT_EQ(d.shown().size(), 1);
    EXPECT_EQ(d.shown()[0].text, QStringLiteral("Zrezygnowałeś z drukowania !"));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral("Rezygnacja"));
}

TEST_F(OknoHistorii, DeleteEverythingKeepsAnAutomaticBackupFirst)
{
    const QByteArray przed = plikZ(wyslane());
    dir.writeBytes(QStringLiteral("ABC.dat"), przed);
    okno.otworz();
    // Backups of this test go to a folder of its own; the remembered folder is
    // given back at the end.
    struct Przywroc {
        QString folder = folderKopii();
        ~Przywroc() { zapamietajFolderKopii(folder); }
    } przywroc;
    TempFolder folderTestu;
    const QString kopie = folderTestu.file(QStringLiteral("kopie"));
    const auto automatyczne = [&] { return QDir(kopie).entryList({QStringLiteral("Remitto_ABC_*_auto.zip")}); };
    const qsizetype bylo = automatyczne().size();

    // The backup cannot be written (its folder is a file): asked, and Cancel keeps the history.
    TempFolder inny;
    inny.writeBytes(QStringLiteral("plik"), "x");
    zapamietajFolderKopii(inny.file(QStringLiteral("plik")));
    d.answer(Answer::Ok);
    d.answer(Answer::Cancel);
    kliknij("UsunWszystko");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_TRUE(d.shown().at(1).text.startsWith(
        QStringLiteral("Automatyczna kopia bezpieczeństwa przed tą zmianą nie powiodła się:\n")));
    EXPECT_TRUE(d.shown().at(1).text.endsWith(QStringLiteral("\n\nKontynuować bez kopii ?")));
    EXPECT_EQ(naDysku(), przed);

    zapamietajFolderKopii(kopie);
    d.clear();
    d.answer(Answer::Ok);
    kliknij("UsunWszystko");
    EXPECT_FALSE(dir.exists(QStringLiteral("ABC.dat")));
    ASSERT_EQ(automatyczne().size(), bylo + 1);
    TempFolder odtworzone;
    QStringList nowe = automatyczne();
    nowe.sort();
    const WynikOdtworzenia o = odtworzDoNowegoFolderu(kopie + QLatin1Char('/') + nowe.last(),
                                                      odtworzone.file(QStringLiteral("stan")));
    ASSERT_EQ(o.wynik, WynikKopii::Zrobione) << o.blad.toStdString();
    EXPECT_EQ(odtworzone.readBytes(QStringLiteral("stan/ABC.dat")), przed);
}
