#pragma once
// A position typed as a sample count or as timecode, with an optional rate after "@"
// ("01:00:00:00", "00:59:59;29@29.97", "1234567").

#include <cstdint>
#include <optional>

#include "core/details/Timecode.h"

struct TimecodeInput {
    std::optional<std::uint64_t> samples;
    CString problem;  // why the text was refused, for the user
};

// The rates a timecode may name after "@": 23.976, 24, 25, 29.97 (";" before the frames for
// drop frame), 30, 50, 59.94, 60; nothing for another text.
std::optional<TimecodeRate> TimecodeRateOf(const CString& strRate, bool bDrop);
// The samples the text names at the sample rate, timecode at the rate given after "@" or else
// at fileRate.
TimecodeInput ParsePosition(const CString& strText, DWORD dwSampleRate,
                            const TimecodeRate& fileRate);
