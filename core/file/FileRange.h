#pragma once
// Bytes of the loaded file that a save copies as they are, without holding them in memory: a
// chunk too large to hold, and what follows the chunks a load stopped at.

#include <cstdint>

#include "core/io/Mmio.h"

// Copies nSize bytes of the source from offset on to the target's position, in passes; a source
// that ends first ends the copy. FALSE when the source cannot be positioned or read, or a write
// comes up short.
bool CopyFileRange(HMMIO hmmioSource, std::int64_t offset, std::int64_t nSize, HMMIO hmmioTarget);
