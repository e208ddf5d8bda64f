#pragma once
// Which details a chunk has: the tables its kind reads out of its payload.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;
struct AudioFacts;

// What the list of kinds (core/kinds, above this folder) says of a kind's details: the tables
// it reads out of a payload (null for none), and whether they read the facts of the file around
// the chunk. The list hands its answer for an id down at start-up.
struct KindDetails {
    std::vector<DetailTable> (*read)(const CChunk& chunk, const AudioFacts& facts) = nullptr;
    bool bReadsFacts = false;
};
using KindDetailsLookup = KindDetails (*)(FOURCC ckid);
// Called once at start-up by the list of kinds.
void SetKindDetailsLookup(KindDetailsLookup lookup);

// By the chunk's id in any case, as its tab goes: fmt, LIST, cue, iXML and bext have tables;
// others none. The markers and the time reference read the facts of the file around the chunk.
std::vector<DetailTable> DetailsOf(const CChunk& chunk);
// The same with the facts of the chunk's file given, for a caller that asks of every chunk.
std::vector<DetailTable> DetailsOf(const CChunk& chunk, const AudioFacts& facts);
// Every table as text, one after another.
CString DetailsText(const std::vector<DetailTable>& tables);
