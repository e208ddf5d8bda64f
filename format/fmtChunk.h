#pragma once
// The fmt chunk: the audio format record, kept as read and written back with the values of its
// page. The format tag picks the page: PCM, MPEG, or one saying the format is not supported.

#include "format/MPEGPropertyPage.h"
#include "format/PCMPropertyPage.h"
#include "model/Chunk.h"
#include "pages/fmtPropertyPage.h"

class CfmtChunk : public CChunk {
    DECLARE_DYNCREATE(CfmtChunk)
public:
    CfmtChunk() = default;
    CfmtChunk(const CString& strId, BOOL bRegister);

    // The payload is always loaded: it is the format record (Data(), DataSize()).
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
    // Picks the page by the format tag on every call; a record too short to hold a tag is not
    // supported.
    CChunkPage* CreatePage(CWnd* pParent) override;

    CfmtPropertyPage m_fmtPage;
    CPCMPropertyPage m_pcmPage;
    CMPEGPropertyPage m_mpegPage;
};
