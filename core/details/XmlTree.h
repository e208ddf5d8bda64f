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

    // The first child of that name, or null.
    const XmlElement* Child(const CString& strName) const;
    // The text of the first child of that name, or "".
    CString ChildText(const CString& strName) const;
};

struct XmlParse {
    std::unique_ptr<XmlElement> root;  // null when the document is not well formed
    CString error;                     // what stopped the parser, and where
};

XmlParse ParseXml(const CString& strDocument);
// The document as indented text, one element or text a line.
CString IndentedXml(const XmlElement& root);
