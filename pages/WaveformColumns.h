#pragma once
// Which blocks of a peak envelope each pixel column of a lane shows, so that the envelope
// spans the lane's width however few or many frames a block holds.

#include <cstdint>
#include <vector>

struct BlockSpan {
    std::int64_t nFirst;
    std::int64_t nEnd;  // past the last
};

// One span per column drawn, from the left; columns past the envelope's last block get none, so
// the count is the width the envelope spans. nFrames: the frames the whole width stands for.
std::vector<BlockSpan> ColumnBlocks(std::int64_t nBlocks, std::int64_t nBlockFrames,
                                    std::int64_t nFrames, int nWidth);
