#include "core/fields/ChunkKind.h"

#include <algorithm>

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
    const FOURCC upper = UpperCase(ckid);
    return FirstKind([upper](const ChunkKind& kind) {
        return mmioStringToFOURCC(kind.id, MMIO_TOUPPER) == upper;
    });
}

const ChunkKind* KindOfId(const CString& strId) {
    return FirstKind([&strId](const ChunkKind& kind) { return strId == kind.id; });
}
