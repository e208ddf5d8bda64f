#pragma once
// An iXML chunk: its main fields, its tracks and the whole document, read-only, as a chunk with its
// page.

#include "core/chunks/IxmlChunkModel.h"
#include "pages/IxmlPropertyPage.h"
#include "pages/PagedChunk.h"

class CiXMLChunk : public CiXMLChunkModel, public CPagedChunk {
    DECLARE_DYNCREATE(CiXMLChunk)
public:
    CiXMLChunk() = default;
    CiXMLChunk(const CString& strId, BOOL bRegister) : CiXMLChunkModel(strId, bRegister) {}

    CChunkPage* CreatePage(CWnd* pParent) override;

    CiXMLPropertyPage m_page;
};
