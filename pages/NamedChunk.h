#pragma once
// A chunk whose kind Ovalis names and reads without editing, with its page.

#include "core/chunks/NamedChunkModel.h"
#include "pages/NamedPropertyPage.h"
#include "pages/PagedChunk.h"

class CNamedChunk : public TPagedChunk<CNamedChunkModel, CNamedPropertyPage, 170> {
    DECLARE_DYNCREATE(CNamedChunk)
};
