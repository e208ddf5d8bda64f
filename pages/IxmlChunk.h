#pragma once
// An iXML chunk: its main fields, its tracks and the whole document, read-only, as a chunk with its
// page.

#include "core/chunks/IxmlChunkModel.h"
#include "pages/IxmlPropertyPage.h"
#include "pages/PagedChunk.h"

class CiXMLChunk : public TPagedChunk<CiXMLChunkModel, CiXMLPropertyPage, 151> {
    DECLARE_DYNCREATE(CiXMLChunk)
};
