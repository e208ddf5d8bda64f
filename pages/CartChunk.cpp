#include "pages/CartChunk.h"

IMPLEMENT_DYNCREATE(CcartChunk, CcartChunkModel)
