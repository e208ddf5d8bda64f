#pragma once
// The MPEG audio extension chunk: kept as one payload buffer of the size it was read with, whose
// first 12 bytes are read and edited in place.

#include "core/chunks/Chunk.h"

class CMEXTChunkModel : public CChunk {
    DECLARE_DYNCREATE(CMEXTChunkModel)
public:
    CMEXTChunkModel() = default;

    // Always loads the payload, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    CString GetDescription() override;

    // The payload bytes, owned by the chunk's m_pData; null until a read delivered some.
    BYTE* m_pMext = nullptr;

protected:
    // An edit that gives the chunk a new payload (a grown bext, a new chunk) moves the pointer.
    void OnPayloadReplaced() override { m_pMext = Data(); }
};
