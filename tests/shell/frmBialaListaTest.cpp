// "Biała lista VAT..." of the Globalne menu: the flat file chosen and
// remembered, every contractor with a NIP or an account checked, the report
// kept in the data folder and the list saved as PDF.
#include "ScriptedDialogs.h"
#include "TempFolder.h"
#include "PlikPlaski.h"

#include "contractors/Kontrahent.h"
#include "contractors/RaportBialejListy.h"
#include "contractors/frmBialaLista.h"
#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "ui/Grid.h"

#include <QAction>
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
    Firma f;
    f.nrId = u"1"_s;
    f.skrot = u"ALFA"_s;
    f.nazwa = u"Firma ALFA"_s;
    writeMojaFirma(dir.file(u"MojaFirma.txt"_s), {f});
    writeInstalka(dir.path(), {QString(), dir.path(), u"L"_s, QString(), u"1"_s, u"1"_s, u"F-RA NR."_s});
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
    EXPECT_EQ(grd->text(1, 4), u"czynny"_s);
    EXPECT_EQ(grd->text(2, 4), u"nie figuruje"_s);
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
