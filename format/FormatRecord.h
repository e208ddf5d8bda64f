#pragma once
// The edit controls that show the fields of the format record on the format pages.

namespace formatcontrols {

constexpr int kFormatTag = 1022;
constexpr int kChannels = 1023;
constexpr int kSamplesPerSec = 1024;
constexpr int kAvgBytesPerSec = 1007;
constexpr int kBlockAlign = 1026;
constexpr int kBitsPerSample = 1027;
constexpr int kCbSize = 1028;
constexpr int kHeadLayer = 1025;
constexpr int kHeadBitRate = 1029;
constexpr int kHeadMode = 1030;
constexpr int kHeadModeExt = 1008;
constexpr int kHeadEmphasis = 1031;
constexpr int kHeadFlags = 1032;
constexpr int kPTSLow = 1033;
constexpr int kPTSHigh = 1040;

}  // namespace formatcontrols
