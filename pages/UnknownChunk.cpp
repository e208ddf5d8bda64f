#include "pages/UnknownChunk.h"

IMPLEMENT_DYNCREATE(CUnknownChunk, CUnknownChunkModel)

CChunkPage* CUnknownChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(137, pParent, this);
    }
    return &m_page;
}
