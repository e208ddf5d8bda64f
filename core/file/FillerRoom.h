#pragma once
// Room for a save in place: a chunk that grew or shrank, or a new one, takes its bytes from (or
// gives them to) the next filler chunk after it, which moves and changes size; the chunks held
// whole in between move with it, and the samples and every chunk after the filler keep their
// places.

#include "core/chunks/RiffChunkModel.h"

// Places new, resized and following chunks into the room of the filler chunks after them, when
// the samples and every chunk after a filler's room then stand where the file has them;
// otherwise leaves the tree as it is (the whole-file save then writes the new layout).
void FitIntoFillerRoom(CRiffChunkModel& root);
