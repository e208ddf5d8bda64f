#pragma once

#include "pages/ChunkPage.h"

// The page of a chunk whose id has no chunk class: "Unknown Chunk".
class CUnknownPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CUnknownPropertyPage)
protected:
    // Below the line, what Ovalis reads out of the chunk.
    BOOL OnInitDialog() override;
};
