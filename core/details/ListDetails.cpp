#include "core/details/ListDetails.h"

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/details/SubChunks.h"

namespace {

struct InfoName {
    const char* id;
    const char* name;
};

constexpr InfoName kInfoNames[] = {
    {"IARL", "Archival location"}, {"IART", "Artist"},     {"ICMS", "Commissioned"},
    {"ICMT", "Comments"},          {"ICOP", "Copyright"},  {"ICRD", "Creation date"},
    {"ICRP", "Cropped"},           {"IDIM", "Dimensions"}, {"IDPI", "Dots per inch"},
    {"IENG", "Engineer"},          {"IGNR", "Genre"},      {"IKEY", "Keywords"},
    {"ILGT", "Lightness"},         {"IMED", "Medium"},     {"INAM", "Name"},
    {"IPLT", "Palette setting"},   {"IPRD", "Product"},    {"ISBJ", "Subject"},
    {"ISFT", "Software"},          {"ISHP", "Sharpness"},  {"ISRC", "Source"},
    {"ISRF", "Source form"},       {"ITCH", "Technician"}, {"ITRK", "Track number"},
};

CString Truncation(const SubChunk& sub) {
    return sub.truncated ? " (cut: " + std::to_string(sub.bytes.size()) + " of " +
                               std::to_string(sub.declared) + " bytes held)"
                         : CString();
}

DetailTable InfoTable(const CChunk& chunk) {
    DetailTable table{"INFO entries", {"Id", "Field", "Text"}, {}, {}};
    ForEachSubChunk(chunk, [&table](const SubChunk& sub) {
        table.rows.push_back(
            {sub.id, InfoFieldName(sub.id), SubChunkText(sub.bytes) + Truncation(sub)});
        return true;
    });
    return table;
}

DetailTable AdtlTable(const CChunk& chunk) {
    DetailTable table{"Associated data",
                      {"Kind", "Cue point id", "Text", "Length", "Purpose", "Country", "Language",
                       "Dialect", "Code page"},
                      {},
                      {}};
    for (const AdtlEntry& entry : AdtlEntries(chunk)) {
        const LabelledText& labelled = entry.labelled;
        table.rows.push_back({entry.kind, std::to_string(entry.cuePointId), entry.text,
                              labelled.length, labelled.purpose, labelled.country,
                              labelled.language, labelled.dialect, labelled.codePage});
    }
    return table;
}

// A labelled text holds its region's length, a purpose, a country, language, dialect and code
// page between its cue point id and its text. Each is shown when held.
LabelledText LabelledTextOf(const CString& strBytes) {
    const ByteSpan bytes(reinterpret_cast<const BYTE*>(strBytes.data()), strBytes.size());
    const auto number = [&bytes](std::size_t nAt, std::size_t nWidth) {
        const auto value = LittleEndianAt(bytes, nAt, nWidth);
        return value ? std::to_string(*value) : CString();
    };
    return {number(4, 4),  strBytes.size() >= 12 ? IdText(strBytes.c_str() + 8) : CString(),
            number(12, 2), number(14, 2),
            number(16, 2), number(18, 2)};
}

AdtlEntry EntryOf(const SubChunk& sub) {
    const ByteSpan bytes(reinterpret_cast<const BYTE*>(sub.bytes.data()), sub.bytes.size());
    const DWORD nHeld = static_cast<DWORD>(sub.bytes.size());
    AdtlEntry entry{sub.id, static_cast<DWORD>(LittleEndianOr0(bytes, 0, 4)), {}, {}};
    // A labelled text's own fields take 16 bytes after the cue point id.
    const DWORD nTextAt = sub.id == "ltxt" ? 20 : 4;
    if (sub.id == "ltxt") {
        entry.labelled = LabelledTextOf(sub.bytes);
    }
    if (nHeld > nTextAt) {
        entry.text = SubChunkText(sub.bytes.substr(nTextAt));
    }
    entry.text += Truncation(sub);
    return entry;
}

}  // namespace

CString InfoFieldName(const CString& strId) {
    for (const InfoName& entry : kInfoNames) {
        if (strId == entry.id) {
            return entry.name;
        }
    }
    return {};
}

std::vector<CString> NamedInfoIds() {
    std::vector<CString> ids;
    for (const InfoName& entry : kInfoNames) {
        ids.emplace_back(entry.id);
    }
    return ids;
}

std::vector<AdtlEntry> AdtlEntries(const CChunk& chunk) {
    std::vector<AdtlEntry> entries;
    if (ListType(chunk) != "adtl") {
        return entries;
    }
    ForEachSubChunk(chunk, [&entries](const SubChunk& sub) {
        if (sub.id == "labl" || sub.id == "note" || sub.id == "ltxt") {
            entries.push_back(EntryOf(sub));
        }
        return true;
    });
    return entries;
}

std::vector<DetailTable> ListDetails(const CChunk& chunk) {
    const CString strType = ListType(chunk);
    if (strType == "INFO") {
        return MovedTables(InfoTable(chunk));
    }
    if (strType == "adtl") {
        return MovedTables(AdtlTable(chunk));
    }
    return {};
}
