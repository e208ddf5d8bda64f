#pragma once
// The ds64 chunk with its page.

#include "core/chunks/ds64ChunkModel.h"
#include "format/ds64PropertyPage.h"
#include "pages/PagedChunk.h"

class Cds64Chunk : public Cds64ChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(Cds64Chunk)
public:
    Cds64Chunk() = default;
    Cds64Chunk(const CString& strId, BOOL bRegister) : Cds64ChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    Cds64PropertyPage m_page;
};
