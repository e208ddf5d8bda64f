#include "core/edit/UmidMaker.h"

#include <chrono>
#include <random>

namespace {

// The universal label of a UMID: SMPTE's prefix, the UMID's designator, a material type that
// names no particular kind, then the creation methods (high nibble: material number; low:
// instance number, 0 for local registration).
constexpr BYTE kLabel[] = {0x06, 0x0A, 0x2B, 0x34, 0x01, 0x01, 0x01, 0x05, 0x01, 0x01, 0x0F};
constexpr BYTE kTimeMethod = 0x10;
constexpr BYTE kRandomMethod = 0x20;
constexpr BYTE kBasicLength = 0x13;

void AddRandom(std::vector<BYTE>& rBytes, std::size_t nCount) {
    std::random_device device;
    for (std::size_t i = 0; i < nCount; ++i) {
        rBytes.push_back(static_cast<BYTE>(device()));
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

}  // namespace

std::vector<BYTE> NewBasicUmid(MaterialNumber method) {
    std::vector<BYTE> umid(std::begin(kLabel), std::end(kLabel));
    umid.push_back(method == MaterialNumber::TimeBased ? kTimeMethod : kRandomMethod);
    umid.push_back(kBasicLength);
    umid.insert(umid.end(), 3, 0);  // the instance number of an original
    if (method == MaterialNumber::TimeBased) {
        const auto ticks =
            static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                           std::chrono::system_clock::now().time_since_epoch())
                                           .count() /
                                       100);
        for (int i = 0; i < 8; ++i) {
            umid.push_back(static_cast<BYTE>(ticks >> (8 * i)));
        }
        AddRandom(umid, 8);
    } else {
        AddRandom(umid, 16);
    }
    return umid;
}

std::optional<std::vector<BYTE>> UmidFromHex(const CString& strText) {
    std::vector<BYTE> bytes;
    int nHigh = -1;
    for (char c : strText) {
        if (c == ' ') {
            continue;
        }
        const int nValue = HexValue(c);
        if (nValue < 0) {
            return std::nullopt;
        }
        if (nHigh < 0) {
            nHigh = nValue;
        } else {
            bytes.push_back(static_cast<BYTE>(nHigh << 4 | nValue));
            nHigh = -1;
        }
    }
    if (nHigh >= 0 || (bytes.size() != 32 && bytes.size() != 64)) {
        return std::nullopt;
    }
    return bytes;
}
