#include "bwf/BEXTChunk.h"

IMPLEMENT_DYNCREATE(CBEXTChunk, CBEXTChunkModel)

CChunkPage* CBEXTChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(106, pParent, this);
    }
    return &m_page;
}
