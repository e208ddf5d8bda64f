#pragma once
// Which field table a chunk's payload is read with. The list of kinds (core/kinds, above this
// folder) answers it, and hands its answer down at start-up.

#include "core/fields/FieldLayout.h"

class CChunk;

using FieldTableLookup = const FieldTable* (*)(const CChunk& chunk);

// The table of the chunk's kind (for a fmt chunk, of its format tag); null for a chunk without
// fields, and before the list of kinds handed its answer down.
const FieldTable* FieldTableOf(const CChunk& chunk);
// Called once at start-up by the list of kinds.
void SetFieldTableLookup(FieldTableLookup lookup);
