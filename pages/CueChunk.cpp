#include "pages/CueChunk.h"

IMPLEMENT_DYNCREATE(CcueChunk, CcueChunkModel)
