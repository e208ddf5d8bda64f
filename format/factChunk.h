#pragma once
// The fact chunk with its page.

#include "core/chunks/factChunkModel.h"
#include "format/factPropertyPage.h"
#include "pages/PagedChunk.h"

class CfactChunk : public CfactChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CfactChunk)
public:
    CfactChunk() = default;
    CfactChunk(const CString& strId, BOOL bRegister) : CfactChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CfactPropertyPage m_page;
};
