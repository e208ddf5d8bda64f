#pragma once
// The cart chunk's payload: the texts of a broadcast cart, its level reference, eight post timers,
// reserved bytes, a URL from version 0101 on (a payload of the older layout ends before it), and
// the tag text to the end.

#include "core/fields/FieldLayout.h"

extern const FieldTable kCartFields;

// The eight post timers: a four-character usage id and a sample position each.
inline constexpr DWORD kCartPostTimersAt = 684;
inline constexpr DWORD kCartPostTimerSize = 8;
inline constexpr DWORD kCartPostTimerCount = 8;
