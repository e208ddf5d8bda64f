#include "core/base/LittleEndian.h"

bool StoreLittleEndianAt(std::span<BYTE> bytes, std::size_t nOffset, std::size_t nWidth,
                         std::uint64_t value) {
    if (!HoldsNumber(bytes.size(), nOffset, nWidth)) {
        return false;
    }
    for (std::size_t i = 0; i < nWidth; ++i) {
        bytes[nOffset + i] = static_cast<BYTE>(value >> (8 * i));
    }
    return true;
}

CString LittleEndianText(std::uint64_t value, std::size_t nWidth) {
    CString strBytes;
    for (std::size_t i = 0; i < nWidth && i < 8; ++i) {
        strBytes += static_cast<char>(value >> (8 * i));
    }
    return strBytes;
}
