#include "pages/PagedChunk.h"

#include "core/chunks/Chunk.h"
#include "pages/ChunkPage.h"

CChunkPage* CreatePageOf(CChunk* pChunk, CWnd* pParent) {
    auto* pPaged = dynamic_cast<CPagedChunk*>(pChunk);
    return pPaged ? pPaged->CreatePage(pParent) : nullptr;
}

CChunkPage* MadePageOf(CChunk* pChunk) {
    auto* pPaged = dynamic_cast<CPagedChunk*>(pChunk);
    return pPaged ? pPaged->MadePage() : nullptr;
}

void StorePageValues(CChunk& chunk) {
    if (CChunkPage* pPage = CreatePageOf(&chunk, nullptr)) {
        pPage->UpdateChunk();
    }
}
