#include "tests/gui/SampleWorkspace.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QThread>

namespace tmtest {

const wchar_t* const kSampleStudents[5] = {L"张三", L"李四", L"王五", L"赵六", L"钱七"};

CSampleWorkspace::CSampleWorkspace(bool withList, bool failingFirst)
{
    const std::string samples = TM_SAMPLES_DIR;
    Run("cp -r '" + samples + "/students' '" + m_dir.File("class") + "'");
    Run("'" TM_CLI_PROGRAM "' standard '" + samples + "/standard/frame.prj' -o '" + m_dir.File("config.xml") +
        "' --select all >/dev/null 2>&1");
    if (withList) {
        std::wstring list;
        for (int i = 0; i < 5; ++i)
            list += StudentProject(failingFirst ? (i + 4) % 5 : i) + L"\n";
        WriteGbkFile(m_dir.File("projectlist.txt"), list);
    }
    // Window geometry and the look are kept here, not in the user's home.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(m_dir.File("settings")));
    QSettings().clear();
}

std::wstring CSampleWorkspace::StudentProject(int i) const
{
    return m_dir.WPath() + L"/class/" + kSampleStudents[i] + L"/frame.prj";
}

QString CSampleWorkspace::CopyArchive(int i) const
{
    QDir().mkpath(QString::fromStdString(m_dir.File("drop")));
    const QString name = QString::fromWCharArray(kSampleStudents[i]) + QStringLiteral(".zip");
    const QString target = QString::fromStdString(m_dir.File("drop")) + QLatin1Char('/') + name;
    QFile::copy(QStringLiteral(TM_SAMPLES_DIR "/archives/") + name, target);
    return target;
}

QString CTestFrame::MessageLog() const
{
    QStringList lines;
    for (const CMessage& message : m_messages)
        lines.append(message.m_caption + QStringLiteral(": ") + message.m_text);
    return lines.join(QLatin1Char('\n'));
}

bool CTestFrame::WaitIdle(int timeoutMs)
{
    return QTest::qWaitFor([this]() { return !IsBusy(); }, timeoutMs);
}

CWindowLayer::Answer CTestFrame::PresentMessage(const QString& text, const QString& caption, Buttons buttons)
{
    m_messages.append(CMessage{text, caption, QThread::currentThread() == qApp->thread()});
    if (m_whileShown)
        m_whileShown();
    return buttons == TM_MB_YESNO ? TM_ID_YES : TM_ID_OK;
}

std::unique_ptr<CTestFrame> StartFrame(const CSampleWorkspace& sample)
{
    std::unique_ptr<CTestFrame> frame(new CTestFrame(sample.Folder()));
    frame->show();
    frame->Start();
    if (!frame->WaitIdle())
        qFatal("start-up did not end");
    return frame;
}

QString Cell(const QTableWidget& grid, int row, int column)
{
    const QTableWidgetItem* item = grid.item(row, column);
    return item ? item->text() : QString();
}

int RowOf(const QTableWidget& view, const QString& name)
{
    for (int r = 0; r < view.rowCount(); ++r)
        if (Cell(view, r, 0) == name)
            return r;
    return -1;
}

}  // namespace tmtest
