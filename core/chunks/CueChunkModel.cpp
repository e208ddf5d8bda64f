#include "core/chunks/CueChunkModel.h"

IMPLEMENT_DYNCREATE(CcueChunkModel, CChunk)
