#pragma once
// The broadcast extension chunk: kept as one payload buffer of the size it was read with, which
// its page reads and edits in place; reading one marks the file as a Broadcast Wave file.

#include "bwf/BEXTPropertyPage.h"
#include "model/Chunk.h"

class CBEXTChunk : public CChunk {
    DECLARE_DYNCREATE(CBEXTChunk)
public:
    CBEXTChunk();
    CBEXTChunk(const CString& strId, BOOL bRegister);
    ~CBEXTChunk() override;

    // Always loads the payload, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CBEXTPropertyPage m_page;
    // The payload bytes, owned by the chunk's m_pData; null until a read delivered some.
    BYTE* m_pBext = nullptr;
};
