#include "core/fields/UmidText.h"

#include <algorithm>
#include <cstdio>
#include <span>

namespace {

constexpr DWORD kBasicSize = 32;
// Byte counts of the groups: universal label (3 x 4), length, instance number, material number
// (4 x 4); then time and date (2 x 4), spatial co-ordinates (3 x 4), country, organisation, user.
constexpr int kBasicGroups[] = {4, 4, 4, 1, 3, 4, 4, 4, 4};
constexpr int kSourcePackGroups[] = {4, 4, 4, 4, 4, 4, 4, 4};

void AppendGroups(CString& strText, const BYTE*& pByte, std::span<const int> groups) {
    for (const int nBytes : groups) {
        strText += ' ';
        for (int i = 0; i < nBytes; ++i, ++pByte) {
            char hex[3];
            std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(*pByte));
            strText += hex;
        }
    }
}

}  // namespace

CString UmidText(const BYTE* pBytes, DWORD dwSize) {
    if (!pBytes || dwSize < kBasicSize ||
        std::all_of(pBytes, pBytes + dwSize, [](BYTE b) { return b == 0; })) {
        return "none";
    }
    const bool bExtended =
        dwSize >= 2 * kBasicSize &&
        std::any_of(pBytes + kBasicSize, pBytes + 2 * kBasicSize, [](BYTE b) { return b != 0; });
    CString strText = bExtended ? "extended" : "basic";
    const BYTE* pByte = pBytes;
    AppendGroups(strText, pByte, kBasicGroups);
    if (bExtended) {
        AppendGroups(strText, pByte, kSourcePackGroups);
    }
    return strText;
}
