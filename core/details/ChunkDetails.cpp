#include "core/details/ChunkDetails.h"

#include <atomic>

#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"

namespace {

// Set before the first load; loads on several threads read it.
std::atomic<KindDetailsLookup> g_lookup{nullptr};

KindDetails KindDetailsOf(const CChunk& chunk) {
    const KindDetailsLookup lookup = g_lookup.load(std::memory_order_acquire);
    return lookup ? lookup(chunk.m_ck.ckid) : KindDetails{};
}

}  // namespace

void SetKindDetailsLookup(KindDetailsLookup lookup) {
    g_lookup.store(lookup, std::memory_order_release);
}

std::vector<DetailTable> DetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    const KindDetails details = KindDetailsOf(chunk);
    return details.read ? details.read(chunk, facts) : std::vector<DetailTable>{};
}

std::vector<DetailTable> DetailsOf(const CChunk& chunk) {
    const bool bFacts = chunk.m_pParent && KindDetailsOf(chunk).bReadsFacts;
    return DetailsOf(chunk, bFacts ? AudioFactsOf(*chunk.m_pParent) : AudioFacts{});
}

CString DetailsText(const std::vector<DetailTable>& tables) {
    CString strText;
    for (const DetailTable& table : tables) {
        strText += (strText.empty() ? "" : "\n") + DetailTableText(table);
    }
    return strText;
}
