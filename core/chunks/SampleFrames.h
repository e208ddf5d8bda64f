#pragma once
// How many sample frames a file's samples hold, from the chunks that can say it.

#include <cstdint>
#include <optional>

class CRiffChunkModel;

// Linear PCM, float, A-law and mu-law: the whole blocks of the samples' bytes. Other codings
// say nothing in their bytes: ds64's count in an RF64 or BW64 form that gives one, else the fact
// chunk's. Nothing without a format, or when no chunk tells.
std::optional<std::uint64_t> FramesOfSamples(const CRiffChunkModel& root);
