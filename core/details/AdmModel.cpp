#include "core/details/AdmModel.h"

#include <algorithm>
#include <cctype>

#include "core/details/Gzip.h"
#include "core/details/XmlTree.h"

namespace {

constexpr std::size_t kChnaEntrySize = 40;
constexpr const char* kElementKinds[] = {
    "audioProgramme",     "audioContent",      "audioObject",      "audioPackFormat",
    "audioChannelFormat", "audioStreamFormat", "audioTrackFormat", "audioTrackUID"};

CString TextAt(ByteSpan payload, std::size_t nOffset, std::size_t nCount) {
    CString strText(reinterpret_cast<const char*>(payload.data() + nOffset), nCount);
    strText.erase(std::find(strText.begin(), strText.end(), '\0'), strText.end());
    return strText;
}

CString Attribute(const XmlElement& element, const CString& strName) {
    for (const auto& [name, value] : element.attributes) {
        if (name == strName) {
            return value;
        }
    }
    return CString();
}

AdmElement ElementOf(const XmlElement& element) {
    const CString strId = element.name == "audioTrackUID" ? Attribute(element, "UID")
                                                          : Attribute(element, element.name + "ID");
    AdmElement adm{element.name, strId, Attribute(element, element.name + "Name"), {}};
    for (const auto& pChild : element.children) {
        if (pChild->name.size() > 5 && pChild->name.ends_with("IDRef")) {
            adm.refs[pChild->name].push_back(pChild->text);
        }
    }
    return adm;
}

void Collect(const XmlElement& element, AdmDocument& rAdm, std::size_t nDepth) {
    if (std::find(std::begin(kElementKinds), std::end(kElementKinds), element.name) !=
        std::end(kElementKinds)) {
        rAdm.elements.push_back(ElementOf(element));
    }
    if (element.name == "profile" && rAdm.profile.empty()) {
        rAdm.profile =
            Attribute(element, "profileName") + " " + Attribute(element, "profileVersion");
    }
    // The parser bounds the depth; the walk needs no more than the model's nesting.
    if (nDepth >= 64) {
        return;
    }
    for (const auto& pChild : element.children) {
        Collect(*pChild, rAdm, nDepth + 1);
    }
}

// A reference to the common definitions (an ID whose last four hex digits are below 1000) need
// not be in the document.
bool IsCommonDefinition(const CString& strId) {
    const std::size_t nUnderscore = strId.find('_');
    if (nUnderscore == CString::npos || strId.size() < nUnderscore + 9) {
        return false;
    }
    const CString strIndex = strId.substr(nUnderscore + 5, 4);
    return std::all_of(strIndex.begin(), strIndex.end(),
                       [](unsigned char c) { return std::isxdigit(c) != 0; }) &&
           std::stoul(strIndex, nullptr, 16) < 0x1000;
}

void CheckReference(const AdmDocument& adm, const ChnaTrack& track, const CString& strRef,
                    const char* pWhat, std::vector<CString>& rProblems) {
    if (!strRef.empty() && !IsCommonDefinition(strRef) && !adm.Find(strRef)) {
        rProblems.push_back("chna track " + std::to_string(track.index) + " (" + track.uid +
                            ") refers to the " + pWhat + " " + strRef +
                            ", which the ADM document lacks");
    }
}

}  // namespace

const AdmElement* AdmDocument::Find(const CString& strId) const {
    const auto it =
        std::find_if(elements.begin(), elements.end(),
                     [&strId](const AdmElement& element) { return element.id == strId; });
    return it == elements.end() ? nullptr : &*it;
}

std::vector<const AdmElement*> AdmDocument::OfKind(const char* pKind) const {
    std::vector<const AdmElement*> found;
    for (const AdmElement& element : elements) {
        if (element.kind == pKind) {
            found.push_back(&element);
        }
    }
    return found;
}

ChnaTable ParseChna(ByteSpan payload) {
    ChnaTable table;
    table.declaredTracks = static_cast<DWORD>(LittleEndianOr0(payload, 0, 2));
    table.declaredUids = static_cast<DWORD>(LittleEndianOr0(payload, 2, 2));
    const std::size_t nHeld = payload.size() < 4 ? 0 : (payload.size() - 4) / kChnaEntrySize;
    const std::size_t nCount = std::min<std::size_t>(table.declaredUids, nHeld);
    for (std::size_t i = 0; i < nCount; ++i) {
        const std::size_t nAt = 4 + i * kChnaEntrySize;
        table.tracks.push_back({static_cast<DWORD>(LittleEndianOr0(payload, nAt, 2)),
                                TextAt(payload, nAt + 2, 12), TextAt(payload, nAt + 14, 14),
                                TextAt(payload, nAt + 28, 11)});
    }
    if (nCount < table.declaredUids) {
        table.note = "the chunk declares " + std::to_string(table.declaredUids) +
                     " track UIDs and holds " + std::to_string(nCount);
    }
    return table;
}

AdmDocument ParseAdm(const CString& strDocument) {
    AdmDocument adm;
    const XmlParse parse = ParseXml(strDocument);
    if (!parse.root) {
        adm.error = (parse.tooLarge ? "too large to read: " : "not well formed: ") + parse.error;
        return adm;
    }
    Collect(*parse.root, adm, 0);
    return adm;
}

CString BxmlFormatMeaning(WORD wFormatInfo) {
    return wFormatInfo == kBxmlGzip ? CString("the document compressed as a gzip stream")
                                    : CString("not defined for bxml");
}

CString BxmlStorage(const CString& strBody) {
    if (strBody.size() >= 2 && static_cast<BYTE>(strBody[0]) == 0x1F &&
        static_cast<BYTE>(strBody[1]) == 0x8B) {
        return "gzip";
    }
    const std::size_t nStart = strBody.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::size_t nFirst = strBody.find_first_not_of(" \t\r\n", nStart);
    return nFirst != CString::npos && strBody[nFirst] == '<' ? "XML" : "";
}

CString AdmDocumentText(const CString& strId, ByteSpan payload, CString& rError) {
    CString strText(reinterpret_cast<const char*>(payload.data()), payload.size());
    if (strId == "bxml") {
        // Its first two bytes, formatInfo, say how the rest is stored; the bytes are read as what
        // they are, since writers disagree on the value.
        if (payload.size() < 2) {
            rError = "a bxml chunk of fewer than 2 bytes holds no formatInfo";
            return CString();
        }
        const CString strBody = strText.substr(2);
        const CString strStorage = BxmlStorage(strBody);
        if (strStorage.empty()) {
            rError = "bxml formatInfo " + std::to_string(LittleEndianOr0(payload, 0, 2)) +
                     " is followed by neither a gzip stream nor XML";
            return CString();
        }
        strText = strStorage == "XML" ? strBody : InflateGzip(strBody, rError).value_or(CString());
    }
    strText.erase(strText.find_last_not_of(CString(" \t\r\n\0", 5)) + 1);
    return strText;
}

std::vector<CString> AdmProblems(const ChnaTable& chna, const AdmDocument& adm, DWORD dwChannels) {
    std::vector<CString> problems;
    for (const ChnaTrack& track : chna.tracks) {
        if (track.index == 0 || track.index > dwChannels) {
            problems.push_back("chna track " + std::to_string(track.index) + " (" + track.uid +
                               ") is outside the file's " + std::to_string(dwChannels) +
                               " channels");
        }
        if (!adm.Find(track.uid)) {
            problems.push_back("chna track " + std::to_string(track.index) + "'s UID " + track.uid +
                               " is not an audioTrackUID of the ADM document");
        }
        CheckReference(adm, track, track.trackFormat, "track format", problems);
        CheckReference(adm, track, track.packFormat, "pack format", problems);
    }
    for (const AdmElement* pUid : adm.OfKind("audioTrackUID")) {
        if (std::none_of(chna.tracks.begin(), chna.tracks.end(),
                         [pUid](const ChnaTrack& track) { return track.uid == pUid->id; })) {
            problems.push_back("the ADM document's audioTrackUID " + pUid->id +
                               " has no track in the chna chunk");
        }
    }
    return problems;
}
