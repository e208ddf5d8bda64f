#pragma once
// Which field table a chunk's payload is read with.

#include "core/fields/FieldLayout.h"

class CChunk;

// The table of the chunk's kind (for a fmt chunk, of its format tag); null for a chunk without
// fields.
const FieldTable* FieldTableOf(const CChunk& chunk);
// Every table, in the order a listing of fields shows them.
std::span<const FieldTable* const> FieldTables();
