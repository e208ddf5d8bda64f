#pragma once
// Measured loudness stored in the bext chunk's version 2 fields: each value times 100, rounded
// to the nearest whole number, as a signed 16-bit word; 0x7FFF where there is no value.

#include <array>
#include <cstdint>

#include "core/integrity/LoudnessMeter.h"

class CChunk;
class CRiffChunkModel;

// LoudnessValue, LoudnessRange, MaxTruePeakLevel, MaxMomentaryLoudness, MaxShortTermLoudness.
std::array<std::int16_t, 5> LoudnessWords(const LoudnessValues& values);
// Writes the five words into the bext chunk's payload and raises its version to 2 when lower.
// Empty when written; else why not (a chunk too short for the fields is never grown).
CString WriteLoudness(CChunk& bext, const LoudnessValues& values);
// The first top-level chunk of id bext, or null: every reader and writer of the bext chunk
// finds it here.
CChunk* BextChunkOf(const CRiffChunkModel& root);
