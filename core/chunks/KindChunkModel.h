#pragma once
// A chunk of a kind whose descriptor in the list of kinds says all there is to it: its
// fields, details and check rules are the kind's, and a save writes it back as held. The class
// carries nothing of its own; the list of kinds names the kinds a load makes of it.

#include "core/chunks/Chunk.h"

class CKindChunkModel : public CChunk {
    DECLARE_DYNCREATE(CKindChunkModel)
public:
    CKindChunkModel() = default;
};
