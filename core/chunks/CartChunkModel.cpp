#include "core/chunks/CartChunkModel.h"

IMPLEMENT_DYNCREATE(CcartChunkModel, CChunk)
