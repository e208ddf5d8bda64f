#pragma once
// A chunk whose id has no chunk class, with its page.

#include "core/chunks/UnknownChunkModel.h"
#include "pages/PagedChunk.h"
#include "pages/UnknownPropertyPage.h"

class CUnknownChunk : public TPagedChunk<CUnknownChunkModel, CUnknownPropertyPage, 137> {
    DECLARE_DYNCREATE(CUnknownChunk)
};
