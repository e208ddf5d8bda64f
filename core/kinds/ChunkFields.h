#pragma once
// The field tables of the list of kinds: every one, and which one a chunk's payload is read
// with (handed down to core/chunks/ChunkFieldTable.h at start-up).

#include <span>

#include "core/fields/FieldLayout.h"

class CChunk;

// The table of the chunk's kind (for a fmt chunk, of its format tag); null for a chunk without
// fields.
const FieldTable* FieldTableOfKind(const CChunk& chunk);
// Every table, in the order a listing of fields shows them.
std::span<const FieldTable* const> FieldTables();
