#include "pages/IxmlChunk.h"

IMPLEMENT_DYNCREATE(CiXMLChunk, CiXMLChunkModel)

CChunkPage* CiXMLChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(151, pParent, this);
    }
    return &m_page;
}
