#include "core/fields/FormatFields.h"

namespace {

using K = FieldKind;

// The tag decides which page shows the record, and cbSize how long it is: neither is edited.
constexpr FieldLayout kPcm[] = {
    {"wFormatTag", 0, 2, K::Number, false},    {"nChannels", 2, 2, K::Number, true},
    {"nSamplesPerSec", 4, 4, K::Number, true}, {"nAvgBytesPerSec", 8, 4, K::Number, true},
    {"nBlockAlign", 12, 2, K::Number, true},   {"wBitsPerSample", 14, 2, K::Number, true},
    {"cbSize", 16, 2, K::Number, false},
};

constexpr FieldLayout kMpeg[] = {
    {"wFormatTag", 0, 2, K::Number, false},    {"nChannels", 2, 2, K::Number, true},
    {"nSamplesPerSec", 4, 4, K::Number, true}, {"nAvgBytesPerSec", 8, 4, K::Number, true},
    {"nBlockAlign", 12, 2, K::Number, true},   {"wBitsPerSample", 14, 2, K::Number, true},
    {"cbSize", 16, 2, K::Number, false},       {"fwHeadLayer", 18, 2, K::Number, true},
    {"dwHeadBitRate", 20, 4, K::Number, true}, {"fwHeadMode", 24, 2, K::Number, true},
    {"fwHeadModeExt", 26, 2, K::Number, true}, {"wHeadEmphasis", 28, 2, K::Number, true},
    {"fwHeadFlags", 30, 2, K::Number, true},   {"dwPTSLow", 32, 4, K::Number, true},
    {"dwPTSHigh", 36, 4, K::Number, true},
};

}  // namespace

const FieldLayout& kFormatTagField = kPcm[0];
const FieldTable kPcmFormatFields{"fmt (PCM)", "fmt ", kPcm};
const FieldTable kMpegFormatFields{"fmt (MPEG)", "fmt ", kMpeg};
