#pragma once
// An iXML chunk: the recorder's XML document, kept as read and written back unchanged.

#include "core/chunks/Chunk.h"

class CiXMLChunkModel : public CChunk {
    DECLARE_DYNCREATE(CiXMLChunkModel)
public:
    CiXMLChunkModel() = default;
};
