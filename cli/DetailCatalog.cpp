#include "cli/DetailCatalog.h"

#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/ChunkRegistry.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
#include "core/details/ChunkDetails.h"
#include "core/details/FormatDetails.h"
#include "core/details/ListDetails.h"
#include "core/details/SubChunks.h"
#include "core/kinds/ChunkKind.h"

namespace {

// The width of the help's lines.
constexpr std::size_t kWidth = 96;

// A file in memory with the specimens of every kind, chunks holding no entries, tracks or cue
// points: the rows their tables get are those of every file.
class CSpecimen {
public:
    CSpecimen() {
        for (const ChunkKind& kind : ChunkKinds()) {
            for (const CString& strPayload :
                 kind.helpSpecimens ? kind.helpSpecimens() : std::vector<CString>{}) {
                Add(kind.id, strPayload);
            }
        }
    }
    const CChunk& Root() const { return m_root; }

private:
    // A chunk of the class the registry gives the kind, as a load makes it: the file details
    // ask the root for its format and data chunks by class.
    void Add(const char* pId, const CString& strPayload) {
        std::unique_ptr<CChunk> pChunk(g_chunkRegistry.CreateChunk(pId));
        if (!pChunk) {
            return;
        }
        pChunk->m_ck.ckid = mmioStringToFOURCC(pId, 0);
        pChunk->SetPayloadText(strPayload);
        m_root.AddChild(pChunk.release());
    }

    CRiffChunkModel m_root;  // deletes its children
};

// The items with a comma after each but the last.
std::vector<CString> Listed(std::vector<CString> items) {
    for (std::size_t i = 0; i + 1 < items.size(); ++i) {
        items[i] += ",";
    }
    return items;
}

// "  head: the items", broken before an item that would pass the width, going on indented.
CString Wrapped(const CString& strHead, const std::vector<CString>& items) {
    CString strText = "  " + strHead + ":";
    std::size_t nLineStart = 0;
    for (const CString& strItem : items) {
        if (strText.size() - nLineStart + 1 + strItem.size() > kWidth) {
            nLineStart = strText.size() + 1;
            strText += "\n   ";
        }
        strText += " " + strItem;
    }
    return strText + "\n";
}

CString TableLine(const CChunk& chunk, const DetailTable& table) {
    CString strHead = IdText(chunk.m_ck.ckid);
    strHead.erase(strHead.find_last_not_of(' ') + 1);
    if (strHead == "LIST") {
        strHead += " " + ListType(chunk);
    }
    strHead += " \"" + table.title + "\"";
    if (table.columns.empty()) {
        return "  " + strHead + ": a document, as \"text\"\n";
    }
    std::vector<CString> items = Listed(table.columns);
    if (!table.rows.empty()) {
        items.back() += ";";
        std::vector<CString> names;
        for (const auto& row : table.rows) {
            names.push_back(row.front());
        }
        names.front() = "rows: " + names.front();
        for (const CString& strName : Listed(names)) {
            items.push_back(strName);
        }
    }
    return Wrapped(strHead, items);
}

std::vector<CString> FileDetailNames(const CChunk& root) {
    std::vector<CString> names;
    for (const auto& [name, value] : FileDetails(root)) {
        names.push_back(name);
    }
    return names;
}

std::vector<CString> InfoFields() {
    std::vector<CString> fields;
    for (const CString& strId : NamedInfoIds()) {
        fields.push_back(strId + " " + InfoFieldName(strId));
    }
    return fields;
}

// Every tag the core has a name for, by trying each: the names live with the reader alone.
std::vector<CString> FormatTags() {
    std::vector<CString> tags;
    for (DWORD dwTag = 0; dwTag <= 0xFFFF; ++dwTag) {
        const CString strName = FormatTagName(static_cast<WORD>(dwTag));
        if (!strName.empty()) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "0x%04X", static_cast<unsigned>(dwTag));
            tags.push_back(buffer + (" " + strName));
        }
    }
    return tags;
}

// The speaker of each mask bit from bit 0, up to the first the core has no name for.
std::vector<CString> Speakers() {
    std::vector<CString> speakers;
    for (int bit = 0; bit < 32; ++bit) {
        const CString strName = SpeakerNames(1u << bit);
        if (strName.rfind("bit ", 0) == 0) {
            break;
        }
        speakers.push_back(strName);
    }
    return speakers;
}

}  // namespace

CString DetailCatalogText() {
    const CSpecimen specimen;
    CString strText = "\nDetails, by chunk (title: columns; rows that every such chunk gets):\n";
    for (CObject* pObject : specimen.Root()) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        for (const DetailTable& table : DetailsOf(chunk)) {
            strText += TableLine(chunk, table);
        }
    }
    strText += Wrapped("File details", Listed(FileDetailNames(specimen.Root())));
    strText += Wrapped("INFO fields", Listed(InfoFields()));
    strText += Wrapped("Format tags", Listed(FormatTags()));
    strText += Wrapped("Speakers of dwChannelMask, from bit 0", Listed(Speakers()));
    return strText;
}
