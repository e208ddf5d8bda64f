#pragma once

#include "pages/ChunkPage.h"

// The page of a format chunk whose format is not supported: "Not supported WAVE format.".
class CfmtPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CfmtPropertyPage)
};
