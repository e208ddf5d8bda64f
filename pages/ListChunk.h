#pragma once
// A LIST chunk with its page.

#include "core/chunks/ListChunkModel.h"
#include "pages/LISTPropertyPage.h"
#include "pages/PagedChunk.h"

class CListChunk : public TPagedChunk<CListChunkModel, CLISTPropertyPage, 136> {
    DECLARE_DYNCREATE(CListChunk)
};
