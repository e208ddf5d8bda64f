#pragma once
// A position that a chunk marks in the audio beside the cue points (post timers): its
// place among the chunk's markers, its usage id, its position in samples from the audio's start.

#include <cstdint>

#include "core/base/Types.h"

struct ChunkMarker {
    DWORD number;  // from 1
    CString strUsage;
    std::uint64_t samples;
};
