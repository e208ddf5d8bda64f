#include "FuzzEdits.h"

#include <algorithm>

#include "core/chunks/DataChunkModel.h"
#include "core/chunks/RiffChunkModel.h"

namespace {

constexpr std::size_t kEditBytes = 4;

}  // namespace

std::vector<FuzzEdit> TakeFuzzEdits(const std::uint8_t*& rData, std::size_t& rSize) {
    std::vector<FuzzEdit> edits;
    const std::size_t nCount =
        rSize > 0 ? std::min<std::size_t>(rData[0], (rSize - 1) / kEditBytes) : 0;
    const std::uint8_t* p = rData + (rSize > 0 ? 1 : 0);
    for (std::size_t i = 0; i < nCount; ++i, p += kEditBytes) {
        edits.push_back({p[0], static_cast<std::size_t>(p[1] | p[2] << 8), p[3]});
    }
    rSize -= static_cast<std::size_t>(p - rData);
    rData = p;
    return edits;
}

void ApplyFuzzEdits(CRiffChunkModel& root, const std::vector<FuzzEdit>& edits) {
    for (const FuzzEdit& edit : edits) {
        if (root.GetCount() == 0) {
            return;
        }
        CChunk& chunk = *root.GetChild(static_cast<int>(edit.nChunk % root.GetCount()));
        if (chunk.Data() != nullptr && chunk.DataSize() > 0 &&
            !chunk.IsKindOf(RUNTIME_CLASS(CdataChunkModel))) {
            chunk.Data()[edit.nOffset % chunk.DataSize()] = edit.value;
        }
    }
}
