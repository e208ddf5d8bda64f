#include "core/chunks/MEXTChunkModel.h"

IMPLEMENT_DYNCREATE(CMEXTChunkModel, CChunk)

BOOL CMEXTChunkModel::Read(HMMIO hmmio, BOOL) {
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

CString CMEXTChunkModel::GetDescription() {
    return "Mpeg Audio Extension Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}
