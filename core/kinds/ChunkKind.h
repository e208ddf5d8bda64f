#pragma once
// What the core knows of one chunk kind, in one place: its id, the class a load makes of it,
// its field tables, its details, whether the check reads its payload, the payloads that show
// ovalis-cli's help what its details hold, what a new chunk of it holds and where it goes, where
// batch edits name its fields and the markers it holds. Registration, the field table lookup,
// the details, the check, the CLI, the table and the window all read the list of kinds; adding a
// kind is its fields, its details and one entry there.

#include <span>
#include <vector>

#include "core/fields/FieldLayout.h"

class CChunk;
struct AudioFacts;
struct CRuntimeClass;
struct ChunkMarker;
struct DetailTable;

// Where batch edits (set, export and import, the table's columns) name a kind's stored fields:
// not at all, leading the named values, or after them in a group of the kind's own.
enum class BatchFields { None, Leading, Grouped };

// Where a new chunk goes. A save never reorders the chunks that were there: new ones go where
// readers look for them, in a filler chunk's room when one has it.
enum class ChunkPlace {
    BeforeData,  // bext, iXML: before the samples, in the room of a filler chunk there if any
    AfterData,   // right after the data chunk ("MD5 ")
    Last,        // after every chunk (LIST INFO, cue and its labels)
};

// What a new chunk of a kind that a user adds holds, and where it goes.
struct NewChunk {
    const char* name;      // as add and remove take it ("bext", "INFO")
    const char* label;     // as the window's list of new chunks shows it
    const char* listType;  // the type of a LIST chunk; else null
    CString (*payload)();
    ChunkPlace place;
};

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
    BatchFields batchFields = BatchFields::None;
    // The positions the kind's chunk marks beside the cue points and what markers calls one
    // ("timer"); null for a kind without.
    std::vector<ChunkMarker> (*markers)(const CChunk& chunk) = nullptr;
    const char* markerName = nullptr;
    // For a kind a user adds to a file that lacks it (add, the window's Add chunk); else null.
    const NewChunk* newChunk = nullptr;
};

// Every kind, in the order the registry searches them. Defined where all kinds are known.
std::span<const ChunkKind> ChunkKinds();
// The field tables whose stored fields batch edits name, in the list's order.
std::vector<const FieldTable*> BatchFieldTables();
// The kinds a user adds, in the list's order.
std::vector<const ChunkKind*> AddableKinds();
// The kind of the id, letter case ignored as the registry picks a class; null for none.
const ChunkKind* KindOfId(FOURCC ckid);
// The kind of the id as spelled, for a check that reads the file's bytes; null for none.
const ChunkKind* KindOfId(const CString& strId);
