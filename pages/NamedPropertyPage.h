#pragma once

#include "pages/ChunkPage.h"

// The page of a chunk whose kind Ovalis names and reads without editing: its details, and for
// fillers and editing systems' own chunks its bytes.
class CNamedPropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CNamedPropertyPage)
protected:
    BOOL OnInitDialog() override;
};
