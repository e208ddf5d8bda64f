#pragma once
// Sample positions as a clock time and as timecode, for markers and the time reference.

#include <cstdint>
#include <optional>

#include "core/base/Types.h"

struct TimecodeRate {
    DWORD num = 25;  // frames per second as num / den: 25/1, 30000/1001
    DWORD den = 1;
    bool drop = false;
};

// "h:mm:ss.mmm"; the hours go on past 24. Empty for a rate of 0.
CString ClockText(std::uint64_t samples, DWORD dwSampleRate);
// "hh:mm:ss:ff", or "hh:mm:ss;ff" when dropping frames; the hours wrap at 24 as timecode does.
// Empty for a rate of 0.
CString TimecodeText(std::uint64_t samples, DWORD dwSampleRate, const TimecodeRate& rate);
// The first sample of the frame that "hh:mm:ss:ff" names at the rate (";" before the frames
// when dropping them), or the count itself of a text of digits alone; nothing for any other
// text, a field out of its range, a frame number that drop-frame timecode skips, or a rate of 0.
std::optional<std::uint64_t> SamplesOfTimecode(const CString& strText, DWORD dwSampleRate,
                                               const TimecodeRate& rate);
// The timecode of a position after a start, both in samples: with the time reference (samples
// since midnight) as the start, the time of day the position was recorded at.
CString TimeOfDayText(std::uint64_t start, std::uint64_t samples, DWORD dwSampleRate,
                      const TimecodeRate& rate);
// "25 fps", "29.97 fps drop frame".
CString TimecodeRateName(const TimecodeRate& rate);
// The rate of texts like "30000/1001" or "25" and a flag "DF" or "NDF"; nothing when unreadable.
std::optional<TimecodeRate> ParseTimecodeRate(const CString& strRate, const CString& strFlag);
