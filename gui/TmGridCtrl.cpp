// CTmGridCtrl: cells recorded under a lock, shown on the GUI thread.
#include "gui/TmGridCtrl.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QThread>
#include <algorithm>

namespace {

QString ToQString(const std::wstring& text)
{
    return QString::fromWCharArray(text.data(), (qsizetype)text.size());
}

// Sets what differs only: a refresh of hundreds of rows then costs little
// and keeps the user's selection and scroll position.
void ShowItem(QTableWidgetItem* item, const QString& text, Qt::Alignment alignment)
{
    if (item->text() != text)
        item->setText(text);
    if (item->textAlignment() != (int)alignment)
        item->setTextAlignment(alignment);
}

QTableWidgetItem* NewItem(const QString& text, Qt::Alignment alignment)
{
    QTableWidgetItem* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The widths the workspace gives are those of a grid whose Chinese
// characters are 12 pixels wide; columns up to this wide count as narrow.
const double kLaidOutCharWidth = 12.0;
const int kNarrowColumn = 100;

}  // namespace

CTmGridCtrl::CTmGridCtrl(QWidget* parent) : QTableWidget(parent), m_redrawQueued(false), m_showing(false)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAlternatingRowColors(true);
    setTabKeyNavigation(false);  // Tab leaves the grid; arrows move in it
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(8);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QTableWidget::itemSelectionChanged, this, &CTmGridCtrl::RecordSelection);
}

Qt::Alignment CTmGridCtrl::AlignmentOf(unsigned format)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (format & TM_GRID_RIGHT)
        horizontal = Qt::AlignRight;
    else if (format & TM_GRID_CENTER)
        horizontal = Qt::AlignHCenter;
    return horizontal | Qt::AlignVCenter;
}

bool CTmGridCtrl::SetRowCount(int rows)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.SetRowCount(rows);
}

bool CTmGridCtrl::SetColumnCount(int columns)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.SetColumnCount(columns);
}

bool CTmGridCtrl::SetFixedRowCount(int rows)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.SetFixedRowCount(rows);
}

bool CTmGridCtrl::SetFixedColumnCount(int columns)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.SetFixedColumnCount(columns);
}

int CTmGridCtrl::GetRowCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.GetRowCount();
}

int CTmGridCtrl::GetColumnCount() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.GetColumnCount();
}

void CTmGridCtrl::SetColumnWidth(int column, int width)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.SetColumnWidth(column, width);
}

void CTmGridCtrl::SetItemText(int row, int column, const std::wstring& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.SetItemText(row, column, text);
}

std::wstring CTmGridCtrl::GetItemText(int row, int column) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.GetItemText(row, column);
}

void CTmGridCtrl::SetItemToolTip(int row, int column, const std::wstring& text)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.SetItemToolTip(row, column, text);
}

std::wstring CTmGridCtrl::GetItemToolTip(int row, int column) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_cells.GetItemToolTip(row, column);
}

void CTmGridCtrl::SetItemFormat(int row, int column, unsigned format)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.SetItemFormat(row, column, format);
}

void CTmGridCtrl::SetItemReadOnly(int row, int column)
{
    // Every cell of the widget is read-only already.
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.SetItemReadOnly(row, column);
}

void CTmGridCtrl::GetSelectedCells(std::vector<CGridCell>& cells) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_cells.GetSelectedCells(cells);
}

void CTmGridCtrl::Redraw()
{
    if (QThread::currentThread() == thread()) {
        ShowCells();
        return;
    }
    // One pending redraw is enough: it shows whatever was written by then.
    if (!m_redrawQueued.exchange(true))
        QMetaObject::invokeMethod(this, &CTmGridCtrl::ShowCells, Qt::QueuedConnection);
}

void CTmGridCtrl::ShowHeaders(int fixedRows, int fixedColumns, int rows, int columns)
{
    horizontalHeader()->setVisible(fixedRows > 0);
    verticalHeader()->setVisible(fixedColumns > 0);
    if (m_shownWidths.size() != (size_t)m_cells.GetColumnCount())
        m_shownWidths.assign(m_cells.GetColumnCount(), -1);
    for (int c = 0; c < m_cells.GetColumnCount(); ++c) {
        const int width = m_cells.GetColumnWidth(c);
        if (width == m_shownWidths[c] || width <= 0)
            continue;
        m_shownWidths[c] = width;
        if (c < fixedColumns) {
            verticalHeader()->setFixedWidth(ScaledWidth(width));
        } else {
            setColumnWidth(c - fixedColumns, ScaledWidth(width));
            if ((int)m_fittedWidths.size() > c - fixedColumns)
                m_fittedWidths[c - fixedColumns] = columnWidth(c - fixedColumns);
        }
    }
    if (fixedRows > 0) {
        for (int c = 0; c < columns; ++c) {
            const QString text = ToQString(m_cells.GetItemText(0, c + fixedColumns));
            const Qt::Alignment alignment = AlignmentOf(m_cells.GetItemFormat(0, c + fixedColumns));
            if (QTableWidgetItem* item = horizontalHeaderItem(c))
                ShowItem(item, text, alignment);
            else
                setHorizontalHeaderItem(c, NewItem(text, alignment));
        }
    }
    if (fixedColumns > 0) {
        for (int r = 0; r < rows; ++r) {
            const QString text = ToQString(m_cells.GetItemText(r + fixedRows, 0));
            const Qt::Alignment alignment = AlignmentOf(m_cells.GetItemFormat(r + fixedRows, 0));
            if (QTableWidgetItem* item = verticalHeaderItem(r))
                ShowItem(item, text, alignment);
            else
                setVerticalHeaderItem(r, NewItem(text, alignment));
        }
    }
}

void CTmGridCtrl::ShowCells()
{
    m_redrawQueued = false;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        // Resizing the widget may change its selection; that is recorded
        // once the cells are shown, not under the lock.
        m_showing = true;
        const int fixedRows = m_cells.GetFixedRowCount() > 0 ? 1 : 0;
        const int fixedColumns = m_cells.GetFixedColumnCount() > 0 ? 1 : 0;
        const int rows = std::max(0, m_cells.GetRowCount() - fixedRows);
        const int columns = std::max(0, m_cells.GetColumnCount() - fixedColumns);
        if (columnCount() != columns)
            setColumnCount(columns);
        if (rowCount() != rows)
            setRowCount(rows);
        ShowHeaders(fixedRows, fixedColumns, rows, columns);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < columns; ++c) {
                const QString text = ToQString(m_cells.GetItemText(r + fixedRows, c + fixedColumns));
                const Qt::Alignment alignment = AlignmentOf(m_cells.GetItemFormat(r + fixedRows, c + fixedColumns));
                QTableWidgetItem* cell = item(r, c);
                if (cell) {
                    ShowItem(cell, text, alignment);
                } else {
                    cell = NewItem(text, alignment);
                    setItem(r, c, cell);
                }
                const QString tip = ToQString(m_cells.GetItemToolTip(r + fixedRows, c + fixedColumns));
                if (cell->toolTip() != tip)
                    cell->setToolTip(tip);
            }
        }
        FitNarrowColumns(fixedColumns, columns);
        m_showing = false;
    }
    RecordSelection();
    CellsShown();
    viewport()->update();
}

int CTmGridCtrl::ScaledWidth(int width) const
{
    const double scale = fontMetrics().horizontalAdvance(QChar(0x4e2d)) / kLaidOutCharWidth;
    return scale > 1.0 ? (int)(width * scale + 0.5) : width;
}

int CTmGridCtrl::LaidOutWidth() const
{
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    if (verticalHeader()->isVisible())
        width += verticalHeader()->width();
    for (int c = 0; c < columnCount(); ++c)
        width += columnWidth(c);
    return width + width / 10;
}

void CTmGridCtrl::FitNarrowColumns(int fixedColumns, int columns)
{
    m_fittedWidths.resize(columns, -1);
    for (int c = 0; c < columns; ++c) {
        const int laidOut = m_cells.GetColumnWidth(c + fixedColumns);
        if (laidOut <= 0 || laidOut > kNarrowColumn)
            continue;
        const int current = columnWidth(c);
        if (m_fittedWidths[c] >= 0 && current != m_fittedWidths[c])
            continue;  // the user's width
        const int base = ScaledWidth(laidOut);
        const int wanted = std::min(std::max(base, sizeHintForColumn(c)), 2 * base);
        if (wanted != current)
            setColumnWidth(c, wanted);
        m_fittedWidths[c] = columnWidth(c);
    }
}

void CTmGridCtrl::RecordSelection()
{
    if (m_showing)
        return;
    const QModelIndexList selected = selectedIndexes();
    std::lock_guard<std::mutex> lock(m_mutex);
    const int fixedRows = m_cells.GetFixedRowCount() > 0 ? 1 : 0;
    const int fixedColumns = m_cells.GetFixedColumnCount() > 0 ? 1 : 0;
    m_cells.ClearSelection();
    for (const QModelIndex& index : selected)
        m_cells.SetItemSelected(index.row() + fixedRows, index.column() + fixedColumns, true);
}
