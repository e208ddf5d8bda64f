#include "core/details/ByteView.h"

#include <algorithm>
#include <cstdio>

#include "core/chunks/Chunk.h"
#include "core/chunks/ChunkId.h"

CString HexLines(const BYTE* pBytes, DWORD nSize) {
    CString strText;
    for (DWORD nLine = 0; nLine < nSize; nLine += 16) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%08X  ", static_cast<unsigned>(nLine));
        CString strHex = buffer;
        CString strChars;
        for (DWORD i = nLine; i < nLine + 16; ++i) {
            if (i < nSize) {
                std::snprintf(buffer, sizeof buffer, "%02X ", pBytes[i]);
                strHex += buffer;
                strChars += (pBytes[i] >= 0x20 && pBytes[i] < 0x7F) ? char(pBytes[i]) : '.';
            } else {
                strHex += "   ";
            }
        }
        strText += strHex + " " + strChars + "\n";
    }
    return strText;
}

CString ChunkByteView(const CChunk& chunk) {
    const MMCKINFO& ck = chunk.m_ck;
    CString strText = "Id '" + IdText(ck.ckid) + "', data at offset " +
                      std::to_string(ck.dwDataOffset) + ", size " + std::to_string(ck.cksize) +
                      " bytes\n";
    const DWORD nShown = std::min(chunk.DataSize(), kByteViewLimit);
    if (chunk.Data()) {
        strText += HexLines(chunk.Data(), nShown);
    }
    if (chunk.DataSize() > nShown) {
        strText += std::to_string(chunk.DataSize() - nShown) + " more bytes not shown\n";
    }
    if (ck.cksize > chunk.DataSize()) {
        strText +=
            std::to_string(ck.cksize - chunk.DataSize()) + " declared bytes are not in the file\n";
    }
    return strText;
}
