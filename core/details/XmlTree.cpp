// The one file that names the XML library (expat).
#include "core/details/XmlTree.h"

#include <expat.h>

namespace {

// Elements nested deeper than this end the parse: the tree is walked recursively.
constexpr std::size_t kDeepest = 256;

struct Builder {
    XML_Parser parser;
    std::unique_ptr<XmlElement> root;
    std::vector<XmlElement*> open;
};

CString Trimmed(const CString& strText) {
    const auto first = strText.find_first_not_of(" \t\r\n");
    if (first == CString::npos) {
        return {};
    }
    return strText.substr(first, strText.find_last_not_of(" \t\r\n") - first + 1);
}

void XMLCALL OnStart(void* pData, const XML_Char* pName, const XML_Char** pAttributes) {
    auto* pBuilder = static_cast<Builder*>(pData);
    if (pBuilder->open.size() >= kDeepest) {
        XML_StopParser(pBuilder->parser, XML_FALSE);
        return;
    }
    auto pElement = std::make_unique<XmlElement>();
    pElement->name = pName;
    for (int i = 0; pAttributes[i]; i += 2) {
        pElement->attributes.emplace_back(pAttributes[i], pAttributes[i + 1]);
    }
    XmlElement* pRaw = pElement.get();
    if (pBuilder->open.empty()) {
        pBuilder->root = std::move(pElement);
    } else {
        pBuilder->open.back()->children.push_back(std::move(pElement));
    }
    pBuilder->open.push_back(pRaw);
}

void XMLCALL OnEnd(void* pData, const XML_Char*) {
    auto* pBuilder = static_cast<Builder*>(pData);
    pBuilder->open.back()->text = Trimmed(pBuilder->open.back()->text);
    pBuilder->open.pop_back();
}

void XMLCALL OnText(void* pData, const XML_Char* pText, int nLen) {
    auto* pBuilder = static_cast<Builder*>(pData);
    if (!pBuilder->open.empty()) {
        pBuilder->open.back()->text.append(pText, static_cast<std::size_t>(nLen));
    }
}

void AddIndented(const XmlElement& element, const CString& strIndent, CString& strText) {
    CString strOpen = "<" + element.name;
    for (const auto& [name, value] : element.attributes) {
        strOpen += " " + name + "=\"" + value + "\"";
    }
    if (element.children.empty()) {
        strText +=
            strIndent + strOpen +
            (element.text.empty() ? "/>\n" : ">" + element.text + "</" + element.name + ">\n");
        return;
    }
    strText += strIndent + strOpen + ">\n";
    if (!element.text.empty()) {
        strText += strIndent + "  " + element.text + "\n";
    }
    for (const auto& pChild : element.children) {
        AddIndented(*pChild, strIndent + "  ", strText);
    }
    strText += strIndent + "</" + element.name + ">\n";
}

}  // namespace

const XmlElement* XmlElement::Child(const CString& strName) const {
    for (const auto& pChild : children) {
        if (pChild->name == strName) {
            return pChild.get();
        }
    }
    return nullptr;
}

CString XmlElement::ChildText(const CString& strName) const {
    const XmlElement* pChild = Child(strName);
    return pChild ? pChild->text : CString();
}

XmlParse ParseXml(const CString& strDocument) {
    Builder builder{XML_ParserCreate("UTF-8"), nullptr, {}};
    XmlParse result;
    if (!builder.parser) {
        result.error = "the XML parser could not be created";
        return result;
    }
    XML_SetUserData(builder.parser, &builder);
    XML_SetElementHandler(builder.parser, OnStart, OnEnd);
    XML_SetCharacterDataHandler(builder.parser, OnText);
    const bool bParsed = XML_Parse(builder.parser, strDocument.data(),
                                   static_cast<int>(strDocument.size()), XML_TRUE) == XML_STATUS_OK;
    if (bParsed && builder.root && builder.open.empty()) {
        result.root = std::move(builder.root);
    } else {
        const XML_Error code = XML_GetErrorCode(builder.parser);
        result.error = CString(code == XML_ERROR_ABORTED ? "elements nested too deeply"
                                                         : XML_ErrorString(code)) +
                       " at line " + std::to_string(XML_GetCurrentLineNumber(builder.parser)) +
                       ", column " + std::to_string(XML_GetCurrentColumnNumber(builder.parser) + 1);
    }
    XML_ParserFree(builder.parser);
    return result;
}

CString IndentedXml(const XmlElement& root) {
    CString strText;
    AddIndented(root, "", strText);
    return strText;
}
