#include "pages/IxmlChunk.h"

IMPLEMENT_DYNCREATE(CiXMLChunk, CiXMLChunkModel)
