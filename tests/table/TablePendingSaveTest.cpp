// ovalis-table and a save left half done: listing the file changes no byte and says that the
// save is pending; the table's save finishes it first, then saves the edit.

#include <gtest/gtest.h>

#include <filesystem>

#include "InterruptedSaves.h"
#include "TestFiles.h"
#include "core/file/MetadataSave.h"
#include "table/TableFile.h"

namespace {

namespace fs = std::filesystem;

TEST(TablePendingSaveTest, ListingSaysASaveIsPendingAndChangesNoByte) {
    const savetest::PendingSave save;
    const std::unique_ptr<TableFile> pFile = LoadTableFile(save.path);
    EXPECT_EQ(testfiles::readFile(save.path), save.file);
    EXPECT_TRUE(fs::exists(save.journal));
    EXPECT_NE(pFile->strResult.find("an interrupted save is pending in " + save.journal),
              CString::npos)
        << pFile->strResult;
    ASSERT_TRUE(pFile->pRoot);
    EXPECT_NE(SaveMetadata(*pFile->pRoot, {}).find("is pending"), CString::npos);
    EXPECT_EQ(testfiles::readFile(save.path), save.file);
}

}  // namespace
