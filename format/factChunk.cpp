#include "format/factChunk.h"

IMPLEMENT_DYNCREATE(CfactChunk, CChunk)

CfactChunk::CfactChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

BOOL CfactChunk::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfactChunk::GetDescription() {
    return "fact Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

CChunkPage* CfactChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(133, pParent, this);
    }
    return &m_page;
}
