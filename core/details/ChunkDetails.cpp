#include "core/details/ChunkDetails.h"

#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/fields/ChunkKind.h"

// The kind of a chunk goes by its id in any letter case, as the registry picks its model: a
// chunk stored as "list" is a LIST chunk on a LIST tab.
std::vector<DetailTable> DetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    const ChunkKind* pKind = KindOfId(chunk.m_ck.ckid);
    return pKind && pKind->details ? pKind->details(chunk, facts) : std::vector<DetailTable>{};
}

std::vector<DetailTable> DetailsOf(const CChunk& chunk) {
    const ChunkKind* pKind = KindOfId(chunk.m_ck.ckid);
    const bool bFacts = chunk.m_pParent && pKind && pKind->detailsReadFacts;
    return DetailsOf(chunk, bFacts ? AudioFactsOf(*chunk.m_pParent) : AudioFacts{});
}

CString DetailsText(const std::vector<DetailTable>& tables) {
    CString strText;
    for (const DetailTable& table : tables) {
        strText += (strText.empty() ? "" : "\n") + DetailTableText(table);
    }
    return strText;
}
