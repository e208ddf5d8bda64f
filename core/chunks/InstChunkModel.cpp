#include "core/chunks/InstChunkModel.h"

IMPLEMENT_DYNCREATE(CinstChunkModel, CChunk)
