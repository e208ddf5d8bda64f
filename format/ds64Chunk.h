#pragma once
// The ds64 chunk with its page.

#include "core/chunks/ds64ChunkModel.h"
#include "format/ds64PropertyPage.h"
#include "pages/PagedChunk.h"

class Cds64Chunk : public TPagedChunk<Cds64ChunkModel, Cds64PropertyPage, 143> {
    DECLARE_DYNCREATE(Cds64Chunk)
};
