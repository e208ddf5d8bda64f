#include "pages/ListChunk.h"

IMPLEMENT_DYNCREATE(CListChunk, CListChunkModel)

CChunkPage* CListChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(136, pParent, this);
    }
    return &m_page;
}
