// The meanings shown beside the coded numbers of the MPEG format record and the mext chunk.

#include "format/FieldMeanings.h"

#include <gtest/gtest.h>

namespace {

struct MeaningRow {
    CString (*meaning)(DWORD);
    DWORD value;
    const char* expected;
};

TEST(FieldMeaningsTest, EachCodedNumberIsNamed) {
    const MeaningRow rows[] = {
        {MpegLayerMeaning, 2, "Layer II"},
        {MpegLayerMeaning, 6, "Layer II, Layer III"},
        {MpegLayerMeaning, 0, "no layer"},
        {MpegModeMeaning, 8, "single channel"},
        {MpegModeMeaning, 0x22, "joint stereo, bit 5"},
        {MpegEmphasisMeaning, 1, "none"},
        {MpegEmphasisMeaning, 4, "CCITT J.17"},
        {MpegEmphasisMeaning, 0, "unknown"},
        {MpegFlagsMeaning, 0x18, "protection, MPEG-1"},
        {MpegFlagsMeaning, 0, "none"},
        {SoundInformationMeaning, 7,
         "homogeneous, padding bit 0 throughout, unpadded frames at 22.05 or 44.1 kHz"},
        {SoundInformationMeaning, 8, "not homogeneous, free format"},
        {SoundInformationMeaning, 0x8001, "homogeneous, bit 15"},
    };
    for (const MeaningRow& row : rows) {
        EXPECT_EQ(row.meaning(row.value), row.expected) << row.value;
    }
}

}  // namespace
