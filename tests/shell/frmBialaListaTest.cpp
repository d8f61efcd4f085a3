// "Biała lista VAT..." of the Globalne menu: the flat file chosen and
// remembered, every contractor with a NIP or an account checked, the report
// kept in the data folder and the list saved as PDF.
#include "Budowa.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "PlikPlaski.h"

#include "contractors/Kontrahent.h"
#include "contractors/RaportBialejListy.h"
#include "contractors/frmBialaLista.h"
#include "core/Session.h"
#include "shell/frmPrzelewA.h"
#include "ui/Grid.h"

#include <QAction>
#include <QBrush>
#include <QColor>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using namespace remitto::kontrahenci;
using namespace Qt::StringLiterals;
using remitto::test::ScriptedDialogs;
using remitto::test::TempFolder;

namespace {

Kontrahent kontrahent(int nr, const QString& skrot, const QString& nip, const QString& konto)
{
    Kontrahent k;
    k[NrKol] = QString::number(nr);
    k[NazwaKontrahenta] = u"Firma "_s + skrot;
    k[SkrotK] = skrot;
    k[NipKontr] = nip;
    k[NrRachunku1K] = konto;
    return k;
}

} // namespace

TEST(frmBialaLista, MenuEntryChecksTheContractorsKeepsTheReportAndSavesThePdf)
{
    TempFolder dir;
    Session session;
    ScriptedDialogs dialogs;
    session.clock.setSource([] { return QDateTime(QDate(2026, 12, 10), QTime(9, 15)); });
    test::folderStartowy(dir, u"ALFA"_s, u"Firma ALFA"_s);
    ASSERT_TRUE(zapiszKontrahentow(dir.file(kPlikKontrahentow),
                                   {kontrahent(1, u"CZYNNY"_s, u"5260250274"_s, u"61109010140000071219812874"_s),
                                    kontrahent(2, u"OSOBA"_s, QString(), QString()),
                                    kontrahent(3, u"OBCY"_s, u"1234563218"_s, u"12345678901234567890123456"_s)}));
    dir.writeBytes(u"20261210.json"_s, test::plikPlaski("20261210", {{"5260250274", "61109010140000071219812874"}}));

    frmPrzelewA glowne(session, dialogs);
    glowne.uruchom(dir.path());
    QAction* wpis = glowne.findChild<QAction*>(u"mnuBialaLista"_s);
    ASSERT_NE(wpis, nullptr);
    EXPECT_EQ(wpis->text(), u"Biała lista VAT..."_s);
    wpis->trigger();
    auto* okno = glowne.findChild<frmBialaLista*>();
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(okno->isVisible());
    okno->setFolderPamieci(dir.file(u"pamiec"_s));
    QString proponowanyPdf;
    okno->setWyborPliku([&](bool zapis, const QString& proponowany) {
        if (!zapis)
            return dir.file(u"20261210.json"_s);
        proponowanyPdf = proponowany;
        return dir.file(u"lista.pdf"_s);
    });

    QTest::mouseClick(okno->findChild<QPushButton*>(u"cmdWybierz"_s), Qt::LeftButton);
    QTest::mouseClick(okno->findChild<QPushButton*>(u"cmdSprawdz"_s), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown().isEmpty()) << qPrintable(dialogs.texts().join(u'\n'));
    auto* grd = okno->findChild<Grid*>(u"grdWyniki"_s);
    ASSERT_EQ(grd->rowCount(), 3);  // the header and two rows: neither NIP nor account is left out
    EXPECT_EQ(grd->text(1, 0), u"czynny"_s);
    EXPECT_EQ(grd->text(2, 0), u"nie figuruje"_s);
    EXPECT_EQ(QSettings().value(u"bialaLista/plik"_s).toString(), dir.file(u"20261210.json"_s));  // remembered

    const QString raport = dir.readText(u"BialaLista/20261210.txt"_s);
    EXPECT_TRUE(raport.contains(u"Data pliku płaskiego: 20261210\r\n"_s)) << qPrintable(raport);
    EXPECT_TRUE(raport.contains(u"5260250274;61109010140000071219812874;czynny;CZYNNY;Firma CZYNNY\r\n"_s));
    EXPECT_TRUE(raport.contains(u"1234563218;12345678901234567890123456;nie figuruje;OBCY;Firma OBCY\r\n"_s));

    QTest::mouseClick(okno->findChild<QPushButton*>(u"cmdPdf"_s), Qt::LeftButton);
    EXPECT_EQ(proponowanyPdf, dir.file(u"BialaLista/20261210.pdf"_s));
    EXPECT_TRUE(dir.readBytes(u"lista.pdf"_s).startsWith("%PDF"));
    ASSERT_EQ(dialogs.shown().size(), 1);
    EXPECT_EQ(dialogs.shown()[0].text, u"Zapisano "_s + dir.file(u"lista.pdf"_s));

    // Opened again (next run), the window offers the remembered file.
    frmBialaLista drugie(session, dialogs);
    drugie.otworz();
    EXPECT_EQ(drugie.findChild<QLineEdit*>(u"txtPlik"_s)->text(), dir.file(u"20261210.json"_s));
    QSettings().remove(u"bialaLista"_s);
}

namespace {

QColor kolor(const Grid* grd, int wiersz, int kolumna, int rola)
{
    return grd->model()->index(wiersz - 1, kolumna).data(rola).value<QBrush>().color();
}

} // namespace

// The result is the first column, in sight at once, and its cell is coloured
// by kind: green for a pair on the list, red for one that is not, amber for
// an account too short to check and grey for nothing to check.
TEST(frmBialaLista, ResultComesFirstColouredByKind)
{
    TempFolder dir;
    Session session;
    ScriptedDialogs dialogs;
    session.SciezkaProgramu = dir.path();
    session.DataDzis = u"10-12-2026"_s;
    ASSERT_TRUE(zapiszKontrahentow(dir.file(kPlikKontrahentow),
                                   {kontrahent(1, u"CZYNNY"_s, u"5260250274"_s, u"61109010140000071219812874"_s),
                                    kontrahent(2, u"OBCY"_s, u"1234563218"_s, u"12345678901234567890123456"_s),
                                    kontrahent(3, u"ZWOLNIONY"_s, u"7740001454"_s, u"11114015601081110181488249"_s),
                                    kontrahent(4, u"KROTKIE"_s, u"7740001454"_s, u"1234"_s),
                                    kontrahent(5, u"BEZKONTA"_s, u"7740001454"_s, QString())}));
    dir.writeBytes(u"20261210.json"_s, test::plikPlaski("20261210", {{"5260250274", "61109010140000071219812874"}},
                                                         {{"7740001454", "11114015601081110181488249"}}));
    QSettings ustawienia(dir.file(u"ustawienia.ini"_s), QSettings::IniFormat);
    frmBialaLista okno(session, dialogs);
    okno.setSettings(&ustawienia);
    okno.setFolderPamieci(dir.file(u"pamiec"_s));
    okno.otworz();
    auto* plik = okno.findChild<QLineEdit*>(u"txtPlik"_s);
    plik->clear();
    QTest::keyClicks(plik, dir.file(u"20261210.json"_s));
    QTest::mouseClick(okno.findChild<QPushButton*>(u"cmdSprawdz"_s), Qt::LeftButton);
    EXPECT_TRUE(dialogs.shown().isEmpty()) << qPrintable(dialogs.texts().join(u'\n'));

    auto* grd = okno.findChild<Grid*>(u"grdWyniki"_s);
    ASSERT_NE(grd, nullptr);
    const QStringList naglowki = {u"Wynik"_s, u"Skrót"_s, u"Nazwa"_s, u"NIP"_s, u"Numer konta"_s};
    for (int c = 0; c < naglowki.size(); ++c)
        EXPECT_EQ(grd->text(0, c), naglowki[c]);
    ASSERT_EQ(grd->rowCount(), 6);
    const QStringList wyniki = {u"czynny"_s, u"nie figuruje"_s, u"zwolniony"_s, u"konto niepełne"_s,
                                u"brak NIP lub konta"_s};
    for (int r = 1; r <= wyniki.size(); ++r)
        EXPECT_EQ(grd->text(r, 0), wyniki[r - 1]) << r;
    EXPECT_EQ(grd->rowTexts(1), (QStringList{u"czynny"_s, u"CZYNNY"_s, u"Firma CZYNNY"_s, u"5260250274"_s,
                                             u"61109010140000071219812874"_s}));
    EXPECT_EQ(grd->columnViewportPosition(0), 0);  // in sight without scrolling

    const QColor czynny = kolor(grd, 1, 0, Qt::BackgroundRole);
    const QColor obcy = kolor(grd, 2, 0, Qt::BackgroundRole);
    EXPECT_GT(czynny.green(), czynny.red());
    EXPECT_GT(obcy.red(), obcy.green());
    EXPECT_EQ(kolor(grd, 3, 0, Qt::BackgroundRole), czynny);  // exempt is on the list too
    EXPECT_GT(kolor(grd, 1, 0, Qt::ForegroundRole).green(), kolor(grd, 1, 0, Qt::ForegroundRole).red());
    EXPECT_GT(kolor(grd, 2, 0, Qt::ForegroundRole).red(), kolor(grd, 2, 0, Qt::ForegroundRole).green());
    const QColor krotkie = kolor(grd, 4, 0, Qt::BackgroundRole);
    const QColor bezKonta = kolor(grd, 5, 0, Qt::BackgroundRole);
    for (const QColor& c : {krotkie, bezKonta}) {
        EXPECT_TRUE(c.isValid());
        EXPECT_NE(c, czynny);
        EXPECT_NE(c, obcy);
    }
    EXPECT_EQ(bezKonta.red(), bezKonta.green());  // grey
    EXPECT_FALSE(grd->model()->index(1, 2).data(Qt::BackgroundRole).isValid());  // other columns plain
}
