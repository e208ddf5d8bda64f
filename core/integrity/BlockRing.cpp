#include "core/integrity/BlockRing.h"

#include <algorithm>

CBlockRing::CBlockRing(std::size_t nBlocks, std::size_t nBlockBytes, int nTakers)
    : m_blocks(nBlocks), m_taken(static_cast<std::size_t>(nTakers), 0) {
    for (ByteBlock& block : m_blocks) {
        block.bytes.resize(nBlockBytes);
    }
}

std::int64_t CBlockRing::Slowest() const {
    return m_taken.empty() ? m_nFilled : *std::min_element(m_taken.begin(), m_taken.end());
}

ByteBlock* CBlockRing::NextToFill() {
    std::unique_lock lock(m_mutex);
    const auto nBlocks = static_cast<std::int64_t>(m_blocks.size());
    m_changed.wait(lock, [&] { return m_bStopped || m_nFilled - Slowest() < nBlocks; });
    if (m_bStopped) {
        return nullptr;
    }
    return &m_blocks[static_cast<std::size_t>(m_nFilled % nBlocks)];
}

void CBlockRing::Filled() {
    {
        const std::lock_guard lock(m_mutex);
        ++m_nFilled;
    }
    m_changed.notify_all();
}

void CBlockRing::End() {
    {
        const std::lock_guard lock(m_mutex);
        m_bEnded = true;
    }
    m_changed.notify_all();
}

const ByteBlock* CBlockRing::Take(int nTaker) {
    std::unique_lock lock(m_mutex);
    const std::int64_t nNext = m_taken[static_cast<std::size_t>(nTaker)];
    m_changed.wait(lock, [&] { return m_bStopped || m_bEnded || nNext < m_nFilled; });
    if (m_bStopped || nNext >= m_nFilled) {
        return nullptr;
    }
    return &m_blocks[static_cast<std::size_t>(nNext % static_cast<std::int64_t>(m_blocks.size()))];
}

void CBlockRing::Release(int nTaker) {
    {
        const std::lock_guard lock(m_mutex);
        ++m_taken[static_cast<std::size_t>(nTaker)];
    }
    m_changed.notify_all();
}

void CBlockRing::Stop() {
    {
        const std::lock_guard lock(m_mutex);
        m_bStopped = true;
    }
    m_changed.notify_all();
}
