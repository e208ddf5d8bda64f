#pragma once
// Files of gigabytes that take no room on disk: a head, a hole, and a tail.

#include <cstdint>
#include <string>
#include <vector>

#include "RiffWriter.h"

namespace testfiles {

// Writes `head` at the start of the file and `tail` at `tailOffset`, leaving a hole between.
// Throws std::runtime_error when the file cannot be made.
void writeSparseFile(const std::string& path, const Bytes& head, std::int64_t tailOffset,
                     const Bytes& tail);

// The bytes that end the samples of a sparse RF64 file, so that a sum over them shows its end.
inline const std::string kSparseSamplesEnd = "end!";

// An RF64 file of 16-bit stereo PCM: ds64 and fmt, then nPayload bytes of samples that are a
// hole ending in kSparseSamplesEnd, then the chunks `after`.
void writeSparseRf64(const std::string& path, std::int64_t nPayload,
                     const std::vector<ChunkSpec>& after);

}  // namespace testfiles
