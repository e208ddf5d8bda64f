#pragma once
// Any chunk whose id has no chunk class: kept whole, so that a save writes it back unchanged.

#include "model/Chunk.h"
#include "pages/UnknownPropertyPage.h"

class CUnknownChunk : public CChunk {
public:
    CUnknownChunk();
    CString GetDescription() override;
    CChunkPage* CreatePage(CWnd* pParent) override;

    CUnknownPropertyPage m_page;
};
