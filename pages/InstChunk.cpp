#include "pages/InstChunk.h"

IMPLEMENT_DYNCREATE(CinstChunk, CinstChunkModel)
