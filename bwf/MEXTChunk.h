#pragma once
// The MPEG audio extension chunk with its page.

#include "bwf/MEXTPropertyPage.h"
#include "core/chunks/MEXTChunkModel.h"
#include "pages/PagedChunk.h"

class CMEXTChunk : public TPagedChunk<CMEXTChunkModel, CMEXTPropertyPage, 131> {
    DECLARE_DYNCREATE(CMEXTChunk)
};
