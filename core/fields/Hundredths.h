#pragma once
// Levels stored as signed hundredths in 16 bits (loudness in LUFS, LU and dBTP), with one value
// kept for "no level measured".

#include <optional>

#include "core/base/Types.h"

inline constexpr WORD kHundredthsNotSet = 0x7FFF;
inline constexpr const char* kNotSetText = "not set";
inline constexpr const char* kHundredthsRuleMessage =
    "Please enter a number with at most two decimals from -327.68 to 327.66, or \"not set\".";

// "-23.00", "0.05"; kNotSetText for kHundredthsNotSet.
CString FormatHundredths(WORD wStored);
// The stored word of a typed level: a decimal number with at most two decimals (spaces around
// it allowed), or kNotSetText or empty text for kHundredthsNotSet; nothing when refused.
std::optional<WORD> ParseHundredths(const CString& strText);
