// The entries of an item page as a list model: one row per entry, in the
// page's order, its name and its check. The page's logic holds the checks;
// the model only shows and changes them.
#pragma once

#include <QAbstractListModel>

class CItemSelectionPage;

class CItemListModel : public QAbstractListModel {
    Q_OBJECT
public:
    CItemListModel(CItemSelectionPage& page, QObject* parent = nullptr);

    // After the page was filled again.
    void Reload();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    CItemSelectionPage& m_page;
};
