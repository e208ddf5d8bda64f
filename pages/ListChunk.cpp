#include "pages/ListChunk.h"

IMPLEMENT_DYNCREATE(CListChunk, CListChunkModel)
