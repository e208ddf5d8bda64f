#include "core/details/Timecode.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

// A sample count times a frame rate needs more than 64 bits.
__extension__ typedef unsigned __int128 Wide;

std::uint64_t NominalFps(const TimecodeRate& rate) {
    return (static_cast<std::uint64_t>(rate.num) + rate.den / 2) / rate.den;
}

// Drop-frame timecode skips the first frame numbers of every minute but each tenth, so that it
// keeps pace with the clock; the frame count gets the skipped numbers added back.
std::uint64_t WithDroppedNumbers(std::uint64_t frames, std::uint64_t fps) {
    const std::uint64_t dropped = fps / 15;
    const std::uint64_t perMinute = fps * 60 - dropped;
    const std::uint64_t perTenMinutes = fps * 600 - dropped * 9;
    const std::uint64_t tens = frames / perTenMinutes;
    const std::uint64_t rest = frames % perTenMinutes;
    frames += dropped * 9 * tens;
    if (rest > dropped) {
        frames += dropped * ((rest - dropped) / perMinute);
    }
    return frames;
}

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A text of digits alone, as a count that fits 64 bits.
std::optional<std::uint64_t> PlainCount(const CString& strText) {
    if (strText.empty() || strText.size() > 20) {
        return std::nullopt;
    }
    Wide value = 0;
    for (const char c : strText) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > std::numeric_limits<std::uint64_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

struct TimecodeFields {
    std::array<std::uint64_t, 4> values{};  // hours, minutes, seconds, frames
    char frameSeparator = ':';
};

// Four groups of one to three digits, the first three ended by ':' and the third by ':' or ';'.
std::optional<TimecodeFields> SplitTimecode(const CString& strText) {
    TimecodeFields fields;
    std::size_t i = 0;
    for (std::size_t nField = 0; nField < fields.values.size(); ++nField) {
        const std::size_t start = i;
        while (i < strText.size() && IsDigit(strText[i]) && i - start < 3) {
            fields.values[nField] = fields.values[nField] * 10 + (strText[i++] - '0');
        }
        if (i == start) {
            return std::nullopt;
        }
        if (nField == 3) {
            break;
        }
        const char separator = i < strText.size() ? strText[i++] : '\0';
        if (separator != ':' && !(nField == 2 && separator == ';')) {
            return std::nullopt;
        }
        fields.frameSeparator = separator;
    }
    return i == strText.size() ? std::optional(fields) : std::nullopt;
}

// The frame count of valid fields; nothing when a field is out of its range.
std::optional<std::uint64_t> FrameCount(const TimecodeFields& fields, const TimecodeRate& rate,
                                        std::uint64_t fps) {
    const auto [hours, minutes, seconds, frame] = fields.values;
    const bool bDrop = rate.drop && fps % 30 == 0;
    const std::uint64_t dropped = bDrop ? fps / 15 : 0;
    if (hours >= 24 || minutes >= 60 || seconds >= 60 || frame >= fps ||
        (fields.frameSeparator == ';' && !rate.drop) ||
        (seconds == 0 && minutes % 10 != 0 && frame < dropped)) {
        return std::nullopt;
    }
    const std::uint64_t totalMinutes = hours * 60 + minutes;
    return (totalMinutes * 60 + seconds) * fps + frame -
           dropped * (totalMinutes - totalMinutes / 10);
}

CString WideTimecodeText(Wide samples, DWORD dwSampleRate, const TimecodeRate& rate) {
    const std::uint64_t fps = rate.den ? NominalFps(rate) : 0;
    if (dwSampleRate == 0 || fps == 0) {
        return {};
    }
    const bool bDrop = rate.drop && fps % 30 == 0;
    // Timecode starts again after 23:59:59: the frames of a day (of ten-minute runs, dropping).
    const std::uint64_t framesPerDay = bDrop ? (fps * 600 - fps / 15 * 9) * 6 * 24 : fps * 86400;
    std::uint64_t frames = static_cast<std::uint64_t>(
        samples * rate.num / (Wide(rate.den) * dwSampleRate) % framesPerDay);
    if (bDrop) {
        frames = WithDroppedNumbers(frames, fps);
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02llu:%02llu:%02llu%c%02llu",
                  static_cast<unsigned long long>(frames / (fps * 3600)),
                  static_cast<unsigned long long>(frames / (fps * 60) % 60),
                  static_cast<unsigned long long>(frames / fps % 60), rate.drop ? ';' : ':',
                  static_cast<unsigned long long>(frames % fps));
    return buffer;
}

}  // namespace

std::optional<std::uint64_t> SamplesOfTimecode(const CString& strText, DWORD dwSampleRate,
                                               const TimecodeRate& rate) {
    if (const auto count = PlainCount(strText)) {
        return count;
    }
    const std::uint64_t fps = rate.den ? NominalFps(rate) : 0;
    const auto fields = SplitTimecode(strText);
    const auto frames =
        fields && fps && dwSampleRate ? FrameCount(*fields, rate, fps) : std::nullopt;
    if (!frames) {
        return std::nullopt;
    }
    // Rounded up: the frame's first sample, which reads back as this frame.
    const Wide scaled = Wide(*frames) * rate.den * dwSampleRate;
    return static_cast<std::uint64_t>((scaled + rate.num - 1) / rate.num);
}

CString ClockText(std::uint64_t samples, DWORD dwSampleRate) {
    if (dwSampleRate == 0) {
        return {};
    }
    const std::uint64_t ms = static_cast<std::uint64_t>(Wide(samples) * 1000 / dwSampleRate);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%llu:%02llu:%02llu.%03llu",
                  static_cast<unsigned long long>(ms / 3600000),
                  static_cast<unsigned long long>(ms / 60000 % 60),
                  static_cast<unsigned long long>(ms / 1000 % 60),
                  static_cast<unsigned long long>(ms % 1000));
    return buffer;
}

CString TimecodeText(std::uint64_t samples, DWORD dwSampleRate, const TimecodeRate& rate) {
    return WideTimecodeText(samples, dwSampleRate, rate);
}

CString TimeOfDayText(std::uint64_t start, std::uint64_t samples, DWORD dwSampleRate,
                      const TimecodeRate& rate) {
    return WideTimecodeText(Wide(start) + samples, dwSampleRate, rate);
}

CString TimecodeRateName(const TimecodeRate& rate) {
    char buffer[32];
    const double fps = rate.den ? double(rate.num) / rate.den : 0.0;
    std::snprintf(buffer, sizeof buffer, rate.num % (rate.den ? rate.den : 1) ? "%.3f" : "%.0f",
                  fps);
    CString strText = buffer;
    if (strText.find('.') != CString::npos) {
        strText.erase(strText.find_last_not_of('0') + 1);
    }
    return strText + " fps" + (rate.drop ? " drop frame" : "");
}

std::optional<TimecodeRate> ParseTimecodeRate(const CString& strRate, const CString& strFlag) {
    char* pEnd = nullptr;
    const unsigned long num = std::strtoul(strRate.c_str(), &pEnd, 10);
    unsigned long den = 1;
    if (*pEnd == '/') {
        den = std::strtoul(pEnd + 1, &pEnd, 10);
    }
    if (num == 0 || den == 0 || num > 1000000 || den > 1000000 || *pEnd != '\0') {
        return std::nullopt;
    }
    return TimecodeRate{static_cast<DWORD>(num), static_cast<DWORD>(den),
                        strFlag.rfind("DF", 0) == 0};
}
