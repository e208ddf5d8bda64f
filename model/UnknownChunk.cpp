#include "model/UnknownChunk.h"

CUnknownChunk::CUnknownChunk() { m_strName = "Unknown"; }

CString CUnknownChunk::GetDescription() { return "Unknown chunk\r\n"; }

CChunkPage* CUnknownChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(137, pParent, this);
    }
    return &m_page;
}
