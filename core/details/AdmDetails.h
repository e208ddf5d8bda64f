#pragma once
// What the pages and ovalis-cli show of the ADM chunks: chna's tracks, and the document of axml
// or bxml as the chain from programmes to the file's tracks, with the document below.

#include <vector>

#include "core/details/DetailTable.h"

class CChunk;

DetailTable ChnaDetails(const CChunk& chunk);
std::vector<DetailTable> AxmlDetails(const CChunk& chunk);
