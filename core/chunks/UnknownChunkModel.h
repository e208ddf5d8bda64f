#pragma once
// Any chunk whose id has no chunk class: kept whole, so that a save writes it back unchanged.

#include "core/chunks/Chunk.h"

class CUnknownChunkModel : public CChunk {
    DECLARE_DYNCREATE(CUnknownChunkModel)
public:
    CUnknownChunkModel();
    CString GetDescription() override;
};
