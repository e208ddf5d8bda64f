#pragma once
// Files of gigabytes that take no room on disk: a head, a hole, and a tail.

#include <cstdint>
#include <string>

#include "TestFiles.h"

namespace testfiles {

// Writes `head` at the start of the file and `tail` at `tailOffset`, leaving a hole between.
// Throws std::runtime_error when the file cannot be made.
void writeSparseFile(const std::string& path, const Bytes& head, std::int64_t tailOffset,
                     const Bytes& tail);

}  // namespace testfiles
