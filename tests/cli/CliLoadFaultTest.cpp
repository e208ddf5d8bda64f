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

namespace {

int RunInProcess(const std::vector<CString>& args) {
    const auto parsed = ParseCommandLine(args);
    const Invocation& invocation = std::get<Invocation>(parsed);
    return invocation.pCommand->run(invocation);
}

class CliLoadFaultTest : public clitest::CliFilesTest {};

}  // namespace

TEST_F(CliLoadFaultTest, SetExitsOneAndChangesNoByteWhenItsLoadFails) {
    const testfiles::Bytes bytes = clitest::FileWithEveryFieldPage();
    const std::string path = Write("take.wav", bytes);
    for (const LoadFault& fault : EachLoadFault(path)) {
        SCOPED_TRACE(testing::Message() << fault.pszNamed << "#" << fault.n);
        MmioFaultyCalls faulty;
        faulty.failAt(fault.call, fault.n);
        testing::internal::CaptureStderr();
        int nExit = -1;
        {
            MmioSystemCallsScope scope(faulty);
            nExit = RunInProcess({"set", "Description=X", path});
        }
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(nExit, 1);
        EXPECT_NE(err.find(fault.pszNamed), std::string::npos) << err;
        EXPECT_EQ(testfiles::readFile(path), bytes);
    }
}
