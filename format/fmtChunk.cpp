#include "format/fmtChunk.h"

#include "format/FormatRecord.h"

IMPLEMENT_DYNCREATE(CfmtChunk, CChunk)

CfmtChunk::CfmtChunk(const CString& strId, BOOL bRegister) {
    Register(strId, bRegister);
}

BOOL CfmtChunk::Read(HMMIO hmmio, BOOL) {
    return CChunk::Read(hmmio, TRUE);
}

CString CfmtChunk::GetDescription() {
    return "Format Chunk\r\n" + CChunk::GetDescription() + "\r\n";
}

CChunkPage* CfmtChunk::CreatePage(CWnd* pParent) {
    // A record too short for a tag reads as tag 0, which is not supported.
    CChunkPage* pPage = &m_fmtPage;
    UINT nTemplate = 132;
    switch (LoadNumber(this, formatrecord::kFormatTag)) {
        case WAVE_FORMAT_PCM:
            pPage = &m_pcmPage;
            nTemplate = 140;
            break;
        case WAVE_FORMAT_MPEG:
            pPage = &m_mpegPage;
            nTemplate = 141;
            break;
    }
    if (pPage->IsWindowless()) {
        pPage->Create(nTemplate, pParent, this);
    }
    return pPage;
}
