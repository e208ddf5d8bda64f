#pragma once
// The format record that a fmt chunk's payload holds. PCM uses the first 18 bytes, MPEG the
// first 40.

#include "core/fields/FieldLayout.h"

constexpr WORD WAVE_FORMAT_PCM = 0x0001;
constexpr WORD WAVE_FORMAT_MPEG = 0x0050;

extern const FieldLayout& kFormatTagField;
extern const FieldTable kPcmFormatFields;
extern const FieldTable kMpegFormatFields;
