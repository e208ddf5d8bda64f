#pragma once
// One read of a stretch of a file that feeds several takers: the reader fills a ring of blocks
// ahead of them while each taker works through the blocks on a thread of its own.

#include <functional>
#include <vector>

#include "core/integrity/WorkProgress.h"
#include "core/io/Mmio.h"

#include "core/integrity/BlockRing.h"

// Takes one block: bytes of the file in order, whole units but the last.
using BlockTaker = std::function<void(const ByteBlock& block)>;
// Readies a block the reader has filled before the takers have it (decodes it, so that they
// share the decoding).
using BlockReadying = std::function<void(ByteBlock& block)>;

// Reads the nSize bytes at nOffset of the open file in blocks of whole units of nUnit bytes,
// each block readied, when there is a readying, and handed to every taker; a file that ends
// sooner gives what it holds. Empty when read through, else why not (kCancelled when progress
// said stop).
CString PassBlocks(HMMIO hmmio, std::int64_t nOffset, std::int64_t nSize, std::size_t nUnit,
                   const std::vector<BlockTaker>& takers, const BlockReadying& readying,
                   const WorkProgress& progress);
