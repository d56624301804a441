// The sample class as a teacher's workspace: a program folder holding
// config.xml (the sample standard with every value selected) and
// projectlist.txt (the five students, unpacked in a class folder beside
// it), and a settings store of its own.
#pragma once

#include <QString>
#include <QTableWidget>
#include <functional>
#include <memory>
#include <QStringList>
#include <string>
#include <vector>

#include "gui/MainFrame.h"
#include "tests/support/TestFiles.h"

namespace tmtest {

// The students in list order.
extern const wchar_t* const kSampleStudents[5];

class CSampleWorkspace {
public:
    // withList: write projectlist.txt naming the five students, 钱七 (whose
    // model does not load) first when failingFirst.
    explicit CSampleWorkspace(bool withList = true, bool failingFirst = false);

    std::wstring Folder() const { return m_dir.WPath(); }
    // The .prj path of student i (0 to 4).
    std::wstring StudentProject(int i) const;
    // Copies the sample archive of student i into the scratch folder
    // "drop"; returns its path.
    QString CopyArchive(int i) const;
    std::string FilePath(const std::string& name) const { return m_dir.File(name); }

private:
    CTempDir m_dir;
};

// A main window whose message boxes and file dialogs are answered by the
// test; every message shown is recorded with the thread it was shown on.
class CTestFrame : public CMainFrame {
    Q_OBJECT
public:
    explicit CTestFrame(const std::wstring& folder) : CMainFrame(folder) {}

    struct CMessage {
        QString m_text;
        QString m_caption;
        bool m_onGuiThread;
    };
    QList<CMessage> m_messages;
    // Runs while a message is up (on the GUI thread, a job waiting).
    std::function<void()> m_whileShown;
    // What the next open dialogs answer, one path each; none left cancels.
    QStringList m_openAnswers;
    // Captions and texts as "caption: text", one per line.
    QString MessageLog() const;
    // Waits (with the event loop running) until no job is running.
    bool WaitIdle(int timeoutMs = 60000);

protected:
    Answer PresentMessage(const QString& text, const QString& caption, Buttons buttons) override;
    bool PresentOpenDialog(const CFileDialogRequest&, QStringList& paths) override
    {
        if (m_openAnswers.isEmpty())
            return false;
        paths = QStringList() << m_openAnswers.takeFirst();
        return true;
    }
    bool PresentSaveDialog(const CFileDialogRequest&, QString&) override { return false; }
};

// A window over sample's folder, shown and started; the test ends when the
// start-up does not.
std::unique_ptr<CTestFrame> StartFrame(const CSampleWorkspace& sample);

// The text of a grid's body cell; empty when it has none.
QString Cell(const QTableWidget& grid, int row, int column);
// The score view's row of the value name, or -1.
int RowOf(const QTableWidget& view, const QString& name);

}  // namespace tmtest
