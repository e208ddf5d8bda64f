// set on a file whose load meets a failed system call: the file is named with the failed call,
// the exit status is 1 and not one byte of the file changes. Run in this process, as main runs
// a command, so that the calls can be made to fail.

#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "CliTestFiles.h"
#include "MmioFaults.h"
#include "TestFiles.h"
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "core/chunks/RiffChunkModel.h"

namespace {

using Call = MmioFaultyCalls::Call;

struct Row {
    Call call;
    const char* pszNamed;
};

const Row kRows[] = {
    {Call::Read, "read of "},
    {Call::Seek, "lseek to offset "},
    {Call::Stat, "fstat of the open file failed"},
};

int RunInProcess(const std::vector<CString>& args) {
    const auto parsed = ParseCommandLine(args);
    const Invocation& invocation = std::get<Invocation>(parsed);
    return invocation.pCommand->run(invocation);
}

int CallsOfLoad(const std::string& path, Call call) {
    MmioFaultyCalls counted;
    MmioSystemCallsScope scope(counted);
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(path));
    return counted.count(call);
}

class CliLoadFaultTest : public clitest::CliFilesTest {};

}  // namespace

TEST_F(CliLoadFaultTest, SetExitsOneAndChangesNoByteWhenItsLoadFails) {
    const testfiles::Bytes bytes = clitest::FileWithEveryFieldPage();
    const std::string path = Write("take.wav", bytes);
    for (const Row& row : kRows) {
        const int nCalls = CallsOfLoad(path, row.call);
        for (int n = 1; n <= nCalls; ++n) {
            MmioFaultyCalls faulty;
            faulty.failAt(row.call, n);
            testing::internal::CaptureStderr();
            int nExit = -1;
            {
                MmioSystemCallsScope scope(faulty);
                nExit = RunInProcess({"set", "Description=X", path});
            }
            const std::string err = testing::internal::GetCapturedStderr();
            EXPECT_EQ(nExit, 1) << row.pszNamed << n;
            EXPECT_NE(err.find(row.pszNamed), std::string::npos) << n << ": " << err;
            EXPECT_EQ(testfiles::readFile(path), bytes) << row.pszNamed << n;
        }
    }
}
