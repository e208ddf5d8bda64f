#pragma once
// The line that a PCM format adds to the overview text: sample rate, sample size, mono or stereo.

#include "core/base/Types.h"

// Exactly one channel is mono; any other count, none or more than two included, is stereo.
CString AudioSummaryLine(DWORD dwSamplesPerSec, DWORD dwBitsPerSample, DWORD dwChannels);
