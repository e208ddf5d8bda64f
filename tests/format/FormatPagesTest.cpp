// The PCM and MPEG format pages: each field shown from its offset, edits stored at the right
// offsets and widths, refused text, and fields that the chunk's data does not hold.

#include <map>
#include <string>

#include "FormatChunkFixture.h"
#include "format/fmtChunk.h"

namespace {

using testfiles::BoxText;
using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::IsBoxReadOnly;
using testfiles::SetBoxText;

constexpr const char* kRefused = "Please enter a positive integer.";

// Every field a different value, so that a field read from a neighbour's offset shows wrong.
Bytes MpegRecord() {
    return ByteBuilder()
        .le16(0x50)     // wFormatTag
        .le16(1)        // nChannels
        .le32(48000)    // nSamplesPerSec
        .le32(24000)    // nAvgBytesPerSec
        .le16(3)        // nBlockAlign
        .le16(5)        // wBitsPerSample
        .le16(22)       // cbSize
        .le16(2)        // fwHeadLayer
        .le32(192000)   // dwHeadBitRate
        .le16(4)        // fwHeadMode
        .le16(6)        // fwHeadModeExt
        .le16(7)        // wHeadEmphasis
        .le16(8)        // fwHeadFlags
        .le32(111111)   // dwPTSLow
        .le32(2222222)  // dwPTSHigh
        .bytes();
}

Bytes PcmRecord(bool withCbSize) {
    ByteBuilder record;
    record.le16(1).le16(2).le32(44100).le32(176400).le16(4).le16(16);
    if (withCbSize) {
        record.le16(9);
    }
    return record.bytes();
}

Bytes Cut(Bytes bytes, std::size_t nSize) {
    bytes.resize(nSize);
    return bytes;
}

void Put(Bytes& bytes, std::size_t nOffset, std::size_t nWidth, std::uint32_t value) {
    for (std::size_t i = 0; i < nWidth; ++i) {
        bytes[nOffset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

class FormatPagesTest : public ChunkFixture<CfmtChunk> {
protected:
    void ExpectBoxes(const std::map<int, std::string>& expected) {
        for (const auto& [nID, text] : expected) {
            EXPECT_EQ(BoxText(Page(), nID), text) << "box " << nID;
        }
    }
};

TEST_F(FormatPagesTest, PcmPageShowsEachFieldFromItsOffset) {
    Load("fmt ", PcmRecord(true));
    ExpectBoxes({{1022, "1"},
                 {1023, "2"},
                 {1024, "44100"},
                 {1007, "176400"},
                 {1026, "4"},
                 {1027, "16"},
                 {1028, "9"}});
    EXPECT_TRUE(IsBoxReadOnly(Page(), 1022));
    EXPECT_TRUE(IsBoxReadOnly(Page(), 1028));
    EXPECT_FALSE(IsBoxReadOnly(Page(), 1023));
}

TEST_F(FormatPagesTest, MpegPageShowsEachFieldFromItsOffset) {
    Load("fmt ", MpegRecord());
    ExpectBoxes({{1022, "80"},
                 {1023, "1"},
                 {1024, "48000"},
                 {1007, "24000"},
                 {1026, "3"},
                 {1027, "5"},
                 {1028, "22"},
                 {1025, "2"},
                 {1029, "192000"},
                 {1030, "4"},
                 {1008, "6"},
                 {1031, "7"},
                 {1032, "8"},
                 {1033, "111111"},
                 {1040, "2222222"}});
    for (int nID : {1023, 1024, 1007, 1026, 1027, 1025, 1029, 1030, 1008, 1031, 1032, 1033, 1040}) {
        EXPECT_FALSE(IsBoxReadOnly(Page(), nID)) << "box " << nID;
    }
}

TEST_F(FormatPagesTest, EditsAreStoredAtTheirOffsetsWithTheirWidths) {
    Load("fmt ", PcmRecord(true));
    SetBoxText(Page(), 1023, "70000");                 // 16-bit: its low 16 bits
    SetBoxText(Page(), 1024, "4294967296");            // above the largest: the largest
    SetBoxText(Page(), 1007, "18446744073709551617");  // far above it: still the largest
    SetBoxText(Page(), 1026, " 12\t");
    SetBoxText(Page(), 1027, "+24");
    SetBoxText(Page(), 1022, "99");   // read-only boxes go back as read,
    SetBoxText(Page(), 1028, "abc");  // whatever they hold, and are never refused

    Bytes expected = PcmRecord(true);
    Put(expected, 2, 2, 4464);
    Put(expected, 4, 4, 0xFFFFFFFF);
    Put(expected, 8, 4, 0xFFFFFFFF);
    Put(expected, 12, 2, 12);
    Put(expected, 14, 2, 24);
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(FormatPagesTest, MpegEditsReachEveryField) {
    Load("fmt ", MpegRecord());
    const std::map<int, std::pair<std::size_t, std::size_t>> fields = {
        {1023, {2, 2}},  {1024, {4, 4}},  {1007, {8, 4}},  {1026, {12, 2}}, {1027, {14, 2}},
        {1025, {18, 2}}, {1029, {20, 4}}, {1030, {24, 2}}, {1008, {26, 2}}, {1031, {28, 2}},
        {1032, {30, 2}}, {1033, {32, 4}}, {1040, {36, 4}}};
    Bytes expected = MpegRecord();
    std::uint32_t value = 0x10000 + 1000;  // wider than 16 bits: the WORD fields keep the low half
    for (const auto& [nID, place] : fields) {
        SetBoxText(Page(), nID, std::to_string(++value));
        Put(expected, place.first, place.second, value);
    }
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
}

TEST_F(FormatPagesTest, RefusedTextStopsTheExchangeWithOneMessage) {
    Load("fmt ", PcmRecord(true));
    SetBoxText(Page(), 1023, "3");
    SetBoxText(Page(), 1024, "-5");
    SetBoxText(Page(), 1007, "x");
    SetBoxText(Page(), 1026, "9");

    Bytes expected = PcmRecord(true);
    Put(expected, 2, 2, 3);  // exchanged before the refused field; the rest keep their values
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kRefused});
}

TEST_F(FormatPagesTest, MpegFieldsAreExchangedInMemberOrder) {
    Load("fmt ", MpegRecord());
    SetBoxText(Page(), 1029, "1000");  // dwHeadBitRate and fwHeadFlags come before
    SetBoxText(Page(), 1032, "77");    // fwHeadLayer among the members,
    SetBoxText(Page(), 1025, "layer");
    SetBoxText(Page(), 1030, "55");  // fwHeadMode after it

    Bytes expected = MpegRecord();
    Put(expected, 20, 4, 1000);
    Put(expected, 30, 2, 77);
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kRefused});
}

TEST_F(FormatPagesTest, RefusedFieldKeepsItsValueForTheNextSave) {
    Load("fmt ", PcmRecord(true));
    SetBoxText(Page(), 1024, "8000");
    Saved();
    SetBoxText(Page(), 1024, "");
    Bytes expected = PcmRecord(true);
    Put(expected, 4, 4, 8000);
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{kRefused});
}

// Fields the data does not hold: an empty, read-only box, never refused, nothing stored.
struct ShortCase {
    const char* name;
    Bytes payload;
    std::vector<int> held;
    std::vector<int> missing;
};

class FormatShortRecordTest : public FormatPagesTest,
                              public ::testing::WithParamInterface<ShortCase> {};

TEST_P(FormatShortRecordTest, ShowsOnlyHeldFieldsAndStoresNothingOutsideTheData) {
    const ShortCase& param = GetParam();
    Load("fmt ", param.payload);
    for (int nID : param.missing) {
        EXPECT_EQ(BoxText(Page(), nID), "") << "box " << nID;
        EXPECT_TRUE(IsBoxReadOnly(Page(), nID)) << "box " << nID;
        SetBoxText(Page(), nID, "refused if it were read");
    }
    for (int nID : param.held) {
        EXPECT_NE(BoxText(Page(), nID), "") << "box " << nID;
    }
    SetBoxText(Page(), 1023, "7");

    Bytes expected = param.payload;
    Put(expected, 2, 2, 7);
    EXPECT_EQ(Saved(), AsChunk("fmt ", expected));
    EXPECT_TRUE(m_messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Records, FormatShortRecordTest,
    ::testing::Values(
        ShortCase{"Pcm16", PcmRecord(false), {1022, 1023, 1024, 1007, 1026, 1027}, {1028}},
        // The rate's first two bytes are there, but not the whole field.
        ShortCase{"Pcm6", Cut(PcmRecord(true), 6), {1022, 1023}, {1024, 1007, 1026, 1027, 1028}},
        ShortCase{"Mpeg18",
                  Cut(MpegRecord(), 18),
                  {1022, 1028},
                  {1025, 1029, 1030, 1008, 1031, 1032, 1033, 1040}},
        ShortCase{"Mpeg38", Cut(MpegRecord(), 38), {1025, 1029, 1033}, {1040}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormatPagesTest, TruncatedFileShowsOnlyTheBytesItHolds) {
    // The chunk declares 18 bytes; the file ends after 10 of them.
    CfmtChunk& chunk = Load("fmt ", Cut(PcmRecord(true), 10), 18);
    ASSERT_EQ(chunk.DataSize(), 10u);
    EXPECT_EQ(BoxText(Page(), 1024), "44100");
    EXPECT_EQ(BoxText(Page(), 1007), "");
    SetBoxText(Page(), 1023, "1");
    Page().UpdateChunk();
    EXPECT_EQ(chunk.Data()[2], 1);
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(FormatPagesTest, PageNeverCreatedStoresNothing) {
    CfmtChunk& chunk = Load("fmt ", PcmRecord(true));
    chunk.m_pcmPage.UpdateChunk();
    chunk.m_mpegPage.UpdateChunk();
    EXPECT_FALSE(chunk.m_pcmPage.Create(9999, nullptr, &chunk));  // no such template
    chunk.m_pcmPage.UpdateChunk();
    EXPECT_EQ(testfiles::WrittenChunk(chunk, m_dir), AsChunk("fmt ", PcmRecord(true)));
}

}  // namespace
