// repair --output: an existing file is replaced only with --force, anything else at the name is
// refused with the reason, and the exit status says which.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"
#include "TestFiles.h"

namespace {

using namespace clitest;
using testfiles::ChunkSpec;
using testfiles::PcmFormat;
using testfiles::WaveFile;

struct Row {
    const char* name;
    bool bExisting;
    bool bForce;
    int exitCode;
    const char* pszSaid;  // on standard error, or null
};

const Row kRows[] = {
    {"a new name", false, false, 0, nullptr},
    {"an existing file", true, false, 1, "exists; --force replaces it"},
    {"an existing file, --force", true, true, 0, nullptr},
};

class CliRepairTest : public CliFilesTest {};

}  // namespace

TEST_F(CliRepairTest, AnExistingOutputIsReplacedOnlyWithForce) {
    const Bytes damaged =
        WaveFile({{"fmt ", PcmFormat(1, 8000, 16)}, {"data", Bytes(8, 1), true, 0}});
    const Bytes old{'o', 'l', 'd'};
    for (const Row& row : kRows) {
        const std::string input = Write("in.wav", damaged);
        const std::string output = m_dir.file("out.wav");
        std::remove(output.c_str());
        if (row.bExisting) {
            Write("out.wav", old);
        }
        std::vector<std::string> args{"repair", input, "--output", output};
        if (row.bForce) {
            args.insert(args.begin() + 1, "--force");
        }
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, row.exitCode) << row.name << ": " << result.err;
        if (row.pszSaid != nullptr) {
            EXPECT_NE(result.err.find(row.pszSaid), std::string::npos) << row.name << result.err;
            EXPECT_EQ(testfiles::readFile(output), old) << row.name;
        } else {
            EXPECT_NE(testfiles::readFile(output), old) << row.name;
        }
    }
}

TEST_F(CliRepairTest, ADeviceIsRefusedAndKept) {
    const std::string input = Write(
        "in.wav", WaveFile({{"fmt ", PcmFormat(1, 8000, 16)}, {"data", Bytes(8, 1), true, 0}}));
    const CliResult result = RunCli({"repair", "--force", input, "--output", "/dev/null"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("/dev/null is a device"), std::string::npos) << result.err;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}
