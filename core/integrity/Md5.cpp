// The one file that names the hashing library.
#include "core/integrity/Md5.h"

#include <nettle/md5.h>

struct CMd5::State {
    md5_ctx context;
};

CMd5::CMd5() : m_pState(std::make_unique<State>()) {
    md5_init(&m_pState->context);
}

CMd5::~CMd5() = default;

void CMd5::Add(const void* pBytes, std::size_t nSize) {
    md5_update(&m_pState->context, nSize, static_cast<const uint8_t*>(pBytes));
}

Md5Digest CMd5::Digest() {
    Md5Digest digest{};
    md5_digest(&m_pState->context, digest.size(), digest.data());
    return digest;
}

CString Md5Text(const Md5Digest& digest) {
    static constexpr char kDigits[] = "0123456789abcdef";
    CString strText;
    for (const BYTE byte : digest) {
        strText += kDigits[byte >> 4];
        strText += kDigits[byte & 15];
    }
    return strText;
}
