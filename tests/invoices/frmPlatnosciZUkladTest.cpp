// The payments window as it looks on a 1440 x 900 screen: room for both
// grids, a split the user moves and that is kept, and columns wide enough
// for their values.
#include "invoices/frmPlatnosciZ.h"

#include "core/Session.h"
#include "shop/ListaFaktur.h"
#include "ui/Grid.h"

#include "DrzewoFaktur.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSettings>
#include <QSplitter>
#include <QTest>
#include <gtest/gtest.h>

using namespace remitto;
using remitto::test::DrzewoFaktur;
using remitto::test::ScriptedDialogs;

namespace {

const QString kKluczPodzialu = QStringLiteral("Uklad/frmPlatnosciZ/splFakturyPrzelewy");

class UkladPlatnosci : public ::testing::Test, public DrzewoFaktur {
protected:
    UkladPlatnosci()
    {
        QSettings().remove(kKluczPodzialu);
        s.clock.setSource([] { return QDateTime(QDate(2020, 7, 20), QTime(10, 0)); });
        s.DataRobocza = QStringLiteral("17-07-2020");
        s.SciezkaKramix = kramix();
        s.FolderFirmyKramix = firma;
        numeracja(QStringLiteral("20"), {0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0});
        for (int n = 1; n <= 3; ++n) {
            const QString plik = QStringLiteral("Fz20070000%1.dat").arg(n);
            QStringList h = naglowek(plik);
            h[1] = QStringLiteral("Przedsiębiorstwo Handlowo-Usługowe nr %1").arg(n);
            faktura(plik, h, {pozycja(QStringLiteral("1003713,73"), QStringLiteral("1"), QStringLiteral("1003713,73"),
                                      QStringLiteral("23"), QStringLiteral("1234567,89"))});
        }
    }
    ~UkladPlatnosci() override { QSettings().remove(kKluczPodzialu); }

    /// Opens the window at the size it takes on a 1440 x 900 screen.
    void otworz(frmPlatnosciZ& okno)
    {
        okno.otworz();
        okno.resize(1400, 840);
        QTest::qWait(50);
    }
    static int wiersze(Grid* g) { return g->viewport()->height() / g->verticalHeader()->defaultSectionSize(); }

    Session s;
    ScriptedDialogs d;
};

} // namespace

TEST_F(UkladPlatnosci, BothGridsHaveRoomAndTheSplitTheUserMovesIsKept)
{
    int faktury = 0;
    {
        frmPlatnosciZ okno(s, d);
        otworz(okno);
        auto* listaFaktur = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid11"));
        auto* przelewy = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid1"));
        EXPECT_GE(wiersze(listaFaktur), 12);
        EXPECT_GE(wiersze(przelewy), 7);

        // The user drags the bar between them 100 points up.
        auto* podzial = okno.findChild<QSplitter*>(QStringLiteral("splFakturyPrzelewy"));
        ASSERT_NE(podzial, nullptr);
        QWidget* uchwyt = podzial->handle(1);
        const QPoint srodek = uchwyt->rect().center();
        QTest::mousePress(uchwyt, Qt::LeftButton, {}, srodek);
        QMouseEvent ruch(QEvent::MouseMove, srodek - QPoint(0, 100), uchwyt->mapToGlobal(srodek - QPoint(0, 100)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(uchwyt, &ruch);
        QTest::mouseRelease(uchwyt, Qt::LeftButton, {}, srodek - QPoint(0, 100));
        faktury = podzial->sizes().value(0);
        EXPECT_GE(wiersze(przelewy), 11);
        EXPECT_GE(wiersze(listaFaktur), 8);
    }
    frmPlatnosciZ okno(s, d);
    otworz(okno);
    EXPECT_EQ(okno.findChild<QSplitter*>(QStringLiteral("splFakturyPrzelewy"))->sizes().value(0), faktury);
}

TEST_F(UkladPlatnosci, AmountsAccountsAndDatesAreNotCut)
{
    frmPlatnosciZ okno(s, d);
    otworz(okno);
    Grid* g = okno.findChild<Grid*>(QStringLiteral("MSFlexGrid11"));
    ASSERT_EQ(g->rowCount(), 4);
    const QFontMetrics fm = g->fontMetrics();
    for (int k : {int(kol::Netto), int(kol::Brutto), int(kol::DataZakupu), int(kol::Termin), int(kol::DoSplaty),
                  int(kol::Konto), int(kol::Nazwa)}) {
        for (int r = 1; r < g->rowCount(); ++r)
            EXPECT_GE(g->columnWidth(k), fm.horizontalAdvance(g->text(r, k))) << k << " " << g->text(r, k).toStdString();
    }
    EXPECT_EQ(g->text(1, kol::Brutto), QStringLiteral("1234567,89"));
}
