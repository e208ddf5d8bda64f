#pragma once
// The sub-chunks inside a list's payload (after its list type), read with every size checked
// against the bytes held.

#include <functional>
#include <vector>

#include "core/base/Types.h"

class CChunk;

struct SubChunk {
    CString id;      // as IdText shows it
    DWORD offset;    // of its data, from the start of the list's payload
    DWORD declared;  // its size field
    CString bytes;   // the data held, at most the declared size
    bool truncated;  // the list ends before the declared size
};

// The list type: the payload's first four bytes, "" when it holds fewer.
CString ListType(const CChunk& chunk);
// The sub-chunks after the list type, in order, the last one cut where the payload ends.
std::vector<SubChunk> SubChunksOf(const CChunk& chunk);
// The same one at a time, for a list of many entries: the visit returns false to stop.
void ForEachSubChunk(const CChunk& chunk, const std::function<bool(const SubChunk&)>& visit);
// The text of a zero-ended 8-bit text, as UTF-8 (UTF-8 or Windows-1252 bytes).
CString SubChunkText(const CString& strBytes);
