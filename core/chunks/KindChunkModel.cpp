#include "core/chunks/KindChunkModel.h"

IMPLEMENT_DYNCREATE(CKindChunkModel, CChunk)
