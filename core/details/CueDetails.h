#pragma once
// The markers of a cue chunk, with the labels, notes and regions of the file's adtl lists.

#include "core/details/DetailTable.h"

class CChunk;

DetailTable CueDetails(const CChunk& chunk);
