// Broadcast Wave files loaded whole: the Broadcast Wave mark, the overview text as the pages
// build it in file order, and files that ffmpeg writes.

#include <gtest/gtest.h>

#include <cstdlib>

#include "BwfTestHelpers.h"
#include "app/OverviewOfLoad.h"
#include "bwf/BEXTChunk.h"
#include "bwf/MEXTChunk.h"
#include "core/fields/AudioSummary.h"
#include "pages/Overview.h"
#include "pages/RiffChunk.h"

namespace {

using bwftest::BoxText;
using bwftest::Bytes;
using testfiles::ChunkSpec;

// Loads the file and creates every top-level chunk's page in file order, as the main window
// does when it builds its tabs.
class LoadedFile {
public:
    explicit LoadedFile(const std::string& path) : m_bLoaded(m_root.Load(path)) {
        SetOverviewOfLoad(m_root);
        for (CObject* pChild : m_root) {
            CreatePageOf(static_cast<CChunk*>(pChild), nullptr);
        }
    }
    LoadedFile(const testfiles::TempDir& dir, const Bytes& file) : LoadedFile(Written(dir, file)) {}

    bool Loaded() const { return m_bLoaded; }
    CChunk& Child(int nIndex) { return *m_root.GetChild(nIndex); }
    int Count() const { return m_root.GetCount(); }

private:
    static std::string Written(const testfiles::TempDir& dir, const Bytes& file) {
        testfiles::writeFile(dir.file("file.wav"), file);
        return dir.file("file.wav");
    }

    CRiffChunk m_root;
    bool m_bLoaded;
};

testfiles::BextFields Described(const std::string& description, const std::string& history) {
    testfiles::BextFields fields;
    fields.description = description;
    fields.codingHistory = history;
    return fields;
}

Bytes Samples() {
    return Bytes(16, 0x11);
}

TEST(BwfFileTest, OverviewKeepsTheAudioLineOnlyWhenBextComesFirst) {
    const Bytes fmt = testfiles::PcmFormat(2, 44100, 16);
    const Bytes bext = testfiles::BextPayload(Described("Take one", "A=PCM,F=44100\r\n"));
    const CString bwfPart =
        "Broadcast Wave Format file:\r\n\r\nDescription:\r\nTake one\r\n\r\n"
        "Coding History:\r\nA=PCM,F=44100\r\n\r\n";
    testfiles::TempDir dir;
    {
        LoadedFile file(dir,
                        testfiles::WaveFile({{"bext", bext}, {"fmt ", fmt}, {"data", Samples()}}));
        ASSERT_TRUE(file.Loaded());
        EXPECT_EQ(g_strOverview, bwfPart + AudioSummaryLine(44100, 16, 2));
    }
    {
        LoadedFile file(dir,
                        testfiles::WaveFile({{"fmt ", fmt}, {"bext", bext}, {"data", Samples()}}));
        ASSERT_TRUE(file.Loaded());
        EXPECT_EQ(g_strOverview, bwfPart);
    }
}

TEST(BwfFileTest, BroadcastWaveMarkIsSetByABextAndClearedByTheNextPlainLoad) {
    testfiles::TempDir dir;
    {
        LoadedFile file(dir, testfiles::BroadcastWave(Described("Marked", "")));
        ASSERT_TRUE(file.Loaded());
        EXPECT_TRUE(g_bHasBext);
    }
    LoadedFile plain(dir, testfiles::WaveFile(
                              {{"fmt ", testfiles::PcmFormat(1, 8000, 8)}, {"data", Samples()}}));
    ASSERT_TRUE(plain.Loaded());
    EXPECT_FALSE(g_bHasBext);
}

TEST(BwfFileTest, EachBextAndMextOfAFileGetsItsOwnChunkAndPage) {
    const Bytes mext = testfiles::ByteBuilder().le16(1).le16(2).le16(3).le16(4).le32(5);
    testfiles::TempDir dir;
    LoadedFile file(
        dir, testfiles::WaveFile({{"bext", testfiles::BextPayload(Described("First", "A=1"))},
                                  {"fmt ", testfiles::PcmFormat(1, 8000, 8)},
                                  {"BEXT", testfiles::BextPayload(Described("Second", "A=2"))},
                                  {"mext", mext},
                                  {"data", Samples()}}));
    ASSERT_TRUE(file.Loaded());
    ASSERT_EQ(file.Count(), 5);
    auto* pFirst = dynamic_cast<CBEXTChunk*>(&file.Child(0));
    auto* pSecond = dynamic_cast<CBEXTChunk*>(&file.Child(2));
    auto* pMext = dynamic_cast<CMEXTChunk*>(&file.Child(3));
    ASSERT_TRUE(pFirst && pSecond && pMext);
    EXPECT_EQ(pSecond->m_strName, "bext");
    EXPECT_EQ(BoxText(pFirst->m_page, 1009), "First");
    EXPECT_EQ(BoxText(pSecond->m_page, 1009), "Second");
    EXPECT_EQ(BoxText(pMext->m_page, 1007), "5");
    EXPECT_EQ(g_strOverview,
              "Broadcast Wave Format file:\r\n\r\nDescription:\r\nSecond\r\n\r\n"
              "Coding History:\r\nA=2\r\n\r\n");
}

// A file that ffmpeg writes with its broadcast extension, or empty when ffmpeg cannot.
std::string FfmpegBroadcastWave(const testfiles::TempDir& dir) {
    const std::string path = dir.file("ffmpeg.wav");
    const std::string command =
        "ffmpeg -nostdin -hide_banner -loglevel error -y -f lavfi -i sine=d=0.1 -write_bext 1"
        " -metadata description='Sine from ffmpeg'"
        " -metadata originator='Ovalis tests'"
        " -metadata originator_reference='REF-0042'"
        " -metadata origination_date=2024-05-06"
        " -metadata origination_time=07:08:09"
        " -metadata time_reference=4096"
        " -metadata coding_history='A=PCM,F=44100,W=16,M=mono' '" +
        path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0 ? path : std::string();
}

TEST(BwfFileTest, FileWrittenByFfmpegShowsItsBroadcastFields) {
    testfiles::TempDir dir;
    const std::string path = FfmpegBroadcastWave(dir);
    if (path.empty()) {
        GTEST_SKIP() << "ffmpeg is not installed or cannot write a broadcast wave file";
    }
    LoadedFile file(path);
    ASSERT_TRUE(file.Loaded());
    CBEXTChunk* pBext = nullptr;
    for (int i = 0; i < file.Count() && !pBext; ++i) {
        pBext = dynamic_cast<CBEXTChunk*>(&file.Child(i));
    }
    ASSERT_NE(pBext, nullptr);
    const std::pair<int, CString> expected[] = {
        {1009, "Sine from ffmpeg"},
        {1011, "Ovalis tests"},
        {1010, "REF-0042"},
        {1013, "2024-05-06"},
        {1014, "07:08:09"},
        {1015, "1000"},
        {1008, "0"},
        {1016, "1"},
        {1012, "A=PCM,F=44100,W=16,M=mono"},
    };
    for (const auto& [nID, text] : expected) {
        EXPECT_EQ(BoxText(pBext->m_page, nID), text) << "box " << nID;
    }
    EXPECT_TRUE(g_bHasBext);
    const Bytes before = bwftest::Payload(*pBext);
    pBext->m_page.UpdateChunk();
    EXPECT_EQ(bwftest::Payload(*pBext), before);
}

}  // namespace
