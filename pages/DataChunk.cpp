#include "pages/DataChunk.h"

IMPLEMENT_DYNCREATE(CdataChunk, CdataChunkModel)
