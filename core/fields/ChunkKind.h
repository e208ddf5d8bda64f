#pragma once
// What the core knows of one chunk kind, in one place: its id, the class a load makes of it,
// its field tables, its details, whether the check reads its payload, and the payloads that show
// ovalis-cli's help what its details hold. Registration, the field table lookup, the details,
// the check and the CLI all read the list of kinds; adding a kind is one entry there.

#include <span>
#include <vector>

#include "core/fields/FieldLayout.h"

class CChunk;
struct AudioFacts;
struct CRuntimeClass;
struct DetailTable;

struct ChunkKind {
    const char* id;  // as registered and as a file spells it ("fmt ", "bext")
    // The class a load makes of the kind; null for a kind the tree holds as an unknown chunk.
    const CRuntimeClass* modelClass = nullptr;
    // Every table of the kind, in the order a listing of fields shows them.
    std::span<const FieldTable* const> fieldTables = {};
    // The table of one chunk where the payload picks it (fmt by its format tag); when null, the
    // first of fieldTables.
    const FieldTable* (*pickFields)(const CChunk& chunk) = nullptr;
    // The tables the kind's details read out of a payload; null for a kind without details.
    std::vector<DetailTable> (*details)(const CChunk& chunk, const AudioFacts& facts) = nullptr;
    bool detailsReadFacts = false;   // the details read the facts of the file around the chunk
    bool checkReadsPayload = false;  // the check's rules look into the payload
    bool pageShowsBytes = false;     // its page shows its bytes below the details
    // Payloads of chunks that hold no entries, whose details show the rows every file gets.
    std::vector<CString> (*helpSpecimens)() = nullptr;
};

// Every kind, in the order the registry searches them. Defined where all kinds are known.
std::span<const ChunkKind> ChunkKinds();
// The kind of the id, letter case ignored as the registry picks a class; null for none.
const ChunkKind* KindOfId(FOURCC ckid);
// The kind of the id as spelled, for a check that reads the file's bytes; null for none.
const ChunkKind* KindOfId(const CString& strId);
