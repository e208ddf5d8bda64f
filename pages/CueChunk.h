#pragma once
// The markers of a cue chunk with the labels of the file's adtl lists, as a chunk with its page.

#include "core/chunks/CueChunkModel.h"
#include "pages/CuePropertyPage.h"
#include "pages/PagedChunk.h"

class CcueChunk : public CcueChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CcueChunk)
public:
    CcueChunk() = default;
    CcueChunk(const CString& strId, BOOL bRegister) : CcueChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CcuePropertyPage m_page;
};
