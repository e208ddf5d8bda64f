// The save in place: only the differing bytes are written, under a journal that the next opening
// of the file rolls back when the save was interrupted; every failing call leaves the file old or
// new, never the samples touched.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "MmioFaults.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/MetadataSave.h"
#include "core/io/MmioSeam.h"
#include "core/io/SaveJournal.h"

namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;
using Call = MmioFaultyCalls::Call;

testfiles::BextFields TakeFields() {
    testfiles::BextFields fields;
    fields.description = "Take";
    return fields;
}

Bytes Take() {
    return testfiles::BroadcastWave(TakeFields(), 40000);
}

// The bext chunk's description starts its payload.
void EditDescription(CRiffChunkModel& root, char c) {
    for (CObject* pObject : root) {
        auto* pChunk = static_cast<CChunk*>(pObject);
        if (pChunk->m_ck.ckid == mmioStringToFOURCC("bext", 0)) {
            pChunk->Data()[1] = static_cast<BYTE>(c);
        }
    }
}

// What the whole-file save makes of the same edit.
Bytes RewrittenTake(testfiles::TempDir& dir) {
    const std::string path = dir.file("rewritten.wav");
    testfiles::writeFile(path, Take());
    CRiffChunkModel root;
    root.Load(path);
    EditDescription(root, 'X');
    EXPECT_EQ(SaveMetadata(root, {.bWholeFile = true}), "");
    return testfiles::readFile(path);
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

TEST(MetadataSaveTest, AnEditThatKeepsEverySizeIsWrittenInPlaceAsTheWholeFileSaveWouldWriteIt) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, Take());
    const ino_t inode = InodeOf(path);
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    EditDescription(root, 'X');
    mmioResetCounters();
    ASSERT_EQ(SaveMetadata(root, {}), "");
    EXPECT_EQ(InodeOf(path), inode);
    EXPECT_LT(mmioCounters().bytesWritten, 200);
    EXPECT_EQ(testfiles::readFile(path), RewrittenTake(dir));
    EXPECT_FALSE(fs::exists(JournalPath(path)));
}

TEST(MetadataSaveTest, OpeningAFileRollsBackTheJournalOfAnInterruptedSave) {
    const struct {
        const char* what;
        std::size_t nJournalKept;  // bytes of the journal left by the crash; 0: all of it
        bool bRolledBack;
    } rows[] = {{"complete journal", 0, true}, {"journal cut short", 20, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        const Bytes old = Take();
        testfiles::writeFile(path, old);
        {
            HMMIO hmmio = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE);
            ASSERT_EQ(
                WriteJournal(path, hmmio, {{500, CString(old.begin() + 500, old.begin() + 504)}}),
                "");
            mmioClose(hmmio, 0);
        }
        if (row.nJournalKept > 0) {
            fs::resize_file(JournalPath(path), row.nJournalKept);
        } else {
            Bytes interrupted = old;
            interrupted[501] ^= 0x55;
            testfiles::writeFile(path, interrupted);
        }
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        EXPECT_EQ(testfiles::readFile(path), old);
        EXPECT_FALSE(fs::exists(JournalPath(path)));
        EXPECT_NE(root.LoadNote().find(row.bRolledBack ? "was rolled back" : "had not changed it"),
                  CString::npos)
            << root.LoadNote();
    }
}

// A LIST chunk after the samples, which an edit may grow or shrink: the file then changes size.
Bytes TakeWithList() {
    return testfiles::WaveFile({{"bext", testfiles::BextPayload(TakeFields())},
                                {"fmt ", testfiles::PcmFormat(1, 48000, 16)},
                                {"data", Bytes(40000, 3)},
                                {"LIST", Bytes{'I', 'N', 'F', 'O', 'I', 'C', 'M', 'T', 6, 0, 0, 0,
                                               'a', 'b', 'c', 'd', 'e', 0}}});
}

void ResizeList(CRiffChunkModel& root, std::size_t nSize) {
    CChunk* pList = root.FirstChunk(mmioStringToFOURCC("LIST", 0));
    CString strPayload(reinterpret_cast<const char*>(pList->Data()), pList->DataSize());
    strPayload.resize(nSize, 'x');
    pList->SetData(reinterpret_cast<const BYTE*>(strPayload.data()), nSize);
}

struct FaultCase {
    const char* what;
    Bytes (*file)();
    void (*edit)(CRiffChunkModel& root);
};

const FaultCase kFaultCases[] = {
    {"same size", Take, [](CRiffChunkModel& root) { EditDescription(root, 'X'); }},
    {"grows", TakeWithList, [](CRiffChunkModel& root) { ResizeList(root, 300); }},
    {"shrinks", TakeWithList, [](CRiffChunkModel& root) { ResizeList(root, 4); }},
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

TEST(MetadataSaveTest, AFileThatEndsWithChunksGrowsAndShrinksInPlace) {
    for (const FaultCase& row : kFaultCases) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, row.file());
        const ino_t inode = InodeOf(path);
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        row.edit(root);
        ASSERT_EQ(SaveMetadata(root, {}), "");
        EXPECT_EQ(InodeOf(path), inode);
        EXPECT_EQ(testfiles::readFile(path), Rewritten(dir, row));
    }
}

TEST(MetadataSaveTest, EveryFailingCallLeavesTheFileOldOrNewOnceOpenedAgain) {
    int nFaults = 0;
    for (const FaultCase& row : kFaultCases) {
        testfiles::TempDir dir;
        const Bytes edited = Rewritten(dir, row);
        for (Call call : {Call::Open, Call::Read, Call::Write, Call::Seek, Call::Flush, Call::Close,
                          Call::Stat, Call::Unlink, Call::Truncate}) {
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
                {
                    MmioSystemCallsScope scope(faults);
                    SaveMetadata(root, {});
                }
                nFaults += faults.count(call) >= n ? 1 : 0;
                CRiffChunkModel reopened;
                ASSERT_TRUE(reopened.Load(path)) << reopened.LoadFailure();
                const Bytes after = testfiles::readFile(path);
                EXPECT_TRUE(after == row.file() || after == edited);
                EXPECT_FALSE(fs::exists(JournalPath(path)));
            }
        }
    }
    EXPECT_GT(nFaults, 40);
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

private:
    void Step() {
        if (--m_nLeft == 0) {
            ::_exit(3);
        }
    }
    int m_nLeft;
};

TEST(MetadataSaveTest, AKillAtAnyStepLeavesTheFileOldOrNewOnceOpenedAgain) {
    for (const FaultCase& row : kFaultCases) {
        testfiles::TempDir dir;
        const Bytes edited = Rewritten(dir, row);
        const std::string path = dir.file("take.wav");
        bool bKilled = true;
        for (int n = 1; bKilled; ++n) {
            SCOPED_TRACE(testing::Message() << row.what << ": killed at change #" << n);
            testfiles::writeFile(path, row.file());
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
            bKilled = WIFEXITED(status) && WEXITSTATUS(status) == 3;
            CRiffChunkModel reopened;
            ASSERT_TRUE(reopened.Load(path)) << reopened.LoadFailure();
            const Bytes after = testfiles::readFile(path);
            EXPECT_TRUE(after == row.file() || after == edited);
            EXPECT_EQ(after == edited, !bKilled);
        }
    }
}

}  // namespace
