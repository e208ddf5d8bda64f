#include "core/chunks/BEXTChunkModel.h"

IMPLEMENT_DYNCREATE(CBEXTChunkModel, CChunk)

BOOL CBEXTChunkModel::Read(HMMIO hmmio, BOOL) {
    if (!CChunk::Read(hmmio, TRUE)) {
        // A failed read may have replaced the buffer; the pointer must not outlive it.
        if (m_pBext != Data()) {
            m_pBext = nullptr;
        }
        return FALSE;
    }
    m_pBext = Data();
    return TRUE;
}

CString CBEXTChunkModel::GetDescription() {
    return "Broadcast Extension Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}
