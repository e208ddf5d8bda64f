#include "core/edit/TimecodeInput.h"

namespace {

struct NamedRate {
    const char* name;
    DWORD num;
    DWORD den;
};

constexpr NamedRate kRates[] = {{"23.976", 24000, 1001}, {"24", 24, 1}, {"25", 25, 1},
                                {"29.97", 30000, 1001},  {"30", 30, 1}, {"50", 50, 1},
                                {"59.94", 60000, 1001},  {"60", 60, 1}};

CString RateNames() {
    CString strNames;
    for (const NamedRate& rate : kRates) {
        strNames += (strNames.empty() ? "" : ", ") + CString(rate.name);
    }
    return strNames;
}

}  // namespace

std::optional<TimecodeRate> TimecodeRateOf(const CString& strRate, bool bDrop) {
    for (const NamedRate& rate : kRates) {
        if (strRate == rate.name) {
            return TimecodeRate{rate.num, rate.den, bDrop && rate.den == 1001};
        }
    }
    return std::nullopt;
}

TimecodeInput ParsePosition(const CString& strText, DWORD dwSampleRate,
                            const TimecodeRate& fileRate) {
    const std::size_t nAt = strText.find('@');
    const CString strCode = strText.substr(0, nAt);
    TimecodeRate rate = fileRate;
    if (nAt != CString::npos) {
        const bool bDrop = strCode.find(';') != CString::npos;
        const std::optional<TimecodeRate> named = TimecodeRateOf(strText.substr(nAt + 1), bDrop);
        if (!named) {
            return {std::nullopt, "'" + strText.substr(nAt + 1) + "' is not a timecode rate (" +
                                      RateNames() + ")"};
        }
        rate = *named;
    } else if (strCode.find(';') != CString::npos && rate.den == 1001) {
        rate.drop = true;
    }
    if (dwSampleRate == 0) {
        return {std::nullopt, "the file has no sample rate to count timecode in"};
    }
    if (const auto samples = SamplesOfTimecode(strCode, dwSampleRate, rate)) {
        return {samples, CString()};
    }
    return {std::nullopt, "'" + strCode + "' is neither a sample count nor a timecode below " +
                              "24:00:00:00 with frames below the rate (" + TimecodeRateName(rate) +
                              ")"};
}
