#pragma once
// Bounded little-endian reads from a chunk's payload, for the readers of this folder.

#include <cstdint>
#include <optional>

#include "core/base/Types.h"

class CChunk;

// The nWidth-byte (at most 8) value at nOffset, or nothing when the payload does not hold it.
std::optional<std::uint64_t> PayloadNumber(const CChunk& chunk, DWORD nOffset, DWORD nWidth);
std::uint64_t LittleEndian(const BYTE* pBytes, DWORD nWidth);
