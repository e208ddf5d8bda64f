#include "core/details/AdmDetails.h"

#include <algorithm>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/details/AdmModel.h"
#include "core/details/XmlTree.h"

namespace {

CString Joined(const std::vector<CString>& parts) {
    CString strJoined;
    for (const CString& strPart : parts) {
        strJoined += (strJoined.empty() ? "" : ", ") + strPart;
    }
    return strJoined;
}

std::vector<CString> RefsOf(const AdmElement* pElement, const char* pKind) {
    if (!pElement) {
        return {};
    }
    const auto it = pElement->refs.find(pKind);
    return it == pElement->refs.end() ? std::vector<CString>() : it->second;
}

CString Named(const AdmDocument& adm, const CString& strId) {
    const AdmElement* pElement = adm.Find(strId);
    return pElement && !pElement->name.empty() ? strId + " " + pElement->name : strId;
}

// The channel formats of a pack, by name.
CString ChannelsOf(const AdmDocument& adm, const CString& strPack) {
    std::vector<CString> names;
    for (const CString& strChannel : RefsOf(adm.Find(strPack), "audioChannelFormatIDRef")) {
        const AdmElement* pChannel = adm.Find(strChannel);
        names.push_back(pChannel && !pChannel->name.empty() ? pChannel->name : strChannel);
    }
    return Joined(names);
}

// The elements of a kind that refer, by a reference of refKind, to any of the IDs.
std::vector<CString> Referring(const AdmDocument& adm, const char* pKind, const char* pRefKind,
                               const std::vector<CString>& ids) {
    std::vector<CString> found;
    for (const AdmElement* pElement : adm.OfKind(pKind)) {
        const std::vector<CString> refs = RefsOf(pElement, pRefKind);
        if (std::any_of(refs.begin(), refs.end(), [&ids](const CString& strRef) {
                return std::find(ids.begin(), ids.end(), strRef) != ids.end();
            })) {
            found.push_back(pElement->id);
        }
    }
    return found;
}

// The stream formats of a pack's channels and the track formats of those streams, counted.
std::pair<CString, CString> StreamsAndTracks(const AdmDocument& adm, const CString& strPack) {
    const std::vector<CString> channels = RefsOf(adm.Find(strPack), "audioChannelFormatIDRef");
    const std::vector<CString> streams =
        Referring(adm, "audioStreamFormat", "audioChannelFormatIDRef", channels);
    const std::vector<CString> tracks =
        Referring(adm, "audioTrackFormat", "audioStreamFormatIDRef", streams);
    return {std::to_string(streams.size()), std::to_string(tracks.size())};
}

void AddObjectRows(const AdmDocument& adm, const CString& strProgramme, const CString& strContent,
                   const CString& strObject, DetailTable& rTable) {
    const AdmElement* pObject = adm.Find(strObject);
    const std::vector<CString> packs = RefsOf(pObject, "audioPackFormatIDRef");
    const CString strTracks = std::to_string(RefsOf(pObject, "audioTrackUIDRef").size());
    for (const CString& strPack : packs.empty() ? std::vector<CString>{""} : packs) {
        const auto [strStreams, strTrackFormats] = StreamsAndTracks(adm, strPack);
        rTable.rows.push_back({strProgramme, strContent, Named(adm, strObject), Named(adm, strPack),
                               ChannelsOf(adm, strPack), strStreams, strTrackFormats, strTracks});
    }
}

DetailTable ChainTable(const AdmDocument& adm) {
    DetailTable table{"ADM programmes",
                      {"Programme", "Content", "Object", "Pack format", "Channels",
                       "Stream formats", "Track formats", "Tracks"},
                      {},
                      {}};
    // A programme or content that refers to nothing below it still gets its row.
    for (const AdmElement* pProgramme : adm.OfKind("audioProgramme")) {
        const CString strProgramme = Named(adm, pProgramme->id);
        const std::vector<CString> contents = RefsOf(pProgramme, "audioContentIDRef");
        if (contents.empty()) {
            table.rows.push_back({strProgramme, "", "", "", "", "", "", ""});
        }
        for (const CString& strContent : contents) {
            const std::vector<CString> objects = RefsOf(adm.Find(strContent), "audioObjectIDRef");
            if (objects.empty()) {
                table.rows.push_back(
                    {strProgramme, Named(adm, strContent), "", "", "", "", "", ""});
            }
            for (const CString& strObject : objects) {
                AddObjectRows(adm, strProgramme, Named(adm, strContent), strObject, table);
            }
        }
    }
    return table;
}

DetailTable CountsTable(const AdmDocument& adm) {
    DetailTable table{"ADM elements", {"Element", "Count"}, {}, {}};
    for (const char* pKind :
         {"audioProgramme", "audioContent", "audioObject", "audioPackFormat", "audioChannelFormat",
          "audioStreamFormat", "audioTrackFormat", "audioTrackUID"}) {
        table.rows.push_back({pKind, std::to_string(adm.OfKind(pKind).size())});
    }
    table.rows.push_back({"profile", adm.profile.empty() ? "none named" : adm.profile});
    return table;
}

// formatInfo as stored, and how the document is stored as its bytes show.
DetailTable BxmlTable(ByteSpan payload) {
    DetailTable table{"bxml storage", {"Field", "Value", "Meaning"}, {}, {}};
    if (payload.size() < 2) {
        return table;
    }
    const auto wFormatInfo = static_cast<WORD>(LittleEndianOr0(payload, 0, 2));
    const CString strStorage =
        BxmlStorage(CString(reinterpret_cast<const char*>(payload.data()) + 2, payload.size() - 2));
    table.rows.push_back(
        {"formatInfo", std::to_string(wFormatInfo), BxmlFormatMeaning(wFormatInfo)});
    table.rows.push_back({"document", strStorage.empty() ? CString("unknown bytes") : strStorage,
                          strStorage == "gzip"  ? "a gzip stream"
                          : strStorage == "XML" ? "the XML text, not compressed"
                                                : "neither a gzip stream nor XML"});
    return table;
}

}  // namespace

DetailTable ChnaDetails(const CChunk& chunk) {
    const ChnaTable chna = ParseChna(chunk.Payload());
    DetailTable table{"chna tracks",
                      {"Track", "Track UID", "Track format", "Pack format"},
                      {},
                      "Tracks: " + std::to_string(chna.declaredTracks) +
                          ", track UIDs: " + std::to_string(chna.declaredUids) +
                          (chna.note.empty() ? "" : "; " + chna.note)};
    for (const ChnaTrack& track : chna.tracks) {
        table.rows.push_back(
            {std::to_string(track.index), track.uid, track.trackFormat, track.packFormat});
    }
    return table;
}

std::vector<DetailTable> AxmlDetails(const CChunk& chunk, const CChunk* pAdm) {
    if (pAdm && pAdm != &chunk) {
        return {{"ADM document",
                 {},
                 {},
                 "Not read: the file's ADM document is that of its " + IdText(pAdm->m_ck.ckid) +
                     " chunk at offset " + std::to_string(pAdm->m_ck.llDataOffset) + "."}};
    }
    const CString strId = IdText(chunk.m_ck.ckid);
    std::vector<DetailTable> tables;
    if (strId == "bxml") {
        tables.push_back(BxmlTable(chunk.Payload()));
    }
    CString strError;
    const CString strText = AdmDocumentText(strId, chunk.Payload(), strError);
    const XmlParse parse = strError.empty() ? ParseXml(strText) : XmlParse{};
    if (!parse.root) {
        tables.push_back(
            {"ADM document", {}, {}, "Not read: " + (strError.empty() ? parse.error : strError)});
        return tables;
    }
    const AdmDocument adm = ParseAdm(strText);
    tables.push_back(ChainTable(adm));
    tables.push_back(CountsTable(adm));
    tables.push_back(DetailTable{"ADM document", {}, {}, IndentedXml(*parse.root)});
    return tables;
}
