// The fmt chunk's record read once for every reader: each field is there only when the payload
// holds it whole, and an extensible record's sub-format gives the samples' coding.

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/base/LittleEndian.h"
#include "core/fields/FormatRecord.h"

namespace {

// A record of 2 channels at 48000 Hz, 24 bits in 6-byte blocks, cut to nHeld bytes.
std::vector<BYTE> Payload(WORD wTag, WORD wBits, WORD wExtra, WORD wSubTag, std::size_t nHeld) {
    std::vector<BYTE> bytes(kExtensibleFormatSize, 0);
    StoreLittleEndianAt(bytes, 0, 2, wTag);
    StoreLittleEndianAt(bytes, 2, 2, 2);
    StoreLittleEndianAt(bytes, 4, 4, 48000);
    StoreLittleEndianAt(bytes, 8, 4, 288000);
    StoreLittleEndianAt(bytes, 12, 2, 6);
    StoreLittleEndianAt(bytes, 14, 2, wBits);
    StoreLittleEndianAt(bytes, 16, 2, wExtra);
    StoreLittleEndianAt(bytes, 18, 2, 20);
    StoreLittleEndianAt(bytes, 20, 4, 0x3);
    StoreLittleEndianAt(bytes, 24, 2, wSubTag);
    bytes[39] = 0x71;
    bytes.resize(nHeld);
    return bytes;
}

struct RecordRow {
    const char* name;
    std::vector<BYTE> payload;
    std::optional<WORD> bits;  // the last plain field
    bool bPlain;               // HoldsPlain
    bool bExtension;           // HoldsExtension
    std::optional<DWORD> channelMask;
    bool bSubFormat;  // the whole GUID held
    WORD wSampleTag;
};

class FormatRecordTest : public testing::TestWithParam<RecordRow> {};

TEST_P(FormatRecordTest, HoldsWhatThePayloadHoldsWhole) {
    const RecordRow& row = GetParam();
    const FormatRecord record = ParseFormatRecord(row.payload);
    EXPECT_EQ(record.nHeld, row.payload.size());
    EXPECT_EQ(record.bits, row.bits);
    EXPECT_EQ(record.HoldsPlain(), row.bPlain);
    EXPECT_EQ(record.HoldsExtension(), row.bExtension);
    EXPECT_EQ(record.channelMask, row.channelMask);
    EXPECT_EQ(record.subFormat.has_value(), row.bSubFormat);
    EXPECT_EQ(record.SampleTag(), row.wSampleTag);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FormatRecordTest,
    testing::Values(
        RecordRow{"Empty", {}, std::nullopt, false, false, std::nullopt, false, 0},
        RecordRow{"CutInsideBits", Payload(1, 24, 0, 0, 15), std::nullopt, false, false,
                  std::nullopt, false, 1},
        RecordRow{"PlainPcm", Payload(1, 24, 0, 0, 16), 24, true, false, std::nullopt, false, 1},
        RecordRow{"BitsZero", Payload(1, 0, 0, 0, 18), 0, true, false, std::nullopt, false, 1},
        RecordRow{"WholeExtensibleFloat", Payload(0xFFFE, 32, 22, 3, 40), 32, true, true, 0x3, true,
                  3},
        // A short cbSize does not hide the bytes the payload does hold.
        RecordRow{"ExtensibleCbSizeShort", Payload(0xFFFE, 24, 10, 1, 40), 24, true, true, 0x3,
                  true, 1},
        RecordRow{"ExtensibleCutAfterSubFormatTag", Payload(0xFFFE, 24, 22, 1, 26), 24, true, false,
                  0x3, false, 1},
        RecordRow{"ExtensibleCutBeforeSubFormat", Payload(0xFFFE, 24, 22, 1, 24), 24, true, false,
                  0x3, false, 0xFFFE},
        RecordRow{"PlainTagIgnoresTrailingSubFormat", Payload(1, 24, 22, 3, 40), 24, true, true,
                  0x3, true, 1}),
    [](const testing::TestParamInfo<RecordRow>& info) { return info.param.name; });

}  // namespace
