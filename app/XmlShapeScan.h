// CXmlShapeScan: how deep and how wide the tree is that TinyXML would build
// from a text, found without building it.
//
// TinyXML parses by recursion, one level per nested element and with no
// limit of its own, so a deep file overflows the stack; and it checks every
// new attribute against all earlier ones of its element, so time grows with
// the square of the attributes on one element. This scan walks the text as
// TinyXML's parser walks it, but with a loop and a stack of names instead of
// recursion, in time linear in the text. Every token is read by TinyXML's
// own code (its attribute, text, comment, declaration and other node
// parsers, its white-space, name and node-kind rules), so the scan jumps
// where TinyXML jumps (over a UTF-8 sequence, over an entity) and gives up
// where it gives up; only the nesting of elements is walked here. It
// reports what TinyXML would reach: the deepest element nesting and the
// most attributes on one element, and the longest attribute name, up to
// the point where TinyXML would stop with an error (the names count too:
// TinyXML compares a new name with each earlier one of the same length, so
// long names multiply the cost of many). The scan stops as soon as a limit
// given is passed.
//
// It does not check that the text is good XML: TinyXML does that after it,
// on the same text (PrepareXmlText).
#pragma once

#include <string>
#include <vector>

// The text to scan and then to hand to TinyXML's Parse: line ends folded
// (CR LF and a lone CR become LF) and cut at the first zero byte, as
// TinyXML's own file loading does, with zero bytes added after the end:
// TinyXML steps over the bytes of a UTF-8 sequence without looking at them,
// so a text ending in a lead byte would otherwise make it read past the end.
std::string PrepareXmlText(const std::string& bytes);

class CXmlShapeScan {
public:
    // The limit a scan passed.
    enum Result { kWithinLimits, kTooDeep, kTooManyAttributes, kNameTooLong };

    // Limits; a scan stops when one is passed.
    CXmlShapeScan(int maxDepth, int maxAttributes, int maxNameBytes);

    // Scans a text made by PrepareXmlText.
    Result Scan(const char* text);

    // Found by the last scan (when it stopped early, up to that point).
    int m_depth;       // deepest element nesting; 1 for a lone root
    int m_attributes;  // most attributes on one element
    int m_nameBytes;   // longest attribute name

private:
    // The start tag of an element from its "<" to its ">" or "/>" (empty
    // tells which), its name into name; null where TinyXML would fail or a
    // limit is passed (result then says which).
    const char* ParseStartTag(const char* p, std::string& name, bool& empty, Result& result);
    // The end tag of the innermost open element; null where TinyXML would
    // fail.
    const char* ParseEndTag(const char* p) const;

    int m_maxDepth;
    int m_maxAttributes;
    int m_maxNameBytes;
    // Names of the open elements, innermost last.
    std::vector<std::string> m_open;
};
