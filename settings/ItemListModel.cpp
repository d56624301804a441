// CItemListModel: rows over the page's entries.
#include "settings/ItemListModel.h"

#include "settings/ItemSelectionPage.h"

CItemListModel::CItemListModel(CItemSelectionPage& page, QObject* parent) : QAbstractListModel(parent), m_page(page) {}

void CItemListModel::Reload()
{
    beginResetModel();
    endResetModel();
}

int CItemListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_page.GetCount();
}

QVariant CItemListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_page.GetCount())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return QString::fromStdWString(m_page.GetName(index.row()));
    case Qt::CheckStateRole:
        return m_page.IsChecked(index.row()) ? Qt::Checked : Qt::Unchecked;
    default:
        return QVariant();
    }
}

bool CItemListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= m_page.GetCount())
        return false;
    const bool checked = value.toInt() != Qt::Unchecked;
    if (checked == m_page.IsChecked(index.row()))
        return true;
    m_page.SetChecked(index.row(), checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags CItemListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
}
