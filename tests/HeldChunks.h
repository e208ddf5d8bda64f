#pragma once
// What a loaded tree holds, chunk by chunk, so that a tree can be compared with the one read back
// from the file it was saved to.

#include <string>
#include <vector>

#include "TestFiles.h"
#include "core/base/Types.h"

class CRiffChunkModel;

namespace testfiles {

struct HeldChunk {
    FOURCC ckid = 0;
    // The bytes the chunk holds, which is what a save writes of it: a chunk that the file cut
    // short holds what the file had.
    DWORD size = 0;
    Bytes bytes;
};

using HeldTree = std::vector<HeldChunk>;

// Every top-level chunk of root: the payload it holds; for a data chunk the samples that the
// loaded file has; for a RIFF form met among the chunks its form type alone, since the chunks
// inside it were read as top-level chunks and are written after it; for a ds64 chunk its size
// alone, since a save writes the sizes of what it wrote into it.
HeldTree HeldChunks(const CRiffChunkModel& root);

// Empty when the trees hold the same chunks byte for byte, else the first difference in words.
std::string DescribeDifference(const HeldTree& expected, const HeldTree& actual);

// Loads the file a tree holding `stored` was saved to. Empty when it holds every chunk as
// stored; else what went wrong.
std::string DescribeSavedTree(const HeldTree& stored, const CString& strSaved);

// A chunk id for messages: printable characters as they are, others as \xNN.
std::string IdText(FOURCC ckid);

}  // namespace testfiles
