#include "core/details/PayloadBytes.h"

#include "core/chunks/Chunk.h"

std::uint64_t LittleEndian(const BYTE* pBytes, DWORD nWidth) {
    return LittleEndianOr0(ByteSpan(pBytes, nWidth), 0, nWidth);
}

std::optional<std::uint64_t> PayloadNumber(const CChunk& chunk, DWORD nOffset, DWORD nWidth) {
    return LittleEndianAt(chunk.Payload(), nOffset, nWidth);
}
