// The command line: wrong usage ends with exit code 2 before any file is touched, and --help
// lists every field name the commands take.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"
#include "cli/CommandTable.h"

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
        UsageCase{{"export", "FILE"}, "export needs one of --csv or --json"},
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

std::string ReplacedAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at; (at = text.find(from)) != std::string::npos;) {
        text.replace(at, from.size(), to);
    }
    return text;
}

// The help's lines as one: a line that goes on is indented by four.
std::string Unwrapped(const std::string& text) {
    return ReplacedAll(text, "\n    ", " ");
}

TEST(CliHelpTest, ListsEveryDetailByChunk) {
    const std::string help = Unwrapped(RunCli({"--help"}).out);
    const char* lines[] = {
        "  fmt \"Format\": Field, Value, Meaning; rows: wFormatTag, nChannels, nSamplesPerSec, "
        "nAvgBytesPerSec, nBlockAlign, wBitsPerSample, cbSize, wValidBitsPerSample, "
        "dwChannelMask, SubFormat\n",
        "  bext \"Time reference\": As, Value; rows: Samples, Seconds, Time, Timecode\n",
        "  iXML \"iXML fields\": Field, Value; rows: PROJECT, SCENE, TAKE, TAPE, CIRCLED, NOTE, "
        "SPEED/TIMECODE_RATE, SPEED/TIMECODE_FLAG, FILE_UID\n",
        "  iXML \"iXML tracks\": Channel, Interleave, Name, Function\n",
        "  iXML \"iXML document\": a document, as \"text\"\n",
        "  LIST INFO \"INFO entries\": Id, Field, Text\n",
        "  LIST adtl \"Associated data\": Kind, Cue point id, Text, Length, Purpose, Country, "
        "Language, Dialect, Code page\n",
        "  cue \"Markers\": Id, Samples, Time, Timecode, Label, Note, Length, End, End timecode, "
        "Duration, dwPosition\n",
        "  smpl \"Sampler values\": Field, Value, Meaning; rows: Manufacturer, Product, "
        "SamplePeriod, MIDIUnityNote, MIDIPitchFraction, SMPTEFormat, SMPTEOffset, SampleLoops, "
        "SamplerData\n",
        "  File details: Form, Format, Channels, Sample rate, Bits, Duration, Time reference\n",
    };
    for (const char* line : lines) {
        EXPECT_NE(help.find(line), std::string::npos) << line << "\nin\n" << help;
    }
    for (const char* item :
         {"ISFT Software,", "ICRD Creation date,", "0x0001 PCM,", "0x0003 IEEE float,",
          "0xFFFE extensible\n", "Low Frequency,", "Top Back Right\n"}) {
        EXPECT_NE(help.find(item), std::string::npos) << item;
    }
}

std::string ManualPageSource() {
    std::ifstream in(OVALIS_MAN_PAGE);
    return ReplacedAll(std::string(std::istreambuf_iterator<char>(in), {}), "\\-", "-");
}

// Each row of the command table in the manual page: in the synopsis, as an item of the
// commands, and with every option it takes.
TEST(CliHelpTest, ManualPageListsEveryCommandOfTheTable) {
    const std::string page = ManualPageSource();
    const std::size_t nCommands = page.find(".SH COMMANDS");
    const std::string commands = page.substr(nCommands, page.find(".SH FIELDS") - nCommands);
    for (const CommandRow& row : CommandRows()) {
        const std::string name = row.name;
        EXPECT_NE(page.find("\n.B ovalis-cli " + name), std::string::npos) << name;
        EXPECT_NE(commands.find(".TP\n.B " + name), std::string::npos) << name;
        for (const OptionRow& option : row.options) {
            EXPECT_NE(page.find(option.name), std::string::npos) << name << " " << option.name;
        }
    }
}

class CliHelpWordTest : public ::testing::TestWithParam<std::vector<std::string>> {};

TEST_P(CliHelpWordTest, PrintsTheUsage) {
    const CliResult result = RunCli(GetParam());
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out.rfind("Usage:\n  ovalis-cli info [--json|--jsonl] FILE...\n", 0), 0u)
        << result.out;
}

INSTANTIATE_TEST_SUITE_P(Cli, CliHelpWordTest,
                         ::testing::Values(std::vector<std::string>{"--help"},
                                           std::vector<std::string>{"help"},
                                           std::vector<std::string>{"-h"},
                                           std::vector<std::string>{"md5", "--help", "x.wav"},
                                           std::vector<std::string>{"set", "-h"}));

// Each name of the help's details, in the manual page's text as well.
TEST(CliHelpTest, ManualPageNamesEveryDetailTheHelpNames) {
    const std::string source = ManualPageSource();
    ASSERT_FALSE(source.empty());
    const std::string page = ReplacedAll(ReplacedAll(source, "\\(dq", "\""), "\n", " ");
    const std::string help = Unwrapped(RunCli({"--help"}).out);
    std::istringstream lines(help.substr(help.find("\nDetails, by chunk") + 1));
    std::string line;
    std::getline(lines, line);
    int nNames = 0;
    while (std::getline(lines, line) && line.rfind("  ", 0) == 0) {
        const std::size_t colon = line.find(": ");
        const std::string names =
            ReplacedAll(ReplacedAll(line.substr(2, colon - 2) + ", " + line.substr(colon + 2),
                                    "; rows: ", ", "),
                        "; ", ", ");
        for (std::size_t start = 0, end; start < names.size(); start = end + 2, ++nNames) {
            end = std::min(names.find(", ", start), names.size());
            const std::string name = names.substr(start, end - start);
            EXPECT_NE(page.find(name), std::string::npos) << name << " of " << line;
        }
    }
    EXPECT_GT(nNames, 100);
}

}  // namespace
