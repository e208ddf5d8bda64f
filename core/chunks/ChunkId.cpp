#include "core/chunks/ChunkId.h"

#include <algorithm>
#include <cstdio>

#include "core/io/Mmio.h"

CString IdText(const char* pBytes) {
    if (std::all_of(pBytes, pBytes + 4, [](char c) { return c >= 0x20 && c <= 0x7E; })) {
        return CString(pBytes, 4);
    }
    CString strId;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>(pBytes[i]);
        if (c >= 0x20 && c <= 0x7E) {
            strId += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            strId += hex;
        }
    }
    return strId;
}

CString IdText(FOURCC ckid) {
    const char bytes[4] = {static_cast<char>(ckid), static_cast<char>(ckid >> 8),
                           static_cast<char>(ckid >> 16), static_cast<char>(ckid >> 24)};
    return IdText(bytes);
}

bool IsFillerId(FOURCC ckid) {
    for (const char* pId : {"JUNK", "junk", "FLLR", "PAD "}) {
        if (ckid == mmioStringToFOURCC(pId, 0)) {
            return true;
        }
    }
    return false;
}
