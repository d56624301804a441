// A check list with extended selection, as the item pages need it.
//
// Entries are the checkable rows of the model. Shift- and Ctrl-click
// select several; ticking the box of an entry that is part of the
// selection gives every selected entry the new state, and Space does the
// same for the selected entries (the opposite of the current entry's
// state). A click on an entry's text only changes the selection.
#pragma once

#include <QListView>
#include <QModelIndexList>

class CCheckListView : public QListView {
    Q_OBJECT
public:
    explicit CCheckListView(QWidget* parent = nullptr);

    // The rows of the selection (visible rows only), in order.
    QList<int> SelectedRows() const;
    // Sets the check of every row of rows, in one change of the model.
    void CheckRows(const QList<int>& rows, bool checked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dataChanged(const QModelIndex& first, const QModelIndex& last,
                     const QList<int>& roles = QList<int>()) override;

private:

    // The selection as it stood when the mouse was pressed: a press on a
    // selected entry may narrow the selection before the box is toggled.
    QList<int> m_selectionAtPress;
    bool m_mouseToggling;
    bool m_spreading;
};
