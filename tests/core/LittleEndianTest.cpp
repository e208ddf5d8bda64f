// The one little-endian reader: numbers inside the span read, any byte outside it refuses.

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/base/LittleEndian.h"

namespace {

const std::vector<BYTE> kBytes = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0xFF};

struct ReadRow {
    const char* name;
    std::size_t offset;
    std::size_t width;
    std::optional<std::uint64_t> expected;
};

class LittleEndianReadTest : public testing::TestWithParam<ReadRow> {};

TEST_P(LittleEndianReadTest, ReadsOnlyWhatTheSpanHolds) {
    const ReadRow& row = GetParam();
    EXPECT_EQ(LittleEndianAt(kBytes, row.offset, row.width), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, LittleEndianReadTest,
                         testing::Values(ReadRow{"Word", 1, 2, 0x0302},
                                         ReadRow{"LastByte", 8, 1, 0xFF},
                                         ReadRow{"EightBytesHighBitSet", 1, 8, 0xFF08070605040302},
                                         ReadRow{"OneBytePastTheEnd", 2, 8, std::nullopt},
                                         ReadRow{"OffsetAtTheEnd", 9, 1, std::nullopt},
                                         ReadRow{"OffsetThatWouldWrap",
                                                 std::numeric_limits<std::size_t>::max(), 2,
                                                 std::nullopt},
                                         ReadRow{"NoWidth", 0, 0, std::nullopt},
                                         ReadRow{"WiderThanANumber", 0, 9, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StoreRow {
    const char* name;
    std::size_t offset;
    std::size_t width;
    bool stored;
    std::vector<BYTE> after;
};

class LittleEndianStoreTest : public testing::TestWithParam<StoreRow> {};

TEST_P(LittleEndianStoreTest, StoresWholeOrNotAtAll) {
    const StoreRow& row = GetParam();
    std::vector<BYTE> bytes(4, 0xEE);
    EXPECT_EQ(StoreLittleEndianAt(bytes, row.offset, row.width, 0x11223344), row.stored);
    EXPECT_EQ(bytes, row.after);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LittleEndianStoreTest,
    testing::Values(StoreRow{"LowBytesLowestFirst", 1, 2, true, {0xEE, 0x44, 0x33, 0xEE}},
                    StoreRow{"PastTheEnd", 2, 4, false, {0xEE, 0xEE, 0xEE, 0xEE}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
