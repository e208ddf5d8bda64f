#include "core/chunks/IxmlChunkModel.h"

IMPLEMENT_DYNCREATE(CiXMLChunkModel, CChunk)
