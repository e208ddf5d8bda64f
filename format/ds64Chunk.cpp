#include "format/ds64Chunk.h"

IMPLEMENT_DYNCREATE(Cds64Chunk, Cds64ChunkModel)

CChunkPage* Cds64Chunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(143, pParent, this);
    }
    return &m_page;
}
