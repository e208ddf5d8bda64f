#pragma once
// The sampler chunk (smpl): nine numbers, then the loops, then the sampler's own data.

#include "core/fields/FieldLayout.h"

extern const FieldTable kSamplerFields;

// The loops after the numbers: six 32-bit numbers each.
inline constexpr DWORD kSampleLoopsAt = 36;
inline constexpr DWORD kSampleLoopSize = 24;
