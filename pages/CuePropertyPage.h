#pragma once

#include "pages/ChunkPage.h"

// The page of the markers of a cue chunk with the labels of the file's adtl lists.
class CcuePropertyPage : public CChunkPage {
    DECLARE_DYNCREATE(CcuePropertyPage)
protected:
    BOOL OnInitDialog() override;
};
