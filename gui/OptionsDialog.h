// "选项": the window's settings that are not part of the scoring standard.
// Today one: how much one hand-in may unpack to (CWorkspace's
// SetMaxUnpackBytes), kept in the application's settings under
// "Import/MaxUnpackGiB" so that it holds across runs.
#pragma once

#include <QDialog>

class QSpinBox;

class COptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit COptionsDialog(QWidget* parent = nullptr);

    // The stored bound in GiB (2, the default, when none is stored or the
    // stored one is out of range), and storing one.
    static int StoredMaxUnpackGiB();
    static void StoreMaxUnpackGiB(int gib);

    int MaxUnpackGiB() const;

private:
    QSpinBox* m_maxUnpack;
};
