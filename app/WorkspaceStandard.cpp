// The scoring-standard file (config.xml and exported standards): reading it
// into the workspace and writing it from the standard project.
//
// <?xml version="1.0" encoding="utf-8" ?>
// <标准工程信息 标准工程路径="..." 总信息分值="30" ... 钢筋算量接口分值="0">
//     <总信息 value-name="1" other-name="0" ... />
//     ... one element per category, in category order
// </标准工程信息>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <tinyxml.h>

#include "app/AppWindowLayer.h"
#include "app/AtomicFile.h"
#include "app/CategoryScores.h"
#include "app/StandardDocument.h"
#include "app/StoredPath.h"
#include "app/Workspace.h"
#include "tools/FileNameLookup.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

namespace {

const char kRootName[] = "标准工程信息";
const char kPathAttribute[] = "标准工程路径";
// Only for a path whose bytes are not UTF-8 (StoredPath.h).
const char kPathBytesAttribute[] = "标准工程路径字节";
const char* const kScoreAttributes[TM_CATEGORY_COUNT] = {
    "总信息分值", "各层信息分值", "结构模型与荷载分值", "计算结果分值", "施工图分值", "钢筋算量接口分值",
};

// Strict UTF-8 (code page 65001): the file must stay valid XML, so bytes a
// path carries as escapes are not written through here.
std::string ToUtf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(65001, text, narrow);
    return narrow;
}

std::wstring FromUtf8(const char* text)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(65001, text ? std::string(text) : std::string(), wide);
    return wide;
}

// The standard project path of root: the bytes attribute when there is one
// and the readable path still matches it (nobody edited one without the
// other), else the readable path.
std::wstring StoredStandardPath(const TiXmlElement& root, const char* readable)
{
    std::wstring path = FromUtf8(readable);
    std::wstring exact;
    const char* bytes = root.Attribute(kPathBytesAttribute);
    if (bytes && PercentDecodedPath(bytes, exact) && ToUtf8(exact) == readable)
        return exact;
    return path;
}

// The boolean rule of the scoring-standard file: a text beginning with
// "true", "yes" or "1" (any case) is true, one beginning with "false", "no"
// or "0" is false; false is returned for anything else. TinyXML's own query
// follows the same rule but aborts on an empty text, so it is not used.
bool ReadBoolText(const char* text, bool& value)
{
    if (!text)
        return false;
    static const char* const kTrue[] = {"true", "yes", "1"};
    static const char* const kFalse[] = {"false", "no", "0"};
    for (const char* word : kTrue) {
        if (strncasecmp(text, word, strlen(word)) == 0) {
            value = true;
            return true;
        }
    }
    for (const char* word : kFalse) {
        if (strncasecmp(text, word, strlen(word)) == 0) {
            value = false;
            return true;
        }
    }
    return false;
}

// True when TinyXML's parser reads name back as one attribute name: a
// letter (any byte from 0x80 on counts as one) or "_", then letters,
// digits, "_", "-", "." or ":". A value whose name breaks this would make
// the whole file unreadable, so it is left out of the file.
bool IsXmlName(const std::string& name)
{
    if (name.empty())
        return false;
    unsigned char first = (unsigned char)name[0];
    if (!(first >= 0x80 || isalpha(first) || first == '_'))
        return false;
    for (unsigned char c : name) {
        if (!(c >= 0x80 || isalnum(c) || c == '_' || c == '-' || c == '.' || c == ':'))
            return false;
    }
    return true;
}

// What a hand edit left in a scoring-standard file that its rules cannot
// use, one line each, shown together in one warning after the file was read.
// The first lines are listed and the rest counted: a hostile file can hold a
// million such attributes, and a warning of a million lines helps nobody.
class CStandardFileNotes {
public:
    CStandardFileNotes() : m_count(0) {}
    void Add(int line, const std::wstring& text)
    {
        if (++m_count <= kListed)
            m_lines += stringFormat(L"\n第 %d 行：%s", line, text.c_str());
    }
    void Show(const std::wstring& path) const
    {
        if (m_count == 0)
            return;
        std::wstring lines = m_lines;
        if (m_count > kListed)
            lines += stringFormat(L"\n……另有 %d 处未列出", m_count - kListed);
        TMTOOLS::OS::TmShowWarnMessage(
            stringFormat(L"评分标准 %s 中有不能使用的内容，已按规则处理：%s", path.c_str(), lines.c_str()).c_str());
    }

private:
    static const int kListed = 20;
    std::wstring m_lines;
    int m_count;
};

const TiXmlAttribute* FindAttribute(const TiXmlElement& element, const char* name)
{
    for (const TiXmlAttribute* attribute = element.FirstAttribute(); attribute; attribute = attribute->Next()) {
        if (strcmp(attribute->Name(), name) == 0)
            return attribute;
    }
    return nullptr;
}

// A score as the file has always been read (TinyXML's double query: the
// number at the start of the text, after blanks): "20abc" is 20. Text after
// the number, or no number at all (the score is then kept), is noted.
bool ReadScoreText(const TiXmlAttribute& attribute, double& score, CStandardFileNotes& notes)
{
    const char* text = attribute.Value();
    char* end = nullptr;
    score = strtod(text, &end);
    const std::wstring shown = FromUtf8(attribute.Name()) + L"=\"" + FromUtf8(text) + L"\"";
    if (end == text) {
        notes.Add(attribute.Row(), shown + L" 不是数，分值不变");
        return false;
    }
    while (*end == ' ' || *end == '\t' || *end == '\n' || *end == '\r')
        ++end;
    if (*end)
        notes.Add(attribute.Row(), shown + L" 的数后还有文字，按 " + stringFormat(L"%g", score) + L" 读入");
    return true;
}

// The selections of one category element: each attribute names a value of
// item and selects it or not. An attribute that names no value (only
// looked for when the standard loaded: otherwise none would) or whose flag
// is no recognised word is noted; the value's flag stays as it was.
void ReadSelections(const TiXmlElement& element, CScoringItem& item, bool standardLoaded, CStandardFileNotes& notes)
{
    for (const TiXmlAttribute* attribute = element.FirstAttribute(); attribute; attribute = attribute->Next()) {
        const std::wstring name = FromUtf8(attribute->Name());
        CTmData* value = item.FindValue(name);
        if (!value) {
            if (standardLoaded)
                notes.Add(attribute->Row(),
                          stringFormat(L"标准工程的“%s”中没有“%s”这一项", GetCategoryName(item.GetCategory()), name.c_str()));
            continue;
        }
        bool selected = false;
        if (ReadBoolText(attribute->Value(), selected))
            value->m_selected = selected;
        else
            notes.Add(attribute->Row(), stringFormat(L"“%s”的选择标记“%s”不是 1、0、yes、no、true 或 false，选择不变",
                                                     name.c_str(), FromUtf8(attribute->Value()).c_str()));
    }
}

// A project path of the file as given when absolute (or a Windows path,
// which this machine cannot resolve either way); a relative one is taken in
// the folder of the file, so that a standard moved with its project works.
std::wstring InFolderOf(const std::wstring& file, const std::wstring& prjPath)
{
    const bool windows = (prjPath.size() > 1 && prjPath[1] == L':') || (!prjPath.empty() && prjPath[0] == L'\\');
    if (prjPath.empty() || prjPath[0] == L'/' || windows)
        return prjPath;
    std::wstring folder;
    TMTOOLS::OS::GetFolderPath(file, folder);
    return folder.empty() ? prjPath : folder + L"/" + prjPath;
}

// "%g" of the score, as the file has always held it (30, 12.5).
std::string ScoreText(float score)
{
    char buffer[64];
    snprintf(buffer, sizeof buffer, "%g", (double)score);
    return buffer;
}

}  // namespace

bool CWorkspace::ReadScoringStandard(const std::wstring& path)
{
    TiXmlDocument document;
    const bool read = LoadStandardDocument(path, document);
    const TiXmlElement* root = read ? document.FirstChildElement() : nullptr;

    // Only the first element counts, whatever its name.
    CStandardFileNotes notes;
    if (root) {
        if (const char* prjPath = root->Attribute(kPathAttribute))
            m_standardPrjPath = InFolderOf(path, StoredStandardPath(*root, prjPath));
        // A standard file written on Windows may spell the name in another
        // case than the disk has it.
        if (!m_standardPrjPath.empty() && !TMTOOLS::OS::FileExist(m_standardPrjPath.c_str()))
            m_standardPrjPath = TMTOOLS::OS::CFileNameLookup().Find(m_standardPrjPath);
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            // Absent or non-numeric attributes keep the score. A negative or
            // infinite one is taken: CheckStandard then refuses the standard
            // with the dialog's message, rather than grading with another
            // score than the file says.
            const TiXmlAttribute* attribute = FindAttribute(*root, kScoreAttributes[k]);
            double score = 0.0;
            if (attribute && ReadScoreText(*attribute, score, notes))
                m_categoryScores[k] = (float)score;
        }
    }

    RebuildStandardProject();

    if (!root)
        return read;
    for (const TiXmlElement* child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::wstring name = FromUtf8(child->Value());
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            if (name == GetCategoryName(k))
                ReadSelections(*child, m_standardProject->GetItem(k), m_standardLoaded, notes);
        }
    }
    notes.Show(path);
    // config.xml holds what the settings dialog accepted: a sum other than
    // 100 there is the teacher's choice, not news.
    if (path != m_configPath && FindRefusedCategoryScore(m_categoryScores) < 0) {
        double sum = 0.0;
        for (float score : m_categoryScores)
            sum += score;
        if (std::fabs(sum - 100.0) > 0.005)
            TMTOOLS::OS::TmShowMessage(
                stringFormat(L"评分标准 %s 的六项分值之和是 %g，不是 100。", path.c_str(), sum).c_str(), L"提示");
    }
    return true;
}

bool CWorkspace::RebuildStandardProject()
{
    m_standardProject.reset(new CScoringProject);
    m_standardLoaded = false;
    if (!m_standardProject->SetProjectPath(m_standardPrjPath, m_categoryScores))
        return false;
    if (!LoadStandardProject())
        TMTOOLS::OS::TmShowMessage(L"标准工程读取失败，请重新设置一个有效的标准工程!", TM_PROGRAM_TITLE);
    return m_standardLoaded;
}

void CWorkspace::SetStandard(const std::wstring& path, const float (&scores)[TM_CATEGORY_COUNT])
{
    if (!m_standardProject)
        m_standardProject.reset(new CScoringProject);
    m_standardProject->SetProjectPath(path, scores);
    m_standardPrjPath = path;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        m_categoryScores[k] = scores[k];
}

bool CWorkspace::LoadStandardProject()
{
    m_standardLoaded = false;
    if (!m_standardProject)
        return false;
    CScoringProject& standard = *m_standardProject;
    float scores[TM_CATEGORY_COUNT];
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        scores[k] = standard.GetItem(k).m_fullScore;
    // A refused path keeps the folder and base path of the one before it:
    // reading would take that project's result files.
    if (!standard.SetProjectPath(standard.m_prjPath, scores)) {
        standard.ClearAllValues();
        standard.m_loadStatus = TM_LOAD_FAILED;
        return false;
    }
    m_standardLoaded = LoadProject(standard);
    return m_standardLoaded;
}

TmStandardState CWorkspace::CheckStandard(std::wstring* said) const
{
    std::wstring unused;
    std::wstring& message = said ? *said : unused;
    message.clear();
    if (!m_standardProject) {
        message = L"请先设置一个合法的标准工程!";
        return TM_STANDARD_NONE;
    }
    const CScoringProject& standard = *m_standardProject;
    const wchar_t* path = standard.m_prjPath.c_str();
    // The record keeps the path it was given even when it refused it; the
    // dialog may have given it one since it was built.
    float scores[TM_CATEGORY_COUNT];
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        scores[k] = standard.GetItem(k).m_fullScore;
    if (!CScoringProject().SetProjectPath(standard.m_prjPath, scores)) {
        message = stringFormat(L"标准工程 %s 不是 .prj 工程文件的路径，不能评分!", path);
        return TM_STANDARD_BAD_PATH;
    }
    const int refused = FindRefusedCategoryScore(scores);
    if (refused >= 0) {
        message = RefusedCategoryScoreMessage(refused);
        return TM_STANDARD_BAD_SCORE;
    }
    if (!m_standardLoaded || standard.m_loadStatus == TM_LOAD_FAILED) {
        if (!TMTOOLS::OS::FileExist(path))
            message = stringFormat(L"标准工程 %s 不存在，不能评分!", path);
        else
            message = stringFormat(L"标准工程 %s 读取失败（%s），不能评分!", path,
                                   standard.GetLoadStatusText().c_str());
        return TM_STANDARD_NOT_LOADED;
    }
    // A selected value whose result file the standard lacks would hold the
    // reader's initial value and give every student nothing for it.
    std::vector<std::wstring> unanswerable;
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        for (const std::unique_ptr<CTmData>& value : standard.GetItem(k).GetValues()) {
            if (value->m_selected && std::find(standard.m_valuesWithoutFile.begin(), standard.m_valuesWithoutFile.end(),
                                               value->m_name) != standard.m_valuesWithoutFile.end())
                unanswerable.push_back(value->m_name);
        }
    }
    if (!unanswerable.empty()) {
        const size_t kListed = 5;
        std::wstring names;
        for (size_t i = 0; i < unanswerable.size() && i < kListed; ++i)
            names += (i ? L"、" : L"") + unanswerable[i];
        if (unanswerable.size() > kListed)
            names += stringFormat(L" 等 %d 项", (int)unanswerable.size());
        message = stringFormat(L"标准工程 %s %s，选中的评分项 %s 没有标准值，不能评分!", path,
                               standard.GetLoadNoteText().c_str(), names.c_str());
        return TM_STANDARD_LACKS_RESULTS;
    }
    // A category counts when a selected value in it is worth something.
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        if (standard.GetItem(k).GetValueScore() > 0.0f)
            return TM_STANDARD_USABLE;
    }
    message = stringFormat(L"标准工程 %s 没有选中任何有分值的评分项，不能评分!", path);
    return TM_STANDARD_NO_SELECTION;
}

bool CWorkspace::RefuseUnusableStandard()
{
    std::wstring message;
    if (CheckStandard(&message) == TM_STANDARD_USABLE)
        return false;
    TMTOOLS::OS::TmShowMessage(message.c_str(), L"提示");
    return true;
}

void CWorkspace::AnnounceStandardProblem()
{
    std::wstring message;
    const TmStandardState state = CheckStandard(&message);
    if (state == TM_STANDARD_BAD_SCORE || state == TM_STANDARD_LACKS_RESULTS || state == TM_STANDARD_NO_SELECTION)
        TMTOOLS::OS::TmShowMessage(message.c_str(), L"提示");
}

bool CWorkspace::WriteScoringStandard(const std::wstring& path)
{
    // The settings dialog edits the standard project in place: save what it
    // carries.
    if (m_standardProject) {
        m_standardPrjPath = m_standardProject->m_prjPath;
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
            m_categoryScores[k] = m_standardProject->GetItem(k).m_fullScore;
    }

    TiXmlDocument document;
    document.LinkEndChild(new TiXmlDeclaration("1.0", "utf-8", ""));
    TiXmlElement* root = new TiXmlElement(kRootName);
    document.LinkEndChild(root);
    root->SetAttribute(kPathAttribute, ToUtf8(m_standardPrjPath).c_str());
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        root->SetAttribute(kScoreAttributes[k], ScoreText(m_categoryScores[k]).c_str());
    if (HasByteEscapes(m_standardPrjPath))
        root->SetAttribute(kPathBytesAttribute, PercentEncodedBytes(m_standardPrjPath).c_str());
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
        TiXmlElement* category = new TiXmlElement(ToUtf8(GetCategoryName(k)).c_str());
        root->LinkEndChild(category);
        if (!m_standardProject)
            continue;
        for (const std::unique_ptr<CTmData>& value : m_standardProject->GetItem(k).GetValues()) {
            std::string name = ToUtf8(value->m_name);
            if (IsXmlName(name))
                category->SetAttribute(name.c_str(), value->m_selected ? "1" : "0");
        }
    }

    TiXmlPrinter printer;
    document.Accept(&printer);
    return ReplaceFileAtomically(path, printer.Str());
}
