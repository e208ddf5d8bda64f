#pragma once
// The MPEG audio extension chunk with its page.

#include "bwf/MEXTPropertyPage.h"
#include "core/chunks/MEXTChunkModel.h"
#include "pages/PagedChunk.h"

class CMEXTChunk : public CMEXTChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CMEXTChunk)
public:
    CMEXTChunk() = default;
    CMEXTChunk(const CString& strId, BOOL bRegister) : CMEXTChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CMEXTPropertyPage m_page;
};
