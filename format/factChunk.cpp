#include "format/factChunk.h"

IMPLEMENT_DYNCREATE(CfactChunk, CfactChunkModel)
