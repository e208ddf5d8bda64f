#include "bwf/MEXTChunk.h"

IMPLEMENT_DYNCREATE(CMEXTChunk, CMEXTChunkModel)
