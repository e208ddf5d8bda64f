// ovalis-cli saves that meet: two set runs on one file at once keep both edits; a user who is
// not the file's owner saves in place, and a whole-file save that would take the file over is
// refused unless --force-owner.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "RiffWriter.h"
#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;

bool Holds(const std::string& path, const std::string& text) {
    const testfiles::Bytes bytes = testfiles::readFile(path);
    return std::search(bytes.begin(), bytes.end(), text.begin(), text.end()) != bytes.end();
}

TEST(CliSaveRaceTest, TwoSetRunsOnOneFileAtOnceKeepBothEdits) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    const std::string cli = OVALIS_CLI_PATH;
    int nBoth = 0;
    for (int i = 0; i < 100; ++i) {
        testfiles::writeFile(path, testfiles::BroadcastWave(clitest::SampleFields(), 2000));
        const std::string n = std::to_string(i);
        // One in place, one written anew: both kinds of save meet. Both must exit 0.
        const std::string command = "(" + cli + " set Originator=First" + n + " " + path +
                                    " || touch " + dir.file("failed") + ") & (" + cli +
                                    " set --rewrite Description=Second" + n + " " + path +
                                    " || touch " + dir.file("failed") + ") & wait";
        ASSERT_EQ(std::system(command.c_str()), 0);
        nBoth += Holds(path, "First" + n) && Holds(path, "Second" + n) ? 1 : 0;
    }
    EXPECT_EQ(nBoth, 100);
    EXPECT_FALSE(fs::exists(dir.file("failed")));
}

constexpr const char* kAsNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

TEST(CliSaveRaceTest, ASaveByAnotherUserKeepsTheOwnerOrIsRefused) {
    if (::geteuid() != 0 || !clitest::HasTool("setpriv")) {
        GTEST_SKIP() << "needs root and setpriv to save as a user who is not the owner";
    }
    testfiles::TempDir dir;
    fs::permissions(dir.path(), fs::perms(0777));
    const std::string cli = dir.file("ovalis-cli");
    fs::copy_file(OVALIS_CLI_PATH, cli);
    fs::permissions(cli, fs::perms(0755));
    const struct {
        const char* options;
        bool bSaved;
        uid_t owner;
    } rows[] = {
        {"", true, 4242}, {"--rewrite ", false, 4242}, {"--rewrite --force-owner ", true, 65534}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.options);
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, testfiles::BroadcastWave(clitest::SampleFields(), 2000));
        ASSERT_EQ(::chown(path.c_str(), 4242, 4242), 0);
        fs::permissions(path, fs::perms(0666));
        const std::string command = kAsNobody + cli + " set " + row.options + "Originator=Guest " +
                                    path + " 2>" + dir.file("err.txt");
        EXPECT_EQ(std::system(command.c_str()) == 0, row.bSaved);
        struct stat status {};
        ::stat(path.c_str(), &status);
        EXPECT_EQ(status.st_uid, row.owner);
        EXPECT_EQ(Holds(path, "Guest"), row.bSaved);
        EXPECT_EQ(Holds(dir.file("err.txt"), "--force-owner"), !row.bSaved);
    }
}

}  // namespace
