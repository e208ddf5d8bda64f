#include "pages/SmplChunk.h"

IMPLEMENT_DYNCREATE(CsmplChunk, CsmplChunkModel)
