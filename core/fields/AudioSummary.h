#pragma once
// The line that a PCM format adds to the overview text: sample rate, sample size, channels.

#include "core/base/Types.h"

// One channel is "Mono", two "Stereo"; any other count is named as its number of channels.
CString AudioSummaryLine(DWORD dwSamplesPerSec, DWORD dwBitsPerSample, DWORD dwChannels);
