#pragma once
// How many sample frames a file's samples hold, from the chunks that can say it: the one rule
// that the tree and the check's raw reading of a file both apply.

#include <cstdint>
#include <optional>

#include "core/base/Types.h"

class CRiffChunkModel;

// What can tell the length of the samples.
struct FrameSources {
    WORD wSampleTag = 0;  // the samples' coding: an extensible format's sub-format, else its tag
    WORD wBlockAlign = 0;
    std::int64_t nBytes = 0;  // of the samples
    std::optional<std::uint64_t> factLength;
    std::optional<std::uint64_t> wideCount;  // ds64's count, in an RF64 or BW64 form
};

// Linear PCM, float, A-law and mu-law: the whole blocks of the bytes. Other codings say nothing
// in their bytes: ds64's count in a wide form that gives one, else the fact chunk's. Nothing
// when no source tells.
std::optional<std::uint64_t> FramesOf(const FrameSources& sources);
// The rule over the tree's first fmt, fact and ds64 chunks and the root's sample bytes; nothing
// without a fmt chunk.
std::optional<std::uint64_t> FramesOfSamples(const CRiffChunkModel& root);
