// LoadStandardDocument: read, scan, then parse.
#include "app/StandardDocument.h"

#include <tinyxml.h>

#include "app/XmlShapeScan.h"
#include "tools/TmInputFile.h"
#include "tools/TmMessage.h"
#include "tools/TmString.h"

using TMTOOLS::String::stringFormat;

bool LoadStandardDocument(const std::wstring& path, TiXmlDocument& document)
{
    document.Clear();
    std::string bytes;
    TMTOOLS::OS::TmInputStatus status;
    if (!TMTOOLS::OS::ReadInputFile(path.c_str(), TM_MAX_STANDARD_BYTES, bytes, status))
        return false;

    // TinyXML parses the very text scanned.
    const std::string text = PrepareXmlText(bytes);
    CXmlShapeScan scan(TM_MAX_STANDARD_DEPTH, TM_MAX_STANDARD_ATTRIBUTES, TM_MAX_STANDARD_NAME_BYTES);
    std::wstring refusal;
    switch (scan.Scan(text.c_str())) {
    case CXmlShapeScan::kWithinLimits:
        break;
    case CXmlShapeScan::kTooDeep:
        refusal = stringFormat(L"评分标准文件 %s 的元素嵌套超过 %d 层，未读取。", path.c_str(), TM_MAX_STANDARD_DEPTH);
        break;
    case CXmlShapeScan::kTooManyAttributes:
        refusal = stringFormat(L"评分标准文件 %s 中有元素的属性超过 %d 个，未读取。", path.c_str(),
                               TM_MAX_STANDARD_ATTRIBUTES);
        break;
    case CXmlShapeScan::kNameTooLong:
        refusal = stringFormat(L"评分标准文件 %s 中有属性名长于 %d 字节，未读取。", path.c_str(),
                               TM_MAX_STANDARD_NAME_BYTES);
        break;
    }
    if (!refusal.empty()) {
        TMTOOLS::OS::TmShowWarnMessage(refusal.c_str());
        return false;
    }
    document.Parse(text.c_str(), nullptr, TIXML_ENCODING_UTF8);
    return !document.Error();
}
