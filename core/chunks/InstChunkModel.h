#pragma once
// The instrument chunk: its seven bytes, shown as read.

#include "core/chunks/Chunk.h"

class CinstChunkModel : public CChunk {
    DECLARE_DYNCREATE(CinstChunkModel)
public:
    CinstChunkModel() = default;
};
