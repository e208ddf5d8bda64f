#pragma once
// The peak envelope chunk (levl): its header, and the envelope's peaks per block.

#include <cstdint>
#include <optional>
#include <vector>

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

// The envelope, or nothing for a payload shorter than the header.
std::optional<PeakEnvelope> ReadPeakEnvelope(const CChunk& chunk);
DetailTable PeakEnvelopeDetails(const CChunk& chunk);
