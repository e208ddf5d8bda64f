#pragma once
// Any chunk's bytes as a hex and text view, for chunks that Ovalis has no fields for.

#include "core/base/Types.h"

class CChunk;

// At most this many payload bytes are shown; the view says how many more there are.
inline constexpr DWORD kByteViewLimit = 64 * 1024;

// The id as stored, the offset and declared size of the chunk, then its first bytes held.
CString ChunkByteView(const CChunk& chunk);
// Sixteen bytes a line: offset, hex, and the printable ASCII bytes ('.' for the others).
CString HexLines(const BYTE* pBytes, DWORD nSize);
