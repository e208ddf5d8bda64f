#pragma once

#include "pages/ChunkPage.h"

// The page of the data chunk: "data chunk.".
class CdataPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CdataPropertyPage)
};
