#pragma once
// A LIST chunk: kept as one block of bytes, its list type first, its sub-chunks unparsed, so
// that a save writes it back unchanged.

#include "model/Chunk.h"
#include "pages/LISTPropertyPage.h"

class CListChunk : public CChunk {
    DECLARE_DYNCREATE(CListChunk)
public:
    CListChunk();
    CListChunk(const CString& strId, BOOL bRegister);
    ~CListChunk() override;

    CChunkPage* CreatePage(CWnd* pParent) override;

    CLISTPropertyPage m_page;
};
