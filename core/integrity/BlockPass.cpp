#include "core/integrity/BlockPass.h"

#include <algorithm>
#include <thread>

namespace {

// Eight blocks of about 1 MiB: the reader stays ahead of the takers through a stall, and the
// blocks stay in the caches' reach.
constexpr std::size_t kBlockBytes = 1 << 20;
constexpr std::size_t kRingBlocks = 8;

CString ReadFailure(std::int64_t nPosition) {
    return "couldn't read the samples at offset " + std::to_string(nPosition);
}

// Fills the block from the file; false with the failure when the file cannot be read.
bool Fill(HMMIO hmmio, ByteBlock& block, std::int64_t nWant, std::int64_t nAt,
          CString& strFailure) {
    block.nBytes = 0;
    while (static_cast<std::int64_t>(block.nBytes) < nWant) {
        const auto nAsk = static_cast<LONG>(nWant - static_cast<std::int64_t>(block.nBytes));
        const LONG nGot =
            mmioRead(hmmio, reinterpret_cast<char*>(block.bytes.data() + block.nBytes), nAsk);
        if (nGot < 0) {
            strFailure = ReadFailure(nAt + static_cast<std::int64_t>(block.nBytes));
            return false;
        }
        if (nGot == 0) {
            break;
        }
        block.nBytes += static_cast<std::size_t>(nGot);
    }
    return true;
}

// What the reader is given: where it reads and what it does with each block.
struct Reading {
    HMMIO hmmio;
    std::int64_t nOffset;
    std::int64_t nSize;
    std::size_t nBlockBytes;
    const BlockReadying& readying;
    const WorkProgress& progress;
};

CString ReadAhead(const Reading& reading, CBlockRing& ring) {
    const auto [hmmio, nOffset, nSize, nBlockBytes, readying, progress] = reading;
    if (mmioSeek(hmmio, nOffset, SEEK_FROM_START) != nOffset) {
        return ReadFailure(nOffset);
    }
    for (std::int64_t nDone = 0; nDone < nSize;) {
        ByteBlock* pBlock = ring.NextToFill();
        if (!pBlock) {
            return kCancelled;
        }
        CString strFailure;
        const std::int64_t nWant =
            std::min<std::int64_t>(nSize - nDone, static_cast<std::int64_t>(nBlockBytes));
        if (!Fill(hmmio, *pBlock, nWant, nOffset + nDone, strFailure)) {
            return strFailure;
        }
        if (pBlock->nBytes == 0) {
            break;
        }
        if (readying) {
            readying(*pBlock);
        }
        ring.Filled();
        nDone += static_cast<std::int64_t>(pBlock->nBytes);
        if (progress && !progress(nDone, nSize)) {
            return kCancelled;
        }
    }
    return CString();
}

void TakeAll(CBlockRing& ring, int nTaker, const BlockTaker& taker) {
    while (const ByteBlock* pBlock = ring.Take(nTaker)) {
        taker(*pBlock);
        ring.Release(nTaker);
    }
}

}  // namespace

CString PassBlocks(HMMIO hmmio, std::int64_t nOffset, std::int64_t nSize, std::size_t nUnit,
                   const std::vector<BlockTaker>& takers, const BlockReadying& readying,
                   const WorkProgress& progress) {
    // A short stretch gets a ring of its own size: the room of a ring is written before the
    // blocks are, which for a batch of small files would cost more than reading them.
    std::size_t nBlockBytes = nUnit * std::max<std::size_t>(1, kBlockBytes / nUnit);
    const auto nWant = static_cast<std::size_t>(std::max<std::int64_t>(nSize, 1));
    const std::size_t nBlocks = std::min(kRingBlocks, (nWant + nBlockBytes - 1) / nBlockBytes);
    nBlockBytes = nBlocks == 1 ? std::min(nBlockBytes, nWant) : nBlockBytes;
    CBlockRing ring(nBlocks, nBlockBytes, static_cast<int>(takers.size()));
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < takers.size(); ++i) {
        threads.emplace_back(TakeAll, std::ref(ring), static_cast<int>(i), std::cref(takers[i]));
    }
    const CString strFailure =
        ReadAhead({hmmio, nOffset, nSize, nBlockBytes, readying, progress}, ring);
    strFailure.empty() ? ring.End() : ring.Stop();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return strFailure;
}
