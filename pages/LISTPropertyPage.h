#pragma once

#include "pages/ChunkPage.h"

// The page of a LIST chunk: "LIST chunk", whatever it holds.
class CLISTPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CLISTPropertyPage)
protected:
    // Below the line, what Ovalis reads out of the chunk.
    BOOL OnInitDialog() override;
};
