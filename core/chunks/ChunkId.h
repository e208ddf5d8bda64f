#pragma once
// Chunk ids as text that any terminal or JSON reader shows as it is.

#include "core/base/Types.h"

// The four id bytes; any byte outside printable ASCII as \xNN.
CString IdText(const char* pBytes);
CString IdText(FOURCC ckid);
// Whether the id is one of the filler chunks that hold room for later chunks (JUNK, junk, FLLR,
// PAD ), whose bytes mean nothing.
bool IsFillerId(FOURCC ckid);
