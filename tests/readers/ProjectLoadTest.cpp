// Loading whole projects: the sample class (samples/), reloading, missing
// and damaged model files, and the sample students scored value by value
// against the standard project.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include "scoring/ScoringProject.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/TestFiles.h"

namespace {

const std::string kSamples = std::string(TM_READERS_TEST_DATA) + "/../../../samples";
const float kScores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};

std::wstring SamplePrj(const std::string& folder)
{
    return tmtest::Wide(kSamples + "/" + folder + "/frame.prj");
}

// Loads a project as a student project is loaded; the messages shown go to
// messages when given.
std::unique_ptr<CScoringProject> LoadProject(const std::wstring& prj, std::vector<tmtest::CRecordedMessage>* messages = nullptr)
{
    tmtest::CMessageRecorder recorder;
    auto project = std::make_unique<CScoringProject>();
    project->SetProjectPath(prj, kScores);
    project->Load();
    if (messages)
        *messages = recorder.Messages();
    return project;
}

size_t ValueCount(const CScoringProject& project, int category)
{
    return project.GetItem(category).GetValues().size();
}

std::wstring Text(const CScoringProject& project, int category, const wchar_t* name)
{
    CTmData* value = project.GetItem(category).FindValue(name);
    return value ? value->GetValueText() : L"<none>";
}

// Names of the standard's values that the student's namesake does not
// match (IsEqual called on the standard value, as scoring does).
std::vector<std::wstring> Mismatches(const CScoringProject& standard, const CScoringProject& student, int category)
{
    std::vector<std::wstring> names;
    for (const auto& value : standard.GetItem(category).GetValues()) {
        CTmData* other = student.GetItem(category).FindValue(value->m_name);
        if (!other || !value->IsEqual(*other))
            names.push_back(value->m_name);
    }
    return names;
}

TEST(ProjectLoad, TheStandardSampleLoadsEveryCategory)
{
    std::vector<tmtest::CRecordedMessage> messages;
    auto project = LoadProject(SamplePrj("standard"), &messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(project->m_loadStatus, 0);
    EXPECT_EQ(project->GetLoadStatusText(), L"读入成功");
    EXPECT_GT(ValueCount(*project, TM_CATEGORY_GEN_INFO), 100u);
    EXPECT_EQ(ValueCount(*project, TM_CATEGORY_LAYER_INFO), 5u * 8u);
    EXPECT_EQ(ValueCount(*project, TM_CATEGORY_GOUJIAN), 1u);
    EXPECT_EQ(ValueCount(*project, TM_CATEGORY_CALC_RESULT), 25u);
    EXPECT_EQ(Text(*project, TM_CATEGORY_GEN_INFO, L"结构计算总层数"), L"5");
    EXPECT_EQ(Text(*project, TM_CATEGORY_GEN_INFO, L"地震设防烈度"), L"7");
    EXPECT_EQ(Text(*project, TM_CATEGORY_LAYER_INFO, L"结构层1的层高"), L"4.2");
    EXPECT_EQ(Text(*project, TM_CATEGORY_LAYER_INFO, L"结构层3的标准层号"), L"2");
    EXPECT_EQ(Text(*project, TM_CATEGORY_GOUJIAN, L"构件模型和荷载_kN"), L"16300");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"振型参与质量_X向_％"), L"95.6");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"第一周期_s"), L"0.9123");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"第三周期_s"), L"0.7401");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"首层剪重比_Y向_％"), L"3.86");
    // Both eccentricity tables are there: the larger of +ex and -ex.
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"地震位移比_X向"), L"1.23");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"地震层间位移比_Y向"), L"1.22");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"地震最大层间位移角_X向"), L"1/687");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"风荷载最大层间位移角_X向"), L"1/1850");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"风荷载最大层间位移角_Y向"), L"1/1620");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"结构刚重比_X向"), L"48.62");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"楼层受剪承载力与上层最小比值_X向"), L"1");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"薄弱层_X向"), L"1");
    EXPECT_EQ(Text(*project, TM_CATEGORY_CALC_RESULT, L"薄弱层_Y向"), L"");
    EXPECT_EQ(Text(*project, TM_CATEGORY_WORK_DRAWING, L"施工图"), L"完成");
    EXPECT_EQ(Text(*project, TM_CATEGORY_TMQI, L"钢筋算量接口"), L"完成");
}

TEST(ProjectLoad, SampleStudentsMatchTheStandardAsTheirFoldersSay)
{
    auto standard = LoadProject(SamplePrj("standard"));
    auto zhang = LoadProject(SamplePrj("students/张三"));
    auto li = LoadProject(SamplePrj("students/李四"));
    auto wang = LoadProject(SamplePrj("students/王五"));
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category) {
        SCOPED_TRACE(category);
        EXPECT_TRUE(Mismatches(*standard, *zhang, category).empty());
    }
    // Within the tolerances everywhere but in the quantities file.
    for (int category = 0; category < TM_CATEGORY_TMQI; ++category)
        EXPECT_TRUE(Mismatches(*standard, *li, category).empty()) << category;
    EXPECT_EQ(Mismatches(*standard, *li, TM_CATEGORY_TMQI).size(), 1u);
    EXPECT_NE(Text(*standard, TM_CATEGORY_CALC_RESULT, L"第一周期_s"), Text(*li, TM_CATEGORY_CALC_RESULT, L"第一周期_s"));

    std::vector<std::wstring> off = Mismatches(*standard, *wang, TM_CATEGORY_CALC_RESULT);
    EXPECT_GE(off.size(), 15u);
    EXPECT_NE(std::find(off.begin(), off.end(), L"薄弱层_X向"), off.end());
    EXPECT_NE(std::find(off.begin(), off.end(), L"第一周期_s"), off.end());
    EXPECT_EQ(Mismatches(*standard, *wang, TM_CATEGORY_GEN_INFO),
              (std::vector<std::wstring>{L"地震设防烈度", L"水平地震影响系数最大值"}));
    EXPECT_EQ(Mismatches(*standard, *wang, TM_CATEGORY_LAYER_INFO).size(), 4u + 5u);
    EXPECT_EQ(Mismatches(*standard, *wang, TM_CATEGORY_GOUJIAN).size(), 1u);
    EXPECT_EQ(Mismatches(*standard, *wang, TM_CATEGORY_WORK_DRAWING).size(), 1u);
}

TEST(ProjectLoad, AStudentWithoutResultFilesLoadsWithInitialResultValues)
{
    std::vector<tmtest::CRecordedMessage> messages;
    auto zhao = LoadProject(SamplePrj("students/赵六"), &messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(zhao->m_loadStatus, 0);
    EXPECT_EQ(ValueCount(*zhao, TM_CATEGORY_CALC_RESULT), 25u);
    EXPECT_EQ(Text(*zhao, TM_CATEGORY_GOUJIAN, L"构件模型和荷载_kN"), L"0");
    EXPECT_EQ(Text(*zhao, TM_CATEGORY_CALC_RESULT, L"风荷载最大层间位移角_Y向"), L"1/1e+20");
    EXPECT_EQ(Text(*zhao, TM_CATEGORY_WORK_DRAWING, L"施工图"), L"未做");
    EXPECT_EQ(Text(*zhao, TM_CATEGORY_TMQI, L"钢筋算量接口"), L"未做");
    auto standard = LoadProject(SamplePrj("standard"));
    EXPECT_TRUE(Mismatches(*standard, *zhao, TM_CATEGORY_GEN_INFO).empty());
    EXPECT_EQ(Mismatches(*standard, *zhao, TM_CATEGORY_CALC_RESULT).size(), 24u);  // the Y weak storeys agree: none
}

TEST(ProjectLoad, AStudentWhoseModelFileFailsLoadsNothingAndIsMarkedFailed)
{
    std::vector<tmtest::CRecordedMessage> messages;
    auto qian = LoadProject(SamplePrj("students/钱七"), &messages);
    EXPECT_EQ(qian->m_loadStatus, 1);
    EXPECT_EQ(qian->GetLoadStatusText(), L"读总信息失败");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, L"警告");
    EXPECT_NE(messages[0].text.find(L"第 2 行 第 1 字符处有不可识别的整型数"), std::wstring::npos);
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category)
        EXPECT_EQ(ValueCount(*qian, category), 0u) << category;
}

TEST(ProjectLoad, LoadingTwiceGivesTheSameValuesNotDoubledOnes)
{
    tmtest::CMessageRecorder recorder;
    CScoringProject project;
    project.SetProjectPath(SamplePrj("standard"), kScores);
    ASSERT_TRUE(project.Load());
    std::vector<std::vector<std::wstring>> first;
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category) {
        first.emplace_back();
        for (const auto& value : project.GetItem(category).GetValues())
            first.back().push_back(value->m_name + L"=" + value->GetValueText());
    }
    ASSERT_TRUE(project.Load());
    EXPECT_EQ(recorder.Count(), 0u);
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category) {
        std::vector<std::wstring> second;
        for (const auto& value : project.GetItem(category).GetValues())
            second.push_back(value->m_name + L"=" + value->GetValueText());
        EXPECT_EQ(second, first[category]) << category;
    }
}

TEST(ProjectLoad, AMissingPrjFileShowsOneMessageAndEmptiesTheItems)
{
    tmtest::CTempDir dir;
    CScoringProject project;
    project.SetProjectPath(SamplePrj("standard"), kScores);
    ASSERT_TRUE(project.Load());
    const std::wstring missing = dir.WFile(L"缺少/frame.prj");
    project.SetProjectPath(missing, kScores);
    tmtest::CMessageRecorder recorder;
    EXPECT_FALSE(project.Load());
    ASSERT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(recorder.Last().text, L"工程 " + missing + L" 不存在.");
    EXPECT_EQ(recorder.Last().caption, L"Tesmo评分系统");
    EXPECT_EQ(project.m_loadStatus, 1);
    EXPECT_EQ(project.GetLoadStatusText(), L"读总信息失败");
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category)
        EXPECT_EQ(ValueCount(project, category), 0u) << category;
}

TEST(ProjectLoad, AFolderNamedLikeAPrjFileFailsWithoutAMessage)
{
    tmtest::CTempDir dir;
    ASSERT_EQ(mkdir(dir.File("frame.prj").c_str(), 0755), 0);
    CScoringProject project;
    project.SetProjectPath(dir.WFile(L"frame.prj"), kScores);
    tmtest::CMessageRecorder recorder;
    EXPECT_FALSE(project.Load());
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(project.m_loadStatus, 1);
}

TEST(ProjectLoad, SpecialFilesAreRefusedWithoutWaitingAndALongLineIsReportedOncePerFile)
{
    alarm(60);  // a hang fails the test rather than the run
    tmtest::CTempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe.prj").c_str(), 0600), 0);
    std::vector<tmtest::CRecordedMessage> messages;
    auto pipe = LoadProject(dir.WFile(L"pipe.prj"), &messages);
    EXPECT_EQ(pipe->m_loadStatus, 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, L"文件 " + dir.WFile(L"pipe.prj") + L" 不是普通文件（管道、设备或套接字），未读取。");

    // A sound model whose result files are a FIFO, two devices and a file
    // of one 3 MB line, which four reading steps go through.
    tmtest::WriteBytes(dir.File("frame.prj"), tmtest::ReadBytes(kSamples + "/standard/frame.prj"));
    ASSERT_EQ(mkfifo(dir.File("frame_结构信息.txt").c_str(), 0600), 0);
    ASSERT_EQ(symlink("/dev/zero", dir.File("frame_周期和地震作用.txt").c_str()), 0);
    ASSERT_EQ(symlink("/dev/urandom", dir.File("frame_水平力效应验算.txt").c_str()), 0);
    tmtest::WriteBytes(dir.File("frame_结构位移.txt"), std::string(3 << 20, '7') + "\r\n");
    auto frame = LoadProject(dir.WFile(L"frame.prj"), &messages);
    EXPECT_EQ(frame->m_loadStatus, 0);
    EXPECT_EQ(Text(*frame, TM_CATEGORY_CALC_RESULT, L"地震最大层间位移角_X向"), L"1/1e+20");
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_NE(messages[0].text.find(L"frame_结构信息.txt 不是普通文件"), std::wstring::npos);
    EXPECT_NE(messages.back().text.find(L"行长超过了程序读取范围"), std::wstring::npos);
    alarm(0);
}

TEST(ProjectLoad, AValidModelWithoutResultFilesLoadsAndASuccessfulLoadKeepsTheStatus)
{
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("frame.prj"), tmtest::ReadBytes(kSamples + "/standard/frame.prj"));
    CScoringProject project;
    project.SetProjectPath(dir.WFile(L"frame.prj"), kScores);
    project.m_loadStatus = 1;  // a failed load before; only SetProjectPath clears it
    tmtest::CMessageRecorder recorder;
    EXPECT_TRUE(project.Load());
    EXPECT_EQ(recorder.Count(), 0u);
    EXPECT_EQ(project.m_loadStatus, 1);
    EXPECT_EQ(ValueCount(project, TM_CATEGORY_CALC_RESULT), 25u);
    EXPECT_EQ(Text(project, TM_CATEGORY_CALC_RESULT, L"地震最大层间位移角_X向"), L"1/1e+20");
    EXPECT_EQ(Text(project, TM_CATEGORY_WORK_DRAWING, L"施工图"), L"未做");
}

TEST(ProjectLoad, AModelThatFailsAfterItsGeneralSectionsKeepsTheGeneralValuesOnly)
{
    // The standard model with its solver line of 13 integers damaged: the
    // general sections before it are read, nothing after.
    std::string prj = tmtest::ReadBytes(kSamples + "/standard/frame.prj");
    const std::string solverLine = "\r\n0 0 0 0 0 0 0 0 0 0 0 0 0\r\n";
    size_t at = prj.find(solverLine);
    ASSERT_NE(at, std::string::npos);
    prj.replace(at, solverLine.size(), "\r\n0 0 x\r\n");
    tmtest::CTempDir dir;
    tmtest::WriteBytes(dir.File("frame.prj"), prj);
    CScoringProject project;
    project.SetProjectPath(dir.WFile(L"frame.prj"), kScores);
    tmtest::CMessageRecorder recorder;
    EXPECT_FALSE(project.Load());
    EXPECT_EQ(recorder.Count(), 1u);
    EXPECT_EQ(project.m_loadStatus, 1);
    EXPECT_GT(ValueCount(project, TM_CATEGORY_GEN_INFO), 100u);
    for (int category = TM_CATEGORY_LAYER_INFO; category < TM_CATEGORY_COUNT; ++category)
        EXPECT_EQ(ValueCount(project, category), 0u) << category;
}

TEST(ProjectLoad, AResultFileWithNothingRecognisedAndNamesDifferingInCaseAreNoted)
{
    tmtest::CTempDir dir;
    tmtest::Run("cp " + kSamples + "/standard/* " + dir.Path());
    // Another program's text in the displacement file's place; a second
    // structure file whose name differs only in case.
    tmtest::WriteBytes(dir.File("frame_结构位移.txt"), "Displacements\r\n1 2 3\r\n");
    tmtest::Run("cp " + dir.File("frame_结构信息.txt") + " " + dir.File("FRAME_结构信息.txt"));
    CScoringProject project;
    project.SetProjectPath(dir.WFile(L"frame.prj"), kScores);
    EXPECT_TRUE(project.Load());
    EXPECT_EQ(project.GetLoadStatusText(), L"读入成功");
    EXPECT_TRUE(project.m_missingResultFiles.empty());
    EXPECT_EQ(project.m_unrecognisedResultFiles, std::vector<std::wstring>{L"frame_结构位移.txt"});
    EXPECT_EQ(project.m_valuesWithoutFile.size(), 8u);  // four ratios, four drifts
    EXPECT_EQ(project.GetLoadNoteText(),
              L"无法识别：frame_结构位移.txt；frame_结构信息.txt 有 2 个仅大小写不同的文件，读取的是 frame_结构信息.txt");
}

TEST(ProjectLoad, AModelFileInUtf16FailsToLoadBesideItsResultFiles)
{
    // The sample standard's model as UTF-16: its second line starts with a
    // NUL, so there is no storey count to read.
    std::string utf16 = "\xff\xfe";
    for (char c : tmtest::ReadBytes(kSamples + "/standard/frame.prj"))
        utf16 += std::string(1, c) + '\0';
    tmtest::CTempDir dir;
    tmtest::Run("cp " + kSamples + "/standard/frame_*.txt " + dir.Path());
    tmtest::WriteBytes(dir.File("frame.prj"), utf16);
    CScoringProject project;
    project.SetProjectPath(dir.WFile(L"frame.prj"), kScores);
    tmtest::CMessageRecorder recorder;
    EXPECT_FALSE(project.Load());
    EXPECT_EQ(project.GetLoadStatusText(), L"读总信息失败");
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category)
        EXPECT_EQ(ValueCount(project, category), 0u) << category;
}

}  // namespace
