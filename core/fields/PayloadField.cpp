#include "core/fields/PayloadField.h"

#include <algorithm>

DWORD FieldBytesInPayload(DWORD dwSize, DWORD dwOffset, DWORD dwWidth) {
    if (dwOffset >= dwSize) {
        return 0;
    }
    return std::min(dwWidth, dwSize - dwOffset);
}

bool FieldFitsPayload(DWORD dwSize, DWORD dwOffset, DWORD dwWidth) {
    return FieldBytesInPayload(dwSize, dwOffset, dwWidth) == dwWidth;
}
