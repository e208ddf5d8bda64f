// Text fields in either encoding: shown as the right letters, written back byte for byte when
// left alone, and written in the encoding they were read with when edited.

#include <gtest/gtest.h>

#include "BEXTPageFixture.h"
#include "pages/Overview.h"

namespace {

using bwftest::BEXTPageTest;
using bwftest::BoxText;
using bwftest::Bytes;
using bwftest::Field;
using bwftest::Slice;
using bwftest::Type;

constexpr const char* kLatin1 = "Caf\xE9 M\xFCnchen";
constexpr const char* kUtf8 = "Caf\xC3\xA9 M\xC3\xBCnchen \xE6\x9D\xB1\xE4\xBA\xAC";

TEST_F(BEXTPageTest, BothEncodingsShowTheirLettersAndRoundTripUnedited) {
    const std::pair<const char*, const char*> cases[] = {
        {kLatin1, "Caf\xC3\xA9 M\xC3\xBCnchen"},
        {kUtf8, kUtf8},
    };
    for (const auto& [stored, shown] : cases) {
        testfiles::BextFields fields = bwftest::DistinctFields();
        fields.description = stored;
        fields.originator = stored;
        fields.codingHistory = stored;
        const Bytes payload = testfiles::BextPayload(fields);
        Show(payload);
        EXPECT_EQ(BoxText(Page(), 1009), shown);
        EXPECT_EQ(BoxText(Page(), 1011), shown);
        EXPECT_EQ(BoxText(Page(), 1012), shown);
        EXPECT_NE(g_strOverview.find(CString("Description:\r\n") + shown + "\r\n"), CString::npos);
        EXPECT_EQ(Saved(), payload) << stored;
    }
}

TEST_F(BEXTPageTest, EditedLatin1FieldStaysLatin1WhenItFits) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.description = kLatin1;
    fields.originator = kLatin1;
    Show(testfiles::BextPayload(fields));
    Type(Page(), 1009,
         "Gr\xC3\xBC\xC3\x9F"
         "e \xE2\x82\xAC");  // the euro sign has a byte
    Type(Page(), 1011,
         "\xE6\x9D\xB1 Gr\xC3\xBC\xC3\x9F"
         "e");  // this letter has none
    const Bytes saved = Saved();
    EXPECT_EQ(Slice(saved, 0, 256), Field("Gr\xFC\xDF"
                                          "e \x80",
                                          256));
    EXPECT_EQ(Slice(saved, 256, 32), Field("\xE6\x9D\xB1 Gr\xC3\xBC\xC3\x9F"
                                           "e",
                                           32));
}

TEST_F(BEXTPageTest, EditedUtf8TextIsCutBeforeACharacterThatDoesNotFit) {
    Show(bwftest::DistinctPayload());
    // 31 letters and a two-byte one: the cut at 32 would fall inside it.
    Type(Page(), 1011, (std::string(31, 'a') + "\xC3\xA9").c_str());
    // Four three-byte letters into the ten bytes of the date: three fit.
    Type(Page(), 1013, "\xE6\x9D\xB1\xE6\x9D\xB1\xE6\x9D\xB1\xE6\x9D\xB1");
    const Bytes saved = Saved();
    EXPECT_EQ(Slice(saved, 256, 32), Field(std::string(31, 'a'), 32));
    EXPECT_EQ(Slice(saved, 320, 10), Field("\xE6\x9D\xB1\xE6\x9D\xB1\xE6\x9D\xB1", 10));
}

TEST_F(BEXTPageTest, CodingHistoryWithLineFeedsOnlyKeepsItsBytesUnedited) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.codingHistory = "A=PCM,F=48000\nA=MPEG1L2,F=48000\nT=lf only";
    const Bytes payload = testfiles::BextPayload(fields);
    Show(payload);
    EXPECT_EQ(Saved(), payload);
}

TEST_F(BEXTPageTest, LineBreaksTypedIntoTheMultiLineBoxesAreStoredAsCrLf) {
    testfiles::BextFields fields = bwftest::DistinctFields();
    fields.codingHistory = std::string(60, ' ');
    Show(testfiles::BextPayload(fields));
    for (const int nID : {1009, 1012}) {
        Type(Page(), nID, "A=PCM");
        QTest::keyClick(bwftest::Box(Page(), nID), Qt::Key_Return);
        QTest::keyClicks(bwftest::Box(Page(), nID), QStringLiteral("T=typed"));
    }
    const Bytes saved = Saved();
    EXPECT_EQ(Slice(saved, 0, 256), Field("A=PCM\r\nT=typed", 256));
    EXPECT_EQ(Slice(saved, 602, 60), Field("A=PCM\r\nT=typed", 60));
}

}  // namespace
