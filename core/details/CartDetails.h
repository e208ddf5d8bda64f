#pragma once
// The cart chunk's markers: its post timers, each a usage id and a position in samples from the
// start of the audio.

#include <vector>

#include "core/details/ChunkMarker.h"
#include "core/details/DetailTable.h"

class CChunk;

struct AudioFacts;

// The timers in use (a usage id not all zeros), in their order in the chunk.
std::vector<ChunkMarker> CartTimers(const CChunk& cart);
// The facts give the sample rate, the timecode rate and the time reference of the file's start.
DetailTable CartDetails(const CChunk& cart, const AudioFacts& facts);
