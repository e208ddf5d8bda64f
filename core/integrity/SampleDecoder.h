#pragma once
// The samples of a linear format as numbers from -1 to 1: PCM of 8, 16, 24 and 32 bits and IEEE
// float of 32 and 64 bits, plain or extensible, any channel count.

#include <optional>
#include <vector>

#include "core/base/Types.h"

struct SampleFormat {
    int nChannels = 0;
    long nRate = 0;
    int nBlockAlign = 0;
    int nBits = 0;
    bool bFloat = false;
    DWORD dwChannelMask = 0;  // 0 when the format names no speakers
};

// The format of a fmt chunk's payload whose samples can be decoded; else why not, in the failure
// text.
std::optional<SampleFormat> DecodableFormat(const std::vector<BYTE>& format, CString* pWhyNot);
// Appends the samples of the whole frames in bytes to samples, interleaved.
void DecodeFrames(const SampleFormat& format, const BYTE* pBytes, std::size_t nFrames,
                  std::vector<double>& samples);
// Writes the samples of the whole frames in bytes to pOut, interleaved.
void DecodeFrames(const SampleFormat& format, const BYTE* pBytes, std::size_t nFrames,
                  double* pOut);
