#pragma once
// The fmt chunk with its pages. The format tag picks the page: PCM, MPEG, or one saying the
// format is not supported.

#include "core/chunks/fmtChunkModel.h"
#include "format/MPEGPropertyPage.h"
#include "format/PCMPropertyPage.h"
#include "pages/PagedChunk.h"
#include "pages/fmtPropertyPage.h"

class CfmtChunk : public CfmtChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CfmtChunk)
public:
    // Picks the page by the format tag on every call; a record too short to hold a tag is not
    // supported.
    CChunkPage* CreatePage(CWnd* pParent) override;
    CChunkPage* MadePage() override;

    CfmtPropertyPage m_fmtPage;
    CPCMPropertyPage m_pcmPage;
    CMPEGPropertyPage m_mpegPage;

private:
    // The page of the format tag, and the template it is made from.
    CChunkPage* PickedPage(UINT& rTemplate);
};
