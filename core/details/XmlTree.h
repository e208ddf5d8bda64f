#pragma once
// A small element tree of an XML document, parsed by the one XML library Ovalis links.

#include <memory>
#include <vector>

#include "core/base/Types.h"

struct XmlElement {
    CString name;
    std::vector<std::pair<CString, CString>> attributes;
    CString text;  // the character data directly inside, white space trimmed
    std::vector<std::unique_ptr<XmlElement>> children;
    // Where the element stands in the document's bytes: its start tag from tagBegin, what it
    // holds from contentBegin to contentEnd, its end tag to tagEnd. An empty-element tag
    // ("<A/>") holds nothing: contentBegin, contentEnd and tagEnd are all its end.
    std::size_t tagBegin = 0;
    std::size_t contentBegin = 0;
    std::size_t contentEnd = 0;
    std::size_t tagEnd = 0;
    bool emptyTag = false;

    // The first child of that name, or null.
    const XmlElement* Child(const CString& strName) const;
    // The text of the first child of that name, or "".
    CString ChildText(const CString& strName) const;
};

// Larger documents are not parsed: no recorder writes one, and the tree would hold it twice.
inline constexpr std::size_t kLargestXmlDocument = 16 * 1024 * 1024;

struct XmlParse {
    std::unique_ptr<XmlElement> root;  // null when the document is not well formed
    CString error;                     // what stopped the parser, and where
    // Not checked at all: the document is past the size limit or the count of elements, or its
    // entities expand it past its own size.
    bool tooLarge = false;
};

// The declared encoding is honoured (texts come out as UTF-8); one the parser does not know is
// read as UTF-8.
XmlParse ParseXml(const CString& strDocument);
// The document as indented text, one element or text a line.
CString IndentedXml(const XmlElement& root);
