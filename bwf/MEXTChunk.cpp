#include "bwf/MEXTChunk.h"

IMPLEMENT_DYNCREATE(CMEXTChunk, CMEXTChunkModel)

CChunkPage* CMEXTChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(131, pParent, this);
    }
    return &m_page;
}
