#pragma once
// The data chunk: only the position and size of the samples are held; a write streams the
// samples from the file they were loaded from.

#include "core/chunks/Chunk.h"

class CdataChunkModel : public CChunk {
    DECLARE_DYNCREATE(CdataChunkModel)
public:
    CdataChunkModel() = default;

    // The header only, whatever bLoad says.
    BOOL Read(HMMIO hmmio, BOOL bLoad) override;
    // The header, then the samples copied from the file of the root the chunk belongs to (see
    // WriteFrom); outside a tree the header alone, and FALSE.
    BOOL Write(HMMIO hmmio) override;
    // The header, then the samples copied from strSource, the file the chunk was loaded from.
    // FALSE when the target is that file itself (nothing written then), when the header cannot
    // be written, when strSource cannot be opened (the header alone is written then),
    // positioned or read, or when a write comes up
    // short; a source file that ends before the chunk's size ends the copy without error, but a
    // read that finds an end inside the file fails it.
    BOOL WriteFrom(HMMIO hmmio, const CString& strSource);
    // The same from the loaded file open as hmmioSource.
    BOOL WriteFrom(HMMIO hmmio, HMMIO hmmioSource);
    CString GetDescription() override;
};
