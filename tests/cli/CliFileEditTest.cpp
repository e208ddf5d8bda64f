// A file's edits stored in memory through the field codecs: a value the number rule refuses
// fails the file before anything is saved, and a dry run lists only the fields that changed.

#include <gtest/gtest.h>

#include "CliTestFiles.h"
#include "TestFiles.h"
#include "cli/FileEdit.h"
#include "cli/LoadedFile.h"

namespace {

using namespace clitest;

class CliFileEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_dir.file("a.wav");
        testfiles::writeFile(m_path, FileWithEveryFieldPage());
    }
    testfiles::TempDir m_dir;
    std::string m_path;
};

TEST_F(CliFileEditTest, RefusedNumberLeavesTheFileUntouched) {
    EXPECT_EQ(EditFile(m_path, {{"Originator", "Never saved"}, {"FrameSize", "many"}}, {}),
              "FrameSize=many: Please enter a positive integer.; left untouched");
    EXPECT_EQ(testfiles::readFile(m_path), FileWithEveryFieldPage());
}

TEST_F(CliFileEditTest, ChangesNameEachChangedFieldOnceInFileOrder) {
    CLoadedFile file(m_path);
    ASSERT_TRUE(file.IsLoaded()) << file.Failure();
    CFileEdit edit(file);
    ASSERT_EQ(edit.Store({{"FrameSize", "9"},
                          {"Description", "A description of the take"},
                          {"Originator", "First"},
                          {"Originator", "Second"}}),
              "");
    const std::vector<FieldChange> changes = edit.Changes();
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0].nChunk, 0u);
    EXPECT_EQ(changes[0].strField, "Originator");
    EXPECT_EQ(changes[0].strBefore, "Originating station");
    EXPECT_EQ(changes[0].strAfter, "Second");
    EXPECT_EQ(changes[1].nChunk, 3u);
    EXPECT_EQ(changes[1].strTab, "mext");
    EXPECT_EQ(changes[1].strAfter, "9");
}

}  // namespace
