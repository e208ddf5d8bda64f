// The samples of every linear format as numbers from -1 to 1, and the formats that are refused.

#include <gtest/gtest.h>

#include <cstring>

#include "RiffWriter.h"
#include "core/integrity/SampleDecoder.h"

using namespace testfiles;

namespace {

Bytes Format(std::uint16_t tag, std::uint16_t bits, std::uint16_t channels = 1) {
    const std::uint16_t align = static_cast<std::uint16_t>(channels * bits / 8);
    return ByteBuilder()
        .le16(tag)
        .le16(channels)
        .le32(48000)
        .le32(48000u * align)
        .le16(align)
        .le16(bits);
}

Bytes FloatBytes(float value) {
    Bytes bytes(4);
    std::memcpy(bytes.data(), &value, 4);
    return bytes;
}

Bytes DoubleBytes(double value) {
    Bytes bytes(8);
    std::memcpy(bytes.data(), &value, 8);
    return bytes;
}

}  // namespace

TEST(SampleDecoderTest, EachLinearFormatGivesItsSampleValue) {
    const struct {
        const char* name;
        Bytes format;
        Bytes sample;
        double value;
    } rows[] = {
        {"PCM 8, unsigned", Format(1, 8), {0x00}, -1.0},
        {"PCM 8, middle", Format(1, 8), {0x80}, 0.0},
        {"PCM 16", Format(1, 16), {0x00, 0xC0}, -0.5},
        {"PCM 24", Format(1, 24), {0x00, 0x00, 0x40}, 0.5},
        {"PCM 32", Format(1, 32), {0x00, 0x00, 0x00, 0x80}, -1.0},
        {"float 32", Format(3, 32), FloatBytes(0.25f), 0.25},
        {"float 64", Format(3, 64), DoubleBytes(-0.125), -0.125},
    };
    for (const auto& row : rows) {
        CString strWhyNot;
        const std::optional<SampleFormat> format = DecodableFormat(row.format, &strWhyNot);
        ASSERT_TRUE(format) << row.name << ": " << strWhyNot;
        std::vector<double> samples;
        DecodeFrames(*format, row.sample.data(), 1, samples);
        ASSERT_EQ(samples.size(), 1u) << row.name;
        EXPECT_DOUBLE_EQ(samples[0], row.value) << row.name;
    }
}

TEST(SampleDecoderTest, FormatsThatCannotBeDecodedAreRefused) {
    const struct {
        const char* name;
        Bytes format;
    } rows[] = {
        {"too short", Bytes(14, 0)},
        {"PCM 12 bits", Format(1, 12)},
        {"float 16 bits", Format(3, 16)},
        {"MPEG", Format(0x50, 16)},
        {"no channels", Format(1, 16, 0)},
        {"block align wrong",
         [] {
             Bytes b = Format(1, 16, 2);
             b[12] = 3;
             return b;
         }()},
    };
    for (const auto& row : rows) {
        CString strWhyNot;
        EXPECT_FALSE(DecodableFormat(row.format, &strWhyNot)) << row.name;
        EXPECT_FALSE(strWhyNot.empty()) << row.name;
    }
}
