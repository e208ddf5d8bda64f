#include "core/edit/IxmlFields.h"

#include <algorithm>
#include <cctype>
#include <unordered_map>

#include "core/details/XmlTree.h"
#include "core/edit/ReadBackLimit.h"
#include "core/kinds/ChunkKind.h"

namespace {

constexpr const char* kMainFields[] = {"PROJECT", "SCENE", "TAKE",    "TAPE",
                                       "CIRCLED", "NOTE",  "FILE_UID"};
constexpr const char* kSpeedFields[] = {
    "MASTER_SPEED",     "CURRENT_SPEED",         "TIMECODE_RATE",         "TIMECODE_FLAG",
    "FILE_SAMPLE_RATE", "DIGITIZER_SAMPLE_RATE", "TIMESTAMP_SAMPLE_RATE", "AUDIO_BIT_DEPTH"};
constexpr const char* kTrackFields[] = {"NAME", "FUNCTION"};

// Where a field's element stands: under BWFXML, under its SPEED block, or under a track.
struct FieldPath {
    CString block;  // "", "SPEED" or "TRACK"
    CString leaf;
    CString channel;  // the track's CHANNEL_INDEX
};

template <std::size_t N>
bool IsOneOf(const CString& strName, const char* const (&names)[N]) {
    return std::find(std::begin(names), std::end(names), strName) != std::end(names);
}

std::optional<FieldPath> PathOf(const CString& strName) {
    if (IsOneOf(strName, kMainFields)) {
        return FieldPath{"", strName, ""};
    }
    if (strName.rfind("SPEED.", 0) == 0 && IsOneOf(strName.substr(6), kSpeedFields)) {
        return FieldPath{"SPEED", strName.substr(6), ""};
    }
    const std::size_t nDot = strName.find('.');
    const CString strChannel = strName.substr(5, nDot == CString::npos ? 0 : nDot - 5);
    if (strName.rfind("TRACK", 0) != 0 || nDot == CString::npos || strChannel.empty() ||
        !std::all_of(strChannel.begin(), strChannel.end(),
                     [](unsigned char c) { return std::isdigit(c); }) ||
        !IsOneOf(strName.substr(nDot + 1), kTrackFields)) {
        return std::nullopt;
    }
    return FieldPath{"TRACK", strName.substr(nDot + 1), strChannel};
}

// The document as the parser takes it: without the zero bytes and white space after it.
CString Parsable(const CString& strDocument) {
    const std::size_t nEnd = strDocument.find_last_not_of(CString(" \t\r\n\0", 5));
    return nEnd == CString::npos ? CString() : strDocument.substr(0, nEnd + 1);
}

const XmlElement* TrackOf(const XmlElement& root, const CString& strChannel) {
    const XmlElement* pList = root.Child("TRACK_LIST");
    if (!pList) {
        return nullptr;
    }
    for (const auto& pTrack : pList->children) {
        if (pTrack->name == "TRACK" && pTrack->ChildText("CHANNEL_INDEX") == strChannel) {
            return pTrack.get();
        }
    }
    return nullptr;
}

const XmlElement* BlockOf(const XmlElement& root, const FieldPath& path) {
    if (path.block == "SPEED") {
        return root.Child("SPEED");
    }
    return path.block == "TRACK" ? TrackOf(root, path.channel) : &root;
}

CString Escaped(const CString& strText) {
    CString strEscaped;
    for (char c : strText) {
        switch (c) {
            case '&':
                strEscaped += "&amp;";
                break;
            case '<':
                strEscaped += "&lt;";
                break;
            case '>':
                strEscaped += "&gt;";
                break;
            default:
                strEscaped += c;
        }
    }
    return strEscaped;
}

// The declared encoding, lower-cased; "" when the declaration names none.
CString DeclaredEncoding(const CString& strDocument) {
    const std::size_t nDeclEnd = strDocument.find("?>");
    const std::size_t nAt = strDocument.find("encoding=");
    if (strDocument.rfind("<?xml", 0) != 0 || nAt == CString::npos || nAt > nDeclEnd) {
        return CString();
    }
    const char quote = nAt + 9 < strDocument.size() ? strDocument[nAt + 9] : '"';
    const std::size_t nClose = strDocument.find(quote, nAt + 10);
    CString strName = strDocument.substr(nAt + 10, nClose - nAt - 10);
    std::transform(strName.begin(), strName.end(), strName.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return strName;
}

bool IsAscii(const CString& strText) {
    return std::all_of(strText.begin(), strText.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Inserts the element's text as the parent's last child, indented as its last child is.
IxmlEdit InsertChild(const CString& strDocument, const XmlElement& parent,
                     const CString& strElement) {
    if (parent.emptyTag) {
        return {CString(), "its " + parent.name + " element is empty (<" + parent.name + "/>)"};
    }
    if (parent.children.empty()) {
        CString strEdited = strDocument;
        return {strEdited.insert(parent.contentEnd, strElement), CString()};
    }
    const XmlElement& last = *parent.children.back();
    std::size_t nIndent = last.tagBegin;
    while (nIndent > parent.contentBegin &&
           CString(" \t\r\n").find(strDocument[nIndent - 1]) != CString::npos) {
        --nIndent;
    }
    const CString strIndent = strDocument.substr(nIndent, last.tagBegin - nIndent);
    CString strEdited = strDocument;
    return {strEdited.insert(last.tagEnd, strIndent + strElement), CString()};
}

CString ElementText(const CString& strName, const CString& strContent) {
    return "<" + strName + ">" + strContent + "</" + strName + ">";
}

IxmlEdit Replace(const CString& strDocument, const XmlElement& element, const CString& strText) {
    if (!element.children.empty()) {
        return {CString(), "its " + element.name + " element holds elements, not a text"};
    }
    CString strEdited = strDocument;
    if (element.emptyTag) {
        return {strEdited.replace(element.tagBegin, element.tagEnd - element.tagBegin,
                                  ElementText(element.name, Escaped(strText))),
                CString()};
    }
    return {strEdited.replace(element.contentBegin, element.contentEnd - element.contentBegin,
                              Escaped(strText)),
            CString()};
}

void AddTrackFields(const XmlElement& list, std::vector<CString>& rNames) {
    for (const auto& pTrack : list.children) {
        const CString strChannel = pTrack->ChildText("CHANNEL_INDEX");
        for (const char* pName : kTrackFields) {
            if (pTrack->name == "TRACK" && !strChannel.empty() && pTrack->Child(pName)) {
                rNames.push_back("TRACK" + strChannel + "." + pName);
            }
        }
    }
}

std::vector<CString> FieldsOf(const XmlElement& root) {
    std::vector<CString> names;
    for (const char* pName : kMainFields) {
        if (root.Child(pName)) {
            names.emplace_back(pName);
        }
    }
    const XmlElement* pSpeed = root.Child("SPEED");
    for (const char* pName : kSpeedFields) {
        if (pSpeed && pSpeed->Child(pName)) {
            names.push_back(CString("SPEED.") + pName);
        }
    }
    if (const XmlElement* pList = root.Child("TRACK_LIST")) {
        AddTrackFields(*pList, names);
    }
    return names;
}

// Each channel's first track, as TrackOf finds it, for a document of many tracks.
std::unordered_map<CString, const XmlElement*> TracksByChannel(const XmlElement& root) {
    std::unordered_map<CString, const XmlElement*> tracks;
    if (const XmlElement* pList = root.Child("TRACK_LIST")) {
        for (const auto& pTrack : pList->children) {
            if (pTrack->name == "TRACK") {
                tracks.try_emplace(pTrack->ChildText("CHANNEL_INDEX"), pTrack.get());
            }
        }
    }
    return tracks;
}

}  // namespace

bool IsIxmlField(const CString& strName) {
    return PathOf(strName).has_value();
}

std::vector<CString> IxmlFieldsOf(const CString& strDocument) {
    const XmlParse parse = ParseXml(Parsable(strDocument));
    return parse.root ? FieldsOf(*parse.root) : std::vector<CString>();
}

std::vector<std::pair<CString, CString>> IxmlFieldValuesOf(const CString& strDocument) {
    std::vector<std::pair<CString, CString>> values;
    const XmlParse parse = ParseXml(Parsable(strDocument));
    if (!parse.root) {
        return values;
    }
    const auto tracks = TracksByChannel(*parse.root);
    for (const CString& strName : FieldsOf(*parse.root)) {
        // A track's channel index that is not a number names no field.
        const std::optional<FieldPath> path = PathOf(strName);
        const auto track = path ? tracks.find(path->channel) : tracks.end();
        const XmlElement* pBlock = !path                    ? nullptr
                                   : path->block != "TRACK" ? BlockOf(*parse.root, *path)
                                   : track != tracks.end()  ? track->second
                                                            : nullptr;
        if (const XmlElement* pLeaf = pBlock ? pBlock->Child(path->leaf) : nullptr) {
            values.emplace_back(strName, pLeaf->text);
        }
    }
    return values;
}

std::vector<CString> IxmlFieldNamesForHelp() {
    std::vector<CString> names(std::begin(kMainFields), std::end(kMainFields));
    for (const char* pName : kSpeedFields) {
        names.push_back(CString("SPEED.") + pName);
    }
    for (const char* pName : kTrackFields) {
        names.push_back(CString("TRACK1.") + pName);
    }
    return names;
}

std::optional<CString> IxmlFieldText(const CString& strDocument, const CString& strName) {
    const std::optional<FieldPath> path = PathOf(strName);
    const XmlParse parse = ParseXml(Parsable(strDocument));
    const XmlElement* pBlock = path && parse.root ? BlockOf(*parse.root, *path) : nullptr;
    const XmlElement* pLeaf = pBlock ? pBlock->Child(path->leaf) : nullptr;
    return pLeaf ? std::optional(pLeaf->text) : std::nullopt;
}

namespace {

IxmlEdit Edited(const CString& strDocument, const CString& strName, const CString& strText) {
    const std::optional<FieldPath> path = PathOf(strName);
    if (!path) {
        return {CString(), "'" + strName + "' is not an iXML field Ovalis sets"};
    }
    const CString strEncoding = DeclaredEncoding(strDocument);
    if (!strEncoding.empty() && strEncoding != "utf-8" && strEncoding != "us-ascii" &&
        !IsAscii(strText)) {
        return {CString(), "the document is in " + strEncoding + "; only ASCII text is stored"};
    }
    const XmlParse parse = ParseXml(Parsable(strDocument));
    if (!parse.root || parse.root->name != "BWFXML") {
        return {CString(), parse.root ? "its document is not a BWFXML document"
                                      : "its document is not well formed: " + parse.error};
    }
    if (IxmlFieldText(strDocument, strName) == strText) {
        return {strDocument, CString()};
    }
    const XmlElement* pBlock = BlockOf(*parse.root, *path);
    if (!pBlock && path->block == "SPEED") {
        return InsertChild(strDocument, *parse.root,
                           ElementText("SPEED", ElementText(path->leaf, Escaped(strText))));
    }
    if (!pBlock) {
        return {CString(), "its TRACK_LIST has no track of CHANNEL_INDEX " + path->channel};
    }
    if (const XmlElement* pLeaf = pBlock->Child(path->leaf)) {
        return Replace(strDocument, *pLeaf, strText);
    }
    return InsertChild(strDocument, *pBlock, ElementText(path->leaf, Escaped(strText)));
}

}  // namespace

IxmlEdit SetIxmlField(const CString& strDocument, const CString& strName, const CString& strText) {
    IxmlEdit edit = Edited(strDocument, strName, strText);
    if (CString strProblem = XmlDocumentSizeProblem("iXML", Parsable(edit.document).size());
        !strProblem.empty()) {
        return {CString(), strProblem};
    }
    return edit;
}

CString NewIxmlDocument() {
    return KindOfId(CString("iXML"))->newChunk->payload();
}
