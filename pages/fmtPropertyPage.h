#pragma once

#include "pages/ChunkPage.h"

// The page of a format chunk whose format is not supported: "Not supported WAVE format.".
class CfmtPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CfmtPropertyPage)
protected:
    // Below the line, what Ovalis reads out of the chunk.
    BOOL OnInitDialog() override;
};
