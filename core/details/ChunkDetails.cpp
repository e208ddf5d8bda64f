#include "core/details/ChunkDetails.h"

#include <cstring>
#include "core/chunks/Chunk.h"

#include "core/chunks/ChunkId.h"
#include "core/details/AudioFacts.h"
#include "core/details/CueDetails.h"
#include "core/details/FormatDetails.h"
#include "core/details/IxmlDetails.h"
#include "core/details/ListDetails.h"
#include "core/details/TimeReferenceDetails.h"
#include "core/io/Mmio.h"

namespace {

// The kind of a chunk goes by its id in upper case, as the registry picks its model: a chunk
// stored as "list" is a LIST chunk on a LIST tab.
FOURCC KindOf(const CChunk& chunk) {
    char id[5] = {};
    std::memcpy(id, &chunk.m_ck.ckid, 4);
    FOURCC kind = 0;
    for (int i = 3; i >= 0; --i) {
        const char c = id[i];
        kind = kind << 8 | static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
    return kind;
}

bool Is(FOURCC kind, const char* pId) {
    return kind == mmioStringToFOURCC(pId, 0);
}

// Only the markers and the time reference read the facts of the file around the chunk.
bool NeedsFacts(FOURCC kind) {
    return Is(kind, "CUE ") || Is(kind, "BEXT");
}

}  // namespace

std::vector<DetailTable> DetailsOf(const CChunk& chunk, const AudioFacts& facts) {
    const FOURCC kind = KindOf(chunk);
    if (Is(kind, "FMT ")) {
        return {FormatDetails(chunk)};
    }
    if (Is(kind, "LIST")) {
        return ListDetails(chunk);
    }
    if (Is(kind, "CUE ")) {
        return {CueDetails(chunk, facts)};
    }
    if (Is(kind, "IXML")) {
        return IxmlDetails(chunk);
    }
    if (Is(kind, "BEXT")) {
        return {TimeReferenceDetails(chunk, facts)};
    }
    return {};
}

std::vector<DetailTable> DetailsOf(const CChunk& chunk) {
    const bool bFacts = chunk.m_pParent && NeedsFacts(KindOf(chunk));
    return DetailsOf(chunk, bFacts ? AudioFactsOf(*chunk.m_pParent) : AudioFacts{});
}

CString DetailsText(const std::vector<DetailTable>& tables) {
    CString strText;
    for (const DetailTable& table : tables) {
        strText += (strText.empty() ? "" : "\n") + DetailTableText(table);
    }
    return strText;
}
