#include "core/integrity/SampleDecoder.h"

#include <cstring>

#include "core/base/LittleEndian.h"
#include "core/fields/FormatRecord.h"

namespace {

constexpr WORD kPcm = 1;
constexpr WORD kFloat = 3;

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
            return static_cast<std::int16_t>(LittleEndianOr0(ByteSpan(p, 2), 0, 2)) / 32768.0;
        case 24:
            return static_cast<std::int32_t>(LittleEndianOr0(ByteSpan(p, 3), 0, 3) << 8) /
                   2147483648.0;
        default:
            return static_cast<std::int32_t>(LittleEndianOr0(ByteSpan(p, 4), 0, 4)) / 2147483648.0;
    }
}

bool IsDecodable(int nBits, bool bFloat) {
    return bFloat ? nBits == 32 || nBits == 64
                  : nBits == 8 || nBits == 16 || nBits == 24 || nBits == 32;
}

}  // namespace

std::optional<SampleFormat> DecodableFormat(const std::vector<BYTE>& bytes, CString* pWhyNot) {
    const FormatRecord record = ParseFormatRecord(bytes);
    if (!record.HoldsPlain()) {
        *pWhyNot = "the fmt chunk is too short to hold a format";
        return std::nullopt;
    }
    SampleFormat format;
    format.nChannels = *record.channels;
    format.nRate = static_cast<long>(*record.sampleRate);
    format.nBlockAlign = *record.blockAlign;
    format.nBits = *record.bits;
    // A sub-format is trusted only from a whole extensible record.
    WORD wTag = *record.tag;
    if (record.IsExtensible() && record.HoldsExtension()) {
        format.dwChannelMask = *record.channelMask;
        wTag = record.SampleTag();
    }
    format.bFloat = wTag == kFloat;
    if ((wTag != kPcm && wTag != kFloat) || !IsDecodable(format.nBits, format.bFloat)) {
        *pWhyNot = "format tag " + std::to_string(wTag) + " with " + std::to_string(format.nBits) +
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
