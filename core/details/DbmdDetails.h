#pragma once
// The dbmd chunk: its version and metadata segments, by id, with their names, sizes and whether
// their checksums agree.

#include "core/details/DetailTable.h"

class CChunk;

DetailTable DbmdDetails(const CChunk& chunk);
