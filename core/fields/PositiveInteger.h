#pragma once
// The one rule by which number fields show and take back their values.

#include <optional>

#include "core/base/Types.h"

// The value as an unsigned decimal number: no leading zeros, sign or separators.
CString FormatPositiveInteger(DWORD dwValue);

// Parses the text of a number field: only its first 31 characters count; spaces and tabs may
// surround the number; a plus sign may lead; a minus sign, any other character, or text that
// gives zero without starting with the digit 0 (so also empty text) is refused. A number above
// 4294967295 is taken as 4294967295.
std::optional<DWORD> ParsePositiveInteger(const CString& strText);
