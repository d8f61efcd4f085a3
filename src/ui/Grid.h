#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>
#include <QTableView>

#include <memory>

namespace remitto {

class GridRowSource;

/// Plain-string table behind a Grid. Holds one QStringList per data row and,
/// only for rows that have one, the bold flag and colours of their cells.
/// Model rows are the grid's data rows (grid row r is model row r - 1); the
/// grid's header row 0 is the horizontal header.
class GridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    struct CellStyle {
        QColor background;  ///< invalid: the view's own
        QColor foreground;
        bool bold = false;
        bool isPlain() const { return !bold && !background.isValid() && !foreground.isValid(); }
    };
    struct Row {
        QStringList cells;
        QList<CellStyle> styles;  ///< empty until a cell of the row is styled
    };

    explicit GridModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    ~GridModel() override;

    /// Puts a lazy source behind the data rows in place of the stored rows
    /// (nullptr goes back to stored rows, none). Cell text and styles then come
    /// from the source on demand. A change of one row (append, cell text or
    /// style, sort) first copies the source into stored rows, so it works as
    /// before; removeDataRow() asks the source and copies only when it refuses.
    void setRowSource(std::shared_ptr<GridRowSource> source);
    const std::shared_ptr<GridRowSource>& rowSource() const { return m_source; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    /// Column 0 is shown in the vertical header (the fixed first column).
    void setFixedFirstColumn(bool fixed) { m_fixedFirstColumn = fixed; }
    bool fixedFirstColumn() const { return m_fixedFirstColumn; }

    void setColumns(const QStringList& headers);
    void clearRows();
    void setRows(QList<QStringList> rows);
    int appendRow(QStringList cells);
    void removeDataRow(int modelRow);

    const QStringList& headers() const { return m_headers; }
    QString cell(int modelRow, int col) const;
    QStringList cells(int modelRow) const;
    void setCell(int modelRow, int col, const QString& text);
    void setHeader(int col, const QString& text);

    CellStyle style(int modelRow, int col) const;
    void setStyle(int modelRow, int col, const CellStyle& style);
    CellStyle headerStyle(int col) const;
    void setHeaderStyle(int col, const CellStyle& style);
    /// Removes the bold of every data cell in columns firstCol..lastCol.
    void clearBold(int firstCol, int lastCol);
    /// Sets the bold of one column's cells in many rows, with one change signal.
    void setBold(const QList<int>& modelRows, int col, bool bold);

    /// Stable sort of model rows first..last by one column.
    void sortRange(int first, int last, int column, bool descending);

private:
    void normalise(QStringList& cells) const;
    /// Turns the source's rows into stored rows (no model reset).
    void materialise();
    void changedInColumnZero(int modelRow);

    QStringList m_headers;
    QList<CellStyle> m_headerStyles;
    QList<Row> m_rows;
    bool m_fixedFirstColumn = true;
    std::shared_ptr<GridRowSource> m_source;
};

/// Rows of a grid computed on demand, for lists too long to hold as strings
/// (cell text is built only for the cells on screen). Rows are 0-based data
/// rows. A source that changes its rows by itself tells the grid through
/// Grid::setRowSource() again.
class GridRowSource {
public:
    virtual ~GridRowSource() = default;
    virtual int rowCount() const = 0;
    virtual QString cell(int row, int col) const = 0;
    virtual GridModel::CellStyle style(int /*row*/, int /*col*/) const { return {}; }
    /// Drops a row; false when the source cannot (the grid then copies the
    /// rows and drops it from its own copy).
    virtual bool removeRow(int /*row*/) { return false; }
};

/// The program's grid: a QTableView over a GridModel with the operations of a
/// flexible grid. Row 0 is the fixed header row, data rows are
/// 1..rowCount()-1; column 0 is a fixed first column that stays in place when
/// the grid scrolls sideways. No widget or item object per cell, so 100,000
/// rows fill and scroll without a pause.
///
/// Widths are given in twips (15 twips per pixel); they are the least a column
/// gets. Every load (setRows(), setRowSource()) sizes each column to the widest
/// of its given width, its header and its values (for long lists a sample of
/// rows: the first, the last and some spread between); rows added and cells
/// changed later widen a column when they need it. A column the user has
/// resized keeps the user's width, also in later sessions: those widths are
/// kept in QSettings under the window's and the grid's objectName.
///
/// Selection is by whole rows, and the current row is always selected, so
/// it shows highlighted whether the grid has the focus or not. A click on any
/// cell of a row, the row number included, makes that row current.
/// cellClicked() comes with a mouse click and every keyboard move of the
/// current cell; cellActivated() with Enter (which the grid consumes) and a
/// double click.
class Grid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kTwipsPerPixel = 15;

    explicit Grid(QWidget* parent = nullptr);

    /// Sets the header texts and widths (twips; missing or 0 keeps the
    /// default width) and drops every data row and every cell style.
    void setColumns(const QStringList& headers, const QList<int>& widthsTwips = {});
    /// Whether column 0 is the fixed first column (default) or scrolls with
    /// the others. Call before setColumns().
    void setFixedFirstColumn(bool fixed);
    /// Keeps the header row, drops the data rows.
    void clearRows();
    /// Rows including the header row 0.
    int rowCount() const;
    int columnCount() const;
    /// Cell text; row 0 gives the header text, a cell out of range "".
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    /// All cells of a data row.
    QStringList rowTexts(int row) const;
    /// Appends a data row; returns its row number.
    int addRow(const QString& tabSeparated);
    int addRow(const QStringList& cells);
    /// Replaces all data rows at once.
    void setRows(QList<QStringList> rows);
    /// Removes a data row (row 0 and rows out of range are ignored).
    void removeRow(int row);

    /// Current row, 0 when no data row is current.
    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int col);
    /// Selects cells col1..col2 of rows row1..row2 (data rows only).
    void selectRange(int row1, int col1, int row2, int col2);
    /// Selects a whole data row and makes it current.
    void selectRow(int row);
    struct Range {
        int row1 = 0, col1 = 0, row2 = 0, col2 = 0;
        bool isEmpty() const { return row1 == 0; }
    };
    /// Bounding range of the selection (row1 0 when nothing is selected).
    Range selectedRange() const;

    /// Sorts data rows firstRow..lastRow by a column, keeping equal rows in
    /// their order: values that both read as numbers compare as numbers,
    /// others as text in Polish alphabetical order.
    void sortRows(int firstRow, int lastRow, int column, bool descending = false);

    void setCellBackground(int row, int col, const QColor& color);
    void setCellForeground(int row, int col, const QColor& color);
    /// Row 0 sets the bold of a header cell.
    void setCellBold(int row, int col, bool bold);
    bool cellBold(int row, int col) const;
    /// The bold of one column's cells in many data rows at once (fast for
    /// thousands of rows).
    void setCellsBold(const QList<int>& rows, int col, bool bold);
    QColor cellBackground(int row, int col) const;
    /// Removes the bold of every data cell from firstCol to the last column.
    void clearBold(int firstCol = 0);
    /// Foreground of every header cell.
    void setHeaderForeground(const QColor& color);
    /// Scrolls so that the row is the top visible row.
    void scrollToRow(int row);

    /// Shows the rows of a lazy source (see GridModel::setRowSource()).
    void setRowSource(std::shared_ptr<GridRowSource> source);

    /// Sizes every column to its contents again (done by every load).
    void fitColumnsToContents();
    /// Where the widths the user set are kept: "Kolumny/" + the window's
    /// objectName + "/" + the grid's; empty while either has no name.
    QString widthsKey() const;
    /// The grid never gets less height than this many rows under its header
    /// row (with the horizontal scroll bar): layouts give it at least that.
    void setMinimumRows(int rows);
    QSize minimumSizeHint() const override;

    /// The most a column widens to fit its values (default 420 pixels): a
    /// long title is cut rather than pushing every other column out of view.
    void setFittedWidthLimit(int px) { m_fittedWidthLimit = px; }
    int fittedWidthLimit() const { return m_fittedWidthLimit; }

    GridModel* gridModel() const { return m_model; }

signals:
    void cellClicked(int row, int col);
    void cellActivated(int row, int col);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event = nullptr) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QModelIndex indexOf(int row, int col) const;
    int gridColumn(const QModelIndex& index) const;
    void applyWidths();
    /// Widens (or, unless growOnly, sets) the columns to fit the given model
    /// rows: every column, or only column onlyCol.
    void fitColumns(const QList<int>& modelRows, bool growOnly, int onlyCol = -1);
    int neededWidth(int col, const QList<int>& modelRows) const;
    void setWidthPx(int col, int px);
    void loadUserWidths();
    void userResized(int col, int newSize);

    GridModel* m_model = nullptr;
    QList<int> m_widthsTwips;
    QList<int> m_userWidths;  ///< pixels per column, 0 where the user set none
    QString m_userWidthsKey;  ///< the key m_userWidths was read under
    bool m_settingWidths = false;
    int m_fittedWidthLimit = 420;
    int m_minimumRows = 0;
    QPersistentModelIndex m_currentAtPress;
};

} // namespace remitto
