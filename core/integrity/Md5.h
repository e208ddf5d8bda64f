#pragma once
// The MD5 of a stream of bytes, fed in pieces.

#include <array>
#include <cstddef>
#include <memory>

#include "core/base/Types.h"

using Md5Digest = std::array<BYTE, 16>;

class CMd5 {
public:
    CMd5();
    ~CMd5();
    CMd5(const CMd5&) = delete;
    CMd5& operator=(const CMd5&) = delete;

    void Add(const void* pBytes, std::size_t nSize);
    Md5Digest Digest();

private:
    struct State;
    std::unique_ptr<State> m_pState;
};

// The digest as 32 lower-case hexadecimal digits, as md5sum prints it.
CString Md5Text(const Md5Digest& digest);
