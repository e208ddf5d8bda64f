// Saving the tree: over the loaded file under any spelling of its path, under another name, with
// the pages' edits, and with the layouts that a save writes differently from how it found them.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "RiffWriter.h"
#include "SaveSupport.h"
#include "SparseFile.h"
#include "core/file/Rf64Save.h"
#include "core/io/MmioSeam.h"
#include "pages/ChunkPage.h"
#include "pages/RiffChunk.h"

namespace {

namespace fs = std::filesystem;
using savetest::Bytes;
using savetest::FileState;
using savetest::StateOf;
using testfiles::ByteBuilder;
using Names = std::vector<std::string>;

// Records the paths opened for writing; a name found taken is no file written.
class OpenRecorder : public MmioSystemCalls {
public:
    int open(const char* path, int flags, mode_t mode) override {
        const int fd = MmioSystemCalls::open(path, flags, mode);
        if (fd >= 0 && (flags & O_ACCMODE) != O_RDONLY) {
            written.emplace_back(path);
        }
        return fd;
    }
    std::vector<std::string> written;
};

class SaveTest : public ::testing::Test {
protected:
    std::string Put(const std::string& name, const Bytes& bytes) {
        const std::string path = dir.file(name);
        fs::create_directories(fs::path(path).parent_path());
        testfiles::writeFile(path, bytes);
        return path;
    }
    CRiffChunk& Load(const std::string& path) {
        root = std::make_unique<CRiffChunk>();
        EXPECT_TRUE(root->Load(path)) << path;
        return *root;
    }
    CChunkPage& PageOf(int nChunk) { return *CreatePageOf(root->GetChild(nChunk), nullptr); }
    void ExpectNoMessage() {
        for (const savetest::Message& message : log.messages) {
            ADD_FAILURE() << "message: " << message.text;
        }
    }

    testfiles::TempDir dir;
    savetest::MessageLog log;
    std::unique_ptr<CRiffChunk> root;
};

TEST_F(SaveTest, UneditedSaveOverTheLoadedFileGivesItsBytesBackUnderEverySpelling) {
    const struct {
        const char* spelling;
        std::string (*path)(const std::string& folder, const std::string& name);
    } spellings[] = {
        {"as-opened", [](const std::string& f, const std::string& n) { return f + "/" + n; }},
        {"through a link",
         [](const std::string& f, const std::string& n) {
             const std::string link = f + "-" + n;
             fs::create_symlink(f + "/" + n, link);
             return link;
         }},
        {"dot", [](const std::string& f, const std::string& n) { return f + "/./" + n; }},
        {"with ..",
         [](const std::string& f, const std::string& n) {
             return f + "/../" + fs::path(f).filename().string() + "/" + n;
         }},
    };
    for (const savetest::NamedFile& file : savetest::WellFormedFiles()) {
        for (const auto& spelling : spellings) {
            SCOPED_TRACE(file.name + ", " + spelling.spelling);
            const std::string folder = dir.file(file.name + "-" + spelling.spelling);
            const std::string path =
                Put(fs::path(folder).filename().string() + "/Take.wav", file.bytes);
            const FileState before = StateOf(path);
            Load(path);
            EXPECT_TRUE(root->Save(spelling.path(folder, "Take.wav")));
            EXPECT_EQ(testfiles::readFile(path), file.bytes);
            EXPECT_NE(StateOf(path).inode, before.inode) << "not replaced through a new file";
            EXPECT_EQ(savetest::Names(folder), Names({"Take.wav"}));
            ExpectNoMessage();
        }
    }
}

TEST_F(SaveTest, SaveThroughALinkReplacesTheFileItNamesAndKeepsTheLink) {
    const Bytes bytes = savetest::WellFormedFiles()[0].bytes;
    const std::string real = Put("real/Take.wav", bytes);
    const std::string link = dir.file("Link.wav");
    fs::create_symlink(real, link);
    Load(link);
    EXPECT_TRUE(root->Save(link));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(testfiles::readFile(real), bytes);
    EXPECT_EQ(savetest::Names(dir.file("real")), Names({"Take.wav"}));
    EXPECT_EQ(savetest::Names(dir.path()), Names({"Link.wav", "real"}));
}

// The permission bits of a file at every write, from its first.
class PermissionsAtWrite : public MmioSystemCalls {
public:
    explicit PermissionsAtWrite(std::string path) : m_path(std::move(path)) {}
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        seen.push_back(fs::status(m_path).permissions());
        return MmioSystemCalls::write(fd, buffer, count);
    }
    std::vector<fs::perms> seen;

private:
    std::string m_path;
};

TEST_F(SaveTest, ReplacementHasThePermissionBitsOfTheLoadedFileFromItsFirstByte) {
    for (const fs::perms perms : {fs::perms(0600), fs::perms(0750), fs::perms(0444)}) {
        SCOPED_TRACE(static_cast<int>(perms));
        const std::string path = Put("Take.wav", savetest::PcmWave(100));
        fs::permissions(path, perms);
        Load(path);
        PermissionsAtWrite calls(dir.file("$$temp.wav"));
        {
            MmioSystemCallsScope scope(calls);
            EXPECT_TRUE(root->Save(path));
        }
        EXPECT_EQ(calls.seen, std::vector<fs::perms>(calls.seen.size(), perms));
        EXPECT_FALSE(calls.seen.empty());
        EXPECT_EQ(fs::status(path).permissions(), perms);
        fs::remove(path);
    }
}

TEST_F(SaveTest, TemporaryFileIsMadeInTheLoadedFilesFolderUnderAFreeName) {
    const Bytes bytes = savetest::PcmWave(100);
    const Bytes other = ByteBuilder().text("keep me");
    const struct {
        const char* name;
        std::string loaded;
        std::function<void(const std::string& folder)> arrange;
        std::string temporary;  // the name, or its start before the random part
        Names after;
    } rows[] = {
        {"the usual name", "Take.wav", [](const std::string&) {}, "$$temp.wav", {"Take.wav"}},
        {"loaded file has that name",
         "$$temp.wav",
         [](const std::string&) {},
         "$$temp-",
         {"$$temp.wav"}},
        {"a stale temporary file",
         "Take.wav",
         [&](const std::string& f) { testfiles::writeFile(f + "/$$temp.wav", other); },
         "$$temp-",
         {"$$temp.wav", "Take.wav"}},
        {"a link there",
         "Take.wav",
         [&](const std::string& f) {
             testfiles::writeFile(f + "/other.wav", other);
             fs::create_symlink(f + "/other.wav", f + "/$$temp.wav");
         },
         "$$temp-",
         {"$$temp.wav", "Take.wav", "other.wav"}},
        {"a link to no file",
         "Take.wav",
         [](const std::string& f) { fs::create_symlink(f + "/nowhere.wav", f + "/$$temp.wav"); },
         "$$temp-",
         {"$$temp.wav", "Take.wav"}},
        {"a second name of the loaded file",
         "Take.wav",
         [](const std::string& f) { fs::create_hard_link(f + "/Take.wav", f + "/$$temp.wav"); },
         "$$temp-",
         {"$$temp.wav", "Take.wav"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string folder = dir.file(row.name);
        const std::string path =
            Put(fs::path(folder).filename().string() + "/" + row.loaded, bytes);
        row.arrange(folder);
        Load(path);
        // The process's own folder is no place for it.
        const fs::path cwd = fs::current_path();
        fs::current_path(dir.path());
        OpenRecorder recorder;
        {
            MmioSystemCallsScope scope(recorder);
            EXPECT_TRUE(root->Save(path));
        }
        fs::current_path(cwd);
        ASSERT_FALSE(recorder.written.empty());
        EXPECT_EQ(recorder.written.front().rfind(folder + "/" + row.temporary, 0), 0u)
            << recorder.written.front();
        EXPECT_EQ(savetest::Names(folder), row.after);
        EXPECT_EQ(testfiles::readFile(path), bytes);
    }
    EXPECT_EQ(testfiles::readFile(dir.file("a stale temporary file/$$temp.wav")), other);
    EXPECT_EQ(testfiles::readFile(dir.file("a link there/other.wav")), other);
    EXPECT_FALSE(fs::exists(dir.file("a link to no file/nowhere.wav")));
    EXPECT_EQ(testfiles::readFile(dir.file("a second name of the loaded file/$$temp.wav")), bytes);
}

TEST_F(SaveTest, SaveAsWritesTheNameAsChosenAndLeavesTheLoadedFileAlone) {
    const Bytes bytes = savetest::WellFormedFiles()[5].bytes;
    const std::string path = Put("Take.wav", bytes);
    savetest::AgeFile(path);
    const FileState before = StateOf(path);
    Put("old.wav",
        ByteBuilder().text("an older and much longer file than the one saved").zeros(8000));
    for (const char* name : {"Copy.WAV", "take.wav", "old.wav", "new/../Other.wav"}) {
        SCOPED_TRACE(name);
        fs::create_directories(dir.file("new"));
        Load(path);
        EXPECT_TRUE(root->Save(dir.file(name)));
        EXPECT_EQ(testfiles::readFile(dir.file(name)), bytes);
        EXPECT_EQ(StateOf(path), before);
    }
    EXPECT_EQ(savetest::Names(dir.path()),
              Names({"Copy.WAV", "Other.wav", "Take.wav", "new", "old.wav", "take.wav"}));
    ExpectNoMessage();
}

void PatchLe32(Bytes& bytes, std::size_t nOffset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[nOffset + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void PatchField(Bytes& bytes, std::size_t nOffset, std::size_t nWidth, const std::string& text) {
    for (std::size_t i = 0; i < nWidth; ++i) {
        bytes[nOffset + i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
    }
}

TEST_F(SaveTest, EditsOnTheFmtFactAndBextPagesLandInTheSavedBytesAndNowhereElse) {
    testfiles::BextFields fields;
    fields.description = "Morning news";
    fields.originator = "Studio 4";
    fields.codingHistory = "A=PCM,F=44100,W=16,M=stereo\r\n";
    const Bytes bext = testfiles::BextPayload(fields);
    const Bytes original = testfiles::WaveFile({{"bext", bext},
                                                {"fmt ", testfiles::PcmFormat(2, 44100, 16)},
                                                {"fact", ByteBuilder().le32(250)},
                                                {"data", savetest::Samples(1000)}});
    for (const bool bOverItself : {true, false}) {
        SCOPED_TRACE(bOverItself ? "over itself" : "under another name");
        const std::string path = Put("Take.wav", original);
        Load(path);
        savetest::SetBoxText(PageOf(0), 1009, "Evening news");
        savetest::SetBoxText(PageOf(0), 1011, "Studio 9");
        savetest::SetBoxText(PageOf(0), 1012, "A=PCM,T=edited");
        savetest::SetBoxText(PageOf(1), 1024, "22050");
        savetest::SetBoxText(PageOf(1), 1023, "1");
        savetest::SetBoxText(PageOf(2), 1004, "125");
        const std::string target = bOverItself ? path : dir.file("Edited.wav");
        EXPECT_TRUE(root->Save(target));

        Bytes expected = original;
        const std::size_t nBext = 20;
        PatchField(expected, nBext + 0, 256, "Evening news");
        PatchField(expected, nBext + 256, 32, "Studio 9");
        PatchField(expected, nBext + 602, bext.size() - 602, "A=PCM,T=edited");
        const std::size_t nFmt = nBext + bext.size() + (bext.size() & 1) + 8;
        expected[nFmt + 2] = 1;
        PatchLe32(expected, nFmt + 4, 22050);
        PatchLe32(expected, nFmt + 16 + 8, 125);
        EXPECT_EQ(testfiles::readFile(target), expected);
        EXPECT_EQ(testfiles::readFile(path), bOverItself ? expected : original);
        ExpectNoMessage();
    }
}

TEST_F(SaveTest, PagesMadeByTheSaveItselfStayHiddenAndStoreWhatTheyRead) {
    const Bytes bytes = savetest::WellFormedFiles()[5].bytes;
    const std::string path = Put("Take.wav", bytes);
    Load(path);
    EXPECT_TRUE(root->Save(dir.file("Copy.wav")));
    EXPECT_EQ(testfiles::readFile(dir.file("Copy.wav")), bytes);
    for (int i = 0; i < root->GetCount(); ++i) {
        EXPECT_FALSE(PageOf(i).IsWindowVisible()) << i;
    }
}

TEST_F(SaveTest, ChunksAfterTheFormsEndAreWrittenInsideTheNewForm) {
    const testfiles::ChunkSpec fmt{"fmt ", testfiles::PcmFormat(1, 8000, 8)};
    const testfiles::ChunkSpec data{"data", savetest::Samples(101)};
    const testfiles::ChunkSpec junk{"junk", ByteBuilder().text("after")};
    const std::string path =
        Put("Take.wav", testfiles::WaveFile({fmt, data, junk}, "WAVE", 4 + 8 + 16));
    Load(path);
    ASSERT_EQ(root->GetCount(), 3);
    EXPECT_TRUE(root->Save(path));
    EXPECT_EQ(testfiles::readFile(path), testfiles::WaveFile({fmt, data, junk}));
}

TEST_F(SaveTest, ChunksCutShortByTheFilesEndAreWrittenWithTheBytesItHeld) {
    const testfiles::ChunkSpec fmt{"fmt ", testfiles::PcmFormat(1, 8000, 8)};
    const Bytes samples = savetest::Samples(1001);
    const Bytes held = ByteBuilder().text("xyz");
    const struct {
        const char* name;
        testfiles::ChunkSpec cut;
        testfiles::ChunkSpec saved;
    } rows[] = {
        {"samples", {"data", samples, false, 30000}, {"data", samples}},
        {"samples of a size near 4 GiB", {"data", samples, false, 0xFFFFFF00}, {"data", samples}},
        {"an unknown chunk", {"junk", held, false, 0x7FFFFFF0}, {"junk", held}},
        {"a LIST chunk",
         {"LIST", ByteBuilder().text("INFOab"), false, 5000},
         {"LIST", ByteBuilder().text("INFOab")}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Put("Cut.wav", testfiles::WaveFile({fmt, row.cut}));
        Load(path);
        EXPECT_TRUE(root->Save(path));
        EXPECT_EQ(testfiles::readFile(path), testfiles::WaveFile({fmt, row.saved}));
        ExpectNoMessage();
    }
}

// Decided before a byte is written, so that no test writes gigabytes: a RIFF form past 4 GiB is
// written as RF64, its ds64 chunk in a JUNK chunk's place when there is one, else after the form
// header; a form that fits stays RIFF.
TEST_F(SaveTest, FormThatWouldOutgrowThirtyTwoBitsIsWrittenAsRf64) {
    // A recording never closed: its samples run to the end of a file past 4 GiB.
    const Bytes format = testfiles::PcmFormat(2, 44100, 16);
    const struct {
        const char* name;
        bool bJunk;
    } rows[] = {{"without JUNK", false}, {"with JUNK", true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Bytes start = ByteBuilder().text("RIFF").le32(0xFFFFFFFF).text("WAVE").bytes();
        if (row.bJunk) {
            const Bytes junk = testfiles::ChunkBytes({"JUNK", Bytes(28, 0)});
            start.insert(start.end(), junk.begin(), junk.end());
        }
        const Bytes fmt = testfiles::ChunkBytes({"fmt ", format});
        start.insert(start.end(), fmt.begin(), fmt.end());
        const Bytes dataHeader = ByteBuilder().text("data").le32(0xFFFFFFFF);
        start.insert(start.end(), dataHeader.begin(), dataHeader.end());
        const std::string path = dir.file("Long.wav");
        const std::int64_t end = std::int64_t{0x100000000} + 48;
        testfiles::writeSparseFile(path, start, end - 4, ByteBuilder().text("tail"));
        Load(path);
        CRf64Save large(*root, end);
        EXPECT_EQ(large.FormId(), mmioStringToFOURCC("RF64", 0));
        CChunk& first = *root->GetChild(0);
        EXPECT_EQ(large.Ds64AfterHeader() != nullptr, !row.bJunk);
        EXPECT_EQ(&large.InPlaceOf(first) != &first, row.bJunk);
        CRf64Save small(*root, 0xFFFFFFFF);
        EXPECT_EQ(small.FormId(), mmioStringToFOURCC("RIFF", 0));
        EXPECT_EQ(small.Ds64AfterHeader(), nullptr);
        EXPECT_EQ(&small.InPlaceOf(first), &first);
        fs::remove(path);
    }
}

}  // namespace
