#pragma once
// A cue chunk: the file's cue points, kept as read and written back unchanged.

#include "core/chunks/Chunk.h"

class CcueChunkModel : public CChunk {
    DECLARE_DYNCREATE(CcueChunkModel)
public:
    CcueChunkModel() = default;
};
