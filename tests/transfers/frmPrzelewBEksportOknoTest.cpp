// The export area of the transfer window: the buttons on a package added in
// the window, checked on the files on disk.
#include "transfers/frmPrzelewB.h"

#include "core/Session.h"
#include "transfers/Paczki.h"
#include "ui/Grid.h"

#include "Budowa.h"
#include "ScriptedDialogs.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::test;

TEST(OknoEksportu, PackageGoesToEcorponetAndItsFileCanBeDeleted)
{
    FolderDanych f(kBezPaczek);
    f.dzien(QStringLiteral("09-12-2026")).firma(QStringLiteral("ALFA")).ustawienia();
    Session& s = f.s;
    const auto& dir = f.dir;
    s.KontoWybrane = QStringLiteral("61109010140000071219812874");
    ScriptedDialogs d;
    frmPrzelewB okno(s, d);
    okno.otworz();
    auto pole = [&](const char* n) { return okno.findChild<QLineEdit*>(QString::fromLatin1(n)); };
    auto kliknij = [&](const char* n) {
        QTest::mouseClick(okno.findChild<QPushButton*>(QString::fromLatin1(n)), Qt::LeftButton);
    };
    pole("txtNazwa1K")->setText(QStringLiteral("Młyn Żuraw"));
    pole("txtKontoK")->setText(QStringLiteral("61109010140000071219812874"));
    pole("txtKwotaBrutto")->setText(QStringLiteral("1234,56"));
    pole("txtTytulem1")->setText(QStringLiteral("mąka żytnia"));
    kliknij("cmdDoPaczki");
    d.clear();

    kliknij("cmdDoEcorponet");
    ASSERT_EQ(d.texts(), (QStringList{QStringLiteral("Czy napewno chcesz przenieść płatność z tych faktur do przelewu ?"),
                                      QStringLiteral("Paczka została przeniesiona")}));
    EXPECT_EQ(d.shown()[0].title, QStringLiteral(" Faktury z przelewów z Paczki nr 1 oznaczone zostaną jako zapłacone !"));
    const QByteArray linia = dir.readBytes(QStringLiteral("DoECorponet/ALFA202612_01.TXT"));
    EXPECT_TRUE(linia.startsWith("110,20261209,00000000000123456,86020000,0,"));
    EXPECT_TRUE(linia.contains("\"M\xB3yn \xAFuraw||"));  // Windows-1250, name as typed
    EXPECT_TRUE(linia.contains("\"M\xA5KA \xAFYTNIA"));
    EXPECT_TRUE(linia.endsWith("\"51\"\r\n"));
    EXPECT_EQ(czytajPaczke(dir.file(QStringLiteral("ALFA.dat"))).rekordy.size(), 1);
    EXPECT_EQ(czytajPaczke(dir.file(QStringLiteral("Paczki/Paczka202612_01.dta"))).rekordy.value(0).status, kZamknieta);
    EXPECT_EQ(okno.findChild<QLabel*>(QStringLiteral("Label31"))->text(), kZamknieta);
    auto* pliki = okno.findChild<QListWidget*>(QStringLiteral("FileList1"));
    ASSERT_EQ(pliki->count(), 1);
    EXPECT_EQ(pliki->item(0)->text(), QStringLiteral("ALFA202612_01.TXT"));

    // A second press is refused and changes nothing.
    d.clear();
    kliknij("cmdDoEcorponet");
    ASSERT_EQ(d.shown().size(), 2);
    EXPECT_EQ(d.shown()[1].title, QStringLiteral("Sprawdź numeracje paczek"));
    EXPECT_EQ(dir.readBytes(QStringLiteral("DoECorponet/ALFA202612_01.TXT")), linia);

    // Deleting the selected export file.
    pliki->setCurrentRow(0);
    d.clear();
    d.answer(Answer::Ok);
    kliknij("CmdUsunWskazanPaczke");
    EXPECT_EQ(d.texts(), (QStringList{QStringLiteral("Czy napewno chcesz usunąć wskazaną paczkę z Katalogu Paczek  ?"),
                                      QStringLiteral("Paczkę usunieto !")}));
    EXPECT_FALSE(dir.exists(QStringLiteral("DoECorponet/ALFA202612_01.TXT")));
    EXPECT_EQ(pliki->count(), 0);
    EXPECT_EQ(okno.findChild<Grid*>(QStringLiteral("MSFlexGrid1"))->rowCount(), 1);
    EXPECT_EQ(czytajPaczke(dir.file(QStringLiteral("Paczki/Paczka202612_01.dta"))).rekordy.value(0).status, kZamknieta);
}
