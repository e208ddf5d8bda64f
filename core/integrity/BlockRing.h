#pragma once
// Blocks of a file's bytes read ahead of the measures that take them: a fixed ring of blocks that
// every taker sees in order, each block refilled only once all of them are done with it. Memory is
// the ring's, whatever the size of the file; a slow taker holds the reader back, never the others.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "core/base/Types.h"

struct ByteBlock {
    std::vector<BYTE> bytes;  // the block's room
    std::size_t nBytes = 0;   // of it filled
    // The block's whole frames decoded, interleaved, when the pass decodes them.
    std::vector<double> samples;
    std::size_t nFrames = 0;
};

class CBlockRing {
public:
    CBlockRing(std::size_t nBlocks, std::size_t nBlockBytes, int nTakers);

    // The reader's side: the block to fill next, once every taker is done with what it held; null
    // when the takers stopped.
    ByteBlock* NextToFill();
    // The block from NextToFill is filled; the takers may have it.
    void Filled();
    // No more blocks come: the end of the samples, or a failure the reader reports itself.
    void End();

    // A taker's side: its next block, waiting for the reader; null at the end.
    const ByteBlock* Take(int nTaker);
    // The taker is done with the block Take gave it.
    void Release(int nTaker);
    // Stops the reader and every taker (a cancel or a failure): what is waiting returns null.
    void Stop();

private:
    std::int64_t Slowest() const;

    std::vector<ByteBlock> m_blocks;
    std::vector<std::int64_t> m_taken;  // per taker, the blocks it is done with
    std::int64_t m_nFilled = 0;
    bool m_bEnded = false;
    bool m_bStopped = false;
    std::mutex m_mutex;
    std::condition_variable m_changed;
};
