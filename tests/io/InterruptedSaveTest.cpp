// Journals found beside a file: a genuine one of a save cut short is applied by a writer only;
// planted, stale, damaged or foreign ones are never applied, and no reading changes a byte.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "InterruptedSaves.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/io/InterruptedSave.h"
#include "core/io/SaveJournal.h"

namespace {

namespace fs = std::filesystem;
using savetest::PendingSave;
using testfiles::Bytes;
using Tamper = std::function<void(PendingSave&)>;

struct JournalRow {
    const char* what;
    std::size_t nPieces;  // of the save written before it stopped
    Tamper tamper;
    JournalState state;
    const char* reason;      // in the refusal, for a refused journal
    bool bRootOnly = false;  // only root can make the scene
};

void Flip(const std::string& path, std::size_t nAt) {
    Bytes bytes = testfiles::readFile(path);
    bytes[nAt] ^= 0x20;
    testfiles::writeFile(path, bytes);
}

// The journal cut short, or grown with zeros, to nSize bytes.
Tamper ResizedJournal(std::uintmax_t nSize) {
    return [nSize](PendingSave& s) { fs::resize_file(s.journal, nSize); };
}

// The journal's place taken by a new file of these bytes.
void Plant(PendingSave& s, const Bytes& bytes) {
    fs::remove(s.journal);
    testfiles::writeFile(s.journal, bytes);
}

// A journal of this very file that declares sizes 0 and 1 TiB and no range.
Bytes PlantedSizes(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    JournalRecord record;
    record.start = {true, status.st_dev, status.st_ino, 0, 0, 0, 0, 0};
    record.newSize = std::int64_t{1} << 40;
    const CString strText = EncodeJournal(record);
    return Bytes(strText.begin(), strText.end());
}

const JournalRow kRows[] = {
    {"a save cut short", 2, {}, JournalState::CutShort, ""},
    {"a save that wrote every piece", 100, {}, JournalState::Finished, ""},
    {"a save killed before its first write", 0, {}, JournalState::Untouched, ""},
    {"a journal cut short before the file changed", 0, ResizedJournal(300), JournalState::Untouched,
     ""},
    {"a journal cut short before its header", 0, ResizedJournal(5), JournalState::Untouched, ""},
    {"a journal cut short after the file changed", 2, ResizedJournal(300), JournalState::Refused,
     "cut short"},
    {"a corrupt journal", 2, [](PendingSave& s) { Flip(s.journal, 150); }, JournalState::Refused,
     "damaged"},
    {"a stale journal after another program's edit", 2,
     [](PendingSave& s) {
         Bytes bytes = s.file;
         bytes[20] = 'Q';
         std::fstream(s.path, std::ios::in | std::ios::out | std::ios::binary)
             .write(reinterpret_cast<const char*>(bytes.data()), 32);
     },
     JournalState::Refused, "neither what that save found there nor what it wrote"},
    {"a same-size file moved into place", 2,
     [](PendingSave& s) {
         const std::string other = s.path + ".other";
         testfiles::writeFile(other, s.file);
         fs::rename(other, s.path);
     },
     JournalState::Refused, "names another file"},
    {"sizes 0 to 1 TiB planted", 0, [](PendingSave& s) { Plant(s, PlantedSizes(s.path)); },
     JournalState::Refused, "does not hold every byte between the sizes"},
    {"a journal of an earlier version", 0,
     [](PendingSave& s) {
         Bytes bytes(28, 0);
         std::copy_n("OVALISJ2", 8, bytes.begin());
         Plant(s, bytes);
     },
     JournalState::Refused, "earlier version"},
    {"a file named like a journal, larger than any", 0, ResizedJournal(kLargestJournal + 1),
     JournalState::Refused, "more than any journal a save writes"},
    {"a symbolic link named like a journal", 0,
     [](PendingSave& s) {
         testfiles::writeFile(s.path + ".elsewhere", Bytes(100, 1));
         fs::remove(s.journal);
         fs::create_symlink(s.path + ".elsewhere", s.journal);
     },
     JournalState::Refused, "not a regular file"},
    {"a journal of another owner", 2,
     [](PendingSave& s) { EXPECT_EQ(::chown(s.journal.c_str(), 4242, 4242), 0); },
     JournalState::Refused, "belongs to user 4242", true},
};

TEST(InterruptedSaveTest, OnlyAGenuineJournalIsAppliedAndOnlyByAWriter) {
    for (const JournalRow& row : kRows) {
        SCOPED_TRACE(row.what);
        if (row.bRootOnly && ::getuid() != 0) {
            continue;
        }
        PendingSave scene(row.nPieces);
        if (row.tamper) {
            row.tamper(scene);
        }
        const Bytes interrupted = testfiles::readFile(scene.path);
        const JournalFinding finding = InspectJournal(scene.path);
        EXPECT_EQ(finding.state, row.state) << finding.strReason;
        EXPECT_NE(finding.strReason.find(row.reason), CString::npos) << finding.strReason;
        CRiffChunkModel loaded;
        loaded.Load(scene.path);
        EXPECT_EQ(testfiles::readFile(scene.path), interrupted);
        const CString strExpected = row.state == JournalState::Refused
                                        ? "beside it is not applied: "
                                        : "an interrupted save is pending in " + scene.journal;
        EXPECT_NE(loaded.LoadNote().find(strExpected), CString::npos) << loaded.LoadNote();
        EXPECT_NE(loaded.LoadNote().find(row.reason), CString::npos) << loaded.LoadNote();
        const Recovery recovery = RecoverInterruptedSave(scene.path);
        EXPECT_EQ(recovery.bDone, row.state != JournalState::Refused) << recovery.strText;
        EXPECT_EQ(fs::exists(scene.journal) || fs::is_symlink(scene.journal),
                  row.state == JournalState::Refused);
        EXPECT_EQ(testfiles::readFile(scene.path),
                  row.state == JournalState::CutShort ? savetest::Take() : interrupted);
    }
}

}  // namespace
