// How the bytes of a UMID field read: SMPTE identifiers by their groups, other ids as plain hex.

#include "core/fields/UmidText.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct UmidRow {
    const char* what;
    std::vector<std::pair<int, BYTE>> bytes;  // those other than zero
    const char* start;
    long words;  // separated by spaces, in the whole text
};

TEST(UmidTextTest, OnlyBytesWithTheUniversalLabelReadAsASmpteUmid) {
    const std::vector<std::pair<int, BYTE>> label{{0, 0x06}, {1, 0x0A}, {2, 0x2B}, {3, 0x34}};
    auto labelled = [&](std::vector<std::pair<int, BYTE>> more) {
        more.insert(more.end(), label.begin(), label.end());
        return more;
    };
    const UmidRow rows[] = {
        {"basic", labelled({{12, 0x13}, {31, 0xAB}}), "basic 060A2B34 00000000 00000000 13 ", 10},
        {"extended", labelled({{12, 0x33}, {63, 0x01}}), "extended 060A2B34 ", 18},
        {"a 16-byte id", {{0, 0xC0}, {15, 0xEE}}, "not a SMPTE UMID, 16 bytes: C0000000 ", 10},
        {"half the label", {{0, 0x06}, {1, 0x0A}}, "not a SMPTE UMID, 16 bytes: 060A0000 ", 10},
        {"32 bytes", {{1, 0x0A}, {31, 0x01}}, "not a SMPTE UMID, 32 bytes: 000A0000 ", 14},
        {"64 bytes", {{2, 0x2B}, {63, 0x01}}, "not a SMPTE UMID, 64 bytes: 00002B00 ", 22},
        {"all zero", {}, "none", 1},
    };
    for (const UmidRow& row : rows) {
        SCOPED_TRACE(row.what);
        BYTE field[64] = {};
        for (const auto& [at, value] : row.bytes) {
            field[at] = value;
        }
        const CString strText = UmidText(field, sizeof field);
        EXPECT_TRUE(strText.starts_with(row.start)) << strText;
        EXPECT_EQ(std::count(strText.begin(), strText.end(), ' ') + 1, row.words) << strText;
    }
}

}  // namespace
