#pragma once
// The fixed-width names the chunk model and the pages are written in.

#include <cstdint>
#include <string>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using LONG = std::int32_t;
using FOURCC = std::uint32_t;
using MMRESULT = UINT;

// Text is kept as 8-bit bytes, exactly as it stands in a file.
using CString = std::string;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;
