#pragma once
// An RF64 or BW64 file that fits in 4 GiB made a RIFF file again: the form and the data chunk
// get their real sizes, and the ds64 chunk becomes a JUNK chunk of its size, which keeps the
// room a later RF64 form needs. The samples do not move, so a save writes it in place.

#include "core/chunks/RiffChunkModel.h"

// Empty when the tree is now a RIFF form; else why not (the tree is then as it was).
CString ConvertToRiff(CRiffChunkModel& root);
