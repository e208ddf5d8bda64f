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
