#include "core/fields/AudioSummary.h"

namespace {

CString ChannelsText(DWORD dwChannels) {
    if (dwChannels == 1) {
        return "Mono";
    }
    return dwChannels == 2 ? "Stereo" : std::to_string(dwChannels) + " channels";
}

}  // namespace

CString AudioSummaryLine(DWORD dwSamplesPerSec, DWORD dwBitsPerSample, DWORD dwChannels) {
    return std::to_string(dwSamplesPerSec) + " samples per second, " +
           std::to_string(dwBitsPerSample) + " bits per sample and " + ChannelsText(dwChannels) +
           ".\r\n\r\n";
}
