#include <algorithm>
#include <array>

#include "core/fields/BextFields.h"
#include "core/integrity/ProfileRules.h"

using namespace check;

namespace {

constexpr std::int64_t kUnmeasured = 0x7FFF;

constexpr const char* kAlgorithms[] = {"ANALOGUE", "PCM",     "MPEG1L1", "MPEG1L2",
                                       "MPEG1L3",  "MPEG2L1", "MPEG2L2", "MPEG2L3"};
constexpr const char* kModes[] = {"mono", "stereo", "dual-mono", "joint-stereo"};

bool IsOneOf(const CString& strValue, std::span<const char* const> choices) {
    return std::find(choices.begin(), choices.end(), strValue) != choices.end();
}

bool IsNumber(const CString& strValue) {
    return !strValue.empty() && strValue.find_first_not_of("0123456789") == CString::npos;
}

// What is wrong with the value of the parameter, or empty.
CString ValueProblem(char cKey, const CString& strValue) {
    switch (cKey) {
        case 'A':
            return IsOneOf(strValue, kAlgorithms) ? CString() : "an unknown coding algorithm";
        case 'F':
        case 'B':
        case 'W':
            return IsNumber(strValue) ? CString() : "not a whole number";
        case 'M':
            return IsOneOf(strValue, kModes) ? CString() : "an unknown mode";
        case 'T':
            return CString();
        default:
            return "an unknown parameter";
    }
}

// What is wrong with one line of the coding history: "A=PCM,F=48000,W=24,M=stereo,T=text",
// the algorithm first and the free text, which may hold commas, last. Empty when nothing.
CString LineProblem(const CString& strLine) {
    if (strLine.rfind("A=", 0) != 0) {
        return "does not start with the coding algorithm (A=)";
    }
    for (std::size_t nAt = 0; nAt < strLine.size();) {
        const bool bText = strLine.compare(nAt, 2, "T=") == 0;
        const std::size_t nEnd =
            bText ? strLine.size() : std::min(strLine.find(',', nAt), strLine.size());
        const CString strParameter = strLine.substr(nAt, nEnd - nAt);
        if (strParameter.size() < 2 || strParameter[1] != '=') {
            return "has \"" + strParameter + "\" where a parameter X=value belongs";
        }
        if (CString strWhy = ValueProblem(strParameter[0], strParameter.substr(2));
            !strWhy.empty()) {
            return "has \"" + strParameter + "\": " + strWhy;
        }
        nAt = nEnd + 1;
    }
    return CString();
}

Spots CodingHistoryGrammar(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext) {
        return {};
    }
    const auto& b = pBext->payload;
    const auto end =
        std::find(b.begin() + static_cast<std::ptrdiff_t>(BextFixed()), b.end(), BYTE{0});
    Spots spots;
    for (auto line = b.begin() + static_cast<std::ptrdiff_t>(BextFixed()); line < end;) {
        const auto lineEnd = std::find(line, end, BYTE{'\n'});
        CString strLine(line, lineEnd);
        if (!strLine.empty() && strLine.back() == '\r') {
            strLine.pop_back();
        }
        if (CString strWhy = LineProblem(strLine); !strLine.empty() && !strWhy.empty()) {
            spots.push_back({"bext", pBext->DataOffset() + (line - b.begin()),
                             "the coding history line \"" + strLine + "\" " + strWhy + "."});
        }
        line = lineEnd == end ? end : lineEnd + 1;
    }
    return spots;
}

bool IsAlphanumeric(BYTE c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// The unique source identifier: country (2 letters), organisation (3), serial number (12),
// origination time hhmmss (6) and a random number (9), 32 characters in all.
bool IsSourceIdentifier(const std::vector<BYTE>& b, std::size_t nAt) {
    auto all = [&b, nAt](std::size_t nFrom, std::size_t nCount, bool (*fits)(BYTE)) {
        return std::all_of(b.begin() + static_cast<std::ptrdiff_t>(nAt + nFrom),
                           b.begin() + static_cast<std::ptrdiff_t>(nAt + nFrom + nCount), fits);
    };
    auto capital = [](BYTE c) { return c >= 'A' && c <= 'Z'; };
    auto digit = [](BYTE c) { return c >= '0' && c <= '9'; };
    return all(0, 2, capital) && all(2, 15, IsAlphanumeric) && all(17, 15, digit) &&
           (b[nAt + 17] - '0') * 10 + (b[nAt + 18] - '0') < 24 && b[nAt + 19] < '6' &&
           b[nAt + 21] < '6';
}

Spots SourceIdentifier(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || IsSourceIdentifier(pBext->payload, BextField("OriginatorReference").offset)) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "OriginatorReference"),
             "the OriginatorReference \"" + BextText(*pBext, "OriginatorReference") +
                 "\" is not a unique source identifier: country, organisation, serial number, "
                 "time hhmmss and random number, 32 characters."}};
}

Spots LoudnessVersion(const CheckInput& in) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || BextNumber(pBext->payload, "Version") >= 2) {
        return {};
    }
    return {{"bext", BextFieldOffset(*pBext, "Version"),
             "the bext version is " + Text(BextNumber(pBext->payload, "Version")) +
                 "; the loudness fields need version 2."}};
}

std::int64_t Signed(std::int64_t nStored) {
    return nStored >= 0x8000 ? nStored - 0x10000 : nStored;
}

// The range a measured value can take, in hundredths: a programme's loudness lies above the
// absolute gate of -70 LUFS and none reaches +10; a range is never negative.
struct Bounds {
    const char* field;
    std::int64_t nLeast;
    std::int64_t nMost;
};

constexpr Bounds kBounds[] = {
    {"LoudnessValue", -7000, 1000},        {"LoudnessRange", 0, 9999},
    {"MaxTruePeakLevel", -9999, 2000},     {"MaxMomentaryLoudness", -9999, 1000},
    {"MaxShortTermLoudness", -9999, 1000},
};

Spots LoudnessValues(const CheckInput& in, bool bUnmeasured) {
    const RawChunk* pBext = FullBext(in);
    if (!pBext || BextNumber(pBext->payload, "Version") < 2) {
        return {};
    }
    Spots spots;
    for (const Bounds& bounds : kBounds) {
        const std::int64_t nStored = BextNumber(pBext->payload, bounds.field);
        const std::int64_t n = Signed(nStored);
        const bool bOutside = nStored != kUnmeasured && (n < bounds.nLeast || n > bounds.nMost);
        if (bUnmeasured ? nStored == kUnmeasured : bOutside) {
            spots.push_back(
                {"bext", BextFieldOffset(*pBext, bounds.field),
                 CString("the ") + bounds.field +
                     (bUnmeasured ? CString(" is 0x7FFF: not measured.")
                                  : " " + Text(n) + " (x 100) lies outside " + Text(bounds.nLeast) +
                                        " to " + Text(bounds.nMost) + ".")});
        }
    }
    return spots;
}

Spots LoudnessUnmeasured(const CheckInput& in) {
    return LoudnessValues(in, true);
}

Spots LoudnessOutside(const CheckInput& in) {
    return LoudnessValues(in, false);
}

const CheckRule kEbuRules[] = {
    {"ebu-coding-history", Severity::Warning, CodingHistoryGrammar},
    {"ebu-originator-reference", Severity::Warning, SourceIdentifier},
    {"ebu-loudness-version", Severity::Warning, LoudnessVersion},
    {"ebu-loudness-unmeasured", Severity::Warning, LoudnessUnmeasured},
    {"ebu-loudness-range", Severity::Error, LoudnessOutside},
};

}  // namespace

std::span<const CheckRule> EbuRules() {
    return kEbuRules;
}
