#pragma once
// A chunk whose id has no chunk class, with its page.

#include "core/chunks/UnknownChunkModel.h"
#include "pages/PagedChunk.h"
#include "pages/UnknownPropertyPage.h"

class CUnknownChunk : public CUnknownChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CUnknownChunk)
public:
    CUnknownChunk() = default;

    CChunkPage* CreatePage(CWnd* pParent) override;

    CUnknownPropertyPage m_page;
};
