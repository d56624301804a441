// CCheckListView: a toggled box spreads to the selection.
#include "settings/CheckListView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>

namespace {

bool IsChecked(const QModelIndex& index)
{
    return index.data(Qt::CheckStateRole).toInt() != Qt::Unchecked;
}

}  // namespace

CCheckListView::CCheckListView(QWidget* parent) : QListView(parent), m_mouseToggling(false), m_spreading(false)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
}

QList<int> CCheckListView::SelectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (!isRowHidden(index.row()))
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CCheckListView::CheckRows(const QList<int>& rows, bool checked)
{
    m_spreading = true;
    for (int row : rows)
        model()->setData(model()->index(row, 0), checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
    m_spreading = false;
}

void CCheckListView::mousePressEvent(QMouseEvent* event)
{
    m_selectionAtPress = SelectedRows();
    QListView::mousePressEvent(event);
}

void CCheckListView::mouseReleaseEvent(QMouseEvent* event)
{
    // The item delegate toggles a box on release; OnDataChanged hears it.
    m_mouseToggling = true;
    QListView::mouseReleaseEvent(event);
    m_mouseToggling = false;
}

void CCheckListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QListView::keyPressEvent(event);
        return;
    }
    const QModelIndex current = currentIndex();
    QList<int> rows = SelectedRows();
    if (rows.isEmpty() && current.isValid())
        rows.append(current.row());
    if (rows.isEmpty())
        return;
    const bool checked = current.isValid() ? !IsChecked(current) : !IsChecked(model()->index(rows.first(), 0));
    CheckRows(rows, checked);
}

void CCheckListView::dataChanged(const QModelIndex& first, const QModelIndex& last, const QList<int>& roles)
{
    QListView::dataChanged(first, last, roles);
    if (m_spreading || !m_mouseToggling || first.row() != last.row() ||
        !(roles.isEmpty() || roles.contains(Qt::CheckStateRole)))
        return;
    const int row = first.row();
    if (m_selectionAtPress.contains(row)) {
        CheckRows(m_selectionAtPress, IsChecked(first));
        // Keep the selection that the box spread to.
        QItemSelection selection;
        for (int selected : m_selectionAtPress)
            selection.select(model()->index(selected, 0), model()->index(selected, 0));
        selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
}
