#pragma once
// The sampler chunk: its numbers and loops, shown as read.

#include "core/chunks/Chunk.h"

class CsmplChunkModel : public CChunk {
    DECLARE_DYNCREATE(CsmplChunkModel)
public:
    CsmplChunkModel() = default;
};
