#include "pages/UnknownChunk.h"

IMPLEMENT_DYNCREATE(CUnknownChunk, CUnknownChunkModel)
