#pragma once
// Chunks Ovalis names without reading into them: filler chunks, whose bytes are room for later
// chunks, and the chunks that editing systems write for themselves (region lists, media
// information), shown with their size; their pages show their bytes.

#include "core/details/DetailTable.h"

class CChunk;

DetailTable FillerDetails(const CChunk& chunk);
DetailTable VendorChunkDetails(const CChunk& chunk);
// An XML document of its own (XMP): indented, or why it was not read.
DetailTable XmlDocumentDetails(const CChunk& chunk);
