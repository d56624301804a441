// The scoring-standard file (config.xml and exported standards): reading it
// into the workspace and writing it from the standard project.
//
// <?xml version="1.0" encoding="utf-8" ?>
// <标准工程信息 标准工程路径="..." 总信息分值="30" ... 钢筋算量接口分值="0">
//     <总信息 value-name="1" other-name="0" ... />
//     ... one element per category, in category order
// </标准工程信息>
#include <cmath>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>
#include <tinyxml.h>

#include "app/AppWindowLayer.h"
#include "app/AtomicFile.h"
#include "app/Workspace.h"
#include "tools/TmMessage.h"
#include "tools/TmOS.h"
#include "tools/TmString.h"

namespace {

const char kRootName[] = "标准工程信息";
const char kPathAttribute[] = "标准工程路径";
const char* const kScoreAttributes[TM_CATEGORY_COUNT] = {
    "总信息分值", "各层信息分值", "结构模型与荷载分值", "计算结果分值", "施工图分值", "钢筋算量接口分值",
};

std::string ToUtf8(const std::wstring& text)
{
    std::string narrow;
    TMTOOLS::String::DecodeUnicode(0, text, narrow);
    return narrow;
}

std::wstring FromUtf8(const char* text)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, text ? std::string(text) : std::string(), wide);
    return wide;
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
    // TinyXML sizes its read by seeking to the end: hand it files only.
    const std::string nativePath = TMTOOLS::OS::NativePath(path);
    struct stat st;
    const bool read = !path.empty() && stat(nativePath.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                      document.LoadFile(nativePath.c_str(), TIXML_ENCODING_UTF8);
    const TiXmlElement* root = read ? document.FirstChildElement() : nullptr;

    // Only the first element counts, whatever its name.
    if (root) {
        if (const char* prjPath = root->Attribute(kPathAttribute))
            m_standardPrjPath = FromUtf8(prjPath);
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            double score = 0.0;
            // Absent or non-numeric attributes keep the score; so do
            // infinities and NaN, which would poison every total.
            if (root->QueryDoubleAttribute(kScoreAttributes[k], &score) == TIXML_SUCCESS && std::isfinite(score) &&
                std::isfinite((float)score))
                m_categoryScores[k] = (float)score;
        }
    }

    RebuildStandardProject();

    if (!root)
        return read;
    for (const TiXmlElement* child = root->FirstChildElement(); child; child = child->NextSiblingElement()) {
        const std::wstring name = FromUtf8(child->Value());
        for (int k = 0; k < TM_CATEGORY_COUNT; ++k) {
            if (name != GetCategoryName(k))
                continue;
            for (const std::unique_ptr<CTmData>& value : m_standardProject->GetItem(k).GetValues()) {
                bool selected = false;
                if (ReadBoolText(child->Attribute(ToUtf8(value->m_name).c_str()), selected))
                    value->m_selected = selected;
            }
        }
    }
    return true;
}

bool CWorkspace::RebuildStandardProject()
{
    m_standardProject.reset(new CScoringProject);
    m_standardLoaded = false;
    if (!m_standardProject->SetProjectPath(m_standardPrjPath, m_categoryScores))
        return false;
    m_standardLoaded = LoadProject(*m_standardProject);
    if (!m_standardLoaded)
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
    if (!m_standardProject)
        m_standardProject.reset(new CScoringProject);
    CScoringProject& standard = *m_standardProject;
    float scores[TM_CATEGORY_COUNT];
    for (int k = 0; k < TM_CATEGORY_COUNT; ++k)
        scores[k] = standard.GetItem(k).m_fullScore;
    // A refused path keeps the folder and base path of the one before it:
    // reading would take that project's result files.
    if (!standard.SetProjectPath(standard.m_prjPath, scores)) {
        standard.ClearAllValues();
        standard.m_loadStatus = TM_LOAD_FAILED;
        m_standardLoaded = false;
        return false;
    }
    m_standardLoaded = LoadProject(standard);
    return m_standardLoaded;
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
