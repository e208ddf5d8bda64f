#pragma once
// The broadcast extension's payload: the fixed part of 602 bytes, then the coding history.

#include <cstdint>
#include <optional>

#include "core/fields/FieldLayout.h"

// The fixed part's bytes: every field before the coding history.
constexpr DWORD kBextFixedSize = 602;

extern const FieldTable kBextFields;

// The loudness fields of version 2, in the order a measurement gives their values.
inline constexpr const char* kBextLoudnessFields[] = {"LoudnessValue", "LoudnessRange",
                                                      "MaxTruePeakLevel", "MaxMomentaryLoudness",
                                                      "MaxShortTermLoudness"};

// The time reference in samples (TimeReferenceLow, then TimeReferenceHigh above it); nothing
// when the payload does not hold both.
std::optional<std::uint64_t> BextTimeReference(ByteSpan payload);
