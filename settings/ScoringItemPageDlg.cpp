// CScoringItemPageDlg: the widgets of an item page over its logic.
#include "settings/ScoringItemPageDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/CheckListView.h"
#include "settings/ItemListModel.h"
#include "settings/ItemSelectionPage.h"

namespace {

const char kHint[] =
    "提示：\n      按住Shift键，然后点击项目可以多选；此时点中项目左边的勾选项可以部分选中或取消要参与评分的项目。"
    "\n      空格键勾选或取消选中的项目。输入筛选文字时只显示名称含有它的项目，"
    "“全选”“全清”只作用于显示出的项目，隐藏的项目保持原样。";

}  // namespace

CScoringItemPageDlg::CScoringItemPageDlg(CItemSelectionPage& page, QWidget* parent)
    : QWidget(parent), m_page(page)
{
    const QString title = QString::fromWCharArray(page.GetTitle());
    QGroupBox* group = new QGroupBox(QStringLiteral("选择要参与评分的项目："), this);

    m_filter = new QLineEdit(group);
    m_filter->setObjectName(QStringLiteral("Filter"));
    m_filter->setPlaceholderText(QStringLiteral("按名称筛选"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setAccessibleName(QStringLiteral("筛选%1的项目").arg(title));
    QLabel* filterLabel = new QLabel(QStringLiteral("筛选(&F)："), group);
    filterLabel->setBuddy(m_filter);
    m_count = new QLabel(group);
    m_count->setObjectName(QStringLiteral("Count"));

    m_model = new CItemListModel(page, this);
    m_list = new CCheckListView(group);
    m_list->setObjectName(QStringLiteral("Items"));
    m_list->setModel(m_model);
    m_list->setAccessibleName(QStringLiteral("%1中参与评分的项目").arg(title));

    QPushButton* all = new QPushButton(QStringLiteral("全选"), group);
    all->setObjectName(QStringLiteral("CheckAll"));
    QPushButton* none = new QPushButton(QStringLiteral("全清"), group);
    none->setObjectName(QStringLiteral("ClearAll"));
    // Enter belongs to the dialog's OK, not to these buttons.
    all->setAutoDefault(false);
    none->setAutoDefault(false);

    QHBoxLayout* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    filterRow->addSpacing(12);
    filterRow->addWidget(m_count);
    QHBoxLayout* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addWidget(none);
    buttons->addStretch(1);
    QVBoxLayout* inGroup = new QVBoxLayout(group);
    inGroup->addLayout(filterRow);
    inGroup->addWidget(m_list, 1);
    inGroup->addLayout(buttons);

    QLabel* hint = new QLabel(QString::fromUtf8(kHint), this);
    hint->setWordWrap(true);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addWidget(hint);

    connect(all, &QPushButton::clicked, this, [this]() { CheckVisible(true); });
    connect(none, &QPushButton::clicked, this, [this]() { CheckVisible(false); });
    connect(m_filter, &QLineEdit::textChanged, this, &CScoringItemPageDlg::ApplyFilter);
    connect(m_model, &QAbstractItemModel::dataChanged, this, &CScoringItemPageDlg::ShowCount);
    connect(m_model, &QAbstractItemModel::modelReset, this, &CScoringItemPageDlg::ShowCount);
    ShowEntries();
}

void CScoringItemPageDlg::ShowEntries()
{
    m_model->Reload();
    ApplyFilter();
}

void CScoringItemPageDlg::CheckVisible(bool checked)
{
    QList<int> rows;
    for (int entry : m_page.Matching(m_filter->text().toStdWString()))
        rows.append(entry);
    m_list->CheckRows(rows, checked);
}

void CScoringItemPageDlg::ApplyFilter()
{
    const std::vector<int> shown = m_page.Matching(m_filter->text().toStdWString());
    std::vector<char> visible(m_page.GetCount(), 0);
    for (int entry : shown)
        visible[entry] = 1;
    for (int row = 0; row < m_page.GetCount(); ++row)
        m_list->setRowHidden(row, !visible[row]);
    ShowCount();
}

void CScoringItemPageDlg::ShowCount()
{
    QString text = QStringLiteral("已选 %1 / %2").arg(m_page.GetCheckedCount()).arg(m_page.GetCount());
    if (!m_filter->text().isEmpty())
        text += QStringLiteral("（显示 %1 项）").arg(m_page.Matching(m_filter->text().toStdWString()).size());
    m_count->setText(text);
}
