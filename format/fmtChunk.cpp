#include "format/fmtChunk.h"

#include "core/fields/FormatFields.h"

IMPLEMENT_DYNCREATE(CfmtChunk, CfmtChunkModel)

CChunkPage* CfmtChunk::CreatePage(CWnd* pParent) {
    CChunkPage* pPage = &m_fmtPage;
    UINT nTemplate = 132;
    switch (FormatTag()) {
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
