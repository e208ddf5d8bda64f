// A save copies the samples from the file that was loaded: when another program replaced or
// changed that file since, the save is refused with a message and nothing is written.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"

namespace {

using testfiles::Bytes;

testfiles::BextFields TakeFields() {
    testfiles::BextFields fields;
    fields.description = "Take";
    return fields;
}

struct ChangeRow {
    const char* what;
    std::function<void(const std::string& path, testfiles::TempDir& dir)> change;
};

TEST(ChangedSourceTest, ASaveRefusesAFileChangedOrReplacedSinceItWasLoaded) {
    const Bytes other = testfiles::WaveFile({{"data", Bytes(64, 7)}});
    const ChangeRow rows[] = {
        {"replaced by a rename",
         [&](const std::string& path, testfiles::TempDir& dir) {
             testfiles::writeFile(dir.file("other.wav"), other);
             std::filesystem::rename(dir.file("other.wav"), path);
         }},
        {"rewritten shorter",
         [&](const std::string& path, testfiles::TempDir&) { testfiles::writeFile(path, other); }},
        {"touched",
         [](const std::string& path, testfiles::TempDir&) {
             std::filesystem::last_write_time(
                 path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
         }},
    };
    for (const ChangeRow& row : rows) {
        SCOPED_TRACE(row.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, testfiles::BroadcastWave(TakeFields(), 4000));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        row.change(path, dir);
        const Bytes changed = testfiles::readFile(path);
        for (const std::string& target : {path, dir.file("copy.wav")}) {
            const CString failure = SaveTree(root, target, {});
            EXPECT_NE(failure.find("was changed or replaced by another program"), CString::npos)
                << failure;
        }
        EXPECT_EQ(testfiles::readFile(path), changed);
        EXPECT_FALSE(std::filesystem::exists(dir.file("copy.wav")));
    }
}

TEST(ChangedSourceTest, AnUnchangedFileSavesAgainAfterASave) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, testfiles::BroadcastWave(TakeFields(), 4000));
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    EXPECT_EQ(SaveTree(root, dir.file("copy.wav"), {}), "");
    EXPECT_EQ(testfiles::readFile(dir.file("copy.wav")), testfiles::readFile(path));
}

}  // namespace
