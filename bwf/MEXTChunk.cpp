#include "bwf/MEXTChunk.h"

IMPLEMENT_DYNCREATE(CMEXTChunk, CChunk)

CMEXTChunk::CMEXTChunk() = default;

CMEXTChunk::CMEXTChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CMEXTChunk::~CMEXTChunk() = default;

BOOL CMEXTChunk::Read(HMMIO hmmio, BOOL) {
    if (!CChunk::Read(hmmio, TRUE)) {
        // A failed read may have replaced the buffer; the pointer must not outlive it.
        if (m_pMext != Data()) {
            m_pMext = nullptr;
        }
        return FALSE;
    }
    m_pMext = Data();
    return TRUE;
}

CString CMEXTChunk::GetDescription() {
    return "Mpeg Audio Extension Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

CChunkPage* CMEXTChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(131, pParent, this);
    }
    return &m_page;
}
