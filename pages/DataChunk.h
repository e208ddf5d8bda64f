#pragma once
// The data chunk with its page.

#include "core/chunks/DataChunkModel.h"
#include "pages/PagedChunk.h"
#include "pages/dataPropertyPage.h"

class CdataChunk : public TPagedChunk<CdataChunkModel, CdataPropertyPage, 134> {
    DECLARE_DYNCREATE(CdataChunk)
};
