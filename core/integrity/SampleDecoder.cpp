#include "core/integrity/SampleDecoder.h"

#include <cstring>

#include "core/fields/FormatRecord.h"

namespace {

constexpr WORD kPcm = 1;
constexpr WORD kFloat = 3;

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

namespace {

// Writes the nCount samples from pBytes on to pOut, the reading chosen once for all.
void DecodeEach(const SampleFormat& format, const BYTE* pBytes, std::size_t nCount, double* pOut) {
    const std::size_t nWidth = static_cast<std::size_t>(format.nBits / 8);
    auto each = [&](auto read) {
        for (std::size_t i = 0; i < nCount; ++i) {
            pOut[i] = read(pBytes + i * nWidth);
        }
    };
    if (format.bFloat) {
        return format.nBits == 32 ? each([](const BYTE* p) {
            float value;
            std::memcpy(&value, p, 4);
            return static_cast<double>(value);
        })
                                  : each([](const BYTE* p) {
                                        double value;
                                        std::memcpy(&value, p, 8);
                                        return value;
                                    });
    }
    switch (format.nBits) {
        case 8:
            return each([](const BYTE* p) { return (p[0] - 128) / 128.0; });
        case 16:
            return each([](const BYTE* p) {
                return static_cast<std::int16_t>(p[0] | p[1] << 8) / 32768.0;
            });
        case 24:
            return each([](const BYTE* p) {
                const auto word = static_cast<std::uint32_t>(p[0] << 8 | p[1] << 16) |
                                  static_cast<std::uint32_t>(p[2]) << 24;
                return static_cast<std::int32_t>(word) / 2147483648.0;
            });
        default:
            return each([](const BYTE* p) {
                std::int32_t value;
                std::memcpy(&value, p, 4);
                return value / 2147483648.0;
            });
    }
}

}  // namespace

void DecodeFrames(const SampleFormat& format, const BYTE* pBytes, std::size_t nFrames,
                  std::vector<double>& samples) {
    const std::size_t nStart = samples.size();
    samples.resize(nStart + nFrames * static_cast<std::size_t>(format.nChannels));
    DecodeFrames(format, pBytes, nFrames, samples.data() + nStart);
}

void DecodeFrames(const SampleFormat& format, const BYTE* pBytes, std::size_t nFrames,
                  double* pOut) {
    const std::size_t nCount = nFrames * static_cast<std::size_t>(format.nChannels);
    DecodeEach(format, pBytes, nCount, pOut);
}
