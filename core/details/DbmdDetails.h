#pragma once
// The dbmd chunk: its version and metadata segments, by id, with their names, sizes and whether
// their checksums agree; then the fields of the segments whose layout is known.

#include "core/details/DetailTable.h"

class CChunk;

std::vector<DetailTable> DbmdDetails(const CChunk& chunk);
