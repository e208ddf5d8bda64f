#include "core/details/ChannelNames.h"

#include <algorithm>
#include <optional>
#include <sstream>

#include "core/chunks/ChunkId.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/AdmModel.h"
#include "core/details/AudioFacts.h"
#include "core/details/FormatDetails.h"
#include "core/details/XmlTree.h"
#include "core/fields/FormatRecord.h"

namespace {

using Names = std::vector<CString>;

std::optional<int> ChannelIndex(const CString& strText, int nChannels) {
    try {
        const int nIndex = std::stoi(strText);
        return nIndex >= 1 && nIndex <= nChannels ? std::optional(nIndex - 1) : std::nullopt;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// The TRACK_LIST's names by CHANNEL_INDEX (INTERLEAVE_INDEX when the track has none).
void TakeIxmlNames(const CChunk* pIxml, Names& names) {
    if (!pIxml) {
        return;
    }
    const XmlParse parse = ParseXml(pIxml->PayloadText());
    const XmlElement* pList = parse.root ? parse.root->Child("TRACK_LIST") : nullptr;
    if (!pList) {
        return;
    }
    const int nChannels = static_cast<int>(names.size());
    for (const auto& pTrack : pList->children) {
        CString strIndex = pTrack->ChildText("CHANNEL_INDEX");
        if (strIndex.empty()) {
            strIndex = pTrack->ChildText("INTERLEAVE_INDEX");
        }
        const std::optional<int> index = ChannelIndex(strIndex, nChannels);
        if (pTrack->name == "TRACK" && index && names[*index].empty()) {
            names[*index] = pTrack->ChildText("NAME");
        }
    }
}

// The element that pElement's first reference of that kind names, or null.
const AdmElement* FirstRef(const AdmDocument& adm, const AdmElement* pElement,
                           const CString& strKind) {
    if (!pElement) {
        return nullptr;
    }
    const auto refs = pElement->refs.find(strKind);
    return refs == pElement->refs.end() || refs->second.empty() ? nullptr
                                                                : adm.Find(refs->second.front());
}

// The channel format a track format streams, by the document's references; the track format's
// own name, else its ID, when the document does not say.
CString AdmChannelName(const AdmDocument& adm, const CString& strTrackFormat) {
    const AdmElement* pTrack = adm.Find(strTrackFormat);
    const AdmElement* pChannel =
        FirstRef(adm, FirstRef(adm, pTrack, "audioStreamFormatIDRef"), "audioChannelFormatIDRef");
    if (pChannel && !pChannel->name.empty()) {
        return pChannel->name;
    }
    return pTrack && !pTrack->name.empty() ? pTrack->name : strTrackFormat;
}

// The ADM document of the file's axml chunk, or of its bxml chunk inflated.
void TakeChnaNames(const CRiffChunkModel& root, const CChunk* pAdm, Names& names) {
    const CChunk* pChna = root.FirstChunk(mmioStringToFOURCC("chna", 0));
    if (!pChna) {
        return;
    }
    AdmDocument adm;
    if (pAdm) {
        CString strError;
        adm = ParseAdm(AdmDocumentText(IdText(pAdm->m_ck.ckid), pAdm->Payload(), strError));
    }
    for (const ChnaTrack& track : ParseChna(pChna->Payload()).tracks) {
        const std::size_t nAt = track.index - 1;
        if (track.index >= 1 && nAt < names.size() && names[nAt].empty()) {
            names[nAt] = AdmChannelName(adm, track.trackFormat);
        }
    }
}

void TakeMaskNames(const CChunk* pFormat, Names& names) {
    const FormatRecord record = pFormat ? ParseFormatRecord(pFormat->Payload()) : FormatRecord{};
    if (!record.IsExtensible() || !record.channelMask || *record.channelMask == 0) {
        return;
    }
    std::istringstream codes(SpeakerNames(*record.channelMask, SpeakerForm::Codes));
    CString strCode;
    for (CString& strName : names) {
        if (!(codes >> strCode)) {
            break;
        }
        if (strCode == "bit") {
            codes >> strCode;  // a bit past the named speakers: "bit N"
            strCode = "bit " + strCode;
        }
        if (strName.empty()) {
            strName = strCode;
        }
    }
}

}  // namespace

std::vector<CString> ChannelNames(const CRiffChunkModel& root, int nChannels) {
    Names names(static_cast<std::size_t>(std::max(nChannels, 0)));
    const AudioFacts facts = AudioFactsOf(root);
    TakeIxmlNames(facts.pIxml, names);
    TakeChnaNames(root, facts.pAdm, names);
    TakeMaskNames(facts.pFormat, names);
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i].empty()) {
            names[i] = std::to_string(i + 1);
        }
    }
    return names;
}
