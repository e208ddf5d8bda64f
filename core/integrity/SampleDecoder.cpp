#include "core/integrity/SampleDecoder.h"

#include <cstring>

#include "core/base/LittleEndian.h"

namespace {

constexpr DWORD kPcm = 1;
constexpr DWORD kFloat = 3;
constexpr DWORD kExtensible = 0xFFFE;

DWORD Le(const BYTE* p, std::size_t nBytes) {
    return static_cast<DWORD>(LittleEndianOr0(ByteSpan(p, nBytes), 0, nBytes));
}

double Sample(const SampleFormat& format, const BYTE* p) {
    if (format.bFloat) {
        if (format.nBits == 32) {
            float value;
            std::memcpy(&value, p, 4);
            return value;
        }
        double value;
        std::memcpy(&value, p, 8);
        return value;
    }
    switch (format.nBits) {
        case 8:
            return (p[0] - 128) / 128.0;
        case 16:
            return static_cast<std::int16_t>(Le(p, 2)) / 32768.0;
        case 24:
            return static_cast<std::int32_t>(Le(p, 3) << 8) / 2147483648.0;
        default:
            return static_cast<std::int32_t>(Le(p, 4)) / 2147483648.0;
    }
}

bool IsDecodable(int nBits, bool bFloat) {
    return bFloat ? nBits == 32 || nBits == 64
                  : nBits == 8 || nBits == 16 || nBits == 24 || nBits == 32;
}

}  // namespace

std::optional<SampleFormat> DecodableFormat(const std::vector<BYTE>& bytes, CString* pWhyNot) {
    const BYTE* p = bytes.data();
    if (bytes.size() < 16) {
        *pWhyNot = "the fmt chunk is too short to hold a format";
        return std::nullopt;
    }
    DWORD dwTag = Le(p, 2);
    SampleFormat format;
    format.nChannels = static_cast<int>(Le(p + 2, 2));
    format.nRate = static_cast<long>(Le(p + 4, 4));
    format.nBlockAlign = static_cast<int>(Le(p + 12, 2));
    format.nBits = static_cast<int>(Le(p + 14, 2));
    if (dwTag == kExtensible && bytes.size() >= 40) {
        format.dwChannelMask = Le(p + 20, 4);
        dwTag = Le(p + 24, 2);
    }
    format.bFloat = dwTag == kFloat;
    if ((dwTag != kPcm && dwTag != kFloat) || !IsDecodable(format.nBits, format.bFloat)) {
        *pWhyNot = "format tag " + std::to_string(dwTag) + " with " + std::to_string(format.nBits) +
                   " bits is not linear PCM or IEEE float";
        return std::nullopt;
    }
    if (format.nChannels < 1 || format.nRate < 1 ||
        format.nBlockAlign != format.nChannels * format.nBits / 8) {
        *pWhyNot = "the format's channels, rate and block align do not agree";
        return std::nullopt;
    }
    return format;
}

void DecodeFrames(const SampleFormat& format, const BYTE* pBytes, std::size_t nFrames,
                  std::vector<double>& samples) {
    const std::size_t nWidth = static_cast<std::size_t>(format.nBits / 8);
    const std::size_t nCount = nFrames * static_cast<std::size_t>(format.nChannels);
    samples.reserve(samples.size() + nCount);
    for (std::size_t i = 0; i < nCount; ++i) {
        samples.push_back(Sample(format, pBytes + i * nWidth));
    }
}
