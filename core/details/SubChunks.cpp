#include "core/details/SubChunks.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"
#include "core/fields/FieldEncoding.h"

CString ListType(const CChunk& chunk) {
    if (!chunk.Data() || chunk.DataSize() < 4) {
        return {};
    }
    return IdText(reinterpret_cast<const char*>(chunk.Data()));
}

void ForEachSubChunk(const CChunk& chunk, const std::function<bool(const SubChunk&)>& visit) {
    const BYTE* pBytes = chunk.Data();
    const std::uint64_t nSize = pBytes ? chunk.DataSize() : 0;
    for (std::uint64_t pos = 4; pos + 8 <= nSize;) {
        const DWORD declared = static_cast<DWORD>(LittleEndianOr0(chunk.Payload(), pos + 4, 4));
        const std::uint64_t held = std::min<std::uint64_t>(declared, nSize - pos - 8);
        if (!visit({IdText(reinterpret_cast<const char*>(pBytes + pos)),
                    static_cast<DWORD>(pos + 8), declared,
                    CString(reinterpret_cast<const char*>(pBytes + pos + 8), held),
                    held < declared})) {
            return;
        }
        pos += 8 + std::uint64_t(declared) + (declared & 1);
    }
}

std::vector<SubChunk> SubChunksOf(const CChunk& chunk) {
    std::vector<SubChunk> subChunks;
    ForEachSubChunk(chunk, [&subChunks](const SubChunk& sub) {
        subChunks.push_back(sub);
        return true;
    });
    return subChunks;
}

CString SubChunkText(const CString& strBytes) {
    return DecodeFieldBytes(strBytes.substr(0, strBytes.find('\0')));
}
