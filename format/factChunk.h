#pragma once
// The fact chunk: the length of the audio in samples, kept as read and written back with the
// value of its page.

#include "format/factPropertyPage.h"
#include "model/Chunk.h"

class CfactChunk : public CChunk {
    DECLARE_DYNCREATE(CfactChunk)
public:
    CfactChunk() = default;
    CfactChunk(const CString& strId, BOOL bRegister);

    // The payload is always loaded: the page shows and stores its first field.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CfactPropertyPage m_page;
};
