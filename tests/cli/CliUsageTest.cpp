// The command line: wrong usage ends with exit code 2 before any file is touched, and --help
// lists every field name the commands take.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"

namespace {

using namespace clitest;

struct UsageCase {
    std::vector<std::string> args;
    const char* message;
};

class CliUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, RefusedWithExitCodeTwoAndTheFileUntouched) {
    testfiles::TempDir dir;
    const std::string path = dir.file("a.wav");
    const Bytes bytes = FileWithEveryFieldPage();
    testfiles::writeFile(path, bytes);
    std::vector<std::string> args = GetParam().args;
    for (std::string& arg : args) {
        if (arg == "FILE") {
            arg = path;
        }
    }
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(testfiles::readFile(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliUsageTest,
    ::testing::Values(
        UsageCase{{}, "no command given"}, UsageCase{{"list", "FILE"}, "unknown command 'list'"},
        UsageCase{{"info"}, "no file named"},
        UsageCase{{"info", "--csv", "FILE"}, "unknown option '--csv'"},
        UsageCase{{"set", "FILE"}, "set needs at least one FIELD=VALUE"},
        UsageCase{{"set", "Originator=x"}, "no file named"},
        UsageCase{{"set", "Orignator=x", "FILE"}, "unknown field 'Orignator'"},
        UsageCase{{"set", "TimeReferenceLow=10", "FILE"}, "'TimeReferenceLow' is shown only"},
        UsageCase{{"set", "wFormatTag=3", "FILE"}, "'wFormatTag' is shown only"},
        UsageCase{{"set", "nChannels=-1", "FILE"}, "nChannels=-1: not a positive integer"},
        UsageCase{{"set", "FrameSize=12a", "FILE"}, "FrameSize=12a: not a positive integer"},
        UsageCase{{"set", "dwSampleLength=", "FILE"}, "not a positive integer"},
        UsageCase{{"export", "FILE"}, "export and import need --csv"},
        UsageCase{{"import", "--csv"}, "import takes one table"},
        UsageCase{{"import", "--csv", "a.csv", "b.csv"}, "import takes one table"}));

TEST(CliHelpTest, ListsEveryFieldNameByPage) {
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    const char* lines[] = {
        "  fmt (PCM): wFormatTag* nChannels nSamplesPerSec nAvgBytesPerSec nBlockAlign "
        "wBitsPerSample cbSize*\n",
        "  fmt (MPEG): wFormatTag* nChannels nSamplesPerSec nAvgBytesPerSec nBlockAlign "
        "wBitsPerSample cbSize* fwHeadLayer dwHeadBitRate fwHeadMode fwHeadModeExt wHeadEmphasis "
        "fwHeadFlags dwPTSLow dwPTSHigh\n",
        "  fact: dwSampleLength\n",
        "  bext: Description Originator OriginatorReference OriginationDate OriginationTime "
        "TimeReferenceLow* CodingHistory TimeReferenceHigh* Version* UMID* LoudnessValue "
        "LoudnessRange MaxTruePeakLevel MaxMomentaryLoudness MaxShortTermLoudness\n",
        "  mext: SoundInformation FrameSize AncillaryDataLength AncillaryDataDef Reserved\n",
    };
    for (const char* line : lines) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\nin\n" << result.out;
    }
}

}  // namespace
