#include "format/fmtChunk.h"

#include "core/fields/FormatFields.h"

IMPLEMENT_DYNCREATE(CfmtChunk, CfmtChunkModel)

CChunkPage* CfmtChunk::PickedPage(UINT& rTemplate) {
    switch (FormatTag()) {
        case WAVE_FORMAT_PCM:
            rTemplate = 140;
            return &m_pcmPage;
        case WAVE_FORMAT_MPEG:
            rTemplate = 141;
            return &m_mpegPage;
        default:
            rTemplate = 132;
            return &m_fmtPage;
    }
}

CChunkPage* CfmtChunk::CreatePage(CWnd* pParent) {
    UINT nTemplate = 0;
    CChunkPage* pPage = PickedPage(nTemplate);
    if (pPage->IsWindowless()) {
        pPage->Create(nTemplate, pParent, this);
    }
    return pPage;
}

CChunkPage* CfmtChunk::MadePage() {
    UINT nTemplate = 0;
    CChunkPage* pPage = PickedPage(nTemplate);
    return pPage->IsWindowless() ? nullptr : pPage;
}
