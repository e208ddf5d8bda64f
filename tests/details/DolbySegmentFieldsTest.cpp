// The fields read out of the dbmd chunk's common segments, from payloads laid out by hand.

#include <gtest/gtest.h>

#include "core/details/DolbySegmentFields.h"

namespace {

struct SegmentRow {
    const char* name;
    unsigned segment;
    std::vector<BYTE> payload;
    const char* field;
    const char* value;  // null: the field is not listed
};

std::vector<BYTE> Filled(std::size_t nSize, std::vector<std::pair<std::size_t, BYTE>> bytes) {
    std::vector<BYTE> payload(nSize, 0);
    for (const auto& [at, value] : bytes) {
        payload[at] = value;
    }
    return payload;
}

// A supplement of three objects: sync word, count, then each object's byte and render mode.
std::vector<BYTE> Supplement(BYTE syncLow) {
    std::vector<BYTE> payload = Filled(142 + 6, {{0, syncLow}, {1, 0x6F}, {2, 0x72}, {3, 0xF8}});
    payload[4] = 3;
    payload[145] = 0x84;
    payload[146] = 0x80;
    payload[147] = 0x81;
    return payload;
}

const SegmentRow kRows[] = {
    {"plusChannelMode", 7, Filled(96, {{1, 0x47}}), "Channel mode", "7 3/2"},
    {"plusLfe", 7, Filled(96, {{1, 0x47}}), "LFE", "1 on"},
    {"plusService", 7, Filled(96, {{1, 0x17}}), "Service", "2 visually impaired"},
    {"plusLineMode", 7, Filled(96, {{14, 2}}), "Line mode compression", "2 film light"},
    {"plusUnnamedProfile", 7, Filled(96, {{15, 9}}), "RF mode compression", "9"},
    {"atmosTool", 9, Filled(248, {{32, 'P'}, {33, 'T'}}), "Creation tool", "PT"},
    {"atmosVersion", 9, Filled(248, {{96, 1}, {97, 2}, {98, 3}}), "Tool version", "1.2.3"},
    {"atmosCutShort", 9, Filled(98, {}), "Tool version", nullptr},
    {"renderModes", 10, Supplement(0xBD), "Binaural render modes",
     "1 bypass, 1 near, 1 not indicated"},
    {"renderModesBadSync", 10, Supplement(0x00), "Binaural render modes", nullptr},
    {"audioOrigin", 8, Filled(193, {{1, 'S'}, {2, '1'}}), "Audio origin", "S1"},
    {"dolbyEFrameRate", 1, Filled(116, {{1, 3}}), "Frame rate", "3 25"},
    {"unknownSegment", 42, Filled(16, {}), "Program id", nullptr},
};

class DolbySegmentFieldsTest : public testing::TestWithParam<SegmentRow> {};

TEST_P(DolbySegmentFieldsTest, ReadsTheFieldFromItsPlace) {
    const SegmentRow& row = GetParam();
    const auto rows = SegmentFieldRows(row.segment, row.payload);
    const auto found = std::find_if(
        rows.begin(), rows.end(), [&](const std::vector<CString>& r) { return r[1] == row.field; });
    if (!row.value) {
        EXPECT_EQ(found, rows.end());
        return;
    }
    ASSERT_NE(found, rows.end());
    EXPECT_EQ((*found)[2], row.value);
}

INSTANTIATE_TEST_SUITE_P(Rows, DolbySegmentFieldsTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
