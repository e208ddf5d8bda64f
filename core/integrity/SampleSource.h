#pragma once
// Where a file's samples are and what they are, copied out of the tree, so that work on them can
// run on another thread while the tree stays with its owner.

#include <cstdint>
#include <vector>

#include "core/base/Types.h"

class CRiffChunkModel;

struct SampleSource {
    CString strPath;           // the loaded file, as opened
    std::int64_t nOffset = 0;  // of the samples, as the root gives it
    std::int64_t nSize = 0;    // of the samples, as the root gives it
    bool bHasData = false;
    std::vector<BYTE> format;  // the fmt chunk's payload; empty without one
    bool bHasFormat = false;
};

SampleSource SampleSourceOf(const CRiffChunkModel& root);
