#pragma once
// Chunks added to and taken out of a loaded tree. A save never reorders the chunks that were
// there: new ones go where readers look for them, in a filler chunk's room when one has it.

#include "core/chunks/RiffChunkModel.h"
#include "core/kinds/ChunkKind.h"

// A new chunk of the registry's class for the id, holding the payload, placed into the tree;
// null when it cannot be made. The tree owns it.
CChunk* AddChunk(CRiffChunkModel& root, const char* pId, const CString& strPayload,
                 ChunkPlace place);
// Takes the chunk out of the tree and deletes it; with bAsFiller, a JUNK chunk of the same size
// takes its place instead, so that every other chunk keeps its place in the file.
void RemoveChunk(CRiffChunkModel& root, CChunk* pChunk, bool bAsFiller);
// The first top-level chunk whose id is the text (four characters, as stored), or null.
CChunk* FindChunk(const CRiffChunkModel& root, const CString& strId);
// Whether the chunk is a list of that type ("INFO", "adtl"): its id "LIST" in any case, as some
// recorders write "list".
bool IsListOf(const CChunk& chunk, const char* pListType);
// The first list of that type, or null.
CChunk* FindList(const CRiffChunkModel& root, const char* pListType);
// Whether the tree has a chunk of a kind a user adds (for a LIST kind, a list of its type).
bool HasChunkOfKind(const CRiffChunkModel& root, const ChunkKind& kind);
// A new chunk of a kind a user adds, as its newChunk says, placed into the tree; null when it
// cannot be made.
CChunk* AddChunkOfKind(CRiffChunkModel& root, const ChunkKind& kind);
