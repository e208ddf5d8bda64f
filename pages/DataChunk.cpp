#include "pages/DataChunk.h"

IMPLEMENT_DYNCREATE(CdataChunk, CdataChunkModel)

CChunkPage* CdataChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(134, pParent, this);
    }
    return &m_page;
}
