// ovalis-cli and a save left half done: commands that only read change no byte and say how to
// finish it; recover and the commands that write finish it, once; a journal that is not the
// file's is never applied.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CliRunner.h"
#include "InterruptedSaves.h"
#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;
using clitest::CliResult;
using clitest::RunCli;
using savetest::PendingSave;
using testfiles::Bytes;

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

struct Reading {
    const char* what;
    std::vector<std::string> args;  // the file's path follows
};

const Reading kReadings[] = {
    {"info", {"info"}},
    {"info --json", {"info", "--json"}},
    {"export", {"export", "--csv"}},
    {"md5", {"md5"}},
    {"md5 --verify", {"md5", "--verify"}},
    {"levels", {"levels"}},
    {"markers", {"markers"}},
    {"set --dry-run", {"set", "--dry-run", "Description=X"}},
};

TEST(CliRecoverTest, ACommandThatOnlyReadsSaysASaveIsPendingAndChangesNoByte) {
    for (const Reading& row : kReadings) {
        SCOPED_TRACE(row.what);
        const PendingSave save;
        const Bytes journal = testfiles::readFile(save.journal);
        std::vector<std::string> args = row.args;
        args.push_back(save.path);
        const CliResult result = RunCli(args);
        EXPECT_EQ(testfiles::readFile(save.path), save.file);
        EXPECT_EQ(testfiles::readFile(save.journal), journal);
        EXPECT_NE(result.err.find("an interrupted save is pending in " + save.journal +
                                  "; `ovalis-cli recover " + save.path + "` finishes it"),
                  std::string::npos)
            << result.err;
    }
}

TEST(CliRecoverTest, CheckReportsThePendingSaveAsAFinding) {
    const PendingSave save;
    const CliResult result = RunCli({"check", save.path});
    EXPECT_EQ(testfiles::readFile(save.path), save.file);
    EXPECT_TRUE(fs::exists(save.journal));
    EXPECT_NE(result.out.find("journal-pending"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("an interrupted save is pending in " + save.journal),
              std::string::npos)
        << result.out;
    EXPECT_NE(result.exitCode, 0);
}

TEST(CliRecoverTest, RecoverRollsBackASaveCutShortAndThenFindsNothing) {
    const PendingSave save;
    const CliResult result = RunCli({"recover", save.path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("was rolled back"), std::string::npos) << result.out;
    EXPECT_EQ(testfiles::readFile(save.path), savetest::Take());
    EXPECT_FALSE(fs::exists(save.journal));
    const CliResult again = RunCli({"recover", save.path});
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_NE(again.out.find("no interrupted save is pending"), std::string::npos) << again.out;
}

// set retries a save when another program changed the file meanwhile: the rollback it makes
// first is its own change, made and said once.
TEST(CliRecoverTest, SetRollsBackOnceAndSaysSoOnce) {
    const PendingSave save;
    const CliResult result = RunCli({"set", "Description=Edited", save.path});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(Count(result.err, "rolled back"), 1u) << result.err;
    EXPECT_FALSE(fs::exists(save.journal));
    const CliResult info = RunCli({"info", save.path});
    EXPECT_NE(info.out.find("Edited"), std::string::npos);
}

// A journal that a move made stale: set and recover leave both alone, say why once, and fail.
TEST(CliRecoverTest, AJournalOfAnotherFileIsReportedOnceAndNeverApplied) {
    for (const char* command : {"set", "recover"}) {
        SCOPED_TRACE(command);
        const PendingSave save;
        testfiles::writeFile(save.dir.file("moved.wav"), save.file);
        fs::rename(save.dir.file("moved.wav"), save.path);
        const CliResult result = std::string(command) == "set"
                                     ? RunCli({"set", "Description=Edited", save.path})
                                     : RunCli({"recover", save.path});
        EXPECT_NE(result.exitCode, 0);
        EXPECT_EQ(Count(result.err, "names another file"), 1u) << result.err;
        EXPECT_EQ(testfiles::readFile(save.path), save.file);
        EXPECT_TRUE(fs::exists(save.journal));
    }
}

}  // namespace
