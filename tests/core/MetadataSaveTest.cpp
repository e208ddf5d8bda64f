// The save in place: only the differing bytes are written, under a journal that a writer rolls
// back when the save was interrupted (a load only notes it); every failing call leaves the file
// old or new with no journal, never the samples touched.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <numeric>

#include "CallRecorder.h"
#include "InterruptedSaves.h"
#include "MmioFaults.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/MetadataSave.h"
#include "core/io/InterruptedSave.h"
#include "core/io/MmioSeam.h"
#include "core/io/SaveJournal.h"

namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;
using Call = MmioFaultyCalls::Call;

using savetest::EditDescription;
using savetest::ResizeList;

Bytes Take() {
    testfiles::BextFields fields;
    fields.description = "Take";
    return testfiles::BroadcastWave(fields, 40000);
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

struct FaultCase {
    const char* what;
    Bytes (*file)();
    void (*edit)(CRiffChunkModel& root);
    std::size_t nMostWritten;  // by the save in place, journal included, of a file of 40 kB
};

// The interrupted saves' take ends with a LIST chunk after the samples, which an edit may grow or
// shrink: the file then changes size.
const FaultCase kFaultCases[] = {
    {"same size", Take, [](CRiffChunkModel& root) { EditDescription(root, 1, 'X'); }, 200},
    {"grows", savetest::Take, [](CRiffChunkModel& root) { ResizeList(root, 300); }, 600},
    {"shrinks", savetest::Take, [](CRiffChunkModel& root) { ResizeList(root, 4); }, 300},
};

// What the whole-file save makes of the edit.
Bytes Rewritten(testfiles::TempDir& dir, const FaultCase& row) {
    const std::string path = dir.file("rewritten.wav");
    testfiles::writeFile(path, row.file());
    CRiffChunkModel root;
    root.Load(path);
    row.edit(root);
    EXPECT_EQ(SaveMetadata(root, {.bWholeFile = true}), "");
    return testfiles::readFile(path);
}

TEST(MetadataSaveTest, AnEditIsWrittenInPlaceAsTheWholeFileSaveWouldWriteIt) {
    for (const FaultCase& row : kFaultCases) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, row.file());
        const ino_t inode = InodeOf(path);
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        row.edit(root);
        testfiles::CallRecorder calls;
        {
            MmioSystemCallsScope scope(calls);
            ASSERT_EQ(SaveMetadata(root, {}), "");
        }
        EXPECT_EQ(InodeOf(path), inode);
        EXPECT_LE(std::accumulate(calls.writes.begin(), calls.writes.end(), std::size_t{0}),
                  row.nMostWritten);
        EXPECT_EQ(testfiles::readFile(path), Rewritten(dir, row));
        EXPECT_FALSE(fs::exists(JournalPath(path)));
    }
}

TEST(MetadataSaveTest, EveryFailingCallLeavesTheFileOldOrNewWithNoJournal) {
    int nFaults = 0;
    for (const FaultCase& row : kFaultCases) {
        testfiles::TempDir dir;
        const Bytes edited = Rewritten(dir, row);
        for (Call call : {Call::Open, Call::Read, Call::Write, Call::Seek, Call::Flush, Call::Close,
                          Call::Stat, Call::Unlink, Call::Truncate, Call::Allocate}) {
            for (int n = 1; n <= 6; ++n) {
                SCOPED_TRACE(testing::Message()
                             << row.what << ": call " << static_cast<int>(call) << " #" << n);
                const std::string path = dir.file("take.wav");
                testfiles::writeFile(path, row.file());
                CRiffChunkModel root;
                ASSERT_TRUE(root.Load(path));
                row.edit(root);
                MmioFaultyCalls faults;
                faults.failAt(call, n);
                CString strFailure;
                {
                    MmioSystemCallsScope scope(faults);
                    strFailure = SaveMetadata(root, {});
                }
                nFaults += faults.count(call) >= n ? 1 : 0;
                const Bytes after = testfiles::readFile(path);
                EXPECT_EQ(after == edited, strFailure.empty()) << strFailure;
                EXPECT_TRUE(after == row.file() || after == edited);
                EXPECT_FALSE(fs::exists(JournalPath(path)));
            }
        }
    }
    EXPECT_GT(nFaults, 40);
}

// A disk that fills while the file grows: the room is asked for before any size declares it, and
// a write that fails later cuts the file back before the old bytes go back.
TEST(MetadataSaveTest, ADiskFullWhileGrowingLeavesTheOldFileAndOneMessage) {
    const struct {
        const char* what;
        Call call;
        int n;
    } rows[] = {{"no room to reserve", Call::Allocate, 1},
                {"first write of the file", Call::Write, 2},
                {"second write of the file", Call::Write, 3},
                {"last write of the file", Call::Write, 4}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, savetest::Take());
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        ResizeList(root, 5000);
        MmioFaultyCalls faults;
        faults.failAt(row.call, row.n, ENOSPC);
        CString strFailure;
        {
            MmioSystemCallsScope scope(faults);
            strFailure = SaveMetadata(root, {});
        }
        EXPECT_EQ(testfiles::readFile(path), savetest::Take());
        EXPECT_FALSE(fs::exists(JournalPath(path)));
        EXPECT_NE(strFailure.find("No space left on device"), CString::npos) << strFailure;
        EXPECT_NE(strFailure.find("it is as it was"), CString::npos) << strFailure;
        EXPECT_EQ(strFailure.find("journal"), CString::npos) << strFailure;
    }
}

// The process ends, as if killed, at its n-th call that changes a file.
class DyingCalls : public MmioSystemCalls {
public:
    explicit DyingCalls(int n) : m_nLeft(n) {}
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        Step();
        return MmioSystemCalls::write(fd, buffer, count);
    }
    int fsync(int fd) override {
        Step();
        return MmioSystemCalls::fsync(fd);
    }
    int ftruncate(int fd, off_t length) override {
        Step();
        return MmioSystemCalls::ftruncate(fd, length);
    }
    int unlink(const char* path) override {
        Step();
        return MmioSystemCalls::unlink(path);
    }
    int fallocate(int fd, off_t offset, off_t length) override {
        Step();
        return MmioSystemCalls::fallocate(fd, offset, length);
    }

private:
    void Step() {
        if (--m_nLeft == 0) {
            ::_exit(3);
        }
    }
    int m_nLeft;
};

// A save killed at the n-th call that changes a file, in a child process. TRUE when it was.
bool SaveKilledAt(const std::string& path, const FaultCase& row, int n) {
    const pid_t child = ::fork();
    if (child == 0) {
        CRiffChunkModel root;
        root.Load(path);
        row.edit(root);
        DyingCalls calls(n);
        MmioSystemCallsScope scope(calls);
        ::_exit(SaveMetadata(root, {}).empty() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 3;
}

// After a kill, a load changes no byte and notes the pending save; a writer's recovery then
// leaves the old file or the new one, and no journal.
TEST(MetadataSaveTest, AKillAtAnyStepLeavesTheFileOldOrNewOnceAWriterRecoversIt) {
    int nRolledBack = 0;
    for (const FaultCase& row : kFaultCases) {
        testfiles::TempDir dir;
        const Bytes edited = Rewritten(dir, row);
        const std::string path = dir.file("take.wav");
        bool bKilled = true;
        for (int n = 1; bKilled; ++n) {
            SCOPED_TRACE(testing::Message() << row.what << ": killed at change #" << n);
            testfiles::writeFile(path, row.file());
            bKilled = SaveKilledAt(path, row, n);
            const Bytes interrupted = testfiles::readFile(path);
            const bool bPending = fs::exists(JournalPath(path));
            CRiffChunkModel loaded;
            loaded.Load(path);
            EXPECT_EQ(testfiles::readFile(path), interrupted);
            EXPECT_EQ(loaded.LoadNote().find("an interrupted save is pending") != CString::npos,
                      bPending)
                << loaded.LoadNote();
            const Recovery recovery = RecoverInterruptedSave(path);
            EXPECT_EQ(recovery.bDone, bPending) << recovery.strText;
            nRolledBack += recovery.state == JournalState::CutShort ? 1 : 0;
            const Bytes after = testfiles::readFile(path);
            EXPECT_TRUE(after == row.file() || after == edited);
            if (bPending) {
                EXPECT_EQ(after == edited, recovery.state == JournalState::Finished);
            }
            EXPECT_FALSE(fs::exists(JournalPath(path)));
        }
    }
    EXPECT_GT(nRolledBack, 0);
}

}  // namespace
