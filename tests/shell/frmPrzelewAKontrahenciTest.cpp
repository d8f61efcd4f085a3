// "&Kontrahenci" of the main window opens the contractor list.
#include "contractors/frmKontrahenci.h"
#include "contractors/Kontrahent.h"
#include "core/Session.h"
#include "shell/Instalka.h"
#include "shell/MojaFirma.h"
#include "shell/frmPrzelewA.h"
#include "ui/Grid.h"

#include "KontrahenciPliki.h"
#include "ScriptedDialogs.h"
#include "TempFolder.h"

#include <QAction>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

TEST(MenuKontrahenci, OpensTheContractorListOrEndsWithoutThePassword)
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
            ASSERT_NE(okno.oknoKontrahentow(), nullptr);
            EXPECT_TRUE(okno.oknoKontrahentow()->isVisible());
            EXPECT_EQ(okno.oknoKontrahentow()->siatka()->text(1, 1), u"Alfa"_s);
            EXPECT_EQ(koniec.size(), 0);
        } else {
            EXPECT_EQ(okno.oknoKontrahentow(), nullptr);
            EXPECT_EQ(koniec.size(), 1);
        }
    }
}

} // namespace
} // namespace remitto
