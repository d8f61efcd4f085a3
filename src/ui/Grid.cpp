#include "ui/Grid.h"

#include "core/PorzadekOgolny.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QScopedValueRollback>
#include <QSettings>
#include <QStyleOptionHeader>

#include <algorithm>
#include <array>
#include <limits>
#include <climits>

namespace remitto {

// ---------------------------------------------------------------- GridModel

GridModel::~GridModel() = default;

int GridModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return m_source ? m_source->rowCount() : int(m_rows.size());
}

void GridModel::setRowSource(std::shared_ptr<GridRowSource> source)
{
    beginResetModel();
    m_rows.clear();
    m_source = std::move(source);
    endResetModel();
}

void GridModel::materialise()
{
    if (!m_source)
        return;
    const int n = m_source->rowCount();
    const int cols = int(m_headers.size());
    QList<Row> rows;
    rows.reserve(n);
    for (int r = 0; r < n; ++r) {
        Row row;
        row.cells.reserve(cols);
        for (int c = 0; c < cols; ++c) {
            row.cells.append(m_source->cell(r, c));
            const CellStyle st = m_source->style(r, c);
            if (!st.isPlain()) {
                if (row.styles.isEmpty())
                    row.styles.resize(cols);
                row.styles[c] = st;
            }
        }
        rows.append(std::move(row));
    }
    m_source.reset();
    m_rows = std::move(rows);
}

QStringList GridModel::cells(int modelRow) const
{
    if (!m_source)
        return m_rows[modelRow].cells;
    QStringList c;
    for (int col = 0; col < m_headers.size(); ++col)
        c.append(m_source->cell(modelRow, col));
    return c;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QString GridModel::cell(int modelRow, int col) const
{
    if (modelRow < 0 || modelRow >= rowCount() || col < 0)
        return {};
    if (m_source)
        return col < m_headers.size() ? m_source->cell(modelRow, col) : QString();
    const QStringList& c = m_rows[modelRow].cells;
    return col < c.size() ? c[col] : QString();
}

GridModel::CellStyle GridModel::style(int modelRow, int col) const
{
    if (modelRow < 0 || modelRow >= rowCount() || col < 0)
        return {};
    if (m_source)
        return col < m_headers.size() ? m_source->style(modelRow, col) : CellStyle();
    const QList<CellStyle>& s = m_rows[modelRow].styles;
    return col < s.size() ? s[col] : CellStyle();
}

GridModel::CellStyle GridModel::headerStyle(int col) const
{
    return col >= 0 && col < m_headerStyles.size() ? m_headerStyles[col] : CellStyle();
}

namespace {

QVariant styleData(const GridModel::CellStyle& s, int role, const QFont* baseFont = nullptr)
{
    switch (role) {
    case Qt::FontRole:
        if (s.bold) {
            QFont f = baseFont ? *baseFont : QFont();
            f.setBold(true);
            return f;
        }
        break;
    case Qt::BackgroundRole:
        if (s.background.isValid())
            return QBrush(s.background);
        break;
    case Qt::ForegroundRole:
        if (s.foreground.isValid())
            return QBrush(s.foreground);
        break;
    default:
        break;
    }
    return {};
}

} // namespace

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole)
        return cell(index.row(), index.column());
    if (role == Qt::FontRole || role == Qt::BackgroundRole || role == Qt::ForegroundRole)
        return styleData(style(index.row(), index.column()), role);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    if (orientation == Qt::Horizontal) {
        if (section >= m_headers.size())
            return {};
        if (role == Qt::DisplayRole)
            return m_headers[section];
        return styleData(headerStyle(section), role);
    }
    if (section >= rowCount())
        return {};
    if (!m_fixedFirstColumn)
        return role == Qt::DisplayRole ? QVariant(QString::number(section + 1)) : QVariant();
    if (role == Qt::DisplayRole)
        return cell(section, 0);
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return styleData(style(section, 0), role);
}

void GridModel::normalise(QStringList& cells) const
{
    const qsizetype n = m_headers.size();
    if (cells.size() > n)
        cells.resize(n);
}

void GridModel::setColumns(const QStringList& headers)
{
    beginResetModel();
    m_headers = headers;
    m_headerStyles.clear();
    m_rows.clear();
    m_source.reset();
    endResetModel();
}

void GridModel::clearRows()
{
    if (m_rows.isEmpty() && !m_source)
        return;
    beginResetModel();
    m_rows.clear();
    m_source.reset();
    endResetModel();
}

void GridModel::setRows(QList<QStringList> rows)
{
    beginResetModel();
    m_source.reset();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (QStringList& r : rows) {
        normalise(r);
        m_rows.append(Row{std::move(r), {}});
    }
    endResetModel();
}

int GridModel::appendRow(QStringList cells)
{
    normalise(cells);
    materialise();
    const int r = int(m_rows.size());
    beginInsertRows({}, r, r);
    m_rows.append(Row{std::move(cells), {}});
    endInsertRows();
    return r;
}

void GridModel::removeDataRow(int modelRow)
{
    if (modelRow < 0 || modelRow >= rowCount())
        return;
    beginRemoveRows({}, modelRow, modelRow);
    if (m_source && !m_source->removeRow(modelRow))
        materialise();
    if (!m_source)
        m_rows.removeAt(modelRow);
    endRemoveRows();
}

void GridModel::changedInColumnZero(int modelRow)
{
    if (m_fixedFirstColumn)
        emit headerDataChanged(Qt::Vertical, modelRow, modelRow);
}

void GridModel::setCell(int modelRow, int col, const QString& text)
{
    if (modelRow < 0 || modelRow >= rowCount() || col < 0 || col >= m_headers.size())
        return;
    materialise();
    QStringList& c = m_rows[modelRow].cells;
    if (c.size() <= col)
        c.resize(col + 1);
    c[col] = text;
    const QModelIndex i = index(modelRow, col);
    emit dataChanged(i, i, {Qt::DisplayRole});
    if (col == 0)
        changedInColumnZero(modelRow);
}

void GridModel::setHeader(int col, const QString& text)
{
    if (col < 0 || col >= m_headers.size())
        return;
    m_headers[col] = text;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void GridModel::setStyle(int modelRow, int col, const CellStyle& s)
{
    if (modelRow < 0 || modelRow >= rowCount() || col < 0 || col >= m_headers.size())
        return;
    materialise();
    QList<CellStyle>& styles = m_rows[modelRow].styles;
    if (styles.size() <= col) {
        if (s.isPlain())
            return;
        styles.resize(m_headers.size());
    }
    styles[col] = s;
    const QModelIndex i = index(modelRow, col);
    emit dataChanged(i, i, {Qt::FontRole, Qt::BackgroundRole, Qt::ForegroundRole});
    if (col == 0)
        changedInColumnZero(modelRow);
}

void GridModel::setHeaderStyle(int col, const CellStyle& s)
{
    if (col < 0 || col >= m_headers.size())
        return;
    if (m_headerStyles.size() < m_headers.size())
        m_headerStyles.resize(m_headers.size());
    m_headerStyles[col] = s;
    emit headerDataChanged(Qt::Horizontal, col, col);
}

void GridModel::clearBold(int firstCol, int lastCol)
{
    firstCol = std::max(firstCol, 0);
    materialise();
    for (Row& r : m_rows) {
        const int last = std::min<int>(lastCol, int(r.styles.size()) - 1);
        for (int c = firstCol; c <= last; ++c)
            r.styles[c].bold = false;
    }
    if (!m_rows.isEmpty() && firstCol <= lastCol && firstCol < m_headers.size()) {
        emit dataChanged(index(0, firstCol), index(int(m_rows.size()) - 1, std::min<int>(lastCol, int(m_headers.size()) - 1)),
                         {Qt::FontRole});
        if (firstCol == 0 && m_fixedFirstColumn)
            emit headerDataChanged(Qt::Vertical, 0, int(m_rows.size()) - 1);
    }
}

void GridModel::setBold(const QList<int>& modelRows, int col, bool bold)
{
    if (col < 0 || col >= m_headers.size())
        return;
    int lo = INT_MAX, hi = -1;
    for (int r : modelRows) {
        if (r < 0 || r >= m_rows.size())
            continue;
        QList<CellStyle>& styles = m_rows[r].styles;
        if (styles.size() <= col) {
            if (!bold)
                continue;
            styles.resize(m_headers.size());
        }
        styles[col].bold = bold;
        lo = std::min(lo, r);
        hi = std::max(hi, r);
    }
    if (hi < 0)
        return;
    emit dataChanged(index(lo, col), index(hi, col), {Qt::FontRole});
    if (col == 0 && m_fixedFirstColumn)
        emit headerDataChanged(Qt::Vertical, lo, hi);
}

void GridModel::sortRange(int first, int last, int col, bool descending)
{
    first = std::max(first, 0);
    last = std::min<int>(last, rowCount() - 1);
    if (first >= last || col < 0 || col >= m_headers.size())
        return;

    QStringList values;
    const int n = last - first + 1;
    values.reserve(n);
    for (int i = 0; i < n; ++i)
        values.append(cell(first + i, col));
    const QList<int> order = porzadekOgolny(values, descending);

    beginResetModel();
    materialise();
    QList<Row> sorted;
    sorted.reserve(n);
    for (int i = 0; i < n; ++i)
        sorted.append(std::move(m_rows[first + order[i]]));
    for (int i = 0; i < n; ++i)
        m_rows[first + i] = std::move(sorted[i]);
    endResetModel();
}

// --------------------------------------------------------------------- Grid

Grid::Grid(QWidget* parent) : QTableView(parent), m_model(new GridModel(this))
{
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionBehavior(SelectRows);
    setSelectionMode(SingleSelection);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setMinimumSectionSize(4);
    // The current row is always selected (see currentChanged below); its
    // number is highlighted with it, and the highlight keeps its colour when
    // the focus is elsewhere (a button clicked next acts on this row).
    verticalHeader()->setHighlightSections(true);
    QPalette pal = palette();
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        pal.setColor(QPalette::Inactive, role, pal.color(QPalette::Active, role));
    setPalette(pal);
    // Fixed row heights: no per-row measuring, whatever the row count.
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    // A reset of the model (fill, sort) keeps the first column in the header.
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this] { setColumnHidden(0, m_model->fixedFirstColumn()); });

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (!current.isValid())
                    return;
                if (!selectionModel()->isRowSelected(current.row()))
                    selectionModel()->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                emit cellClicked(current.row() + 1, gridColumn(current));
            });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        // A click on the cell that was already current moves nothing, so it
        // is reported here; any other click was reported as a move.
        if (index.isValid() && index == m_currentAtPress)
            emit cellClicked(index.row() + 1, gridColumn(index));
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit cellActivated(index.row() + 1, gridColumn(index));
    });
    connect(verticalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_model->fixedFirstColumn() && section == currentIndex().row() && currentIndex() == m_currentAtPress)
            emit cellClicked(section + 1, 0);
    });
    connect(verticalHeader(), &QHeaderView::sectionPressed, this,
            [this](int) { m_currentAtPress = currentIndex(); });
    connect(verticalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int section) { emit cellActivated(section + 1, 0); });
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int col, int, int newSize) { userResized(col, newSize); });
}

QItemSelectionModel::SelectionFlags Grid::selectionCommand(const QModelIndex& index, const QEvent* event) const
{
    // Ctrl+click on the current row would leave it current but unselected.
    const QItemSelectionModel::SelectionFlags f = QTableView::selectionCommand(index, event);
    if (f & QItemSelectionModel::Deselect)
        return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    return f;
}

int Grid::gridColumn(const QModelIndex& index) const
{
    return index.column();
}

QModelIndex Grid::indexOf(int row, int col) const
{
    return m_model->index(row - 1, col);
}

void Grid::setFixedFirstColumn(bool fixed)
{
    m_model->setFixedFirstColumn(fixed);
    setColumnHidden(0, fixed);
}

void Grid::setColumns(const QStringList& headers, const QList<int>& widthsTwips)
{
    const QScopedValueRollback quiet(m_settingWidths, true);
    m_widthsTwips = widthsTwips;
    m_model->setColumns(headers);
    for (int c = 0; c < headers.size(); ++c)
        setColumnHidden(c, c == 0 && m_model->fixedFirstColumn());
    verticalHeader()->setVisible(m_model->fixedFirstColumn());
    applyWidths();
}

void Grid::applyWidths()
{
    loadUserWidths();
    fitColumns({}, false);
}

// ---- Column widths ----------------------------------------------------------

namespace {

/// The rows measured for the widths: all of a short list; of a long one the
/// first and last rows and rows spread evenly between.
QList<int> sampleRows(int n)
{
    constexpr int kAll = 1000, kEnds = 300, kSpread = 400;
    QList<int> rows;
    if (n <= kAll) {
        rows.reserve(n);
        for (int r = 0; r < n; ++r)
            rows.append(r);
        return rows;
    }
    rows.reserve(2 * kEnds + kSpread);
    for (int r = 0; r < kEnds; ++r)
        rows.append(r);
    const int inner = n - 2 * kEnds;
    for (int i = 0; i < kSpread; ++i)
        rows.append(kEnds + int(qint64(i) * inner / kSpread));
    for (int r = n - kEnds; r < n; ++r)
        rows.append(r);
    return rows;
}

/// Widths of single characters of one font, for a quick bound on a text's
/// width: the sum of its characters' widths, plus a margin for rounding and
/// the odd pair a font sets wider than its two characters (on the program's
/// fonts a text is never more than a pixel over the sum). Control
/// characters and characters past Latin Extended-A (which holds the Polish
/// letters) make no bound: such a text is measured.
class SzerokosciZnakow {
public:
    explicit SzerokosciZnakow(const QFont& font) : m_fm(font) { m_szer.fill(-1); }

    qreal najwyzej(const QString& text)
    {
        qreal suma = 0;
        for (const QChar c : text) {
            const char16_t u = c.unicode();
            if (u < 0x20 || u >= m_szer.size())
                return std::numeric_limits<qreal>::max() / 2;
            qreal& s = m_szer[u];
            if (s < 0)
                s = m_fm.horizontalAdvance(c);
            suma += s;
        }
        return suma * 1.01 + 1;
    }

private:
    QFontMetricsF m_fm;
    std::array<qreal, 0x180> m_szer;
};

} // namespace

int Grid::neededWidth(int col, const QList<int>& modelRows) const
{
    const bool fixed = col == 0 && m_model->fixedFirstColumn();
    int w = 0;
    if (col < m_widthsTwips.size())
        w = m_widthsTwips[col] / kTwipsPerPixel;
    if (w <= 0 && !fixed)
        w = horizontalHeader()->defaultSectionSize();

    // The header text, in the header's font and margins.
    QFont headerFont = horizontalHeader()->font();
    headerFont.setBold(m_model->headerStyle(col).bold);
    const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 6;
    w = std::max(w, QFontMetrics(headerFont).horizontalAdvance(m_model->headers().value(col)) + headerMargin);

    // The values: the cell margins of the view, a little more for bold.
    const int cellMargin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 6;
    const QFontMetrics plain = fontMetrics();
    QFont boldFont = font();
    boldFont.setBold(true);
    const QFontMetrics bold(boldFont);
    // Only the widest text counts. Texts are taken longest first and each
    // distinct text once; a text is measured only when the sum of its
    // characters' own widths (with a pixel and a percent to spare) could
    // still beat the widest so far. Measuring is the dear part; most texts
    // are then never measured.
    struct Tekst {
        QString text;
        bool bold;
    };
    std::vector<Tekst> teksty;
    teksty.reserve(size_t(modelRows.size()));
    for (int r : modelRows) {
        QString text = m_model->cell(r, col);
        if (!text.isEmpty())
            teksty.push_back({std::move(text), m_model->style(r, col).bold});
    }
    std::sort(teksty.begin(), teksty.end(), [](const Tekst& a, const Tekst& b) {
        if (a.text.size() != b.text.size())
            return a.text.size() > b.text.size();
        if (a.bold != b.bold)
            return a.bold;
        return a.text < b.text;
    });
    SzerokosciZnakow znakiPlain(font()), znakiBold(boldFont);
    int content = 0;
    for (size_t i = 0; i < teksty.size() && content < m_fittedWidthLimit; ++i) {
        const Tekst& t = teksty[i];
        if (i > 0 && t.bold == teksty[i - 1].bold && t.text == teksty[i - 1].text)
            continue;
        SzerokosciZnakow& znaki = t.bold ? znakiBold : znakiPlain;
        if (content > 0 && znaki.najwyzej(t.text) + cellMargin <= content)
            continue;
        const QFontMetrics& fm = t.bold ? bold : plain;
        content = std::max(content, fm.horizontalAdvance(t.text) + cellMargin);
    }
    return std::max(w, std::min(content, m_fittedWidthLimit));
}

void Grid::setWidthPx(int col, int px)
{
    const QScopedValueRollback quiet(m_settingWidths, true);
    if (col == 0 && m_model->fixedFirstColumn())
        verticalHeader()->setFixedWidth(px);
    else
        setColumnWidth(col, px);
}

void Grid::fitColumns(const QList<int>& modelRows, bool growOnly, int onlyCol)
{
    const QScopedValueRollback quiet(m_settingWidths, true);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (onlyCol >= 0 && c != onlyCol)
            continue;
        const bool fixed = c == 0 && m_model->fixedFirstColumn();
        if (!fixed && c < m_userWidths.size() && m_userWidths[c] > 0) {
            if (!growOnly)
                setColumnWidth(c, m_userWidths[c]);
            continue;
        }
        const int need = neededWidth(c, modelRows);
        const int now = fixed ? verticalHeader()->width() : columnWidth(c);
        if (need > 0 && (!growOnly || need > now))
            setWidthPx(c, need);
    }
}

void Grid::fitColumnsToContents()
{
    loadUserWidths();
    fitColumns(sampleRows(m_model->rowCount()), false);
}

QString Grid::widthsKey() const
{
    const QWidget* w = window();
    if (objectName().isEmpty() || w == this || w->objectName().isEmpty())
        return {};
    return QStringLiteral("Kolumny/") + w->objectName() + QLatin1Char('/') + objectName();
}

void Grid::loadUserWidths()
{
    const QString key = widthsKey();
    if (key == m_userWidthsKey && !key.isEmpty())
        return;
    m_userWidthsKey = key;
    m_userWidths.clear();
    if (key.isEmpty())
        return;
    const QStringList saved = QSettings().value(key).toString().split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& v : saved)
        m_userWidths.append(std::max(0, v.toInt()));
}

void Grid::userResized(int col, int newSize)
{
    // The grid's own sizing and filling do not count.
    if (m_settingWidths || newSize <= 0 || col < 0 || col >= m_model->columnCount() || isColumnHidden(col))
        return;
    loadUserWidths();
    if (m_userWidths.size() < m_model->columnCount())
        m_userWidths.resize(m_model->columnCount());
    m_userWidths[col] = newSize;
    if (m_userWidthsKey.isEmpty())
        return;
    QStringList values;
    for (int w : m_userWidths)
        values.append(QString::number(w));
    QSettings().setValue(m_userWidthsKey, values.join(QLatin1Char(',')));
}

void Grid::setMinimumRows(int rows)
{
    m_minimumRows = rows;
    updateGeometry();
}

QSize Grid::minimumSizeHint() const
{
    QSize s = QTableView::minimumSizeHint();
    if (m_minimumRows > 0) {
        const int h = 2 * frameWidth() + horizontalHeader()->sizeHint().height()
                      + m_minimumRows * verticalHeader()->defaultSectionSize()
                      + horizontalScrollBar()->sizeHint().height();
        s.setHeight(std::max(s.height(), h));
    }
    return s;
}

void Grid::setRowSource(std::shared_ptr<GridRowSource> source)
{
    {
        const QScopedValueRollback quiet(m_settingWidths, true);
        m_model->setRowSource(std::move(source));
    }
    fitColumnsToContents();
}

void Grid::clearRows()
{
    m_model->clearRows();
}

int Grid::rowCount() const
{
    return m_model->rowCount() + 1;
}

int Grid::columnCount() const
{
    return m_model->columnCount();
}

QString Grid::text(int row, int col) const
{
    if (row == 0)
        return col >= 0 && col < m_model->headers().size() ? m_model->headers()[col] : QString();
    return m_model->cell(row - 1, col);
}

void Grid::setText(int row, int col, const QString& text)
{
    if (row == 0) {
        m_model->setHeader(col, text);
        fitColumns({}, true, col);
    } else {
        m_model->setCell(row - 1, col, text);
        fitColumns({row - 1}, true, col);
    }
}

QStringList Grid::rowTexts(int row) const
{
    if (row < 1 || row >= rowCount())
        return {};
    QStringList c = m_model->cells(row - 1);
    c.resize(columnCount());
    return c;
}

int Grid::addRow(const QString& tabSeparated)
{
    return addRow(tabSeparated.split(QLatin1Char('\t')));
}

int Grid::addRow(const QStringList& cells)
{
    const int r = m_model->appendRow(cells);
    fitColumns({r}, true);
    return r + 1;
}

void Grid::setRows(QList<QStringList> rows)
{
    {
        const QScopedValueRollback quiet(m_settingWidths, true);
        m_model->setRows(std::move(rows));
    }
    fitColumnsToContents();
}

void Grid::removeRow(int row)
{
    if (row >= 1)
        m_model->removeDataRow(row - 1);
}

int Grid::currentRow() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 0;
}

int Grid::currentColumn() const
{
    const QModelIndex i = currentIndex();
    return i.isValid() ? gridColumn(i) : 0;
}

void Grid::setCurrentCell(int row, int col)
{
    const QModelIndex i = indexOf(row, col);
    if (i.isValid())
        selectionModel()->setCurrentIndex(i, QItemSelectionModel::NoUpdate);
}

void Grid::selectRange(int row1, int col1, int row2, int col2)
{
    const QModelIndex a = indexOf(std::min(row1, row2), std::min(col1, col2));
    const QModelIndex b = indexOf(std::max(row1, row2), std::max(col1, col2));
    if (!a.isValid() || !b.isValid())
        return;
    selectionModel()->select(QItemSelection(a, b), QItemSelectionModel::ClearAndSelect);
}

void Grid::selectRow(int row)
{
    const QModelIndex i = indexOf(row, m_model->fixedFirstColumn() && columnCount() > 1 ? 1 : 0);
    if (!i.isValid())
        return;
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

Grid::Range Grid::selectedRange() const
{
    const QModelIndexList sel = selectionModel()->selectedIndexes();
    if (sel.isEmpty())
        return {};
    Range r{INT_MAX, INT_MAX, 0, 0};
    for (const QModelIndex& i : sel) {
        r.row1 = std::min(r.row1, i.row() + 1);
        r.row2 = std::max(r.row2, i.row() + 1);
        r.col1 = std::min(r.col1, i.column());
        r.col2 = std::max(r.col2, i.column());
    }
    return r;
}

void Grid::sortRows(int firstRow, int lastRow, int column, bool descending)
{
    m_model->sortRange(firstRow - 1, lastRow - 1, column, descending);
}

namespace {

// Changes one item of a cell's style; row 0 is the header.
template <typename Change>
void changeCellStyle(GridModel& model, int row, int col, Change change)
{
    if (row == 0) {
        GridModel::CellStyle s = model.headerStyle(col);
        change(s);
        model.setHeaderStyle(col, s);
        return;
    }
    GridModel::CellStyle s = model.style(row - 1, col);
    change(s);
    model.setStyle(row - 1, col, s);
}

} // namespace

void Grid::setCellBackground(int row, int col, const QColor& color)
{
    changeCellStyle(*m_model, row, col, [&](GridModel::CellStyle& s) { s.background = color; });
}

void Grid::setCellForeground(int row, int col, const QColor& color)
{
    changeCellStyle(*m_model, row, col, [&](GridModel::CellStyle& s) { s.foreground = color; });
}

void Grid::setCellBold(int row, int col, bool bold)
{
    changeCellStyle(*m_model, row, col, [&](GridModel::CellStyle& s) { s.bold = bold; });
}

void Grid::setCellsBold(const QList<int>& rows, int col, bool bold)
{
    QList<int> modelRows;
    modelRows.reserve(rows.size());
    for (int r : rows)
        modelRows.append(r - 1);
    m_model->setBold(modelRows, col, bold);
}

bool Grid::cellBold(int row, int col) const
{
    return row == 0 ? m_model->headerStyle(col).bold : m_model->style(row - 1, col).bold;
}

QColor Grid::cellBackground(int row, int col) const
{
    return row == 0 ? m_model->headerStyle(col).background : m_model->style(row - 1, col).background;
}

void Grid::clearBold(int firstCol)
{
    m_model->clearBold(firstCol, columnCount() - 1);
}

void Grid::setHeaderForeground(const QColor& color)
{
    for (int c = 0; c < columnCount(); ++c)
        setCellForeground(0, c, color);
}

void Grid::scrollToRow(int row)
{
    const QModelIndex i = indexOf(row, m_model->fixedFirstColumn() && columnCount() > 1 ? 1 : 0);
    if (i.isValid())
        scrollTo(i, PositionAtTop);
}

void Grid::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex i = currentIndex();
        if (i.isValid())
            emit cellActivated(i.row() + 1, gridColumn(i));
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void Grid::mousePressEvent(QMouseEvent* event)
{
    m_currentAtPress = currentIndex();
    QTableView::mousePressEvent(event);
}

bool Grid::eventFilter(QObject* watched, QEvent* event)
{
    // The corner above the fixed first column shows that column's header.
    auto* corner = qobject_cast<QAbstractButton*>(watched);
    if (corner && event->type() == QEvent::Paint && m_model->fixedFirstColumn() && columnCount() > 0) {
        QPainter p(corner);
        QStyleOptionHeader opt;
        opt.initFrom(corner);
        opt.rect = corner->rect();
        opt.text = text(0, 0);
        opt.position = QStyleOptionHeader::OnlyOneSection;
        opt.orientation = Qt::Horizontal;
        const GridModel::CellStyle s = m_model->headerStyle(0);
        if (s.foreground.isValid())
            opt.palette.setColor(QPalette::ButtonText, s.foreground);
        if (s.bold) {
            QFont f = p.font();
            f.setBold(true);
            p.setFont(f);
        }
        style()->drawControl(QStyle::CE_Header, &opt, &p, corner);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}

} // namespace remitto
