// md5, loudness and check: what each prints, the exit status of a batch, and the files they
// write read back by info --json.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"

namespace {

using namespace clitest;
using testfiles::Bytes;

const Bytes kSamples = testfiles::ByteBuilder().text("abc");

Bytes PlainFile(bool withBext) {
    std::vector<testfiles::ChunkSpec> chunks{{"fmt ", testfiles::PcmFormat(1, 8000, 8)},
                                             {"data", kSamples}};
    if (withBext) {
        chunks.insert(
            chunks.begin(),
            {"bext", testfiles::BextPayload({"", "", "", "2024-05-06", "12:00:00", 0, 0, 1, ""})});
    }
    return testfiles::WaveFile(chunks);
}

class CliIntegrityTest : public clitest::CliFilesTest {};

}  // namespace

TEST_F(CliIntegrityTest, ExitStatusFollowsEachFilesOutcome) {
    const std::string plain = Write("plain.wav", PlainFile(true));
    const std::string broken = Write("broken.wav", BrokenFile());
    const std::string trailing = Write("trailing.wav", [] {
        Bytes b = PlainFile(false);
        b.resize(b.size() + 3);
        return b;
    }());
    const struct {
        const char* name;
        std::vector<std::string> args;
        int exit;
    } rows[] = {
        {"md5", {"md5", plain}, 0},
        {"md5 of a file that does not load", {"md5", plain, broken}, 1},
        {"md5 --verify without a checksum", {"md5", "--verify", plain}, 1},
        {"md5 --verify and --embed", {"md5", "--verify", "--embed", plain}, 2},
        {"md5 without a file", {"md5"}, 2},
        {"check of a sound file", {"check", plain}, 0},
        {"check of a file with an error", {"check", plain, trailing}, 1},
        {"check --write", {"check", "--write", plain}, 2},
        {"loudness --json", {"loudness", "--json", plain}, 2},
        {"loudness of a file that does not load", {"loudness", broken}, 1},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(RunCli(row.args).exitCode, row.exit) << row.name;
    }
}

TEST_F(CliIntegrityTest, Md5PrintsWhatMd5sumPrintsForThePayload) {
    const std::string path = Write("a.wav", PlainFile(false));
    const std::string payload = Write("payload", kSamples);
    const CliResult result = RunCli({"md5", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "900150983cd24fb0d6963f7d28e17f72  " + path + "\n");
    if (HasTool("md5sum")) {
        EXPECT_TRUE(
            RunTool("md5sum '" + payload + "' | grep -q ^900150983cd24fb0d6963f7d28e17f72"));
    }
}

TEST_F(CliIntegrityTest, AnEmbeddedChecksumVerifiesAndAFlippedByteIsFound) {
    const std::string path = Write("a.wav", PlainFile(false));
    ASSERT_EQ(RunCli({"md5", "--embed", path}).exitCode, 0);
    const CliResult verified = RunCli({"md5", "--verify", path});
    EXPECT_EQ(verified.exitCode, 0);
    EXPECT_EQ(verified.out, path + ": matches\n");
    Bytes bytes = testfiles::readFile(path);
    bytes[44] ^= 1;
    testfiles::writeFile(path, bytes);
    const CliResult differs = RunCli({"md5", "--verify", path});
    EXPECT_EQ(differs.exitCode, 1);
    EXPECT_EQ(differs.out, path + ": differs\n");
    const CliResult check = RunCli({"check", "--json", path});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("\"md5-mismatch\""), std::string::npos) << check.out;
}

TEST_F(CliIntegrityTest, LoudnessIsWrittenOnlyIntoABextChunk) {
    const std::string with = Write("with.wav", PlainFile(true));
    const std::string without = Write("without.wav", PlainFile(false));
    const Bytes before = testfiles::readFile(without);
    EXPECT_EQ(RunCli({"loudness", "--write", with}).exitCode, 0);
    const CliResult refused = RunCli({"loudness", "--write", without});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no bext chunk"), std::string::npos) << refused.err;
    EXPECT_EQ(testfiles::readFile(without), before);
    const Bytes written = testfiles::readFile(with);
    EXPECT_EQ(written[12 + 8 + 346], 2);  // the version raised from 1
}
