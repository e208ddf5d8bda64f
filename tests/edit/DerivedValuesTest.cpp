// The derived values of a format record: nBlockAlign from the channels and bits, nAvgBytesPerSec
// from the rate and the agreeing block size.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "core/edit/DerivedValues.h"

namespace {

using testfiles::Bytes;

struct DerivedCase {
    const char* name;
    Bytes record;
    std::vector<CString> disagreements;
};

Bytes WithNumber(Bytes record, std::size_t nOffset, std::uint32_t value, std::size_t nWidth) {
    for (std::size_t i = 0; i < nWidth; ++i) {
        record[nOffset + i] = static_cast<BYTE>(value >> (8 * i));
    }
    return record;
}

TEST(DerivedValuesTest, EachDisagreementIsNamedWithTheValueThatWouldAgree) {
    const Bytes stereo24 = testfiles::PcmFormat(2, 48000, 24);
    const DerivedCase cases[] = {
        {"agreeing", stereo24, {}},
        {"20-bit mono rounds up to 3 bytes",
         WithNumber(WithNumber(testfiles::PcmFormat(1, 44100, 20), 12, 3, 2), 8, 132300, 4),
         {}},
        {"rate changed alone",
         WithNumber(stereo24, 4, 44100, 4),
         {"nAvgBytesPerSec is 288000; 44100 samples a second of 6 bytes make 264600"}},
        {"channels changed alone",
         WithNumber(stereo24, 2, 1, 2),
         {"nBlockAlign is 6; 1 channels of 24 bits make 3",
          "nAvgBytesPerSec is 288000; 48000 samples a second of 3 bytes make 144000"}},
        {"another format", WithNumber(WithNumber(stereo24, 0, 0x50, 2), 4, 44100, 4), {}},
        {"too short for the bits", Bytes(stereo24.begin(), stereo24.begin() + 14), {}},
    };
    for (const DerivedCase& c : cases) {
        EXPECT_EQ(DerivedDisagreements(ByteSpan(c.record.data(), c.record.size())), c.disagreements)
            << c.name;
    }
}

TEST(DerivedValuesTest, OnlyAChangeOfTheDisagreementsIsLeftByAnEdit) {
    const std::vector<CString> before = {"nBlockAlign is 6; 1 channels of 24 bits make 3"};
    EXPECT_TRUE(DisagreementsLeft(before, before).empty());
    EXPECT_TRUE(DisagreementsLeft(before, {}).empty());
    const std::vector<CString> after = {
        "nAvgBytesPerSec is 1; 1 samples a second of 3 bytes "
        "make 3"};
    EXPECT_EQ(DisagreementsLeft(before, after), after);
}

}  // namespace
