// CScoringSettingDlg: the tabs, OK and Cancel.
#include "settings/ScoringSettingDlg.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/ScoringItemPageDlg.h"
#include "settings/ScoringPageStandardInfoDlg.h"
#include "settings/ScoringSettings.h"

namespace {

// The dialog's size in dialog units.
const int kWidthUnits = 464;
const int kHeightUnits = 254;

// Dialog units in pixels at the font of metrics, as Windows counts them:
// the average width of the 52 Latin letters and the line height.
QSize DialogUnits(const QFontMetrics& metrics, int x, int y)
{
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return QSize(x * averageWidth / 4, y * metrics.height() / 8);
}

}  // namespace

CScoringSettingDlg::CScoringSettingDlg(CWorkspace& workspace, CAppWindowLayer& window, QWidget* parent)
    : QDialog(parent), m_settings(new CScoringSettings(workspace, window))
{
    setObjectName(QStringLiteral("ScoringSettingDlg"));
    setWindowTitle(QStringLiteral("设置评分标准"));
    setSizeGripEnabled(true);
    m_settings->ReloadPages();

    m_tabs = new QTabWidget(this);
    m_tabs->setUsesScrollButtons(true);
    m_standardPage = new CScoringPageStandardInfoDlg(*this, m_settings->StandardPage(), m_tabs);
    m_tabs->addTab(m_standardPage, QStringLiteral("评分标准"));
    AddItemPage<CScoringPageGenInfoDlg>();
    AddItemPage<CScoringPageQuakeInfoDlg>();
    AddItemPage<CScoringPageWindInfoInfoDlg>();
    AddItemPage<CScoringPageModifyInfoDlg>();
    AddItemPage<CScoringPageMaterialInfoDlg>();
    AddItemPage<CScoringPageBaseRoomInfoDlg>();
    AddItemPage<CScoringPageEqWaveInfoDlg>();
    AddItemPage<CScoringPageLayerInfoDlg>();
    AddItemPage<CScoringPageGoujianInfoDlg>();
    m_tabs->setCurrentIndex(0);

    QDialogButtonBox* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &CScoringSettingDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CScoringSettingDlg::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs, 1);
    layout->addWidget(buttons);
    resize(DialogUnits(fontMetrics(), kWidthUnits, kHeightUnits).expandedTo(minimumSizeHint()));
}

CScoringSettingDlg::~CScoringSettingDlg() = default;

template <class Page>
void CScoringSettingDlg::AddItemPage()
{
    CItemSelectionPage& logic = m_settings->ItemPage(Page::kPage);
    Page* page = new Page(logic, m_tabs);
    m_itemPages[Page::kPage] = page;
    m_tabs->addTab(page, QString::fromWCharArray(logic.GetTitle()));
}

bool CScoringSettingDlg::Run(QWidget* parent, CWorkspace& workspace, CAppWindowLayer& window)
{
    // The dialog uses the workspace without a lock. It is opened by command
    // 182, which runs as a job: the job's thread hands this call to the GUI
    // thread and waits in it until the dialog closes, so the job touches
    // nothing meanwhile. The GUI thread itself leaves the workspace alone
    // while a job runs (the window refuses commands, clicks and drops), so
    // the dialog's own code is all that reads or changes the workspace
    // until it returns: it may load the standard, import, compute and fill
    // the grids. Its messages and file dialogs come back to this thread
    // through the window layer and are shown at once.
    CScoringSettingDlg dialog(workspace, window, parent);
    return dialog.exec() == QDialog::Accepted;
}

void CScoringSettingDlg::ShowPages()
{
    m_standardPage->ShowTexts();
    for (CScoringItemPageDlg* page : m_itemPages)
        page->ShowEntries();
}

void CScoringSettingDlg::ImportStandard()
{
    // What was typed stays when no standard is read.
    m_standardPage->TakeTexts();
    m_settings->ImportStandard();
    ShowPages();
}

void CScoringSettingDlg::ExportStandard()
{
    m_settings->ExportStandard();
}

void CScoringSettingDlg::accept()
{
    m_standardPage->TakeTexts();
    if (!m_settings->OnOK()) {
        // Only the standard page refuses: show it.
        m_tabs->setCurrentWidget(m_standardPage);
        m_standardPage->ShowTexts();
        return;
    }
    QDialog::accept();
}
