#pragma once
// The chunks the window adds to a file that lacks them: a broadcast extension, an INFO list, an
// iXML document and a cue chunk for markers, each made empty where readers look for it.

#include <vector>

#include "core/chunks/RiffChunkModel.h"

struct NewChunkKind {
    const char* label;  // as the user picks it
    const char* id;
    const char* listType;  // for a LIST chunk, else null
};

const std::vector<NewChunkKind>& NewChunkKinds();
// Whether the file has a chunk of the kind already.
bool HasChunkOfKind(const CRiffChunkModel& root, const NewChunkKind& kind);
// The new chunk, placed into the tree; null when it cannot be made.
CChunk* AddChunkOfKind(CRiffChunkModel& root, const NewChunkKind& kind);
