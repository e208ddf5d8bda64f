#include "core/integrity/CheckRule.h"

#include <algorithm>

#include "core/base/LittleEndian.h"
#include "core/fields/BextFields.h"

namespace check {

namespace {

bool IsSeparator(BYTE c) {
    return c == '-' || c == '_' || c == ':' || c == ' ' || c == '.';
}

}  // namespace

const FieldLayout& BextField(const char* pszName) {
    return *kBextFields.Find(pszName);
}

std::int64_t BextNumber(const std::vector<BYTE>& b, const char* pszName) {
    return static_cast<std::int64_t>(BextField(pszName).NumberIn(b).value_or(0));
}

std::int64_t BextFieldOffset(const RawChunk& bext, const char* pszName) {
    return bext.DataOffset() + BextField(pszName).offset;
}

std::size_t BextFixed() {
    return BextField("CodingHistory").offset;
}

const RawChunk* FullBext(const CheckInput& in) {
    const RawChunk* pBext = in.layout.Find("bext");
    return pBext && pBext->payload.size() >= BextFixed() ? pBext : nullptr;
}

CString Text(std::int64_t n) {
    return std::to_string(n);
}

CString Bytes(std::int64_t n) {
    return Text(n) + (n == 1 ? " byte" : " bytes");
}

bool IsEmpty(const std::vector<BYTE>& b, std::size_t nAt, std::size_t nCount) {
    return std::all_of(b.begin() + nAt, b.begin() + nAt + nCount, [](BYTE c) { return c == 0; });
}

CString FieldText(const std::vector<BYTE>& b, std::size_t nAt, std::size_t nCount) {
    CString strText;
    for (std::size_t i = nAt; i < nAt + nCount && b[i] != 0; ++i) {
        strText += b[i] < 0x20 ? '?' : static_cast<char>(b[i]);
    }
    return strText;
}

CString BextText(const RawChunk& bext, const char* pszName) {
    const FieldLayout& field = BextField(pszName);
    return FieldText(bext.payload, field.offset, field.width);
}

bool Matches(const std::vector<BYTE>& b, std::size_t nAt, const CString& strPattern,
             bool bAnySeparator) {
    for (std::size_t i = 0; i < strPattern.size(); ++i) {
        const BYTE c = b[nAt + i];
        const bool bFits = strPattern[i] == '9'
                               ? c >= '0' && c <= '9'
                               : (bAnySeparator ? IsSeparator(c) : c == strPattern[i]);
        if (!bFits) {
            return false;
        }
    }
    return true;
}

}  // namespace check
