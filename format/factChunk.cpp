#include "format/factChunk.h"

IMPLEMENT_DYNCREATE(CfactChunk, CfactChunkModel)

CChunkPage* CfactChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(133, pParent, this);
    }
    return &m_page;
}
