#pragma once
// The fact chunk: the length of the audio in samples, kept as read and written back as held.

#include "core/chunks/Chunk.h"

class CfactChunkModel : public CChunk {
    DECLARE_DYNCREATE(CfactChunkModel)
public:
    CfactChunkModel() = default;

    // The payload is always loaded: its first field is the sample length.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;
};
