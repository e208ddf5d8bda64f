// -j N: files worked on together give the output, failures and exit of files one at a time, in
// the order they were named, whichever is done first.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "cli/CliRunner.h"

using namespace clitest;
using namespace testfiles;

namespace {

// 16-bit stereo at 48 kHz; the longest first, so that the files after it are done before it.
std::vector<std::string> FilesOfLengths(const TempDir& dir) {
    std::vector<std::string> paths;
    const int seconds[] = {6, 1, 2, 1, 3};
    for (int i = 0; i < 5; ++i) {
        Bytes samples;
        for (int f = 0; f < 48000 * seconds[i]; ++f) {
            const auto value = static_cast<std::uint16_t>((f * (i + 3)) % 20000 - 10000);
            appendLe16(samples, value);
            appendLe16(samples, static_cast<std::uint16_t>(-value));
        }
        paths.push_back(dir.file("take" + std::to_string(i) + ".wav"));
        writeFile(paths.back(), WaveFile({{"fmt ", PcmFormat(2, 48000, 16)}, {"data", samples}}));
    }
    paths.insert(paths.begin() + 2, dir.file("broken.wav"));
    writeFile(paths[2], ByteBuilder().text("RIFX").le32(4).text("WAVE"));
    return paths;
}

}  // namespace

TEST(CliJobsTest, ManyJobsGiveWhatOneGivesInFileOrder) {
    const TempDir dir;
    const std::vector<std::string> files = FilesOfLengths(dir);
    const std::vector<std::vector<std::string>> commands = {
        {"md5"},
        {"loudness"},
        {"levels", "--md5", "--loudness"},
        {"levels", "--json"},
        {"levels", "--jsonl"},
        {"check", "--levels"},
        {"check", "--json", "--levels"},
    };
    for (const auto& command : commands) {
        std::vector<std::string> one = command, many = command;
        one.insert(one.end(), {"-j", "1"});
        many.insert(many.end(), {"-j", "4"});
        one.insert(one.end(), files.begin(), files.end());
        many.insert(many.end(), files.begin(), files.end());
        const CliResult alone = RunCli(one);
        const CliResult together = RunCli(many);
        EXPECT_EQ(together.out, alone.out) << command[0];
        EXPECT_EQ(together.err, alone.err) << command[0];
        EXPECT_EQ(together.exitCode, alone.exitCode) << command[0];
        EXPECT_NE(alone.err.find("broken.wav"), std::string::npos) << command[0];
    }
}

TEST(CliJobsTest, ACountThatIsNotAWholeNumberFromOneIsRefused) {
    const TempDir dir;
    const std::vector<std::string> files = FilesOfLengths(dir);
    for (const char* count : {"0", "x", "-2", "1000", ""}) {
        const CliResult result = RunCli({"md5", "-j", count, files[0]});
        EXPECT_NE(result.exitCode, 0) << count;
        EXPECT_EQ(result.out, "") << count;
        EXPECT_NE(result.err.find("-j takes"), std::string::npos) << count << result.err;
    }
}
