// RF64 files that ffmpeg wrote: info names the form and lists the ds64 sizes whole, and a save by
// set keeps the form in a file that ffprobe and sndfile-info read as they read the original.

#include <gtest/gtest.h>

#include <string>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"
#include "TestFiles.h"

namespace {

using clitest::HasTool;
using clitest::RunCli;
using clitest::RunTool;
using clitest::ToolOutput;

// What the tools read of a file: ffprobe's stream and sndfile-info's frame count and format.
std::string ToolsRead(const std::string& path) {
    return ToolOutput(
               "ffprobe -v error -show_entries stream=codec_name,channels,sample_rate,"
               "duration_ts -of compact " +
               path) +
           ToolOutput("sndfile-info " + path +
                      " | grep -E '^(Frames|Format|Channels|Sample Rate)'");
}

struct FfmpegCase {
    const char* name;
    const char* rf64;  // ffmpeg's -rf64 option
    const char* form;  // as info names it
    bool hasDs64;
};

class CliWideFormTest : public ::testing::TestWithParam<FfmpegCase> {
protected:
    testfiles::TempDir m_dir;
};

TEST_P(CliWideFormTest, InfoNamesTheFormAndASaveKeepsWhatTheToolsRead) {
    const FfmpegCase& c = GetParam();
    if (!HasTool("ffmpeg") || !HasTool("ffprobe") || !HasTool("sndfile-info")) {
        GTEST_SKIP() << "ffmpeg, ffprobe and sndfile-info are needed (scripts/setup)";
    }
    const std::string path = m_dir.file(std::string(c.name) + ".wav");
    ASSERT_TRUE(
        RunTool("ffmpeg -loglevel error -y -f lavfi -i sine=frequency=440:duration=0.25 "
                "-ac 2 -rf64 " +
                std::string(c.rf64) + " " + path));
    const std::string before = ToolsRead(path);

    const clitest::CliResult info = RunCli({"info", path});
    EXPECT_EQ(info.exitCode, 0) << info.err;
    EXPECT_NE(info.out.find(std::string("  form: ") + c.form + "\n"), std::string::npos)
        << info.out;
    EXPECT_NE(info.out.find(std::string(c.form) + " WAVE file."), std::string::npos);
    EXPECT_EQ(info.out.find("    dataSize: 44100\n") != std::string::npos, c.hasDs64) << info.out;

    const clitest::CliResult set = RunCli({"set", "nChannels=2", path});
    ASSERT_EQ(set.exitCode, 0) << set.err;
    EXPECT_EQ(ToolsRead(path), before);
    EXPECT_NE(RunCli({"info", path}).out.find(std::string("  form: ") + c.form + "\n"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Ffmpeg, CliWideFormTest,
                         ::testing::Values(FfmpegCase{"always", "always", "RF64", true},
                                           FfmpegCase{"auto", "auto", "RIFF", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// The JSON listing names the form and gives the ds64 sizes as whole numbers past 32 bits.
TEST(CliWideFormJsonTest, Bw64FormAndItsSizesAreListed) {
    testfiles::TempDir dir;
    const std::string path = dir.file("bw64.wav");
    const testfiles::Ds64Sizes sizes{(6ULL << 30) + 2, 6ULL << 30, 3ULL << 29, {}};
    testfiles::writeFile(path, testfiles::WideWaveFile("BW64", {{"ds64", Ds64Payload(sizes)}}));
    const QJsonObject file = clitest::InfoFiles({path}).at(0).toObject();
    EXPECT_EQ(file["form"], "BW64");
    EXPECT_TRUE(file["overview"].toString().startsWith("BW64 WAVE file."));
    const QJsonObject fields = clitest::ChunkFields(file, "ds64");
    EXPECT_EQ(fields["riffSize"].toDouble(), static_cast<double>((6ULL << 30) + 2));
    EXPECT_EQ(fields["dataSize"].toDouble(), static_cast<double>(6ULL << 30));
    EXPECT_EQ(fields["sampleCount"].toDouble(), static_cast<double>(3ULL << 29));
    EXPECT_EQ(fields["tableLength"], 0);
}

}  // namespace
