// "&Kontrahenci" of the main window opens the transfer window, from which the
// contractor list is opened.
#include "contractors/frmKontrahenci.h"
#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "transfers/frmPrzelewB.h"
#include "ui/Grid.h"

#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

TEST(MenuKontrahenci, OpensTheTransferWindowAndItsContractorListOrEndsWithoutThePassword)
{
    for (const QString& haslo : {QString(), u"tajne"_s}) {
        test::TempFolder dir;
        Session s;
        test::ScriptedDialogs d;
        writeInstalka(dir.path(), {haslo, dir.path(), u"L"_s, QString(), u"1"_s, u"1"_s, u"F-ra nr."_s});
        Firma f;
        f.nrId = u"1"_s;
        f.skrot = u"ALFA"_s;
        writeMojaFirma(dir.file(kPlikMojaFirma), {f});
        ASSERT_TRUE(kontrahenci::zapiszKontrahentow(dir.file(kontrahenci::kPlikKontrahentow),
                                                    {test::pelnyKontrahent(1, u"Alfa"_s, u"A"_s)}));
        frmPrzelewA okno(s, d);
        QSignalSpy koniec(&okno, &frmPrzelewA::programZakonczony);
        okno.uruchom(dir.path());
        QAction* kotr = okno.findChild<QAction*>(u"kotr"_s);
        ASSERT_NE(kotr, nullptr);
        EXPECT_TRUE(kotr->isEnabled());
        kotr->trigger();
        if (haslo.isEmpty()) {
            frmPrzelewB* przelew = okno.oknoPrzelewu();
            ASSERT_NE(przelew, nullptr);
            EXPECT_TRUE(przelew->isVisible());
            EXPECT_EQ(koniec.size(), 0);
            QTest::mouseClick(przelew->findChild<QPushButton*>(u"cmdPodglad"_s), Qt::LeftButton);
            frmKontrahenci* lista = przelew->findChild<frmKontrahenci*>();
            ASSERT_NE(lista, nullptr);
            EXPECT_TRUE(lista->isVisible());
            EXPECT_EQ(lista->siatka()->text(1, 1), u"Alfa"_s);
            // The list's "&Do przelewu" fills the transfer window.
            lista->siatka()->setCurrentCell(1, 1);
            QTest::mouseClick(lista->findChild<QPushButton*>(u"cmdZakup"_s), Qt::LeftButton);
            EXPECT_FALSE(lista->isVisible());
            EXPECT_EQ(przelew->findChild<QLineEdit*>(u"txtNazwa1K"_s)->text(), u"Alfa"_s);
        } else {
            EXPECT_EQ(okno.oknoPrzelewu(), nullptr);
            EXPECT_EQ(koniec.size(), 1);
        }
    }
}

} // namespace
} // namespace remitto
