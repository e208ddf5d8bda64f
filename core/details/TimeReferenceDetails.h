#pragma once
// A bext chunk's time reference as a sample count, a clock time and timecode.

#include "core/details/DetailTable.h"

class CChunk;

struct AudioFacts;

// The facts give the sample rate and timecode rate.
DetailTable TimeReferenceDetails(const CChunk& bext, const AudioFacts& facts);
