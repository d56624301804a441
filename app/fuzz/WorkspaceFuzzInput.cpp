// The fuzz entry functions of the workspace files (see WorkspaceFuzzInput.h).
#include "app/fuzz/WorkspaceFuzzInput.h"

#include <unistd.h>

#include <climits>
#include <string>

#include <tinyxml.h>

#include "app/AppWindowLayer.h"
#include "app/MemoryGrid.h"
#include "app/Workspace.h"
#include "app/XmlShapeScan.h"
#include "readers/fuzz/FuzzSupport.h"
#include "tools/TmString.h"

using tmfuzz::Require;

namespace {

// A window layer that shows nothing and answers No.
class CFuzzWindowLayer : public CAppWindowLayer {
public:
    bool ShowOpenFileDialog(const CFileDialogRequest&, std::vector<std::wstring>&) override { return false; }
    bool ShowSaveFileDialog(const CFileDialogRequest&, std::wstring&) override { return false; }
    CGridLayer& GetProjectGrid() override { return m_projectGrid; }
    CGridLayer& GetScoreGrid() override { return m_scoreGrid; }
    bool RunSettingsDialog(CWorkspace&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

protected:
    Answer DoMessageBox(const wchar_t*, const wchar_t*, Buttons) override { return TM_ID_NO; }

private:
    CMemoryGrid m_projectGrid;
    CMemoryGrid m_scoreGrid;
};

// Every project loads the same few values, named as a real standard names
// them, so that the selections of a standard file have values to select.
class CFuzzWorkspace : public CWorkspace {
public:
    explicit CFuzzWorkspace(CAppWindowLayer& window) : CWorkspace(window) {}

protected:
    bool LoadProject(CScoringProject& project) override
    {
        project.ClearAllValues();
        project.m_genInfoItem.AddValue(new CTmIntData(L"结构形式", TM_GROUP_GENERAL, 1));
        project.m_genInfoItem.AddValue(new CTmIntData(L"地下室层数", TM_GROUP_GENERAL, 0));
        project.m_layerInfoItem.AddValue(new CTmIntData(L"结构层1的层高", TM_GROUP_GENERAL, 3000));
        project.m_calcResultItem.AddValue(new CTmIntData(L"第一周期_s", TM_GROUP_GENERAL, 1));
        return true;
    }
};

struct CTreeShape {
    int depth = 0;
    int attributes = 0;
    int nameBytes = 0;
};

// The shape of the tree TinyXML built, walked without recursion. Only
// elements have children, so an element's level is its depth.
CTreeShape ShapeOf(const TiXmlDocument& document)
{
    CTreeShape shape;
    int level = 1;
    const TiXmlNode* node = document.FirstChild();
    while (node) {
        if (const TiXmlElement* element = node->ToElement()) {
            shape.depth = std::max(shape.depth, level);
            int attributes = 0;
            for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
                ++attributes;
                shape.nameBytes = std::max(shape.nameBytes, (int)a->NameTStr().size());
            }
            shape.attributes = std::max(shape.attributes, attributes);
        }
        if (node->FirstChild()) {
            node = node->FirstChild();
            ++level;
            continue;
        }
        while (node && node != &document && !node->NextSibling()) {
            node = node->Parent();
            --level;
        }
        node = node && node != &document ? node->NextSibling() : nullptr;
    }
    return shape;
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(65001, utf8, wide);
    return wide;
}

// Writes the input as name in a fresh program folder and runs start-up.
void StartWith(const char* name, const uint8_t* data, size_t size)
{
    const std::string folder = tmfuzz::ScratchFolder();
    unlink((folder + "/config.xml").c_str());
    unlink((folder + "/projectlist.txt").c_str());
    tmfuzz::WriteFile(folder + "/" + name, (const char*)data, size);
    tmfuzz::CQuietMessages messages;
    CFuzzWindowLayer window;
    CFuzzWorkspace workspace(window);
    workspace.SetProgramFolder(Wide(folder));
    workspace.Startup();
}

}  // namespace

void StandardFuzzOneInput(const uint8_t* data, size_t size)
{
    const std::string text = PrepareXmlText(std::string((const char*)data, size));
    CXmlShapeScan scan(INT_MAX, INT_MAX, INT_MAX);
    Require(scan.Scan(text.c_str()) == CXmlShapeScan::kWithinLimits);
    StartWith("config.xml", data, size);
    // Deeper than this, TinyXML could overflow the stack of the check
    // itself (start-up refuses such a file).
    if (scan.m_depth > 2000)
        return;
    TiXmlDocument document;
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    const CTreeShape tree = ShapeOf(document);
    // TinyXML keeps what it built before an error, so even then the tree
    // shows how deep it went.
    Require(tree.depth <= scan.m_depth && tree.attributes <= scan.m_attributes && tree.nameBytes <= scan.m_nameBytes);
    if (!document.Error())
        Require(tree.depth == scan.m_depth && tree.attributes == scan.m_attributes &&
                tree.nameBytes == scan.m_nameBytes);
}

void ProjectListFuzzOneInput(const uint8_t* data, size_t size)
{
    StartWith("projectlist.txt", data, size);
}
