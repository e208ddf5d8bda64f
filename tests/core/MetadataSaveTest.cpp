// The save in place: only the differing bytes are written, under a journal that the next opening
// of the file rolls back when the save was interrupted; every failing call leaves the file old or
// new, never the samples touched.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

Bytes Take() {
    testfiles::BextFields fields;
    fields.description = "Take";
    return testfiles::BroadcastWave(fields, 40000);
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

TEST(MetadataSaveTest, EveryFailingCallLeavesTheFileOldOrNewOnceOpenedAgain) {
    testfiles::TempDir dir;
    const Bytes edited = RewrittenTake(dir);
    int nFaults = 0;
    for (Call call : {Call::Open, Call::Read, Call::Write, Call::Seek, Call::Flush, Call::Close,
                      Call::Stat, Call::Unlink}) {
        for (int n = 1; n <= 6; ++n) {
            SCOPED_TRACE(testing::Message() << "call " << static_cast<int>(call) << " #" << n);
            const std::string path = dir.file("take.wav");
            testfiles::writeFile(path, Take());
            CRiffChunkModel root;
            ASSERT_TRUE(root.Load(path));
            EditDescription(root, 'X');
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
            EXPECT_TRUE(after == Take() || after == edited);
            EXPECT_FALSE(fs::exists(JournalPath(path)));
        }
    }
    EXPECT_GT(nFaults, 12);
}

}  // namespace
