#include "core/fields/AudioSummary.h"

CString AudioSummaryLine(DWORD dwSamplesPerSec, DWORD dwBitsPerSample, DWORD dwChannels) {
    return std::to_string(dwSamplesPerSec) + " samples per second, " +
           std::to_string(dwBitsPerSample) + " bits per sample " +
           (dwChannels == 1 ? "and Mono.\r\n\r\n" : "and Stereo.\r\n\r\n");
}
