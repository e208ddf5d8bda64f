#pragma once
// The root of the chunk tree with its page, saved with the values its pages show.

#include "core/chunks/RiffChunkModel.h"
#include "pages/PagedChunk.h"
#include "pages/RIFFPropertyPage.h"

class CRiffChunk : public TPagedChunk<CRiffChunkModel, CRIFFPropertyPage, 135> {
    DECLARE_DYNCREATE(CRiffChunk)
public:
    // Writes the tree, each chunk with the values its page shows, to strPath; over the loaded
    // file itself through a temporary file that replaces it once complete. On failure the
    // loaded file is as it was, one message box says what failed, and the result is FALSE.
    BOOL Save(const CString& strPath);
};
