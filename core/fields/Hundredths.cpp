#include "core/fields/Hundredths.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

CString Trimmed(const CString& strText) {
    const std::size_t nFirst = strText.find_first_not_of(" \t");
    if (nFirst == CString::npos) {
        return CString();
    }
    return strText.substr(nFirst, strText.find_last_not_of(" \t") - nFirst + 1);
}

// "-12.3" as -1230; nothing for anything but optional sign, digits, and up to two decimals.
std::optional<long> ParseDecimal(const CString& strText) {
    std::size_t i = 0;
    const bool bNegative = !strText.empty() && strText[0] == '-';
    i += !strText.empty() && (strText[0] == '-' || strText[0] == '+');
    long nWhole = 0;
    int nDigits = 0;
    for (; i < strText.size() && std::isdigit(static_cast<unsigned char>(strText[i])); ++i) {
        nWhole = nWhole * 10 + (strText[i] - '0');
        if (++nDigits > 6) {
            return std::nullopt;
        }
    }
    long nFraction = 0;
    int nDecimals = 0;
    if (i < strText.size() && strText[i] == '.') {
        for (++i; i < strText.size() && std::isdigit(static_cast<unsigned char>(strText[i])); ++i) {
            nFraction = nFraction * 10 + (strText[i] - '0');
            ++nDecimals;
        }
    }
    if (i != strText.size() || nDecimals > 2 || nDigits + nDecimals == 0) {
        return std::nullopt;
    }
    const long nValue = nWhole * 100 + (nDecimals == 1 ? nFraction * 10 : nFraction);
    return bNegative ? -nValue : nValue;
}

}  // namespace

CString FormatHundredths(WORD wStored) {
    if (wStored == kHundredthsNotSet) {
        return kNotSetText;
    }
    const int nValue = static_cast<std::int16_t>(wStored);
    const int nMagnitude = std::abs(nValue);
    char text[16];
    std::snprintf(text, sizeof text, "%s%d.%02d", nValue < 0 ? "-" : "", nMagnitude / 100,
                  nMagnitude % 100);
    return text;
}

std::optional<WORD> ParseHundredths(const CString& strText) {
    const CString strValue = Trimmed(strText);
    if (strValue.empty() || strValue == kNotSetText) {
        return kHundredthsNotSet;
    }
    const std::optional<long> value = ParseDecimal(strValue);
    // 327.67 is the word kept for "not set", so it cannot be a level.
    if (!value || *value < -32768 || *value >= kHundredthsNotSet) {
        return std::nullopt;
    }
    return static_cast<WORD>(static_cast<std::int16_t>(*value));
}
