// CClassAnalysisDlg: two read-only tables over the workspace's analysis.
#include "gui/ClassAnalysisDlg.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Workspace.h"

namespace {

const char kEvidenceKey[] = "ClassAnalysis/MinEvidence";
const char kShareKey[] = "ClassAnalysis/MinSharedPercent";

QString Q(const std::wstring& text)
{
    return QString::fromStdWString(text);
}

QTableWidget* MakeTable(const QStringList& headers, const QString& name)
{
    QTableWidget* table = new QTableWidget(0, headers.size());
    table->setObjectName(name);
    table->setAccessibleName(name);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->setVisible(false);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void Put(QTableWidget& table, int row, int column, const QString& text, bool number = false)
{
    QTableWidgetItem* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table.setItem(row, column, item);
}

}  // namespace

void CClassAnalysisDlg::ApplyStoredOptions(CWorkspace& workspace)
{
    QSettings settings;
    CClassAnalysisOptions options;
    options.m_minEvidence = settings.value(QLatin1String(kEvidenceKey), options.m_minEvidence).toDouble();
    options.m_minSharedShare =
        settings.value(QLatin1String(kShareKey), options.m_minSharedShare * 100.0).toInt() / 100.0;
    workspace.SetAnalysisOptions(options);
}

CClassAnalysisDlg::CClassAnalysisDlg(CWorkspace& workspace, QWidget* parent)
    : QDialog(parent), m_workspace(workspace)
{
    setObjectName(QStringLiteral("ClassAnalysisDlg"));
    setWindowTitle(QStringLiteral("班级分析"));
    resize(960, 600);

    m_items = MakeTable({"类别", "评分项", "标准答案", "答对", "参评", "答对比例", "最常见错误答案", "人数"},
                        QStringLiteral("逐项分析"));
    m_pairs = MakeTable({"原因", "工程甲", "工程乙", "证据", "相同错误", "不同于标准", "相同文件", "相同错误示例"},
                        QStringLiteral("雷同检查"));
    m_items->horizontalHeader()->setStretchLastSection(false);
    connect(m_pairs, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (row >= 0 && row < (int)m_analysis.m_similar.size())
            emit StudentChosen((int)m_analysis.m_similar[row].m_a);
    });

    m_evidence = new QDoubleSpinBox;
    m_evidence->setRange(0.5, 1000.0);
    m_evidence->setDecimals(1);
    m_evidence->setSingleStep(0.5);
    m_evidence->setValue(workspace.GetAnalysisOptions().m_minEvidence);
    m_share = new QSpinBox;
    m_share->setRange(1, 100);
    m_share->setSuffix(QStringLiteral(" %"));
    m_share->setValue((int)(workspace.GetAnalysisOptions().m_minSharedShare * 100.0 + 0.5));
    m_evidence->setMaximumWidth(120);
    m_share->setMaximumWidth(120);
    connect(m_evidence, &QDoubleSpinBox::valueChanged, this, &CClassAnalysisDlg::OnBarsChanged);
    connect(m_share, &QSpinBox::valueChanged, this, &CClassAnalysisDlg::OnBarsChanged);

    QWidget* pairsPage = new QWidget;
    QVBoxLayout* pairsLayout = new QVBoxLayout(pairsPage);
    QFormLayout* bars = new QFormLayout;
    bars->addRow(QStringLiteral("相同错误答案的证据至少(&E)"), m_evidence);
    bars->addRow(QStringLiteral("相同错误占不同于标准的比例至少(&R)"), m_share);
    pairsLayout->addLayout(bars);
    QLabel* note = new QLabel(QStringLiteral("以下为疑似雷同，请教师核实。双击一行查看第一个工程的得分。"));
    note->setWordWrap(true);
    pairsLayout->addWidget(note);
    pairsLayout->addWidget(m_pairs);

    QTabWidget* tabs = new QTabWidget;
    tabs->addTab(m_items, QStringLiteral("逐项分析"));
    tabs->addTab(pairsPage, QStringLiteral("雷同检查"));
    QDialogButtonBox* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("关闭"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);

    ShowAnalysis();
}

void CClassAnalysisDlg::OnBarsChanged()
{
    CClassAnalysisOptions options;
    options.m_minEvidence = m_evidence->value();
    options.m_minSharedShare = m_share->value() / 100.0;
    m_workspace.SetAnalysisOptions(options);
    QSettings settings;
    settings.setValue(QLatin1String(kEvidenceKey), options.m_minEvidence);
    settings.setValue(QLatin1String(kShareKey), m_share->value());
    ShowAnalysis();
}

void CClassAnalysisDlg::ShowAnalysis()
{
    m_analysis = m_workspace.AnalyseClass();
    const CScoreSheet& sheet = m_workspace.GetScoreSheet();

    const std::vector<size_t> order = m_analysis.ItemsByMatchedShare();
    m_items->setRowCount((int)order.size());
    for (int r = 0; r < (int)order.size(); ++r) {
        const CItemAnalysis& item = m_analysis.m_items[order[r]];
        Put(*m_items, r, 0, QString::fromWCharArray(GetCategoryName(item.m_category)));
        Put(*m_items, r, 1, Q(item.m_name));
        Put(*m_items, r, 2, Q(item.m_standardText));
        Put(*m_items, r, 3, QString::number(item.m_matched), true);
        Put(*m_items, r, 4, QString::number(item.m_loaded), true);
        Put(*m_items, r, 5, QStringLiteral("%1%").arg(item.MatchedShare() * 100.0, 0, 'f', 1), true);
        Put(*m_items, r, 6, Q(item.m_commonWrong));
        Put(*m_items, r, 7, item.m_commonWrongCount ? QString::number(item.m_commonWrongCount) : QString(), true);
    }
    m_items->resizeColumnsToContents();

    m_pairs->setRowCount((int)m_analysis.m_similar.size());
    for (int r = 0; r < (int)m_analysis.m_similar.size(); ++r) {
        const CSimilarPair& pair = m_analysis.m_similar[r];
        Put(*m_pairs, r, 0, QString::fromWCharArray(CClassAnalysis::ReasonText(pair.m_reason)));
        Put(*m_pairs, r, 1, Q(sheet.m_entries[pair.m_a].m_folderName));
        m_pairs->item(r, 1)->setToolTip(Q(sheet.m_entries[pair.m_a].m_prjPath));
        if (pair.m_b != CSimilarPair::kNoStudent) {
            Put(*m_pairs, r, 2, Q(sheet.m_entries[pair.m_b].m_folderName));
            m_pairs->item(r, 2)->setToolTip(Q(sheet.m_entries[pair.m_b].m_prjPath));
        }
        Put(*m_pairs, r, 3, QString::number(pair.m_evidence, 'f', 1), true);
        Put(*m_pairs, r, 4, QString::number(pair.m_sharedWrong), true);
        Put(*m_pairs, r, 5, QString::number(pair.m_differing), true);
        Put(*m_pairs, r, 6, Q(CClassAnalysis::IdenticalFilesText(pair)));
        Put(*m_pairs, r, 7, Q(CClassAnalysis::ExamplesText(pair)));
    }
    m_pairs->resizeColumnsToContents();
}
