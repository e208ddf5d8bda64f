#pragma once
// The headers of a tree's chunks as they stand before a save. A save moves each header to where
// the chunk lies in the new file; when the save fails, the tree stays shown and must read its
// payloads and samples from the loaded file again, so the headers are put back.

#include <utility>
#include <vector>

#include "core/chunks/Chunk.h"

class CChunkHeaders {
public:
    // Of pRoot and every chunk below it.
    explicit CChunkHeaders(CChunk& root);
    void Restore() const;

private:
    void Add(CChunk& chunk);

    std::vector<std::pair<CChunk*, MMCKINFO>> m_headers;
};
