#pragma once
// Which details a chunk has: the tables its kind reads out of its payload.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;
struct AudioFacts;

// By the chunk's id in any case, as its tab goes: fmt, LIST, cue, iXML and bext have tables;
// others none. The markers and the time reference read the facts of the file around the chunk.
std::vector<DetailTable> DetailsOf(const CChunk& chunk);
// The same with the facts of the chunk's file given, for a caller that asks of every chunk.
std::vector<DetailTable> DetailsOf(const CChunk& chunk, const AudioFacts& facts);
// Every table as text, one after another.
CString DetailsText(const std::vector<DetailTable>& tables);
