#pragma once
// Which details a chunk has: the tables its kind reads out of its payload.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;

// By the chunk's id in any case, as its tab goes: fmt, LIST, cue, iXML and bext have tables;
// others none.
std::vector<DetailTable> DetailsOf(const CChunk& chunk);
// Every table as text, one after another.
CString DetailsText(const std::vector<DetailTable>& tables);
