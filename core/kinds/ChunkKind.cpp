#include "core/kinds/ChunkKind.h"

#include <algorithm>
#include <vector>

#include "core/io/Mmio.h"

namespace {

FOURCC UpperCase(FOURCC ckid) {
    FOURCC upper = 0;
    for (int shift = 24; shift >= 0; shift -= 8) {
        const auto c = static_cast<char>(ckid >> shift);
        upper = upper << 8 | static_cast<BYTE>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return upper;
}

template <typename Matches>
const ChunkKind* FirstKind(Matches matches) {
    const auto kinds = ChunkKinds();
    const auto found = std::find_if(kinds.begin(), kinds.end(), matches);
    return found == kinds.end() ? nullptr : &*found;
}

}  // namespace

const ChunkKind* KindOfId(FOURCC ckid) {
    // The kinds' ids as upper-case codes, made once: a file of many chunks asks for each.
    static const std::vector<FOURCC> ids = [] {
        std::vector<FOURCC> codes;
        for (const ChunkKind& kind : ChunkKinds()) {
            codes.push_back(mmioStringToFOURCC(kind.id, MMIO_TOUPPER));
        }
        return codes;
    }();
    const auto found = std::find(ids.begin(), ids.end(), UpperCase(ckid));
    return found == ids.end() ? nullptr : &ChunkKinds()[found - ids.begin()];
}

std::vector<const FieldTable*> BatchFieldTables() {
    std::vector<const FieldTable*> tables;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.batchFields != BatchFields::None) {
            tables.push_back(kind.fieldTables.front());
        }
    }
    return tables;
}

std::vector<const ChunkKind*> AddableKinds() {
    std::vector<const ChunkKind*> addable;
    for (const ChunkKind& kind : ChunkKinds()) {
        if (kind.newChunk) {
            addable.push_back(&kind);
        }
    }
    return addable;
}

const ChunkKind* KindOfId(const CString& strId) {
    return FirstKind([&strId](const ChunkKind& kind) { return strId == kind.id; });
}
