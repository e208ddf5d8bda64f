#pragma once
// The cart chunk of broadcast automation: its texts are read and edited in place through the field
// table, its post timers shown.

#include "core/chunks/Chunk.h"

class CcartChunkModel : public CChunk {
    DECLARE_DYNCREATE(CcartChunkModel)
public:
    CcartChunkModel() = default;
};
