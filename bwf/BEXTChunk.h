#pragma once
// The broadcast extension chunk with its page.

#include "bwf/BEXTPropertyPage.h"
#include "core/chunks/BEXTChunkModel.h"
#include "pages/PagedChunk.h"

class CBEXTChunk : public CBEXTChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CBEXTChunk)
public:
    CBEXTChunk() = default;
    CBEXTChunk(const CString& strId, BOOL bRegister) : CBEXTChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CBEXTPropertyPage m_page;
};
