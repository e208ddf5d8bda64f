#pragma once
// The data chunk with its page.

#include "core/chunks/DataChunkModel.h"
#include "pages/PagedChunk.h"
#include "pages/dataPropertyPage.h"

class CdataChunk : public CdataChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CdataChunk)
public:
    CdataChunk() = default;
    CdataChunk(const CString& strId, BOOL bRegister) : CdataChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CdataPropertyPage m_page;
};
