// COptionsDialog: a spin box over a stored setting.
#include "gui/OptionsDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>

#include "archive/ArchiveUnpack.h"

namespace {

const char kMaxUnpackKey[] = "Import/MaxUnpackGiB";
const int kDefaultGiB = (int)(TM_DEFAULT_UNPACK_BYTES >> 30);
const int kMostGiB = 4096;

}  // namespace

COptionsDialog::COptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptionsDialog"));
    setWindowTitle(QStringLiteral("选项"));
    m_maxUnpack = new QSpinBox(this);
    m_maxUnpack->setObjectName(QStringLiteral("MaxUnpackGiB"));
    m_maxUnpack->setRange(1, kMostGiB);
    m_maxUnpack->setSuffix(QStringLiteral(" GiB"));
    m_maxUnpack->setValue(StoredMaxUnpackGiB());
    m_maxUnpack->setAccessibleName(QStringLiteral("每个压缩包解压后最多"));
    QLabel* note = new QLabel(QStringLiteral("压缩包本身的 %1 倍更多时，以 %1 倍为准；超过上限的压缩包不解压，"
                                             "已解出的部分删除。")
                                  .arg(TM_UNPACK_RATIO),
                              this);
    note->setWordWrap(true);
    QFormLayout* form = new QFormLayout;
    form->addRow(QStringLiteral("每个压缩包解压后最多(&M)："), m_maxUnpack);
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

int COptionsDialog::StoredMaxUnpackGiB()
{
    bool ok = false;
    const int gib = QSettings().value(QLatin1String(kMaxUnpackKey), kDefaultGiB).toInt(&ok);
    return ok && gib >= 1 && gib <= kMostGiB ? gib : kDefaultGiB;
}

void COptionsDialog::StoreMaxUnpackGiB(int gib)
{
    QSettings().setValue(QLatin1String(kMaxUnpackKey), gib);
}

int COptionsDialog::MaxUnpackGiB() const
{
    return m_maxUnpack->value();
}
