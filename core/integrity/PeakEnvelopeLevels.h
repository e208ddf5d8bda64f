#pragma once
// The peak envelope of the levels as a levl chunk stores it (EBU Tech 3285 supplement 3): 16-bit
// points, the positive and the negative peak of each block of frames, channel by channel; and the
// envelope a levl chunk holds, read back for drawing.

#include <optional>

#include "core/integrity/LevelMeter.h"

class CChunk;

// The id of the chunk that holds the envelope.
constexpr const char* kPeakEnvelopeChunkId = "levl";

// The payload of a levl chunk for the report's envelope; strTimestamp as the chunk writes it
// ("2026:12:10:09:30:00:000"), cut at 28 characters.
CString PeakEnvelopePayload(const LevelReport& report, const CString& strTimestamp);
// The envelope the chunk holds, its blocks merged in neighbouring groups so that at most
// nMostBlocks are kept; nothing for a chunk that holds no envelope.
std::optional<LevelEnvelope> EnvelopeOfChunk(const CChunk& chunk, std::size_t nMostBlocks);
// The time as the levl chunk's timestamp writes it, in local time.
CString PeakEnvelopeTimestampNow();
