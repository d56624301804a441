// tmscore-cli values PRJ: loads one project the way a student project is
// loaded and prints every value it holds, category by category, as JSON:
//
//   {"project": "<path>", "loaded": true, "status": "读入成功",
//    "categories": [{"category": "总信息", "fullScore": 30,
//                    "values": [{"name": "...", "class": "CTmIntData",
//                                "type": 2, "group": 0, "selected": false,
//                                "text": "..."}, ...]}, ...]}
//
// The six categories come in category order, the values in the order the
// readers made them. Exit status 0 when the project loaded, 1 when it did
// not (the JSON is printed all the same), 2 for a bad command line. Other
// tools read this output: keep its form stable.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <typeinfo>

#include "cli/CliCommand.h"
#include "cli/JsonWriter.h"
#include "scoring/ScoringProject.h"
#include "tools/TmString.h"

namespace {

// The full scores of a student project: the construction defaults.
const float kStudentFullScores[TM_CATEGORY_COUNT] = {30, 30, 20, 20, 0, 0};

const char* ValueClassName(const CTmData& value)
{
    if (dynamic_cast<const CTmCharData*>(&value))
        return "CTmCharData";
    if (dynamic_cast<const CTmInt16Data*>(&value))
        return "CTmInt16Data";
    if (dynamic_cast<const CTmIntData*>(&value))
        return "CTmIntData";
    if (dynamic_cast<const CTmFloatData*>(&value))
        return "CTmFloatData";
    if (dynamic_cast<const CTmFloatInverseData*>(&value))
        return "CTmFloatInverseData";
    if (dynamic_cast<const CTmStringData*>(&value))
        return "CTmStringData";
    if (dynamic_cast<const CTmIntArrayData*>(&value))
        return "CTmIntArrayData";
    if (dynamic_cast<const CTmFloatArrayData*>(&value))
        return "CTmFloatArrayData";
    if (dynamic_cast<const CTmStringArrayData*>(&value))
        return "CTmStringArrayData";
    return "CTmData";
}

std::wstring Wide(const std::string& utf8)
{
    std::wstring wide;
    TMTOOLS::String::EncodeUnicode(0, utf8, wide);
    return wide;
}

// The path as given when absolute, else under the current folder: the
// project record cuts its folder at the last "/".
std::wstring AbsolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return Wide(path);
    char cwd[PATH_MAX];
    if (!getcwd(cwd, sizeof cwd))
        return Wide(path);
    std::string joined = cwd;
    if (joined.empty() || joined.back() != '/')
        joined += '/';
    return Wide(joined + path);
}

bool HasPrjExtension(const std::string& path)
{
    if (path.size() < 4)
        return false;
    std::wstring extension = Wide(path.substr(path.size() - 4));
    return TMTOOLS::String::StringCompareNoCase(extension.c_str(), L".prj") == 0;
}

void WriteValue(CJsonWriter& json, const CTmData& value)
{
    json.BeginObject();
    json.Key("name");
    json.String(value.m_name);
    json.Key("class");
    json.String(Wide(ValueClassName(value)));
    json.Key("type");
    json.Int(value.m_type);
    json.Key("group");
    json.Int(value.m_group);
    json.Key("selected");
    json.Bool(value.m_selected);
    json.Key("text");
    json.String(value.GetValueText());
    json.EndObject();
}

int RunValues(const std::vector<std::string>& args)
{
    static const CCliCommand* self = CCliCommandRegistry::Find("values");
    if (args.size() != 1 || !HasPrjExtension(args[0])) {
        CCliCommandRegistry::PrintUsage(*self);
        return TM_CLI_USAGE;
    }

    CScoringProject project;
    const std::wstring path = AbsolutePath(args[0]);
    project.SetProjectPath(path, kStudentFullScores);
    const bool loaded = project.Load();

    CJsonWriter json;
    json.BeginObject();
    json.Key("project");
    json.String(path);
    json.Key("loaded");
    json.Bool(loaded);
    json.Key("status");
    json.String(project.GetLoadStatusText());
    json.Key("missing");
    json.BeginArray();
    for (const std::vector<std::wstring>* files : {&project.m_missingResultFiles, &project.m_unrecognisedResultFiles}) {
        for (const std::wstring& file : *files)
            json.String(file);
    }
    json.EndArray();
    json.Key("note");
    json.String(project.GetLoadNoteText());
    json.Key("categories");
    json.BeginArray();
    for (int category = 0; category < TM_CATEGORY_COUNT; ++category) {
        const CScoringItem& item = project.GetItem(category);
        json.BeginObject();
        json.Key("category");
        json.String(GetCategoryName(category));
        json.Key("fullScore");
        json.Float(item.m_fullScore);
        json.Key("values");
        json.BeginArray();
        for (const auto& value : item.GetValues())
            WriteValue(json, *value);
        json.EndArray();
        json.EndObject();
    }
    json.EndArray();
    json.EndObject();

    std::string out = json.Text();
    out += '\n';
    fwrite(out.data(), 1, out.size(), stdout);
    fflush(stdout);
    return loaded ? TM_CLI_OK : TM_CLI_FAILED;
}

const CCliCommandRegistration kRegistration({
    "values",
    "PRJ",
    "load the project PRJ as a student project and print its values as JSON",
    &RunValues,
});

}  // namespace
