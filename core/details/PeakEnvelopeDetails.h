#pragma once
// The peak envelope chunk (levl): its header, and the envelope's peaks per block.

#include <cstdint>
#include <optional>
#include <vector>

#include "core/base/LittleEndian.h"
#include "core/details/DetailTable.h"

class CChunk;

struct PeakEnvelope {
    DWORD version = 0;
    DWORD format = 0;          // 1: 8-bit peaks, 2: 16-bit peaks
    DWORD pointsPerValue = 0;  // 1: the absolute peak, 2: the positive and the negative peak
    DWORD blockSize = 0;       // frames per peak
    DWORD channels = 0;
    DWORD frames = 0;  // peak frames
    DWORD peakOfPeaksPosition = 0;
    DWORD offsetToPeaks = 0;
    CString timestamp;
    // The peaks held, in 0..1 of full scale, frame by frame, channel by channel, point by point.
    std::vector<float> peaks;
};

// How many peaks the payload holds past the header, all of them (the envelope read below keeps
// no more than a page draws).
std::size_t PeaksHeld(ByteSpan payload, const PeakEnvelope& envelope);
// The peak at nIndex of those held, in 0..1 of full scale.
float PeakAt(ByteSpan payload, const PeakEnvelope& envelope, std::size_t nIndex);
// The header alone (no peaks read), or nothing for a payload shorter than the header.
std::optional<PeakEnvelope> ReadPeakEnvelopeHeader(const CChunk& chunk);
// The envelope, or nothing for a payload shorter than the header.
std::optional<PeakEnvelope> ReadPeakEnvelope(const CChunk& chunk);
DetailTable PeakEnvelopeDetails(const CChunk& chunk);
