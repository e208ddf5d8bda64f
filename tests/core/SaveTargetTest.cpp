// The save target: the new file takes the mode, owner and extended attributes of the file it
// stands in for whatever the umask, and one rename puts it under the chosen name, so that another
// name of the loaded file keeps the old contents.

#include "core/file/SaveTarget.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <string>

#include "TestFiles.h"

namespace {

namespace fs = std::filesystem;
using testfiles::ByteBuilder;
using testfiles::Bytes;

const Bytes kOld = ByteBuilder().text("old contents");
const Bytes kNew = ByteBuilder().text("new contents, longer than the old");

// Writes kNew through a target for the chosen name: whether it was put in place.
bool Save(const std::string& chosen, const std::string& loaded) {
    CSaveTarget target(chosen, loaded);
    if (!target.Open()) {
        ADD_FAILURE() << target.Failure();
        return false;
    }
    const auto size = static_cast<LONG>(kNew.size());
    EXPECT_EQ(mmioWrite(target.Handle(), reinterpret_cast<const char*>(kNew.data()), size), size);
    const bool bFinished = target.Finish();
    EXPECT_TRUE(bFinished) << target.Failure();
    return bFinished;
}

struct stat StatusOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return status;
}

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : m_previous(::umask(mask)) {}
    ~ScopedUmask() { ::umask(m_previous); }
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;

private:
    mode_t m_previous;
};

class SaveTargetTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& bytes, mode_t mode = 0644) {
        const std::string path = m_dir.file(name);
        testfiles::writeFile(path, bytes);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }

    testfiles::TempDir m_dir;
};

TEST_F(SaveTargetTest, NewFileHasTheModeOfTheFileItStandsInForWhateverTheUmask) {
    const struct {
        const char* name;
        const char* chosen;  // null: the loaded file itself
        mode_t existing;     // the chosen file's mode when it is there, else 0
    } targets[] = {
        {"over itself", nullptr, 0},
        {"under a new name", "New.wav", 0},
        {"over another file", "Other.wav", 0604},
    };
    for (const mode_t mask : {mode_t{077}, mode_t{0}}) {
        const ScopedUmask umask(mask);
        for (const mode_t mode : {mode_t{0640}, mode_t{0600}}) {
            for (const auto& target : targets) {
                SCOPED_TRACE(std::string(target.name) + ", umask " + std::to_string(mask) +
                             ", mode " + std::to_string(mode));
                const std::string loaded = Put("Take.wav", kOld, mode);
                const std::string chosen = target.chosen ? m_dir.file(target.chosen) : loaded;
                if (target.existing != 0) {
                    Put(target.chosen, kOld, target.existing);
                }
                ASSERT_TRUE(Save(chosen, loaded));
                EXPECT_EQ(StatusOf(chosen).st_mode & 07777,
                          target.existing ? target.existing : mode);
                EXPECT_EQ(testfiles::readFile(chosen), kNew);
                fs::remove(chosen);
            }
        }
    }
}

TEST_F(SaveTargetTest, ExtendedAttributesGoWithTheContents) {
    const std::string loaded = Put("Take.wav", kOld);
    const std::string value = "kept";
    if (::setxattr(loaded.c_str(), "user.ovalis.test", value.data(), value.size(), 0) != 0) {
        GTEST_SKIP() << "this file system keeps no user attributes: " << std::strerror(errno);
    }
    for (const std::string& chosen : {loaded, m_dir.file("Copy.wav")}) {
        SCOPED_TRACE(chosen);
        ASSERT_TRUE(Save(chosen, loaded));
        char got[16] = {};
        EXPECT_EQ(::getxattr(chosen.c_str(), "user.ovalis.test", got, sizeof got),
                  static_cast<ssize_t>(value.size()));
        EXPECT_EQ(std::string(got), value);
    }
}

TEST_F(SaveTargetTest, OwnerAndGroupGoWithTheContentsWhereTheSystemAllows) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root may give a file away";
    }
    const std::string loaded = Put("Take.wav", kOld, 0640);
    ASSERT_EQ(::chown(loaded.c_str(), 1234, 1234), 0);
    for (const std::string& chosen : {loaded, m_dir.file("Copy.wav")}) {
        SCOPED_TRACE(chosen);
        ASSERT_TRUE(Save(chosen, loaded));
        const struct stat status = StatusOf(chosen);
        EXPECT_EQ(status.st_uid, 1234u);
        EXPECT_EQ(status.st_gid, 1234u);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
    }
}

TEST_F(SaveTargetTest, SaveToAnotherNameOfTheLoadedFileReplacesThatNameOnly) {
    const std::string loaded = Put("Take.wav", kOld);
    const std::string link = m_dir.file("Link.wav");
    fs::create_hard_link(loaded, link);
    ASSERT_TRUE(Save(link, loaded));
    EXPECT_EQ(testfiles::readFile(link), kNew);
    EXPECT_EQ(testfiles::readFile(loaded), kOld);
    EXPECT_FALSE(fs::equivalent(link, loaded));
}

TEST_F(SaveTargetTest, FolderOrFileThatMayNotBeWrittenIsRefusedBeforeAnythingIsMade) {
    const std::string loaded = Put("Take.wav", kOld);
    const std::string folder = m_dir.file("Folder.wav");
    fs::create_directory(folder);
    const std::string locked = Put("Locked.wav", kOld, 0444);
    const struct {
        std::string chosen;
        const char* reason;
        bool bRootMay;
    } rows[] = {
        {folder, "Is a directory", false},
        {locked, "Permission denied", true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.chosen);
        if (row.bRootMay && ::geteuid() == 0) {
            continue;
        }
        CSaveTarget target(row.chosen, loaded);
        EXPECT_FALSE(target.Open());
        EXPECT_EQ(target.Failure(),
                  "Couldn't open " + row.chosen + " for writing:\r\n" + row.reason);
    }
    EXPECT_EQ(testfiles::readFile(locked), kOld);
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir.path()), fs::directory_iterator()), 3);
}

}  // namespace
