#include "core/chunks/SmplChunkModel.h"

IMPLEMENT_DYNCREATE(CsmplChunkModel, CChunk)
