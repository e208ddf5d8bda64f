#include "cli/KindNames.h"

#include <functional>
#include <vector>

#include "core/kinds/ChunkKind.h"

namespace {

// "a, b and c"
CString Listed(const std::vector<CString>& names) {
    CString strText;
    for (std::size_t i = 0; i < names.size(); ++i) {
        strText += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    }
    return strText;
}

// A kind's id as the help names it: without the blank that pads it to four characters.
CString ShownId(const ChunkKind& kind) {
    CString strId = kind.id;
    return strId.erase(strId.find_last_not_of(' ') + 1);
}

std::vector<CString> IdsWhere(const std::function<bool(const ChunkKind&)>& holds) {
    std::vector<CString> ids;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (holds(kind)) {
            ids.push_back(ShownId(kind));
        }
    }
    return ids;
}

CString NewChunkName(const NewChunk& chunk) {
    return chunk.listType ? chunk.name + CString(" (a LIST ") + chunk.listType + " chunk)"
                          : CString(chunk.name);
}

CString NamesPlaced(ChunkPlace place) {
    std::vector<CString> names;
    for (const ChunkKind* pKind : AddableKinds()) {
        if (pKind->newChunk->place == place) {
            names.push_back(NewChunkName(*pKind->newChunk));
        }
    }
    return Listed(names);
}

// "bext and iXML before the samples, ...; INFO (a LIST INFO chunk) and cue as the last chunk"
CString NewChunks() {
    const struct {
        ChunkPlace place;
        const char* where;
    } places[] = {
        {ChunkPlace::BeforeData, " before the samples, in a filler chunk's room when one has it"},
        {ChunkPlace::AfterData, " right after the samples"},
        {ChunkPlace::Last, " as the last chunk"},
    };
    std::vector<CString> parts;
    for (const auto& place : places) {
        if (CString strNames = NamesPlaced(place.place); !strNames.empty()) {
            parts.push_back(strNames + place.where);
        }
    }
    CString strText;
    for (const CString& strPart : parts) {
        strText += (strText.empty() ? "" : "; ") + strPart;
    }
    return strText;
}

void Replace(CString& strText, const CString& strMark, const CString& strNames) {
    for (std::size_t at = strText.find(strMark); at != CString::npos;
         at = strText.find(strMark, at + strNames.size())) {
        strText.replace(at, strMark.size(), strNames);
    }
}

}  // namespace

CString WithKindNames(const CString& strHelp) {
    CString strText = strHelp;
    Replace(strText, "{field kinds}",
            Listed(IdsWhere([](const ChunkKind& kind) { return !kind.fieldTables.empty(); })));
    Replace(
        strText, "{detail kinds}",
        Listed(IdsWhere([](const ChunkKind& kind) { return kind.details && kind.helpSpecimens; })));
    Replace(strText, "{marker kinds}",
            Listed(IdsWhere([](const ChunkKind& kind) { return kind.markers != nullptr; })));
    Replace(strText, "{new chunks}", NewChunks());
    return strText;
}
