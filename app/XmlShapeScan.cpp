// CXmlShapeScan: TinyXML's element walk without its recursion.
#include "app/XmlShapeScan.h"

#include <tinyxml.h>

#include <memory>

namespace {

const TiXmlEncoding kUtf8 = TIXML_ENCODING_UTF8;

// TinyXML's own token rules, which its classes keep protected, made
// reachable here. Never used as an element.
class CTinyXmlRules : public TiXmlElement {
public:
    CTinyXmlRules() : TiXmlElement("") {}
    using TiXmlBase::ReadName;
    using TiXmlBase::SkipWhiteSpace;
    using TiXmlBase::StringEqual;
    using TiXmlNode::Identify;
};

}  // namespace

std::string PrepareXmlText(const std::string& bytes)
{
    std::string text;
    text.reserve(bytes.size() + 3);
    for (size_t i = 0; i < bytes.size() && bytes[i] != 0; ++i) {
        if (bytes[i] != '\r') {
            text += bytes[i];
            continue;
        }
        text += '\n';
        if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
    }
    // A UTF-8 sequence is at most four bytes: from a lead byte at the very
    // end TinyXML steps onto the fourth zero after it, the terminator.
    text.append(3, '\0');
    return text;
}

CXmlShapeScan::CXmlShapeScan(int maxDepth, int maxAttributes, int maxNameBytes)
    : m_depth(0),
      m_attributes(0),
      m_nameBytes(0),
      m_maxDepth(maxDepth),
      m_maxAttributes(maxAttributes),
      m_maxNameBytes(maxNameBytes)
{
}

// TiXmlElement::Parse up to the end of the start tag.
const char* CXmlShapeScan::ParseStartTag(const char* p, std::string& name, bool& empty, Result& result)
{
    p = CTinyXmlRules::SkipWhiteSpace(p, kUtf8);
    if (!p || *p != '<')
        return nullptr;
    p = CTinyXmlRules::SkipWhiteSpace(p + 1, kUtf8);
    p = p ? CTinyXmlRules::ReadName(p, &name, kUtf8) : nullptr;
    int attributes = 0;
    while (p && *p) {
        p = CTinyXmlRules::SkipWhiteSpace(p, kUtf8);
        if (!p || !*p)
            return nullptr;
        if (*p == '/') {
            empty = true;
            return p[1] == '>' ? p + 2 : nullptr;
        }
        if (*p == '>') {
            empty = false;
            return p + 1;
        }
        TiXmlAttribute attribute;
        p = attribute.Parse(p, nullptr, kUtf8);
        if (!p || !*p)
            return nullptr;
        // Counted before TinyXML looks the name up among the earlier ones:
        // that look-up is the cost bounded here.
        if (++attributes > m_attributes)
            m_attributes = attributes;
        const int nameBytes = (int)attribute.NameTStr().size();
        if (nameBytes > m_nameBytes)
            m_nameBytes = nameBytes;
        if (attributes > m_maxAttributes || nameBytes > m_maxNameBytes) {
            result = attributes > m_maxAttributes ? kTooManyAttributes : kNameTooLong;
            return nullptr;
        }
    }
    return nullptr;
}

// The end of TiXmlElement::Parse: "</name", white space, ">".
const char* CXmlShapeScan::ParseEndTag(const char* p) const
{
    const std::string endTag = "</" + m_open.back();
    if (!CTinyXmlRules::StringEqual(p, endTag.c_str(), false, kUtf8))
        return nullptr;
    p = CTinyXmlRules::SkipWhiteSpace(p + endTag.size(), kUtf8);
    return p && *p == '>' ? p + 1 : nullptr;
}

// TiXmlDocument::Parse with TiXmlElement::ReadValue folded in: m_open
// empty is the document's loop over its nodes, otherwise the loop over the
// innermost open element's content.
CXmlShapeScan::Result CXmlShapeScan::Scan(const char* text)
{
    m_depth = 0;
    m_attributes = 0;
    m_nameBytes = 0;
    m_open.clear();
    CTinyXmlRules rules;
    const char* p = CTinyXmlRules::SkipWhiteSpace(text, kUtf8);
    const char* withWhiteSpace = text;
    while (p && *p) {
        if (*p != '<') {
            if (m_open.empty())
                return kWithinLimits;  // the document ends at anything but a node
            TiXmlText node("");
            p = node.Parse(TiXmlBase::IsWhiteSpaceCondensed() ? p : withWhiteSpace, nullptr, kUtf8);
        } else if (!m_open.empty() && CTinyXmlRules::StringEqual(p, "</", false, kUtf8)) {
            p = ParseEndTag(p);
            m_open.pop_back();
        } else {
            std::unique_ptr<TiXmlNode> node(rules.Identify(p, kUtf8));
            if (!node)
                return kWithinLimits;
            if (!node->ToElement()) {
                p = node->Parse(p, nullptr, kUtf8);
            } else {
                // TinyXML is one level deeper from here, even when the
                // tag then fails.
                const int depth = (int)m_open.size() + 1;
                if (depth > m_depth)
                    m_depth = depth;
                if (depth > m_maxDepth)
                    return kTooDeep;
                std::string name;
                bool empty = true;
                Result result = kWithinLimits;
                p = ParseStartTag(p, name, empty, result);
                if (result != kWithinLimits)
                    return result;
                if (p && !empty)
                    m_open.push_back(name);
            }
        }
        withWhiteSpace = p;
        p = p ? CTinyXmlRules::SkipWhiteSpace(p, kUtf8) : nullptr;
    }
    return kWithinLimits;
}
