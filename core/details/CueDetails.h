#pragma once
// The markers of a cue chunk, with the labels, notes and regions of the file's adtl lists.

#include "core/details/DetailTable.h"

class CChunk;

struct AudioFacts;

// The facts give the sample rate and timecode rate of the times.
DetailTable CueDetails(const CChunk& chunk, const AudioFacts& facts);
