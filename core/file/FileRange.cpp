#include "core/file/FileRange.h"

#include <algorithm>
#include <vector>

namespace {
constexpr std::int64_t kPassSize = 1 << 20;
}

bool CopyFileRange(HMMIO hmmioSource, std::int64_t offset, std::int64_t nSize, HMMIO hmmioTarget) {
    bool bCopied = mmioSeek(hmmioSource, offset, SEEK_FROM_START) == offset;
    std::vector<char> buffer(static_cast<std::size_t>(std::min(nSize, kPassSize)));
    for (std::int64_t nDone = 0; bCopied && nDone < nSize;) {
        const auto nRequest = static_cast<LONG>(std::min(nSize - nDone, kPassSize));
        const LONG nGot = mmioRead(hmmioSource, buffer.data(), nRequest);
        if (nGot == 0) {
            break;
        }
        bCopied = nGot > 0 && mmioWrite(hmmioTarget, buffer.data(), nGot) == nGot;
        nDone += nGot;
    }
    return bCopied;
}
