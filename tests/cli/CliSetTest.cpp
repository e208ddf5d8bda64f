// set: values stored as the pages store what is typed and saved as the window saves, byte for
// byte the same as the edit made on the page; files it cannot edit are named and left as they
// were.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"
#include "format/ChunkOnDisk.h"

namespace {

using namespace clitest;

const std::string kLongOriginator = "An originator forty characters long ....";

class CliSetTest : public clitest::CliFilesTest {};

TEST_F(CliSetTest, InfoShowsTheValuesAsThePagesStoredThem) {
    const std::string path = Write("a.wav", FileWithEveryFieldPage());
    const CliResult result =
        RunCli({"set", "Originator=" + kLongOriginator, "Description=Take two, \"final\"",
                "nSamplesPerSec=8000", "dwSampleLength= 96000 ", "FrameSize=70000", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "");
    const QJsonObject file = InfoFiles({path}).at(0).toObject();
    EXPECT_EQ(ChunkFields(file, "bext")["Originator"].toString().toStdString(),
              kLongOriginator.substr(0, 32));
    EXPECT_EQ(ChunkFields(file, "bext")["Description"], "Take two, \"final\"");
    EXPECT_EQ(ChunkFields(file, "bext")["OriginatorReference"], "REF-0042-ORIG");
    EXPECT_EQ(ChunkFields(file, "fmt ")["nSamplesPerSec"], 8000);
    EXPECT_EQ(ChunkFields(file, "fact")["dwSampleLength"], 96000);
    EXPECT_EQ(ChunkFields(file, "mext")["FrameSize"], 4464);  // the low 16 bits of 70000
}

TEST_F(CliSetTest, SavedBytesEqualThoseOfTheSameEditOnThePages) {
    const std::string byCli = Write("cli.wav", FileWithEveryFieldPage());
    const std::string byPage = Write("page.wav", FileWithEveryFieldPage());
    const std::string history = "A=PCM,F=8000\nA=PCM,T=edited";
    const CliResult result =
        RunCli({"set", "Originator=" + kLongOriginator, "CodingHistory=" + history,
                "nSamplesPerSec=8000", "dwSampleLength=4294967296", "FrameSize=70000", byCli});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EditOnThePages(byPage, {{1011, kLongOriginator},
                            {1012, history},
                            {1024, "8000"},
                            {1004, "4294967296"},
                            {1017, "70000"}});
    const Bytes saved = testfiles::readFile(byCli);
    EXPECT_EQ(saved, testfiles::readFile(byPage));
    EXPECT_EQ(saved.size(), FileWithEveryFieldPage().size());
    EXPECT_NE(saved, FileWithEveryFieldPage());
}

TEST_F(CliSetTest, DryRunPrintsWhatWouldChangeAndWritesNothing) {
    const std::string path = Write("a.wav", FileWithEveryFieldPage());
    const CliResult result =
        RunCli({"set", "--dry-run", "Originator=" + kLongOriginator, "nChannels=70001", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path + ": bext (chunk 1) Originator: \"Originating station\" -> \"" +
                              kLongOriginator.substr(0, 32) + "\"\n" + path +
                              ": fmt  (chunk 2) nChannels: \"2\" -> \"4465\"\n" + path +
                              ": bext (chunk 1) Originator: bytes 256-287 (file 0x114-0x133)\n" +
                              path + ": fmt  (chunk 2) nChannels: bytes 2-3 (file 0x2B4-0x2B5)\n");
    EXPECT_EQ(testfiles::readFile(path), FileWithEveryFieldPage());

    const CliResult same = RunCli({"set", "--dry-run", "OriginationDate=2024-05-06", path});
    EXPECT_EQ(same.out, path + ": nothing would change\n");
}

// A save would also mend the form's size; an edit that changes no payload byte writes nothing.
TEST_F(CliSetTest, EditThatChangesNoByteLeavesTheFileAsItWas) {
    Bytes bytes = FileWithEveryFieldPage();
    bytes[4] = static_cast<BYTE>(bytes[4] + 2);
    const std::string path = Write("a.wav", bytes);
    const std::string edits[] = {"OriginationDate=2024-05-06",
                                 "OriginationDate=2024-05-06 and more", "nChannels=+2"};
    for (const std::string& edit : edits) {
        SCOPED_TRACE(edit);
        const CliResult dry = RunCli({"set", "--dry-run", edit, path});
        EXPECT_EQ(dry.out, path + ": nothing would change\n");
        const CliResult result = RunCli({"set", edit, path});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(testfiles::readFile(path), bytes);
    }
}

// The page stores a multi-line field's breaks as CR LF, so a value typed with LF breaks, or cut
// to the field's width, is the text already stored.
TEST_F(CliSetTest, DryRunComparesTextsAsThePageStoresThem) {
    const std::string path = Write("a.wav", FileWithEveryFieldPage());
    const std::string lfHistory = "A=PCM,F=48000,W=24,M=stereo,T=original\nA=PCM,F=48000,T=copy";
    const std::string longDate = "2024-05-06 and more";
    const CliResult result = RunCli({"set", "--dry-run", "CodingHistory=" + lfHistory,
                                     "OriginationDate=" + longDate, "nChannels=+2", path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, path + ": nothing would change\n");
}

struct LackingCase {
    std::vector<std::string> edits;
    const char* reason;
};

class CliSetLackingTest : public CliSetTest, public ::testing::WithParamInterface<LackingCase> {};

TEST_P(CliSetLackingTest, FileIsNamedAndLeftUntouched) {
    const Bytes bytes = testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(1, 8000, 8)},
                                             {"bext", Bytes(300, 'a')},
                                             {"data", Bytes(8, 1)}});
    const std::string path = Write("plain.wav", bytes);
    std::vector<std::string> args{"set"};
    args.insert(args.end(), GetParam().edits.begin(), GetParam().edits.end());
    args.push_back(path);
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "ovalis-cli: " + path + ": " + GetParam().reason + "; left untouched\n");
    EXPECT_EQ(testfiles::readFile(path), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliSetLackingTest,
    ::testing::Values(LackingCase{{"dwSampleLength=5"}, "no 'fact' chunk for dwSampleLength"},
                      LackingCase{{"FrameSize=5"}, "no 'mext' chunk for FrameSize"},
                      LackingCase{{"nChannels=2", "fwHeadLayer=2"},
                                  "no MPEG 'fmt ' chunk for fwHeadLayer"},
                      LackingCase{{"OriginationDate=2024-01-01"},
                                  "the bext chunk (chunk 2) is too short to hold OriginationDate"},
                      LackingCase{{"Originator=kept", "CodingHistory=x"},
                                  "the bext chunk (chunk 2) is too short to hold CodingHistory"}));

// Files are made immutable, which stops root as well; they are released again on the way out.
class CliSetBatchTest : public CliSetTest {
protected:
    bool MakeImmutable(const std::string& path) {
        if (RunTool("chattr +i '" + path + "'")) {
            m_immutable.push_back(path);
            return true;
        }
        return false;
    }
    void TearDown() override {
        for (const std::string& path : m_immutable) {
            RunTool("chattr -i '" + path + "'");
        }
    }
    std::vector<std::string> m_immutable;
};

TEST_F(CliSetBatchTest, OthersAreEditedWhenOneIsBrokenAndOneCannotBeWritten) {
    const std::string first = Write("first.wav", FileWithEveryFieldPage());
    const std::string broken = Write("broken.wav", BrokenFile());
    const std::string locked = Write("locked.wav", FileWithEveryFieldPage());
    const std::string last = Write("last.wav", FileWithEveryFieldPage());
    if (!MakeImmutable(locked)) {
        GTEST_SKIP() << "chattr +i is refused here, so no file can be made read-only to root";
    }
    const CliResult result = RunCli({"set", "Originator=Batch", first, broken, locked, last});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ovalis-cli: " + broken + ": a big-endian RIFX file"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("ovalis-cli: " + locked + ": not saved: "), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("the file is read-only (Operation not permitted)"), std::string::npos)
        << result.err;
    EXPECT_EQ(testfiles::readFile(broken), BrokenFile());
    EXPECT_EQ(testfiles::readFile(locked), FileWithEveryFieldPage());
    for (const std::string& path : {first, last}) {
        EXPECT_EQ(ChunkFields(InfoFiles({path}).at(0).toObject(), "bext")["Originator"], "Batch");
    }
}

// With its folder immutable the save cannot write the new file beside the old one, and the old
// one stays whole.
TEST_F(CliSetBatchTest, NothingIsReplacedWhenTheNewFileCannotBeWritten) {
    const std::string folder = m_dir.file("locked");
    ASSERT_TRUE(RunTool("mkdir '" + folder + "'"));
    const std::string path = folder + "/take.wav";
    testfiles::writeFile(path, FileWithEveryFieldPage());
    if (!MakeImmutable(folder)) {
        GTEST_SKIP() << "chattr +i is refused here, so no folder can be made read-only to root";
    }
    const CliResult result = RunCli({"set", "Originator=Never", path});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("ovalis-cli: " + path + ": not saved: "), std::string::npos)
        << result.err;
    EXPECT_EQ(testfiles::readFile(path), FileWithEveryFieldPage());
}

}  // namespace
