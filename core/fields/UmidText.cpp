#include "core/fields/UmidText.h"

#include <algorithm>
#include <cstdio>
#include <span>
#include <vector>

namespace {

constexpr DWORD kBasicSize = 32;
// The first bytes of the universal label that every SMPTE identifier starts with.
constexpr BYTE kUniversalLabel[] = {0x06, 0x0A, 0x2B, 0x34};
// Byte counts of the groups: universal label (3 x 4), length, instance number, material number
// (4 x 4); then time and date (2 x 4), spatial co-ordinates (3 x 4), country, organisation, user.
constexpr int kBasicGroups[] = {4, 4, 4, 1, 3, 4, 4, 4, 4};
constexpr int kSourcePackGroups[] = {4, 4, 4, 4, 4, 4, 4, 4};

bool AllZero(const BYTE* pBegin, const BYTE* pEnd) {
    return std::all_of(pBegin, pEnd, [](BYTE b) { return b == 0; });
}

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

// Another id written into the field (a 16-byte one, say): the shortest of 16, 32 or 64 bytes that
// holds every byte other than zero, in groups of four.
CString ForeignIdText(const BYTE* pBytes, DWORD dwSize) {
    DWORD dwShown = 16;
    while (dwShown < dwSize && !AllZero(pBytes + dwShown, pBytes + dwSize)) {
        dwShown *= 2;
    }
    dwShown = std::min(dwShown, dwSize);
    std::vector<int> groups(dwShown / 4, 4);
    if (dwShown % 4) {
        groups.push_back(static_cast<int>(dwShown % 4));
    }
    CString strText = "not a SMPTE UMID, " + std::to_string(dwShown) + " bytes:";
    AppendGroups(strText, pBytes, groups);
    return strText;
}

}  // namespace

CString UmidText(const BYTE* pBytes, DWORD dwSize) {
    if (!pBytes || dwSize < kBasicSize || AllZero(pBytes, pBytes + dwSize)) {
        return "none";
    }
    if (!std::equal(std::begin(kUniversalLabel), std::end(kUniversalLabel), pBytes)) {
        return ForeignIdText(pBytes, dwSize);
    }
    const bool bExtended =
        dwSize >= 2 * kBasicSize && !AllZero(pBytes + kBasicSize, pBytes + 2 * kBasicSize);
    CString strText = bExtended ? "extended" : "basic";
    const BYTE* pByte = pBytes;
    AppendGroups(strText, pByte, kBasicGroups);
    if (bExtended) {
        AppendGroups(strText, pByte, kSourcePackGroups);
    }
    return strText;
}
