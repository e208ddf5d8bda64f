#pragma once
// The broadcast extension chunk: kept as one payload buffer of the size it was read with, whose
// fields are read and edited in place; reading one marks the file as a Broadcast Wave file.

#include "core/chunks/Chunk.h"

class CBEXTChunkModel : public CChunk {
    DECLARE_DYNCREATE(CBEXTChunkModel)
public:
    CBEXTChunkModel() = default;

    // Always loads the payload, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;

    // The payload bytes, owned by the chunk's m_pData; null until a read delivered some.
    BYTE* m_pBext = nullptr;

protected:
    // An edit that gives the chunk a new payload (a grown bext, a new chunk) moves the pointer.
    void OnPayloadReplaced() override { m_pBext = Data(); }
};
