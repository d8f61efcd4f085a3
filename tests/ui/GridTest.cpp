#include "ui/Grid.h"

#include <QAbstractItemModelTester>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace remitto {
namespace {

QStringList col(const Grid& g, int c)
{
    QStringList out;
    for (int r = 1; r < g.rowCount(); ++r)
        out << g.text(r, c);
    return out;
}

class GridTest : public ::testing::Test {
protected:
    GridTest()
    {
        g.setColumns({u"Nr"_s, u"Nazwa"_s, u"Kwota"_s}, {600, 3000, 1500});
        g.resize(400, 300);
    }
    Grid g;
};

TEST_F(GridTest, HeaderRowWidthsAndFixedFirstColumn)
{
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.columnCount(), 3);
    EXPECT_EQ(g.text(0, 1), u"Nazwa"_s);
    EXPECT_EQ(g.text(0, 7), QString());
    EXPECT_EQ(g.columnWidth(1), 200);
    EXPECT_EQ(g.columnWidth(2), 100);
    // Column 0 stands in the vertical header, which does not scroll sideways.
    EXPECT_TRUE(g.isColumnHidden(0));
    EXPECT_EQ(g.verticalHeader()->width(), 40);
    g.addRow(u"7\tAla"_s);
    EXPECT_EQ(g.model()->headerData(0, Qt::Vertical).toString(), u"7"_s);
    // Filling and sorting keep the layout.
    g.setRows({{u"2"_s, u"b"_s}, {u"1"_s, u"a"_s}});
    g.sortRows(1, 2, 1);
    EXPECT_TRUE(g.isColumnHidden(0));
    EXPECT_EQ(g.columnWidth(1), 200);

    g.setText(0, 2, u"Brutto"_s);
    EXPECT_EQ(g.text(0, 2), u"Brutto"_s);
    g.setCellBold(0, 1, true);
    g.setHeaderForeground(Qt::red);
    EXPECT_TRUE(g.model()->headerData(1, Qt::Horizontal, Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(g.model()->headerData(2, Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color(), QColor(Qt::red));
}

TEST_F(GridTest, RowsFromTabsAndListsAndRemoval)
{
    EXPECT_EQ(g.addRow(u"1\tKowalski\t12,50"_s), 1);
    EXPECT_EQ(g.addRow(QStringList{u"2"_s, u"Nowak"_s}), 2);
    EXPECT_EQ(g.addRow(u"3\tZ\t1\tnadmiar"_s), 3);  // cells past the last column are dropped
    EXPECT_EQ(g.rowCount(), 4);
    EXPECT_EQ(g.text(1, 2), u"12,50"_s);
    EXPECT_EQ(g.text(2, 2), QString());
    EXPECT_EQ(g.rowTexts(3), (QStringList{u"3"_s, u"Z"_s, u"1"_s}));
    EXPECT_EQ(g.text(9, 1), QString());

    g.setText(2, 2, u"5"_s);
    EXPECT_EQ(g.text(2, 2), u"5"_s);
    g.removeRow(0);  // the header row stays
    g.removeRow(9);
    EXPECT_EQ(g.rowCount(), 4);
    g.removeRow(2);
    EXPECT_EQ(col(g, 1), (QStringList{u"Kowalski"_s, u"Z"_s}));
    g.clearRows();
    EXPECT_EQ(g.rowCount(), 1);
    EXPECT_EQ(g.text(0, 1), u"Nazwa"_s);
}

TEST_F(GridTest, SortComparesNumbersAsNumbersAndTextInPolishOrderKeepingEqualRows)
{
    g.setRows({
        {u"1"_s, u"Łukasz"_s, u"10"_s},
        {u"2"_s, u"lech"_s, u"9,5"_s},
        {u"3"_s, u"Zenon"_s, u"100"_s},
        {u"4"_s, u"Adam"_s, u"abc"_s},
        {u"5"_s, u"Lech"_s, u"-3"_s},
        {u"6"_s, u"Ćma"_s, u""_s},
    });
    g.sortRows(1, 6, 1);
    EXPECT_EQ(col(g, 1), (QStringList{u"Adam"_s, u"Ćma"_s, u"lech"_s, u"Lech"_s, u"Łukasz"_s, u"Zenon"_s}));

    g.sortRows(1, 6, 2);
    EXPECT_EQ(col(g, 2).mid(0, 4), (QStringList{u""_s, u"-3"_s, u"9,5"_s, u"10"_s}));
    EXPECT_EQ(col(g, 2).mid(4), (QStringList{u"100"_s, u"abc"_s}));

    g.sortRows(1, 6, 0, true);
    EXPECT_EQ(col(g, 0), (QStringList{u"6"_s, u"5"_s, u"4"_s, u"3"_s, u"2"_s, u"1"_s}));
    // Only the range given moves.
    g.sortRows(2, 4, 0);
    EXPECT_EQ(col(g, 0), (QStringList{u"6"_s, u"3"_s, u"4"_s, u"5"_s, u"2"_s, u"1"_s}));
}

TEST_F(GridTest, CellStylesTravelWithTheirRowsAndBoldClears)
{
    g.setRows({{u"1"_s, u"b"_s}, {u"2"_s, u"a"_s}});
    g.setCellBold(1, 0, true);
    g.setCellBackground(1, 1, QColor(0xC0FFC0));
    EXPECT_TRUE(g.cellBold(1, 0));
    EXPECT_TRUE(g.model()->headerData(0, Qt::Vertical, Qt::FontRole).value<QFont>().bold());

    g.sortRows(1, 2, 1);
    EXPECT_EQ(g.text(2, 1), u"b"_s);
    EXPECT_TRUE(g.cellBold(2, 0));
    EXPECT_FALSE(g.cellBold(1, 0));
    EXPECT_EQ(g.model()->data(g.model()->index(1, 1), Qt::BackgroundRole).value<QBrush>().color(), QColor(0xC0FFC0));

    g.setCellBold(2, 1, true);
    g.clearBold(1);
    EXPECT_TRUE(g.cellBold(2, 0));
    EXPECT_FALSE(g.cellBold(2, 1));
    g.clearBold();
    EXPECT_FALSE(g.cellBold(2, 0));
    g.setCellsBold({1, 2, 9}, 0, true);  // a row out of range is left out
    EXPECT_TRUE(g.cellBold(1, 0));
    EXPECT_TRUE(g.cellBold(2, 0));
    g.setCellsBold({2}, 0, false);
    EXPECT_FALSE(g.cellBold(2, 0));
    EXPECT_EQ(g.cellBackground(2, 1), QColor(0xC0FFC0));
}

TEST_F(GridTest, KeysAndClicksReportTheCellAndEnterIsConsumed)
{
    QWidget okno;
    auto* lay = new QVBoxLayout(&okno);
    g.setParent(&okno);
    lay->addWidget(&g);
    for (int i = 1; i <= 5; ++i)
        g.addRow(QStringLiteral("%1\tx%1\ty").arg(i));
    EXPECT_EQ(g.currentRow(), 0);
    okno.resize(400, 300);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    QSignalSpy clicked(&g, &Grid::cellClicked);
    QSignalSpy activated(&g, &Grid::cellActivated);

    g.selectRow(2);
    EXPECT_EQ(g.currentRow(), 2);
    EXPECT_EQ(g.selectedRange().row1, 2);
    EXPECT_EQ(g.selectedRange().col2, 2);
    g.setFocus();
    clicked.clear();
    QTest::keyClick(&g, Qt::Key_Down);
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 3);

    // Enter reports the current cell and goes no further.
    bool reachedParent = false;
    struct Filter : QObject {
        bool* flag;
        explicit Filter(bool* f) : flag(f) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress)
                *flag = true;
            return false;
        }
    } filter(&reachedParent);
    okno.installEventFilter(&filter);
    QTest::keyClick(&g, Qt::Key_Return);
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 3);
    EXPECT_FALSE(reachedParent);

    // A click on another row reports once; a click on the current cell too.
    clicked.clear();
    const QRect r = g.visualRect(g.model()->index(0, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
    ASSERT_EQ(clicked.size(), 1);
    EXPECT_EQ(clicked[0][0].toInt(), 1);
    EXPECT_EQ(clicked[0][1].toInt(), 1);
    QTest::mouseClick(g.viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(clicked.size(), 2);

    g.setCurrentCell(4, 2);
    EXPECT_EQ(g.currentRow(), 4);
    EXPECT_EQ(g.currentColumn(), 2);
    g.selectRange(5, 0, 5, 1);
    EXPECT_EQ(g.selectedRange().row1, 5);
    EXPECT_EQ(g.selectedRange().col1, 0);
    EXPECT_EQ(g.selectedRange().col2, 1);
    g.setParent(nullptr);
}

TEST_F(GridTest, TheCurrentRowIsAlwaysHighlightedAndARowNumberClickMakesItCurrent)
{
    QWidget okno;
    auto* lay = new QVBoxLayout(&okno);
    auto* inny = new QLineEdit(&okno);
    g.setParent(&okno);
    lay->addWidget(inny);
    lay->addWidget(&g);
    for (int i = 1; i <= 30; ++i)
        g.addRow(QStringLiteral("%1\tWiersz %1\t%1,00").arg(i));
    okno.resize(400, 300);
    okno.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));
    inny->setFocus();  // the grid has no focus, as when a button is clicked next

    // Made current by the program: the whole row is selected and drawn so.
    g.setCurrentCell(3, 2);
    EXPECT_TRUE(g.selectionModel()->isRowSelected(2));
    const auto kolor = [&](int wiersz) {
        const QRect r = g.visualRect(g.model()->index(wiersz - 1, 2));
        return g.viewport()->grab().toImage().pixelColor(r.right() - 2, r.center().y());
    };
    EXPECT_EQ(kolor(3), g.palette().color(QPalette::Active, QPalette::Highlight));
    EXPECT_NE(kolor(2), g.palette().color(QPalette::Active, QPalette::Highlight));

    // A click on the row number of a row further down, scrolled into view.
    QSignalSpy clicked(&g, &Grid::cellClicked);
    g.scrollTo(g.model()->index(24, 1));
    QHeaderView* numery = g.verticalHeader();
    const QPoint numer(numery->width() / 2, numery->sectionViewportPosition(24) + numery->sectionSize(24) / 2);
    QTest::mouseClick(numery->viewport(), Qt::LeftButton, {}, numer);
    EXPECT_EQ(g.currentRow(), 25);
    EXPECT_EQ(g.selectionModel()->selectedRows().size(), 1);
    EXPECT_TRUE(g.selectionModel()->isRowSelected(24));
    ASSERT_FALSE(clicked.isEmpty());
    EXPECT_EQ(clicked.last()[0].toInt(), 25);

    // Ctrl+click on the current row does not leave it unselected.
    const QRect komorka = g.visualRect(g.model()->index(24, 1));
    QTest::mouseClick(g.viewport(), Qt::LeftButton, Qt::ControlModifier, komorka.center());
    EXPECT_EQ(g.currentRow(), 25);
    EXPECT_TRUE(g.selectionModel()->isRowSelected(24));
    g.setParent(nullptr);
}

TEST(GridWidths, ColumnsFitHeadersAndValuesAndGrowWithNewValues)
{
    Grid g;
    const QString dlugi = QStringLiteral("Przedsiębiorstwo Produkcyjno-Handlowo-Usługowe");
    g.setColumns({u"Nrkol"_s, u"Nazwa"_s, u"KwotaBrutto"_s, u"Konto"_s, u"Tytulem"_s}, {150, 1200, 150, 0, 3000});
    const QFontMetrics fm = g.fontMetrics();
    const QFontMetrics fmNaglowka(g.horizontalHeader()->font());
    // Before any value: the given width, or the header's when that is wider.
    EXPECT_EQ(g.columnWidth(1), 80);
    EXPECT_GE(g.columnWidth(2), fmNaglowka.horizontalAdvance(u"KwotaBrutto"_s));
    EXPECT_GE(g.verticalHeader()->width(), fmNaglowka.horizontalAdvance(u"Nrkol"_s));
    EXPECT_EQ(g.columnWidth(4), 200);

    QList<QStringList> rows;
    for (int i = 1; i <= 120000; ++i)
        rows.append({QString::number(i), u"Kowalski"_s, u"5,00"_s, u"12345678901234567890123456"_s, u"FV 1"_s});
    rows.last()[1] = dlugi;
    rows.last()[2] = u"1234567,89"_s;
    rows.last()[4] = QString(400, QLatin1Char('W'));
    g.setRows(std::move(rows));
    EXPECT_GE(g.verticalHeader()->width(), fm.horizontalAdvance(u"120000"_s));
    EXPECT_GE(g.columnWidth(1), fm.horizontalAdvance(dlugi));
    EXPECT_GE(g.columnWidth(2), fm.horizontalAdvance(u"1234567,89"_s));
    EXPECT_GE(g.columnWidth(3), fm.horizontalAdvance(u"12345678901234567890123456"_s));
    EXPECT_EQ(g.columnWidth(4), g.fittedWidthLimit());  // a very long title is cut

    // A new load sizes again; added rows and changed cells widen.
    g.setRows({{u"1"_s, u"A"_s, u"1,00"_s}});
    EXPECT_EQ(g.columnWidth(1), 80);
    g.addRow(QStringList{u"2"_s, dlugi});
    EXPECT_GE(g.columnWidth(1), fm.horizontalAdvance(dlugi));
    g.setText(1, 2, u"98765432,10"_s);
    EXPECT_GE(g.columnWidth(2), fm.horizontalAdvance(u"98765432,10"_s));
}

TEST(GridWidths, TheWidestValueSetsTheWidthNotTheLongest)
{
    // Many narrow long values, a few wide short ones, repeated: the width
    // is that of the widest, whatever its length and place.
    Grid g;
    g.setColumns({u"Nr"_s, u"A"_s, u"B"_s}, {150, 150, 150});
    const QFontMetrics fm = g.fontMetrics();
    const QString waski(14, QLatin1Char('i'));
    const QString szeroki = u"WMWŁWM"_s;
    ASSERT_GT(fm.horizontalAdvance(szeroki), fm.horizontalAdvance(waski));
    QList<QStringList> rows;
    for (int i = 1; i <= 5000; ++i)
        rows.append({QString::number(i), i % 7 == 3 ? szeroki : waski, i == 5000 ? szeroki + u"M"_s : u"iiiiiii"_s});
    g.setRows(std::move(rows));
    EXPECT_GE(g.columnWidth(1), fm.horizontalAdvance(szeroki));
    EXPECT_LT(g.columnWidth(1), fm.horizontalAdvance(szeroki) + 40);
    EXPECT_GE(g.columnWidth(2), fm.horizontalAdvance(szeroki + u"M"_s));
}

TEST(GridWidths, AWidthTheUserSetStaysAndIsRememberedPerWindowAndGrid)
{
    const QString klucz = u"Kolumny/frmProba/MSFlexGrid1"_s;
    QSettings().remove(klucz);
    const QList<QStringList> wiersze = {{u"1"_s, u"Kowalski Jan"_s, u"12,00"_s}};
    {
        QWidget okno;
        okno.setObjectName(u"frmProba"_s);
        auto* g = new Grid(&okno);
        g->setObjectName(u"MSFlexGrid1"_s);
        new QVBoxLayout(&okno);
        okno.layout()->addWidget(g);
        EXPECT_EQ(g->widthsKey(), klucz);
        g->setColumns({u"Nr"_s, u"Nazwa"_s, u"Kwota"_s}, {400, 1500, 1500});
        g->setRows(wiersze);
        okno.resize(500, 200);
        okno.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&okno));

        // The user drags the right edge of "Nazwa" 150 points to the right.
        QHeaderView* h = g->horizontalHeader();
        const int przed = g->columnWidth(1);
        const QPoint krawedz(h->sectionViewportPosition(1) + h->sectionSize(1) - 1, h->height() / 2);
        QTest::mousePress(h->viewport(), Qt::LeftButton, {}, krawedz);
        QMouseEvent ruch(QEvent::MouseMove, krawedz + QPoint(150, 0), h->viewport()->mapToGlobal(krawedz + QPoint(150, 0)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h->viewport(), &ruch);
        QTest::mouseRelease(h->viewport(), Qt::LeftButton, {}, krawedz + QPoint(150, 0));
        EXPECT_EQ(g->columnWidth(1), przed + 150);

        // Loading again keeps it.
        g->setColumns({u"Nr"_s, u"Nazwa"_s, u"Kwota"_s}, {400, 1500, 1500});
        g->setRows(wiersze);
        EXPECT_EQ(g->columnWidth(1), przed + 150);
    }
    // So does the next session's window of the same names; another grid
    // of it, or another window's grid, has widths of its own.
    QWidget okno;
    okno.setObjectName(u"frmProba"_s);
    auto* g = new Grid(&okno);
    g->setObjectName(u"MSFlexGrid1"_s);
    auto* inna = new Grid(&okno);
    inna->setObjectName(u"MSFlexGrid2"_s);
    for (Grid* x : {g, inna}) {
        x->setColumns({u"Nr"_s, u"Nazwa"_s, u"Kwota"_s}, {400, 1500, 1500});
        x->setRows(wiersze);
    }
    EXPECT_EQ(g->columnWidth(1), inna->columnWidth(1) + 150);
    QSettings().remove(klucz);
}

TEST_F(GridTest, ModelPassesTheItemModelTesterThroughEveryChange)
{
    QAbstractItemModelTester tester(g.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    g.addRow(u"1\ta\t1"_s);
    g.setRows({{u"2"_s, u"b"_s}, {u"1"_s, u"a"_s}, {u"3"_s}});
    g.setText(2, 1, u"c"_s);
    g.setCellBold(1, 0, true);
    g.sortRows(1, 3, 1);
    g.removeRow(1);
    g.clearBold();
    g.setColumns({u"X"_s});
    g.addRow(u"x"_s);
    g.clearRows();
    SUCCEED();
}

TEST_F(GridTest, HundredThousandRowsFillScrollAndSortWithoutAPause)
{
    QList<QStringList> rows;
    rows.reserve(100000);
    for (int i = 0; i < 100000; ++i)
        rows.append({QString::number(i + 1), QStringLiteral("Nazwa %1").arg(99999 - i), QString::number(i % 97)});
    g.show();
    QElapsedTimer t;
    t.start();
    g.setRows(std::move(rows));
    g.scrollToRow(100000);
    QApplication::processEvents();
    const qint64 fill = t.elapsed();
    EXPECT_EQ(g.rowCount(), 100001);
    EXPECT_EQ(g.text(100000, 1), u"Nazwa 0"_s);
    // Bounds far above the usual half second: they catch work per row that
    // grows with the row count, not a slow or busy machine.
    RecordProperty("fill_ms", int(fill));
    EXPECT_LT(fill, 15000);

    g.scrollToRow(50000);
    QApplication::processEvents();
    EXPECT_EQ(g.rowAt(0) + 1, 50000);

    t.restart();
    g.sortRows(1, 100000, 2);
    EXPECT_LT(t.elapsed(), 30000);
    EXPECT_EQ(g.text(1, 2), u"0"_s);
    EXPECT_EQ(g.text(100000, 2), u"96"_s);
}

} // namespace
} // namespace remitto
