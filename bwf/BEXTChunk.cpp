#include "bwf/BEXTChunk.h"

IMPLEMENT_DYNCREATE(CBEXTChunk, CBEXTChunkModel)
