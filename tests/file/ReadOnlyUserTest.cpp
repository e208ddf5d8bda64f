// A file the user may read but not write: it loads, a save over it says that it is read-only, and
// ovalis-cli info and export work on it. Run as a user without write access (nobody), through a
// copy of the test program and of ovalis-cli that such a user may run.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "RiffWriter.h"
#include "core/file/RiffSave.h"
#include "pages/RiffChunk.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kFileVariable = "OVALIS_READ_ONLY_FILE";
constexpr const char* kAsNobody = "setpriv --reuid=65534 --regid=65534 --clear-groups ";

std::string ReadAll(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The exit status of the command, its standard output and error in `output`.
int RunCommand(const std::string& command, const std::string& outputPath, std::string& output) {
    const int status = std::system((command + " >" + outputPath + " 2>&1").c_str());
    output = ReadAll(outputPath);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs only inside the program started by the test below, as the user without write access.
TEST(ReadOnlyUserTest, InnerLoadsTheFileAndRefusesASaveOverIt) {
    const char* pPath = std::getenv(kFileVariable);
    if (pPath == nullptr) {
        GTEST_SKIP() << "run by ReadOnlyUserTest.FileLoadsForAUserWithoutWriteAccess";
    }
    ASSERT_NE(::access(pPath, W_OK), 0) << "this user may write " << pPath;
    CRiffChunk root;
    ASSERT_TRUE(root.Load(pPath)) << root.LoadFailure();
    EXPECT_EQ(root.GetCount(), 2);
    const CString strFailure = SaveTree(root, pPath, {});
    EXPECT_NE(strFailure.find("the file is read-only"), CString::npos) << strFailure;
}

TEST(ReadOnlyUserTest, FileLoadsForAUserWithoutWriteAccess) {
    if (::geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0) {
        GTEST_SKIP() << "needs root and setpriv to run as a user without write access";
    }
    testfiles::TempDir dir;
    fs::permissions(dir.path(), fs::perms(0755));
    const std::string path = dir.file("locked.wav");
    testfiles::writeFile(path, testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(1, 8000, 8)},
                                                    {"data", testfiles::Bytes(10, 0x80)}}));
    fs::permissions(path, fs::perms(0444));
    const std::string tests = dir.file("tests");
    const std::string cli = dir.file("ovalis-cli");
    fs::copy_file("/proc/self/exe", tests);
    fs::copy_file(OVALIS_CLI_PATH, cli);
    fs::permissions(tests, fs::perms(0755));
    fs::permissions(cli, fs::perms(0755));
    const std::string output = dir.file("output.txt");
    std::string text;

    const std::string inner = std::string(kFileVariable) + "=" + path + " " + kAsNobody + tests +
                              " --gtest_filter=ReadOnlyUserTest.Inner*";
    EXPECT_EQ(RunCommand(inner, output, text), 0) << text;
    EXPECT_NE(text.find("[  PASSED  ] 1 test"), std::string::npos) << text;

    EXPECT_EQ(RunCommand(kAsNobody + cli + " info " + path, output, text), 0) << text;
    EXPECT_NE(text.find("data  id 'data'  size 10"), std::string::npos) << text;
    EXPECT_EQ(RunCommand(kAsNobody + cli + " export --csv " + path, output, text), 0) << text;
    EXPECT_NE(text.find(path), std::string::npos) << text;
    EXPECT_NE(RunCommand(kAsNobody + cli + " set nChannels=2 " + path, output, text), 0) << text;
    EXPECT_NE(text.find("read-only"), std::string::npos) << text;
}

}  // namespace
