// Every input accounted for, and imports that other runs, interruptions
// and odd paths cannot spoil: through AddStudentInputs and the score sheet.
#include <gtest/gtest.h>

#include "app/DestinationLock.h"
#include "app/FolderTree.h"
#include "tests/app/ImportFixture.h"
#include "tools/TmOS.h"

using namespace tmtest;

namespace {

class StudentImport : public Import {
protected:
    // The workspace's failures as "file name: status" lines.
    std::wstring Failures()
    {
        std::wstring lines;
        for (const CImportOutcome& failure : m_workspace.GetImportFailures()) {
            std::wstring name;
            TMTOOLS::OS::GetShortFilePath(failure.m_input, name);
            lines += name + L": " + failure.m_status + L"\n";
        }
        return lines;
    }
};

}  // namespace

TEST_F(StudentImport, EveryInputWithoutAProjectIsAnEntryOfTheSheetWithItsReason)
{
    const std::wstring good = MakeArchive(L"张三", {{"frame.prj", "m"}});
    Loads(m_exam + L"/张三/frame.prj");
    const std::wstring empty = MakeArchive(L"李四", {{"readme.txt", "no project here"}});
    const std::string zipped = ReadBytes(Utf8(good));
    const std::wstring cut = MakeFile(L"exam/王五.zip", zipped.substr(0, zipped.size() / 2));
    const std::wstring text = MakeFile(L"exam/赵六.zip", "a text file named like an archive");
    const std::wstring notes = MakeFile(L"exam/notes.txt", "n");
    // The first entry is fine, the second damaged: the folder must not
    // stay half filled, nor be taken for finished by the next run.
    const std::wstring half = m_exam + L"/钱七.zip";
    ASSERT_EQ(tmtest::Run("/usr/bin/python3 -c \"import zipfile; z = zipfile.ZipFile('" + Utf8(half) +
                  "', 'w', zipfile.ZIP_DEFLATED); z.writestr('frame.prj', 'm'); z.writestr('big.txt', 'x' * 5000)\""),
              0);
    std::string bytes = ReadBytes(Utf8(half));
    bytes[bytes.find("big.txt") + 7 + 20] ^= 0x5A;  // inside big.txt's deflated data
    WriteBytes(Utf8(half), bytes);

    EXPECT_EQ(m_workspace.AddStudentInputs({good, empty, cut, text, half, notes, m_exam + L"/孙八.zip"}), 1);
    EXPECT_EQ(Failures(), L"李四.zip: 没有找到 .prj 工程文件\n"
                          L"王五.zip: 压缩包已损坏\n"
                          L"赵六.zip: 不是 zip 压缩包\n"
                          L"钱七.zip: 压缩包已损坏\n"
                          L"notes.txt: 不是学生工程压缩包或 .prj 文件\n"
                          L"孙八.zip: 压缩文件不存在\n");
    EXPECT_FALSE(Exists(m_exam + L"/钱七"));
    EXPECT_FALSE(Exists(m_exam + L"/王五"));

    const std::wstring standard = MakeFile(L"standard/frame.prj");
    m_workspace.m_tables[standard] = [](CScoringProject& project) {
        AddIntValue(project, TM_CATEGORY_GEN_INFO, L"结构形式", 2, true);
    };
    m_workspace.SetStandardPrjPath(standard);
    ASSERT_TRUE(m_workspace.RebuildStandardProject());
    m_workspace.CreateStudentProjects();
    m_workspace.LoadStudentProjects();
    m_workspace.ReleaseImportLocks();
    ASSERT_TRUE(m_workspace.ComputeTotals());
    const CScoreSheet& sheet = m_workspace.GetScoreSheet();
    ASSERT_EQ(sheet.m_entries.size(), 7u);
    EXPECT_TRUE(sheet.m_entries[0].m_hasProject);
    EXPECT_EQ(sheet.m_entries[0].m_input, good);
    EXPECT_EQ(sheet.m_entries[0].TotalText(), L"30.00");
    const CScoreSheetEntry& dropped = sheet.m_entries[2];
    EXPECT_FALSE(dropped.m_hasProject);
    EXPECT_FALSE(dropped.m_loaded);
    EXPECT_EQ(dropped.m_prjPath, cut);
    EXPECT_EQ(dropped.m_input, cut);
    EXPECT_EQ(dropped.m_folderName, L"王五.zip");
    EXPECT_EQ(dropped.m_status, L"压缩包已损坏");
    EXPECT_EQ(dropped.m_total, 0.0f);
    EXPECT_EQ(dropped.TotalText(), L"");
    // The grid lists the one project only; no lock file is left behind.
    EXPECT_EQ(ExamListing(), "notes.txt\n张三\n张三.zip\n李四\n李四.zip\n王五.zip\n赵六.zip\n钱七.zip\n");
}

TEST_F(StudentImport, InputsUnpackingIntoOneFolderAreImportedOnce)
{
    const std::wstring lower = MakeArchive(L"stu", {{"frame.prj", "m"}});
    const std::wstring upper = m_exam + L"/stu.ZIP";
    WriteBytes(Utf8(upper), ReadBytes(Utf8(lower)));
    const std::wstring spelt = m_dir.WPath() + L"/exam/../exam/./stu.zip";
    EXPECT_EQ(m_workspace.AddStudentInputs({lower, upper, spelt, m_exam + L"/stu/frame.prj"}), 1);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_exam + L"/stu/frame.prj"});
    const std::wstring same = L"与 " + lower + L" 使用同一文件夹\n";
    EXPECT_EQ(Failures(), L"stu.ZIP: " + same + L"stu.zip: " + same + L"frame.prj: " + same);
    EXPECT_EQ(m_window.m_unansweredQuestions, 0);
}

TEST_F(StudentImport, AnArchivePathThroughDotDotImportsLikeAnyOther)
{
    MakeArchive(L"张三", {{"frame.prj", "m"}});
    const std::wstring elsewhere = m_dir.WFile(L"elsewhere");
    TMTOOLS::OS::mkdir_r(elsewhere.c_str());
    EXPECT_EQ(m_workspace.AddStudentInputs({elsewhere + L"/../exam/张三.zip"}), 1);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_exam + L"/张三/frame.prj"});
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/frame.prj")), "m");
}

TEST_F(StudentImport, AnArchiveThatWouldUnpackOverTheStandardProjectIsRefused)
{
    const std::wstring standard = MakeFile(L"exam/标准工程/frame.prj", "standard");
    m_workspace.SetStandardPrjPath(standard);
    const std::wstring over = MakeArchive(L"标准工程", {{"frame.prj", "student"}});
    // An archive beside the class folder would unpack over all of it.
    const std::wstring above = m_dir.WFile(L"exam.zip");
    WriteBytes(Utf8(above), ReadBytes(Utf8(over)));
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    EXPECT_EQ(m_workspace.AddStudentInputs({over, above}), 0);
    EXPECT_EQ(Failures(), L"标准工程.zip: 解压文件夹是标准工程所在的文件夹\nexam.zip: 解压文件夹是标准工程所在的文件夹\n");
    EXPECT_EQ(ReadBytes(Utf8(standard)), "standard");
    EXPECT_TRUE(m_window.m_messages.empty());
}

TEST_F(StudentImport, AFolderAnotherRunHoldsIsReportedAndTheOthersGoOn)
{
    const std::wstring zhang = MakeArchive(L"张三", {{"frame.prj", "new"}});
    const std::wstring li = MakeArchive(L"李四", {{"frame.prj", "m"}});
    MakeFile(L"exam/张三/frame.prj", "old");
    // Another run reading 张三: reading alongside is fine, replacing is not.
    CDestinationLocks other;
    ASSERT_EQ(other.Lock(m_exam + L"/张三", false), CDestinationLocks::kLocked);
    m_window.QueueAnswer(CWindowLayer::TM_ID_NO);
    EXPECT_EQ(m_workspace.AddStudentInputs({zhang}), 1);
    m_workspace.ReleaseImportLocks();

    m_window.QueueAnswer(CWindowLayer::TM_ID_YES);
    EXPECT_EQ(m_workspace.AddStudentInputs({zhang, li}), 1);
    EXPECT_EQ(Failures(), L"张三.zip: 正在被另一个评分进程使用\n");
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/frame.prj")), "old");

    // The import's own lock keeps the other run out until it lets go.
    EXPECT_EQ(other.Lock(m_exam + L"/李四", false), CDestinationLocks::kBusy);
    m_workspace.ReleaseImportLocks();
    EXPECT_EQ(other.Lock(m_exam + L"/李四", false), CDestinationLocks::kLocked);
}

TEST_F(StudentImport, LeftoversOfAKilledRunGoUnlessALiveRunHoldsTheirFolder)
{
    const std::wstring zhang = MakeArchive(L"张三", {{"frame.prj", "m"}});
    // A killed run: half an unpacking, an old folder on its way out, a
    // workbook being written; and a live run's scratch folder.
    MakeFile(L"exam/.张三.tmscore-new-999-1/frame.prj", "half");
    MakeFile(L"exam/.李四.tmscore-old-999-2/frame.prj", "old");
    MakeFile(L"exam/李四/frame.prj", "m");
    MakeFile(L"exam/.李四.xls.0123abcd", "half a workbook");
    MakeFile(L"exam/.王五.tmscore-new-998-1/frame.prj", "busy");
    CDestinationLocks live;
    ASSERT_EQ(live.Lock(m_exam + L"/王五", true), CDestinationLocks::kLocked);

    EXPECT_EQ(m_workspace.AddStudentInputs({zhang}), 1);
    m_workspace.ReleaseImportLocks();
    EXPECT_EQ(ReadBytes(Utf8(m_exam + L"/张三/frame.prj")), "m");
    EXPECT_EQ(ExamListing(), ".tmscore-lock\n.王五.tmscore-new-998-1\n张三\n张三.zip\n李四\n");
}

TEST_F(StudentImport, ACancelledImportStopsBetweenInputsAndLeavesNothingHalfDone)
{
    const std::wstring zhang = MakeArchive(L"张三", {{"frame.prj", "m"}});
    const std::wstring li = MakeArchive(L"李四", {{"frame.prj", "m"}});
    m_window.m_cancelAfter = 1;
    EXPECT_EQ(m_workspace.AddStudentInputs({zhang, li}), 1);
    m_workspace.ReleaseImportLocks();
    EXPECT_EQ(ExamListing(), "张三\n张三.zip\n李四.zip\n");
}

TEST_F(StudentImport, UnpackingOnTwoThreadsGivesTheOutcomesMessagesAndFoldersOfOne)
{
    const char* const names[] = {"a", "b", "c", "d", "e", "f"};
    for (const char* name : {"a", "c", "f"})
        MakeArchive(Wide(name), {{"frame.prj", std::string(20000, *name)}});
    MakeArchive(L"e", {{"readme.txt", "no project here"}});
    // Entries refused for their names: a warning each, in input order.
    for (const char* name : {"b", "d"})
        ASSERT_EQ(tmtest::Run("/usr/bin/python3 -c \"import zipfile; z = zipfile.ZipFile('" + Utf8(m_exam) + "/" +
                              name + ".zip', 'w'); z.writestr('../evil.txt', 'x'); z.writestr('frame.prj', 'm')\""),
                  0);
    // After the folder: a missing archive, whose message follows the
    // warnings, and a project inside a folder the first input unpacks.
    const std::vector<std::wstring> inputs = {m_exam, m_exam + L"/missing.zip", m_exam + L"/a/frame.prj"};
    std::wstring serial;
    for (int jobs : {1, 2}) {
        for (const char* name : names)
            DeleteFolderTree(m_exam + L"/" + Wide(name));
        m_window.ClearLog();
        m_workspace.SetLoadJobs(jobs);
        EXPECT_EQ(m_workspace.AddStudentInputs(inputs), 5);
        m_workspace.ReleaseImportLocks();
        std::wstring run = Failures() + m_window.MessageLog() + L"\n" + Wide(ExamListing());
        for (const char* name : names)
            run += Wide(ReadBytes(Utf8(m_exam + L"/" + Wide(name) + L"/frame.prj")).substr(0, 1));
        if (jobs == 1)
            serial = run;
        EXPECT_EQ(run, serial);
    }
    auto warning = [&](const wchar_t* name) {
        return L"警告: 压缩文件 " + m_exam + L"/" + name +
               L".zip 中有 1 个文件的名称或类型不安全，未解压：\n../evil.txt\n";
    };
    EXPECT_EQ(serial, L"e.zip: 没有找到 .prj 工程文件\n"
                      L"missing.zip: 压缩文件不存在\n"
                      L"frame.prj: 与 " + m_exam + L"/a.zip 使用同一文件夹\n" + warning(L"b") + warning(L"d") +
                      L"提示: 压缩文件 " + m_exam + L"/missing.zip 不存在\n"
                      L"a\na.zip\nb\nb.zip\nc\nc.zip\nd\nd.zip\ne\ne.zip\nf\nf.zip\n"
                      L"amcmf");
    EXPECT_EQ(m_workspace.GetStudentPaths().size(), 10u);
}

TEST_F(StudentImport, MacResourceFilesInAFolderGivenAreNeverTakenForHandIns)
{
    MakeArchive(L"张三", {{"frame.prj", "m"}});
    MakeFile(L"exam/._张三.zip", "resource fork");
    MakeFile(L"exam/._frame.prj", "resource fork");
    EXPECT_EQ(m_workspace.AddStudentInputs({m_exam}), 1);
    EXPECT_EQ(m_workspace.GetStudentPaths(), std::vector<std::wstring>{m_exam + L"/张三/frame.prj"});
    EXPECT_EQ(Failures(), L"");
}
