#include "pages/KindChunk.h"

#include "core/kinds/ChunkKind.h"
#include "pages/ChunkPage.h"
#include "pages/KindPages.h"

IMPLEMENT_DYNCREATE(CKindChunk, CKindChunkModel)

CChunkPage* CKindChunk::CreatePage(CWnd* pParent) {
    if (!m_pPage) {
        // The registry names the chunk by its kind's id before a load reads its header.
        const ChunkKind* pKind = KindOfId(m_strName);
        const KindPage page = pKind ? KindPageOf(*pKind) : KindPage{nullptr, 0};
        if (!page.make) {
            return nullptr;
        }
        m_pPage.reset(page.make());
        m_nTemplate = page.nTemplate;
    }
    if (m_pPage->IsWindowless()) {
        m_pPage->Create(m_nTemplate, pParent, this);
    }
    return m_pPage.get();
}

CChunkPage* CKindChunk::MadePage() {
    return m_pPage && !m_pPage->IsWindowless() ? m_pPage.get() : nullptr;
}
