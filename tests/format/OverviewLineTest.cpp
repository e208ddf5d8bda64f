// The overview text of loaded files once their pages exist: one audio line per PCM format chunk,
// in file order, and none for other formats.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ChunkOnDisk.h"
#include "app/OverviewOfLoad.h"
#include "pages/ChunkPage.h"
#include "pages/Overview.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::PcmFormat;
using testfiles::WaveFile;

constexpr const char* kHeading = "RIFF WAVE file.\r\n\r\n";

class OverviewLineTest : public ::testing::Test {
protected:
    // Loads the file and creates the page of every top-level chunk in file order, as the main
    // window does when it builds its tabs; returns the overview text then.
    std::string OverviewOf(const std::string& path) {
        CRiffChunk root;
        EXPECT_TRUE(root.Load(path));
        SetOverviewOfLoad(root);
        for (int i = 0; i < root.GetCount(); ++i) {
            CreatePageOf(root.GetChild(i), nullptr);
        }
        return g_strOverview;
    }
    std::string OverviewOf(const Bytes& file) {
        testfiles::writeFile(m_dir.file("test.wav"), file);
        return OverviewOf(m_dir.file("test.wav"));
    }

    testfiles::TempDir m_dir;
    testfiles::MessageRecorder m_messages;
};

TEST_F(OverviewLineTest, FileMadeBySoxShowsItsRateSizeAndChannels) {
    if (std::system("command -v sox >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "sox is not installed: it makes the file of this test";
    }
    const std::string path = m_dir.file("sine.wav");
    const std::string command =
        "sox -n -r 44100 -b 16 -c 2 '" + path + "' synth 0.1 sine 440 >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(
        OverviewOf(path),
        std::string(kHeading) + "44100 samples per second, 16 bits per sample and Stereo.\r\n\r\n");
}

TEST_F(OverviewLineTest, TwoPcmFormatChunksGiveTwoLinesInFileOrder) {
    const Bytes file = WaveFile({{"fmt ", PcmFormat(1, 8000, 8)},
                                 {"fact", ByteBuilder().le32(4)},
                                 {"fmt ", PcmFormat(2, 22050, 24, true)},
                                 {"data", Bytes(4)}});
    EXPECT_EQ(OverviewOf(file),
              std::string(kHeading) +
                  "8000 samples per second, 8 bits per sample and Mono.\r\n\r\n" +
                  "22050 samples per second, 24 bits per sample and Stereo.\r\n\r\n");
}

TEST_F(OverviewLineTest, MpegAndUnsupportedFormatsGiveNoLine) {
    Bytes mpeg = PcmFormat(2, 48000, 16, true);
    mpeg.resize(40);
    mpeg[0] = 0x50;
    Bytes extensible = PcmFormat(2, 48000, 16, true);
    extensible[0] = 0xFE;
    extensible[1] = 0xFF;
    EXPECT_EQ(OverviewOf(WaveFile({{"fmt ", mpeg}, {"data", Bytes(4)}})), kHeading);
    EXPECT_EQ(OverviewOf(WaveFile({{"fmt ", extensible}, {"data", Bytes(4)}})), kHeading);
}

}  // namespace
