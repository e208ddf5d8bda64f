#include "core/fields/PositiveInteger.h"

#include <limits>

namespace {

constexpr std::size_t kSignificantCharacters = 31;
constexpr DWORD kMaxValue = std::numeric_limits<DWORD>::max();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CString FormatPositiveInteger(DWORD dwValue) { return std::to_string(dwValue); }

std::optional<DWORD> ParsePositiveInteger(const CString& strText) {
    const CString text = strText.substr(0, kSignificantCharacters);
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    const std::size_t start = i;
    if (i < text.size() && text[i] == '+') {
        ++i;
    }
    std::uint64_t value = 0;
    while (i < text.size() && IsDigit(text[i])) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > kMaxValue) {
            value = kMaxValue + std::uint64_t{1};  // saturated; stays above the limit
        }
        ++i;
    }
    if (value == 0 && (start >= text.size() || text[start] != '0')) {
        return std::nullopt;
    }
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    return value > kMaxValue ? kMaxValue : static_cast<DWORD>(value);
}
