#pragma once
// The MPEG audio extension chunk: kept as one payload buffer of the size it was read with, whose
// first 12 bytes its page reads and edits in place.

#include "bwf/MEXTPropertyPage.h"
#include "model/Chunk.h"

class CMEXTChunk : public CChunk {
    DECLARE_DYNCREATE(CMEXTChunk)
public:
    CMEXTChunk();
    CMEXTChunk(const CString& strId, BOOL bRegister);
    ~CMEXTChunk() override;

    // Always loads the payload, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CMEXTPropertyPage m_page;
    // The payload bytes, owned by the chunk's m_pData; null until a read delivered some.
    BYTE* m_pMext = nullptr;
};
