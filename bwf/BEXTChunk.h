#pragma once
// The broadcast extension chunk with its page.

#include "bwf/BEXTPropertyPage.h"
#include "core/chunks/BEXTChunkModel.h"
#include "pages/PagedChunk.h"

class CBEXTChunk : public TPagedChunk<CBEXTChunkModel, CBEXTPropertyPage, 106> {
    DECLARE_DYNCREATE(CBEXTChunk)
};
