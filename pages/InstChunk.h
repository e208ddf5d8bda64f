#pragma once
// The instrument chunk with its page: its seven bytes.

#include "core/chunks/InstChunkModel.h"
#include "pages/FieldTablePage.h"
#include "pages/PagedChunk.h"

class CinstChunk : public TPagedChunk<CinstChunkModel, CFieldTablePage, 162> {
    DECLARE_DYNCREATE(CinstChunk)
};
