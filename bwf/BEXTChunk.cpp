#include "bwf/BEXTChunk.h"

#include "model/Overview.h"

IMPLEMENT_DYNCREATE(CBEXTChunk, CChunk)

CBEXTChunk::CBEXTChunk() = default;

CBEXTChunk::CBEXTChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

CBEXTChunk::~CBEXTChunk() = default;

BOOL CBEXTChunk::Read(HMMIO hmmio, BOOL) {
    if (!CChunk::Read(hmmio, TRUE)) {
        // A failed read may have replaced the buffer; the pointer must not outlive it.
        if (m_pBext != Data()) {
            m_pBext = nullptr;
        }
        return FALSE;
    }
    g_bHasBext = TRUE;
    m_pBext = Data();
    return TRUE;
}

CString CBEXTChunk::GetDescription() {
    return "Broadcast Extension Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

CChunkPage* CBEXTChunk::CreatePage(CWnd* pParent) {
    if (m_page.IsWindowless()) {
        m_page.Create(106, pParent, this);
    }
    return &m_page;
}
