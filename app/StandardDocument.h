// Reading a scoring-standard file (config.xml or an exported standard) into
// a TinyXML document, within bounds.
//
// A real standard is a few KB, its widest element about 200 attributes.
// TinyXML has no limits of its own: a deeply nested file overflows its
// recursive parser, and many attributes on one element make it run for
// minutes (the more so the longer their names). So before it parses, a
// scan of the text (CXmlShapeScan) refuses a file over 16 MB, one nested
// deeper than 256 levels, one with more than 10,000 attributes on an
// element or with an attribute name over 128 bytes (a value's name is some
// tens), each with a warning naming the limit. What passes is parsed in
// time linear in its size: TinyXML's attribute look-ups take a second at
// worst, a 16 MB file of small elements two or three. A FIFO, a device
// and the like are refused unread.
#pragma once

#include <string>

class TiXmlDocument;

const long long TM_MAX_STANDARD_BYTES = 16LL << 20;
const int TM_MAX_STANDARD_DEPTH = 256;
const int TM_MAX_STANDARD_ATTRIBUTES = 10000;
const int TM_MAX_STANDARD_NAME_BYTES = 128;

// Parses the file at path into document (as UTF-8). False when the file is
// missing, refused or not well formed; the document's root is then not to
// be used.
bool LoadStandardDocument(const std::wstring& path, TiXmlDocument& document);
