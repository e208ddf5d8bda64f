#pragma once
// What the pages and ovalis-cli show of the ADM chunks: chna's tracks, and the document of axml
// or bxml as the chain from programmes to the file's tracks, with the document below.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;

DetailTable ChnaDetails(const CChunk& chunk);
// pAdm: the chunk of the file's ADM document, when known; the document of another ADM chunk is
// not read (each may inflate to megabytes, and the file holds one document).
std::vector<DetailTable> AxmlDetails(const CChunk& chunk, const CChunk* pAdm = nullptr);
