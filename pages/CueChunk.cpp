#include "pages/CueChunk.h"

IMPLEMENT_DYNCREATE(CcueChunk, CcueChunkModel)

CChunkPage* CcueChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(150, pParent, this);
    }
    return &m_page;
}
