#pragma once
// A LIST chunk with its page.

#include "core/chunks/ListChunkModel.h"
#include "pages/LISTPropertyPage.h"
#include "pages/PagedChunk.h"

class CListChunk : public CListChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CListChunk)
public:
    CListChunk() = default;
    CListChunk(const CString& strId, BOOL bRegister) : CListChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CLISTPropertyPage m_page;
};
