#include "format/ds64Chunk.h"

IMPLEMENT_DYNCREATE(Cds64Chunk, Cds64ChunkModel)
