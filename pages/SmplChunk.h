#pragma once
// The sampler chunk with its page: its numbers, then its loops.

#include "core/chunks/SmplChunkModel.h"
#include "pages/FieldTablePage.h"
#include "pages/PagedChunk.h"

class CsmplChunk : public TPagedChunk<CsmplChunkModel, CFieldTablePage, 161> {
    DECLARE_DYNCREATE(CsmplChunk)
};
