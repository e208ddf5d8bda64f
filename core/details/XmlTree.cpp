// The one file that names the XML library (expat).
#include "core/details/XmlTree.h"

// The library is built with its document type support, which holds the guard against entities
// that expand without bound; its header declares that guard only when told so.
#define XML_DTD 1
#include <expat.h>

#include <algorithm>
#include <cctype>

namespace {

// Elements nested deeper than this end the parse: the tree is walked recursively.
constexpr std::size_t kDeepest = 256;
// Nor documents of more elements: each costs the tree some 200 bytes, so a document of empty
// elements (a few bytes each, or a small gzip stream inflated) would take forty times its size.
constexpr std::size_t kMostElements = 500000;
// Entities may add no more text than the document holds itself (iXML has no use for them):
// a few nested ones would make a small document a thousandfold larger.
constexpr float kMostAmplification = 2.0f;
constexpr unsigned long long kAmplificationCheckedFrom = 64 * 1024;

// Windows-1252 where it differs from ISO-8859-1; the five bytes it leaves undefined keep their
// ISO-8859-1 code points.
constexpr int kWindows1252High[32] = {
    0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};

struct Builder {
    XML_Parser parser;
    std::unique_ptr<XmlElement> root;
    std::vector<XmlElement*> open;
    std::size_t nElements = 0;
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
    if (pBuilder->open.size() >= kDeepest || ++pBuilder->nElements > kMostElements) {
        XML_StopParser(pBuilder->parser, XML_FALSE);
        return;
    }
    auto pElement = std::make_unique<XmlElement>();
    pElement->name = pName;
    for (int i = 0; pAttributes[i]; i += 2) {
        pElement->attributes.emplace_back(pAttributes[i], pAttributes[i + 1]);
    }
    pElement->tagBegin = static_cast<std::size_t>(XML_GetCurrentByteIndex(pBuilder->parser));
    pElement->contentBegin =
        pElement->tagBegin + static_cast<std::size_t>(XML_GetCurrentByteCount(pBuilder->parser));
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
    XmlElement& element = *pBuilder->open.back();
    element.text = Trimmed(element.text);
    const auto nCount = static_cast<std::size_t>(XML_GetCurrentByteCount(pBuilder->parser));
    element.emptyTag = nCount == 0;
    element.contentEnd = element.emptyTag
                             ? element.contentBegin
                             : static_cast<std::size_t>(XML_GetCurrentByteIndex(pBuilder->parser));
    element.tagEnd = element.contentEnd + nCount;
    pBuilder->open.pop_back();
}

void XMLCALL OnText(void* pData, const XML_Char* pText, int nLen) {
    auto* pBuilder = static_cast<Builder*>(pData);
    if (!pBuilder->open.empty()) {
        pBuilder->open.back()->text.append(pText, static_cast<std::size_t>(nLen));
    }
}

bool IsWindows1252(const XML_Char* pName) {
    CString strName = pName;
    std::transform(strName.begin(), strName.end(), strName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strName == "windows-1252" || strName == "cp1252";
}

// The parser knows UTF-8, UTF-16, ISO-8859-1 and US-ASCII itself; Windows-1252 is the one other
// encoding that desktop tools declare.
int XMLCALL OnUnknownEncoding(void*, const XML_Char* pName, XML_Encoding* pInfo) {
    if (!IsWindows1252(pName)) {
        return XML_STATUS_ERROR;
    }
    for (int i = 0; i < 256; ++i) {
        pInfo->map[i] = i < 0x80 || i >= 0xA0 ? i : kWindows1252High[i - 0x80];
    }
    pInfo->data = nullptr;
    pInfo->convert = nullptr;
    pInfo->release = nullptr;
    return XML_STATUS_OK;
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

XML_Parser NewParser(const XML_Char* pEncoding, Builder& builder) {
    XML_Parser parser = XML_ParserCreate(pEncoding);
    if (parser) {
        XML_SetUserData(parser, &builder);
        XML_SetElementHandler(parser, OnStart, OnEnd);
        XML_SetCharacterDataHandler(parser, OnText);
        XML_SetUnknownEncodingHandler(parser, OnUnknownEncoding, nullptr);
        XML_SetBillionLaughsAttackProtectionMaximumAmplification(parser, kMostAmplification);
        XML_SetBillionLaughsAttackProtectionActivationThreshold(parser, kAmplificationCheckedFrom);
    }
    return parser;
}

CString ErrorText(const Builder& builder) {
    XML_Parser parser = builder.parser;
    const XML_Error code = XML_GetErrorCode(parser);
    if (code == XML_ERROR_AMPLIFICATION_LIMIT_BREACH) {
        return "its entities expand it past its own size";
    }
    if (builder.nElements > kMostElements) {
        return "the document has more than " + std::to_string(kMostElements) +
               " elements; documents of up to " + std::to_string(kMostElements) + " are parsed";
    }
    return CString(code == XML_ERROR_ABORTED ? "elements nested too deeply"
                                             : XML_ErrorString(code)) +
           " at line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ", column " +
           std::to_string(XML_GetCurrentColumnNumber(parser) + 1);
}

// One parse with the encoding given, or the declared one for null.
XmlParse ParseAs(const CString& strDocument, const XML_Char* pEncoding, XML_Error& code) {
    Builder builder{nullptr, nullptr, {}};
    builder.parser = NewParser(pEncoding, builder);
    XmlParse result;
    if (!builder.parser) {
        result.error = "the XML parser could not be created";
        return result;
    }
    const bool bParsed = XML_Parse(builder.parser, strDocument.data(),
                                   static_cast<int>(strDocument.size()), XML_TRUE) == XML_STATUS_OK;
    code = XML_GetErrorCode(builder.parser);
    if (bParsed && builder.root && builder.open.empty()) {
        result.root = std::move(builder.root);
    } else {
        result.error = ErrorText(builder);
        result.tooLarge =
            code == XML_ERROR_AMPLIFICATION_LIMIT_BREACH || builder.nElements > kMostElements;
    }
    XML_ParserFree(builder.parser);
    return result;
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
    if (strDocument.size() > kLargestXmlDocument) {
        return {nullptr,
                "the document is " + std::to_string(strDocument.size()) +
                    " bytes; documents up to " + std::to_string(kLargestXmlDocument) +
                    " are parsed",
                true};
    }
    XML_Error code = XML_ERROR_NONE;
    XmlParse result = ParseAs(strDocument, nullptr, code);
    if (code == XML_ERROR_UNKNOWN_ENCODING) {
        return ParseAs(strDocument, "UTF-8", code);
    }
    return result;
}

CString IndentedXml(const XmlElement& root) {
    CString strText;
    AddIndented(root, "", strText);
    return strText;
}
