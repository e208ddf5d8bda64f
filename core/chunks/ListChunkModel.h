#pragma once
// A LIST chunk: kept as one block of bytes, its list type first, its sub-chunks unparsed, so
// that a save writes it back unchanged.

#include "core/chunks/Chunk.h"

class CListChunkModel : public CChunk {
    DECLARE_DYNCREATE(CListChunkModel)
public:
    CListChunkModel();
    ~CListChunkModel() override;
};
