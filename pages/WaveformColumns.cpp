#include "pages/WaveformColumns.h"

#include <algorithm>

std::vector<BlockSpan> ColumnBlocks(std::int64_t nBlocks, std::int64_t nBlockFrames,
                                    std::int64_t nFrames, int nWidth) {
    std::vector<BlockSpan> columns;
    if (nBlocks <= 0 || nBlockFrames <= 0 || nFrames <= 0 || nWidth <= 0) {
        return columns;
    }
    columns.reserve(static_cast<std::size_t>(nWidth));
    // In integers: a column's frames are [x * nFrames / nWidth, (x + 1) * nFrames / nWidth).
    for (std::int64_t x = 0; x < nWidth; ++x) {
        const std::int64_t nStart = x * nFrames / nWidth;
        const std::int64_t nStop = (x + 1) * nFrames / nWidth;
        const std::int64_t nFirst = nStart / nBlockFrames;
        if (nFirst >= nBlocks) {
            break;
        }
        // A column narrower than a block still shows the block it lies in.
        const std::int64_t nEnd =
            std::clamp((nStop + nBlockFrames - 1) / nBlockFrames, nFirst + 1, nBlocks);
        columns.push_back({nFirst, nEnd});
    }
    return columns;
}
