#include "app/ChunkHeaders.h"

CChunkHeaders::CChunkHeaders(CChunk& root) {
    Add(root);
}

void CChunkHeaders::Add(CChunk& chunk) {
    m_headers.emplace_back(&chunk, chunk.m_ck);
    for (CObject* pChild : chunk) {
        Add(*static_cast<CChunk*>(pChild));
    }
}

void CChunkHeaders::Restore() const {
    for (const auto& [pChunk, header] : m_headers) {
        pChunk->m_ck = header;
    }
}
