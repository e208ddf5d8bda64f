#include "pages/NamedChunk.h"

IMPLEMENT_DYNCREATE(CNamedChunk, CNamedChunkModel)
