#pragma once
// The fact chunk with its page.

#include "core/chunks/factChunkModel.h"
#include "format/factPropertyPage.h"
#include "pages/PagedChunk.h"

class CfactChunk : public TPagedChunk<CfactChunkModel, CfactPropertyPage, 133> {
    DECLARE_DYNCREATE(CfactChunk)
};
