// What the details of each chunk kind read out of files made by the tests' writer.

#include "core/details/ChunkDetails.h"

#include <gtest/gtest.h>

#include <map>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/ChunkId.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/details/AudioFacts.h"
#include "core/details/ByteView.h"
#include "core/details/FormatDetails.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkSpec;
using testfiles::Joined;
using testfiles::TextBytes;

// The details of the first chunk with this id in a file of these chunks, as text.
class DetailsFile {
public:
    explicit DetailsFile(const std::vector<ChunkSpec>& chunks) {
        const std::string path = m_dir.file("take.wav");
        testfiles::writeFile(path, testfiles::WaveFile(chunks));
        m_bLoaded = m_root.Load(path);
    }
    const CChunk* Find(const char* pId) const {
        for (CObject* pObject : m_root) {
            if (IdText(static_cast<CChunk*>(pObject)->m_ck.ckid) == pId) {
                return static_cast<CChunk*>(pObject);
            }
        }
        return nullptr;
    }
    CString Text(const char* pId) const {
        const CChunk* pChunk = Find(pId);
        return pChunk ? DetailsText(DetailsOf(*pChunk)) : "(no chunk)";
    }
    const CRiffChunkModel& Root() const { return m_root; }
    bool Loaded() const { return m_bLoaded; }

private:
    testfiles::TempDir m_dir;
    CRiffChunkModel m_root;
    bool m_bLoaded = false;
};

Bytes Sub(const char* pId, const std::string& strBytes, std::optional<std::uint32_t> size = {}) {
    return ByteBuilder()
        .text(pId)
        .le32(size.value_or(static_cast<std::uint32_t>(strBytes.size())))
        .text(strBytes)
        .zeros(strBytes.size() % 2)
        .bytes();
}

Bytes CuePoints(std::uint32_t declared, std::initializer_list<std::pair<int, int>> points) {
    ByteBuilder builder;
    builder.le32(declared);
    for (const auto& [id, sample] : points) {
        builder.le32(id).le32(0).text("data").le32(0).le32(0).le32(sample);
    }
    return builder.bytes();
}

Bytes Extensible(std::uint16_t channels, std::uint32_t mask) {
    return ByteBuilder()
        .le16(0xFFFE)
        .le16(channels)
        .le32(48000)
        .le32(48000u * 3 * channels)
        .le16(3 * channels)
        .le16(24)
        .le16(22)
        .le16(24)
        .le32(mask)
        .le32(1)
        .le16(0)
        .le16(0x10)
        .text(std::string("\x80\x00\x00\xAA\x00\x38\x9B\x71", 8))
        .bytes();
}

std::string Ixml(const std::string& inside) {
    return "<?xml version=\"1.0\"?><BWFXML><PROJECT>Ovalis</PROJECT><SCENE>12A</SCENE>"
           "<TAKE>3</TAKE>" +
           inside + "</BWFXML>";
}

testfiles::BextFields BextWithTimeReference(std::uint32_t low, std::uint32_t high) {
    testfiles::BextFields fields;
    fields.timeReferenceLow = low;
    fields.timeReferenceHigh = high;
    return fields;
}

struct DetailsRow {
    const char* what;
    std::vector<ChunkSpec> chunks;
    const char* id;
    std::vector<const char*> shown;  // each somewhere in the details text
};

TEST(ChunkDetailsTest, EachKindShowsWhatItsBytesHold) {
    const Bytes pcm = testfiles::PcmFormat(2, 48000, 16);
    const DetailsRow rows[] = {
        {"INFO entries with names, odd sizes, UTF-8 and Latin-1",
         {{"fmt ", pcm},
          {"LIST", Joined({ByteBuilder().text("INFO").bytes(), Sub("ISFT", "Ovalis"),
                           Sub("ICRD", "2024"), Sub("INAM", std::string("Caf\xE9")),
                           Sub("ICMT", "\xC3\xA9t\xC3\xA9"), Sub("ZZZZ", "odd")})}},
         "LIST",
         {"ISFT  Software", "Ovalis", "ICRD  Creation date", "Caf\xC3\xA9", "\xC3\xA9t\xC3\xA9",
          "ZZZZ", "odd"}},
        {"an INFO entry longer than its list",
         {{"LIST", Joined({ByteBuilder().text("INFO").bytes(), Sub("INAM", "abcd", 100)})}},
         "LIST",
         {"abcd (cut: 4 of 100 bytes held)"}},
        {"an adtl label longer than its chunk, and a labelled text",
         {{"LIST", Joined({ByteBuilder().text("adtl").bytes(),
                           Sub("ltxt", std::string("\x02\x00\x00\x00\xE8\x03\x00\x00", 8) +
                                           std::string(12, '\0') + "Region"),
                           Sub("labl", std::string("\x01\x00\x00\x00", 4) + "Clap", 60)})}},
         "LIST",
         {"ltxt  2", "Region", "1000", "labl  1", "Clap (cut: 8 of 60 bytes held)"}},
        {"cue points with their labels, notes and regions",
         {{"fmt ", pcm},
          {"cue ", CuePoints(2, {{1, 48000}, {2, 96000}})},
          {"LIST", Joined({ByteBuilder().text("adtl").bytes(),
                           Sub("labl", std::string("\x01\x00\x00\x00", 4) + "Clap"),
                           Sub("note", std::string("\x01\x00\x00\x00", 4) + "loud"),
                           Sub("ltxt", std::string("\x02\x00\x00\x00\x80\xBB\x00\x00", 8) +
                                           std::string(12, '\0') + "Line")})}},
         "cue ",
         {"0:00:01.000  00:00:01:00  Clap", "loud", "Line", "48000",
          "Timecode at 25 fps, no iXML rate, from the file's start: no time reference."}},
        {"a cue list with more points than its chunk holds",
         {{"fmt ", pcm}, {"cue ", CuePoints(5, {{7, 24000}})}},
         "cue ",
         {"0:00:00.500", "declares 5 cue points but holds 1."}},
        {"an empty cue chunk", {{"cue ", {}}}, "cue ", {"holds no count of cue points"}},
        {"an iXML document with its fields, speed and tracks",
         {{"iXML", TextBytes(Ixml("<SPEED><TIMECODE_RATE>30000/1001</TIMECODE_RATE><TIMECODE_FLAG>"
                                  "DF</TIMECODE_FLAG></SPEED><TRACK_LIST><TRACK><CHANNEL_INDEX>1"
                                  "</CHANNEL_INDEX><NAME>Boom</NAME><FUNCTION>M</FUNCTION></TRACK>"
                                  "</TRACK_LIST>") +
                             std::string(3, '\0'))}},
         "iXML",
         {"PROJECT              Ovalis", "SCENE                12A", "30000/1001", "DF", "Boom  M",
          "  <PROJECT>Ovalis</PROJECT>"}},
        {"an iXML document that is not well formed",
         {{"iXML", TextBytes("<BWFXML><PROJECT>x</BWFXML>")}},
         "iXML",
         {"Not well formed: mismatched tag at line 1", "<BWFXML><PROJECT>x</BWFXML>"}},
        {"an empty iXML chunk", {{"iXML", {}}}, "iXML", {"the chunk holds no document"}},
        {"an iXML document past the size limit",
         {{"iXML", TextBytes(Ixml(std::string(16 << 20, ' ')))}},
         "iXML",
         {"Too large to check: the document is 16777311 bytes"}},
        {"a 12-channel extensible format",
         {{"fmt ", Extensible(12, 0x2D63F)}},
         "fmt ",
         {"65534", "0xFFFE extensible", "wValidBitsPerSample  24", "0x0002D63F",
          "Front Left, Front Right, Front Center, Low Frequency, Back Left, Back Right, Side "
          "Left, Side Right, Top Front Left, Top Front Right, Top Back Left, Top Back Right",
          "00000001-0000-0010-8000-00AA00389B71  PCM"}},
        {"IEEE float",
         {{"fmt ", ByteBuilder().le16(3).le16(1).le32(44100).bytes()}},
         "fmt ",
         {"IEEE float", "44100"}},
        {"a format record of 3 bytes", {{"fmt ", Bytes{7, 0, 1}}}, "fmt ", {"mu-law"}},
        {"the time reference at the format's rate",
         {{"fmt ", pcm}, {"bext", testfiles::BextPayload(BextWithTimeReference(48000u * 3600, 1))}},
         "bext",
         {"Samples   4467767296", "Time      25:51:18.485", "Timecode  01:51:18:12 (25 fps"}},
    };
    for (const DetailsRow& row : rows) {
        SCOPED_TRACE(row.what);
        const DetailsFile file(row.chunks);
        ASSERT_TRUE(file.Loaded());
        const CString strText = file.Text(row.id);
        for (const char* pShown : row.shown) {
            EXPECT_NE(strText.find(pShown), CString::npos) << pShown << "\nin\n" << strText;
        }
    }
}

TEST(ChunkDetailsTest, SpeakerNamesFollowTheMaskBits) {
    const std::tuple<DWORD, const char*, const char*> rows[] = {
        {0, "", ""},
        {0x4, "Front Center", "FC"},
        {0x3F, "Front Left, Front Right, Front Center, Low Frequency, Back Left, Back Right",
         "FL FR FC LFE BL BR"},
        {0x600, "Side Left, Side Right", "SL SR"},
        {0x2D63F, "", "FL FR FC LFE BL BR SL SR TFL TFR TBL TBR"},
        {0x80000001, "Front Left, bit 31", "FL bit 31"},
    };
    for (const auto& [mask, names, codes] : rows) {
        if (*names) {
            EXPECT_EQ(SpeakerNames(mask), names) << mask;
        }
        EXPECT_EQ(SpeakerNames(mask, SpeakerForm::Codes), codes) << mask;
    }
}

TEST(ChunkDetailsTest, AnyChunksBytesShowTheFirst64KiB) {
    const DetailsFile file({{"junk", Bytes(70000, 'A')}, {"odd!", Bytes{1, 2, 3}}});
    ASSERT_TRUE(file.Loaded());
    const CString strBig = ChunkByteView(*file.Find("junk"));
    EXPECT_NE(strBig.find("Id 'junk', data at offset 20, size 70000 bytes"), CString::npos);
    EXPECT_NE(strBig.find("4464 more bytes not shown"), CString::npos);
    EXPECT_NE(strBig.find("0000FFF0  41 41"), CString::npos);
    EXPECT_EQ(strBig.find("00010000  "), CString::npos);
    EXPECT_EQ(HexLines(file.Find("odd!")->Data(), 3),
              "00000000  01 02 03 " + std::string(13 * 3, ' ') + " ...\n");
}

TEST(ChunkDetailsTest, FileDetailsTellFormatChannelsDurationAndTimecode) {
    const DetailsFile file(
        {{"fmt ", Extensible(2, 0x3)},
         {"iXML", TextBytes(Ixml("<SPEED><TIMECODE_RATE>24</TIMECODE_RATE></SPEED>"))},
         {"data", Bytes(48000 * 6, 0)}});
    ASSERT_TRUE(file.Loaded());
    std::map<CString, CString> details;
    for (const auto& [name, value] : FileDetails(file.Root())) {
        details[name] = value;
    }
    EXPECT_EQ(details["Form"], "RIFF");
    EXPECT_EQ(details["Format"], "extensible, PCM");
    EXPECT_EQ(details["Channels"], "2 (Front Left, Front Right)");
    EXPECT_EQ(details["Sample rate"], "48000 Hz");
    EXPECT_EQ(details["Duration"], "0:00:01.000 (48000 samples)");
    EXPECT_EQ(details.count("Time reference"), 0u);
    EXPECT_EQ(AudioFactsOf(file.Root()).RateNote(), "(24 fps, from iXML)");

    const DetailsFile wide({{"fmt ", Extensible(12, 0x2D63F)}});
    ASSERT_TRUE(wide.Loaded());
    EXPECT_EQ(FileDetails(wide.Root())[2],
              std::make_pair(CString("Channels"),
                             CString("12 (FL FR FC LFE BL BR SL SR TFL TFR TBL TBR)")));
}

TEST(ChunkDetailsTest, ColumnsAlignUpToAWidthAndLongerCellsPushTheirRowOnly) {
    const DetailTable table{"T",
                            {"Field", "Value", "Meaning"},
                            {{"a", "1", "one"},
                             {"guid", "00000001-0000-0010-8000-00AA00389B71", "PCM"},
                             {"bb", "22", "two"}},
                            {}};
    EXPECT_EQ(DetailTableText(table),
              "T:\n"
              "Field  Value  Meaning\n"
              "a      1      one\n"
              "guid   00000001-0000-0010-8000-00AA00389B71  PCM\n"
              "bb     22     two\n");
}

}  // namespace
