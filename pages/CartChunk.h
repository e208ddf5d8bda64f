#pragma once
// The cart chunk with its page: its texts editable, its post timers below them.

#include "core/chunks/CartChunkModel.h"
#include "pages/FieldTablePage.h"
#include "pages/PagedChunk.h"

class CcartChunk : public TPagedChunk<CcartChunkModel, CFieldTablePage, 160> {
    DECLARE_DYNCREATE(CcartChunk)
};
