#include "core/details/PayloadBytes.h"

#include "core/chunks/Chunk.h"

std::uint64_t LittleEndian(const BYTE* pBytes, DWORD nWidth) {
    std::uint64_t value = 0;
    for (DWORD i = nWidth; i-- > 0;) {
        value = (value << 8) | pBytes[i];
    }
    return value;
}

std::optional<std::uint64_t> PayloadNumber(const CChunk& chunk, DWORD nOffset, DWORD nWidth) {
    if (!chunk.Data() || nWidth > 8 || nOffset > chunk.DataSize() ||
        chunk.DataSize() - nOffset < nWidth) {
        return std::nullopt;
    }
    return LittleEndian(chunk.Data() + nOffset, nWidth);
}
