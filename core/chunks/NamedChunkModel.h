#pragma once
// A chunk whose kind Ovalis names and reads but does not edit (the ADM chunks, peak envelopes,
// filler chunks, editing systems' own chunks): kept whole, so that a save writes it back
// unchanged; its kind's details say what it holds.

#include "core/chunks/Chunk.h"

class CNamedChunkModel : public CChunk {
    DECLARE_DYNCREATE(CNamedChunkModel)
public:
    CString GetDescription() override;
};
