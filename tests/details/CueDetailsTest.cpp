// The timecode of markers: the time of day from bext's time reference plus the marker's position.

#include "core/details/CueDetails.h"

#include <gtest/gtest.h>

#include <cstring>

#include "RiffWriter.h"
#include "core/chunks/Chunk.h"
#include "core/details/AudioFacts.h"
#include "core/details/ListDetails.h"

namespace {

class HeldCue : public CChunk {
public:
    explicit HeldCue(std::uint32_t sample) {
        const testfiles::Bytes payload =
            testfiles::ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(
                sample);
        AllocateData(static_cast<DWORD>(payload.size()));
        std::memcpy(Data(), payload.data(), payload.size());
    }
};

struct MarkerRow {
    const char* what;
    std::optional<std::uint64_t> timeReference;
    std::optional<TimecodeRate> ixmlRate;
    std::uint32_t sample;
    const char* timecode;
    const char* note;  // part of the table's note
};

TEST(CueDetailsTest, MarkerTimecodeIsTheTimeReferencePlusThePosition) {
    constexpr TimecodeRate kDrop{30000, 1001, true};
    constexpr TimecodeRate kNonDrop{30000, 1001, false};
    const MarkerRow rows[] = {
        {"no time reference, 25 fps", {}, {}, 28800, "00:00:00:15", "start: no time reference"},
        {"a recorder's marker, 25 fps",
         3094800000,
         {},
         28800,
         "17:54:35:15",
         "from the time reference 17:54:35:00; Samples and Time from the file's start"},
        {"no time reference, 29.97 drop", {}, kDrop, 2882880, "00:01:00;02", "29.97 fps drop"},
        {"past a dropped minute from the reference", 28800000, kDrop, 2882880, "00:11:00;02",
         "the time reference 00:10:00;00"},
        {"29.97 non-drop", 172800000, kNonDrop, 48048, "00:59:57:12", "00:59:56:12"},
        {"past midnight, 25 fps", 86399ull * 48000, {}, 96000, "00:00:01:00", "23:59:59:00"},
        {"a day of dropping frames", 4147195853, kDrop, 0, "00:00:00;00", "00:00:00;00"},
    };
    for (const MarkerRow& row : rows) {
        SCOPED_TRACE(row.what);
        AudioFacts facts;
        facts.dwSampleRate = 48000;
        facts.timeReference = row.timeReference;
        facts.ixmlRate = row.ixmlRate;
        const DetailTable table = CueDetails(HeldCue(row.sample), facts);
        ASSERT_EQ(table.rows.size(), 1u);
        EXPECT_EQ(table.rows[0][3], row.timecode);
        EXPECT_NE(table.text.find(row.note), CString::npos) << table.text;
    }
}

class HeldBytes : public CChunk {
public:
    explicit HeldBytes(const testfiles::Bytes& payload) {
        AllocateData(static_cast<DWORD>(payload.size()));
        std::memcpy(Data(), payload.data(), payload.size());
    }
};

// A region's end and duration come from its labelled text's length; dwPosition shows where it
// differs from the sample offset.
TEST(CueDetailsTest, ARegionShowsItsEndAndDurationAndADifferingPositionShows) {
    const testfiles::Bytes cue = testfiles::ByteBuilder()
                                     .le32(2)
                                     .le32(1)
                                     .le32(0)
                                     .text("data")
                                     .le32(0)
                                     .le32(0)
                                     .le32(48000)
                                     .le32(2)
                                     .le32(7)
                                     .text("data")
                                     .le32(0)
                                     .le32(0)
                                     .le32(96000);
    const testfiles::Bytes adtl = testfiles::ByteBuilder()
                                      .text("adtl")
                                      .text("ltxt")
                                      .le32(24)
                                      .le32(1)
                                      .le32(24000)
                                      .text("rgn ")
                                      .le16(44)
                                      .le16(9)
                                      .le16(1)
                                      .le16(1252)
                                      .text("Take")
                                      .text("labl")
                                      .le32(6)
                                      .le32(2)
                                      .text("Pt");
    CChunk parent;
    auto* pCue = new HeldBytes(cue);
    auto* pList = new HeldBytes(adtl);
    parent.AddChild(pCue);
    parent.AddChild(pList);
    // A second adtl list, as a faulty edit leaves one: the markers take the first one's texts.
    parent.AddChild(new HeldBytes(
        testfiles::ByteBuilder().text("adtl").text("labl").le32(6).le32(2).text("No")));
    AudioFacts facts;
    facts.dwSampleRate = 48000;
    facts.timeReference = 48000 * 3600;
    const DetailTable table = CueDetails(*pCue, facts);
    const std::vector<std::vector<CString>> rows = {
        {"1", "48000", "0:00:01.000", "01:00:01:00", "Take", "", "24000", "72000", "01:00:01:12",
         "0:00:00.500", "0"},
        {"2", "96000", "0:00:02.000", "01:00:02:00", "Pt", "", "", "", "", "", "7"},
    };
    EXPECT_EQ(table.rows, rows);
    const std::vector<CString> entry = {"ltxt", "1", "Take", "24000", "rgn ",
                                        "44",   "9", "1",    "1252"};
    EXPECT_EQ(ListDetails(*pList).at(0).rows.at(0), entry);
    parent.DeleteChildren();
}

}  // namespace
