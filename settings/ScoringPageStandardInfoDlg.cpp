// CScoringPageStandardInfoDlg: the edits and buttons of the standard page.
#include "settings/ScoringPageStandardInfoDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/ScoringSettingDlg.h"
#include "settings/StandardInfoPage.h"

namespace {

// The labels of the six scores, category order ("总信息" is called
// "总体信息" here, as in its message).
const char* const kScoreLabels[TM_CATEGORY_COUNT] = {
    "总体信息", "各层信息", "结构模型与荷载", "计算结果", "施工图", "钢筋算量接口",
};

QPushButton* Button(const QString& text, const char* name, QWidget* parent)
{
    QPushButton* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    // Enter belongs to the dialog's OK.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CScoringPageStandardInfoDlg::CScoringPageStandardInfoDlg(CScoringSettingDlg& owner, CStandardInfoPage& page,
                                                         QWidget* parent)
    : QWidget(parent), m_owner(owner), m_page(page)
{
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("StandardPath"));
    QLabel* pathLabel = new QLabel(QStringLiteral("标准工程："), this);
    pathLabel->setBuddy(m_path);
    m_path->setAccessibleName(QStringLiteral("标准工程"));
    QPushButton* browse = Button(QStringLiteral("浏览(&R)..."), "Browse", this);

    QGroupBox* scores = new QGroupBox(QStringLiteral("分值设置"), this);
    QGridLayout* grid = new QGridLayout(scores);
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        const QString name = QString::fromUtf8(kScoreLabels[k]);
        m_scores[k] = new QLineEdit(scores);
        m_scores[k]->setObjectName(QStringLiteral("Score%1").arg(k));
        m_scores[k]->setAlignment(Qt::AlignRight);
        m_scores[k]->setAccessibleName(QStringLiteral("%1分值").arg(name));
        m_scores[k]->setMaximumWidth(m_scores[k]->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 12);
        QLabel* label = new QLabel(name, scores);
        label->setBuddy(m_scores[k]);
        grid->addWidget(label, k, 0);
        grid->addWidget(m_scores[k], k, 1);
        grid->addWidget(new QLabel(QStringLiteral("分"), scores), k, 2);
    }
    grid->setColumnStretch(3, 1);

    QPushButton* import = Button(QStringLiteral("导入评分标准"), "ImportStandard", this);
    QPushButton* exportButton = Button(QStringLiteral("导出评分标准"), "ExportStandard", this);
    import->setToolTip(QStringLiteral("从文件读入评分标准，所有页面随之更新（取消不会撤销导入）"));
    exportButton->setToolTip(QStringLiteral("把当前生效的评分标准写入文件"));

    QHBoxLayout* pathRow = new QHBoxLayout;
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(m_path, 1);
    pathRow->addWidget(browse);
    QHBoxLayout* fileRow = new QHBoxLayout;
    fileRow->addWidget(import);
    fileRow->addWidget(exportButton);
    fileRow->addStretch(1);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addLayout(pathRow);
    layout->addWidget(scores);
    layout->addStretch(1);
    layout->addLayout(fileRow);

    connect(browse, &QPushButton::clicked, this, &CScoringPageStandardInfoDlg::OnBrowse);
    connect(import, &QPushButton::clicked, this, [this]() { m_owner.ImportStandard(); });
    connect(exportButton, &QPushButton::clicked, this, [this]() { m_owner.ExportStandard(); });
    ShowTexts();
}

void CScoringPageStandardInfoDlg::ShowTexts()
{
    m_path->setText(QString::fromStdWString(m_page.m_path));
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_scores[k]->setText(QString::fromStdWString(m_page.m_scoreTexts[k]));
}

void CScoringPageStandardInfoDlg::TakeTexts()
{
    m_page.m_path = m_path->text().toStdWString();
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_page.m_scoreTexts[k] = m_scores[k]->text().toStdWString();
}

void CScoringPageStandardInfoDlg::OnBrowse()
{
    TakeTexts();
    if (m_page.Browse())
        m_path->setText(QString::fromStdWString(m_page.m_path));
}
