#pragma once
// The format record that a fmt chunk's data holds, field by field, with the edit control that
// shows each field on the format pages. PCM pages use the first 18 bytes, MPEG pages the first 40.

#include "format/NumberField.h"

constexpr WORD WAVE_FORMAT_PCM = 0x0001;
constexpr WORD WAVE_FORMAT_MPEG = 0x0050;

namespace formatrecord {

constexpr NumberFieldLayout kFormatTag{1022, 0, 2, true};
constexpr NumberFieldLayout kChannels{1023, 2, 2, false};
constexpr NumberFieldLayout kSamplesPerSec{1024, 4, 4, false};
constexpr NumberFieldLayout kAvgBytesPerSec{1007, 8, 4, false};
constexpr NumberFieldLayout kBlockAlign{1026, 12, 2, false};
constexpr NumberFieldLayout kBitsPerSample{1027, 14, 2, false};
constexpr NumberFieldLayout kCbSize{1028, 16, 2, true};
constexpr NumberFieldLayout kHeadLayer{1025, 18, 2, false};
constexpr NumberFieldLayout kHeadBitRate{1029, 20, 4, false};
constexpr NumberFieldLayout kHeadMode{1030, 24, 2, false};
constexpr NumberFieldLayout kHeadModeExt{1008, 26, 2, false};
constexpr NumberFieldLayout kHeadEmphasis{1031, 28, 2, false};
constexpr NumberFieldLayout kHeadFlags{1032, 30, 2, false};
constexpr NumberFieldLayout kPTSLow{1033, 32, 4, false};
constexpr NumberFieldLayout kPTSHigh{1040, 36, 4, false};

}  // namespace formatrecord
