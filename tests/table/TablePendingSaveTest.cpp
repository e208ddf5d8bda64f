// ovalis-table and a save left half done: listing the file changes no byte and says that the
// save is pending; the table's save finishes it first, then saves the edit.

#include <gtest/gtest.h>

#include <filesystem>

#include "InterruptedSaves.h"
#include "TestFiles.h"
#include "core/file/MetadataSave.h"
#include "core/io/SaveJournal.h"
#include "table/TableFile.h"

namespace {

namespace fs = std::filesystem;
using testfiles::Bytes;

TEST(TablePendingSaveTest, ListingSaysASaveIsPendingAndChangesNoByte) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, savetest::Take());
    savetest::InterruptedSave(path, 2);
    const Bytes interrupted = testfiles::readFile(path);
    const std::unique_ptr<TableFile> pFile = LoadTableFile(path);
    EXPECT_EQ(testfiles::readFile(path), interrupted);
    EXPECT_TRUE(fs::exists(JournalPath(path)));
    EXPECT_NE(pFile->strResult.find("an interrupted save is pending in " + JournalPath(path)),
              CString::npos)
        << pFile->strResult;
    ASSERT_TRUE(pFile->pRoot);
    EXPECT_NE(SaveMetadata(*pFile->pRoot, {}).find("is pending"), CString::npos);
    EXPECT_EQ(testfiles::readFile(path), interrupted);
}

}  // namespace
