#pragma once

#include "pages/ChunkPage.h"

// The page of a RIFF chunk met among the top-level chunks: "RIFF Chunk".
class CRIFFPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CRIFFPropertyPage)
};
