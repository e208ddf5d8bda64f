#pragma once
// The markers of a cue chunk with the labels of the file's adtl lists, as a chunk with its page.

#include "core/chunks/CueChunkModel.h"
#include "pages/CuePropertyPage.h"
#include "pages/PagedChunk.h"

class CcueChunk : public TPagedChunk<CcueChunkModel, CcuePropertyPage, 150> {
    DECLARE_DYNCREATE(CcueChunk)
};
