// Saves that fail part way: every failure leaves the loaded file exactly as it was, removes the
// incomplete file, says what failed in one message box and gives FALSE.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "MmioFaults.h"
#include "SaveSupport.h"
#include "core/io/MmioSeam.h"
#include "pages/RiffChunk.h"

namespace {

namespace fs = std::filesystem;
using Call = MmioFaultyCalls::Call;
using savetest::Bytes;
using savetest::FileState;
using savetest::StateOf;
using Names = std::vector<std::string>;

// 300,000 bytes of samples, copied in 25 passes of 12,000 bytes into the target's buffer, which
// the system gets as four full buffers while the samples are copied and the rest at the flush.
constexpr std::size_t kSamples = 300000;
constexpr int kLastWrite = 5;
constexpr UINT kMessageType = MB_OK | MB_ICONEXCLAMATION;

// Moves the loaded file away once the target has been made, as when another program deletes or
// renames it while the save runs.
class VanishingSource : public MmioSystemCalls {
public:
    VanishingSource(std::string source, std::string away)
        : m_source(std::move(source)), m_away(std::move(away)) {}
    int open(const char* path, int flags, mode_t mode) override {
        const int fd = MmioSystemCalls::open(path, flags, mode);
        if ((flags & O_CREAT) != 0 && !fs::exists(m_away)) {
            fs::rename(m_source, m_away);
        }
        return fd;
    }

private:
    std::string m_source;
    std::string m_away;
};

class SaveFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = dir.file("Take.wav");
        testfiles::writeFile(m_path, savetest::PcmWave(kSamples));
        savetest::AgeFile(m_path);
        m_before = StateOf(m_path);
    }
    std::string Temporary() const { return dir.file("$$temp.wav"); }
    std::string Copy() const { return dir.file("Copy.wav"); }

    // Loads the file and saves it to target under `calls`: the save fails with one message.
    void SaveFailsWithOneMessage(const std::string& target, MmioSystemCalls& calls) {
        CRiffChunk root;
        ASSERT_TRUE(root.Load(m_path));
        log.messages.clear();
        {
            MmioSystemCallsScope scope(calls);
            EXPECT_FALSE(root.Save(target));
        }
        ASSERT_EQ(log.messages.size(), 1u);
        EXPECT_EQ(log.messages[0].type, kMessageType);
    }
    // The same, and the loaded file is as it was.
    void SaveFails(const std::string& target, MmioSystemCalls& calls) {
        SaveFailsWithOneMessage(target, calls);
        EXPECT_EQ(StateOf(m_path), m_before);
    }
    const CString& Message() const { return log.messages.at(0).text; }
    // The calls of a kind that a save to target makes when nothing fails.
    int CleanCount(const std::string& target, Call call) {
        CRiffChunk root;
        EXPECT_TRUE(root.Load(m_path));
        MmioFaultyCalls counting;
        {
            MmioSystemCallsScope scope(counting);
            EXPECT_TRUE(root.Save(target));
        }
        testfiles::writeFile(m_path, m_before.bytes);
        fs::last_write_time(m_path, m_before.mtime);
        m_before = StateOf(m_path);
        fs::remove(Copy());
        return counting.count(call);
    }

    testfiles::TempDir dir;
    savetest::MessageLog log;
    std::string m_path;
    FileState m_before;
};

TEST_F(SaveFaultTest, EveryFailedStepOfAReplacementLeavesTheLoadedFileAsItWas) {
    ASSERT_EQ(CleanCount(m_path, Call::Write), kLastWrite);
    const int nLastClose = CleanCount(m_path, Call::Close);
    const std::string temporary = Temporary();
    const struct {
        const char* name;
        std::function<void(MmioFaultyCalls&)> arrange;
        std::string message;
    } rows[] = {
        // The first open is the loaded file's, the save's source.
        {"target cannot be opened", [](auto& c) { c.failAt(Call::Open, 2); },
         "Couldn't open " + temporary + " for writing:\r\nInput/output error"},
        {"target cannot take the permissions", [](auto& c) { c.failAt(Call::Chmod, 1); },
         "Couldn't give " + temporary + " the permissions of " + m_path},
        {"first buffer not written", [](auto& c) { c.failAt(Call::Write, 1); },
         "Couldn't copy the samples of " + m_path + " to " + temporary + ":\r\nInput/output error"},
        {"first buffer short", [](auto& c) { c.shortenAt(Call::Write, 1, 0); },
         "Couldn't copy the samples of " + m_path + " to " + temporary +
             ":\r\nfewer bytes were written than asked"},
        {"middle buffer short", [](auto& c) { c.shortenAt(Call::Write, 3, 0); },
         "Couldn't copy the samples of " + m_path},
        {"middle buffer partly written, then an error",
         [](auto& c) {
             c.shortenAt(Call::Write, 3, 100);
             c.failAt(Call::Write, 4);
         },
         ":\r\nInput/output error"},
        {"last bytes short at the flush", [](auto& c) { c.shortenAt(Call::Write, kLastWrite, 0); },
         "Couldn't write " + temporary + " to disk:\r\nfewer bytes were written than asked"},
        {"source read error", [](auto& c) { c.failAt(Call::Read, 2); },
         "Couldn't copy the samples of " + m_path + " to " + temporary + ":\r\nInput/output error"},
        {"flush fails", [](auto& c) { c.failAt(Call::Flush, 1); },
         "Couldn't write " + temporary + " to disk:\r\nInput/output error"},
        {"close fails", [&](auto& c) { c.failAt(Call::Close, nLastClose - 1); },
         "Couldn't close " + temporary + ":\r\nInput/output error"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        MmioFaultyCalls calls;
        row.arrange(calls);
        SaveFails(m_path, calls);
        EXPECT_NE(Message().find(row.message), std::string::npos) << Message();
        EXPECT_EQ(savetest::Names(dir.path()), Names({"Take.wav"}));
    }
}

TEST_F(SaveFaultTest, FailedRenameKeepsTheCompleteTemporaryFile) {
    MmioFaultyCalls calls;
    calls.failAt(Call::Rename, 1);
    SaveFails(m_path, calls);
    EXPECT_EQ(Message(), "Couldn't rename temporary file \r\n$$temp.wav to " + m_path +
                             "\r\nInput/output error");
    EXPECT_EQ(testfiles::readFile(Temporary()), m_before.bytes);
}

TEST_F(SaveFaultTest, SourceMovedAwayDuringTheSaveIsNotReplaced) {
    const std::string away = dir.file("away/Take.wav");
    fs::create_directory(dir.file("away"));
    for (const std::string& target : {m_path, Copy()}) {
        SCOPED_TRACE(target);
        VanishingSource calls(m_path, away);
        SaveFailsWithOneMessage(target, calls);
        // Refused where the move is first seen, naming the loaded file.
        EXPECT_NE(Message().find(m_path + ":\r\n"), std::string::npos) << Message();
        EXPECT_EQ(savetest::Names(dir.path()), Names({"away"}));
        fs::rename(away, m_path);
        EXPECT_EQ(StateOf(m_path), m_before);
    }
}

TEST_F(SaveFaultTest, FailedSaveUnderAnotherNameRemovesWhatItWrote) {
    const int nLastClose = CleanCount(Copy(), Call::Close);
    const Bytes there = testfiles::ByteBuilder().text("there before");
    const struct {
        const char* name;
        bool bExisted;
        std::function<void(MmioFaultyCalls&)> arrange;
    } rows[] = {
        {"middle buffer short", false, [](auto& c) { c.shortenAt(Call::Write, 3, 0); }},
        {"close fails", false, [&](auto& c) { c.failAt(Call::Close, nLastClose - 1); }},
        {"over a file that was there, flush fails", true,
         [](auto& c) { c.failAt(Call::Flush, 1); }},
        {"over a file that was there, a write fails", true,
         [](auto& c) { c.failAt(Call::Write, 2); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.bExisted) {
            testfiles::writeFile(Copy(), there);
        }
        MmioFaultyCalls calls;
        row.arrange(calls);
        SaveFails(Copy(), calls);
        EXPECT_EQ(savetest::Names(dir.path()),
                  row.bExisted ? Names({"Copy.wav", "Take.wav"}) : Names({"Take.wav"}));
        if (row.bExisted) {
            EXPECT_EQ(testfiles::readFile(Copy()), there);
            fs::remove(Copy());
        }
    }
}

TEST_F(SaveFaultTest, TargetThatCannotBeOpenedIsNamed) {
    const std::string missing = dir.file("no such folder/Copy.wav");
    const std::string folder = dir.file("folder.wav");
    fs::create_directory(folder);
    const struct {
        std::string target;
        std::string message;
    } rows[] = {
        {missing, "Couldn't open " + missing + " for writing:\r\nNo such file or directory"},
        {folder, "Couldn't open " + folder + " for writing:\r\nIs a directory"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.target);
        MmioSystemCalls posix;
        SaveFails(row.target, posix);
        EXPECT_EQ(Message(), row.message);
    }
    EXPECT_EQ(savetest::Names(dir.path()), Names({"Take.wav", "folder.wav"}));
}

TEST_F(SaveFaultTest, DataChunkNeverCopiesIntoTheFileItReadsFrom) {
    CRiffChunk root;
    ASSERT_TRUE(root.Load(m_path));
    CChunk& data = *root.GetChild(1);
    // The loaded file itself, opened without emptying it, where its first chunk begins.
    HMMIO hmmio = mmioOpen(m_path.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE);
    ASSERT_NE(hmmio, nullptr);
    ASSERT_EQ(mmioSeek(hmmio, 12, SEEK_FROM_START), 12);
    EXPECT_FALSE(data.Write(hmmio));
    EXPECT_EQ(data.m_ck.dwFlags & MMIO_DIRTY, 0u);
    mmioClose(hmmio, 0);
    EXPECT_EQ(StateOf(m_path).bytes, m_before.bytes);
}

TEST(MmioSameFileTest, TellsOneFileFromAnotherWhateverItsName) {
    testfiles::TempDir dir;
    const std::string first = dir.file("first.wav");
    testfiles::writeFile(first, savetest::PcmWave(4));
    testfiles::writeFile(dir.file("second.wav"), savetest::PcmWave(4));
    fs::create_hard_link(first, dir.file("hard.wav"));
    fs::create_symlink(first, dir.file("soft.wav"));
    const struct {
        const char* other;
        bool bFailStat;
        BOOL bSame;
    } rows[] = {
        {"first.wav", false, TRUE},   {"hard.wav", false, TRUE},  {"soft.wav", false, TRUE},
        {"second.wav", false, FALSE}, {"second.wav", true, TRUE},  // cannot tell: same
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.other);
        HMMIO a = mmioOpen(first.c_str(), nullptr, MMIO_READ);
        HMMIO b = mmioOpen(dir.file(row.other).c_str(), nullptr, MMIO_READ);
        MmioFaultyCalls calls;
        if (row.bFailStat) {
            calls.failAt(Call::Stat, 2);
        }
        {
            MmioSystemCallsScope scope(calls);
            EXPECT_EQ(mmioSameFile(a, b), row.bSame);
        }
        mmioClose(a, 0);
        mmioClose(b, 0);
    }
}

// A small file system of its own, so that a save really runs out of room.
class SmallFileSystem {
public:
    explicit SmallFileSystem(const std::string& path) : m_path(path) {
        fs::create_directory(path);
        m_bMounted = ::mount("tmpfs", path.c_str(), "tmpfs", 0, "size=1m") == 0;
        m_nError = errno;
    }
    ~SmallFileSystem() {
        if (m_bMounted) {
            ::umount(m_path.c_str());
        }
    }
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return m_bMounted; }
    std::string why() const { return std::strerror(m_nError); }

private:
    std::string m_path;
    bool m_bMounted = false;
    int m_nError = 0;
};

TEST_F(SaveFaultTest, FullFileSystem) {
    const std::string small = dir.file("small");
    SmallFileSystem mount(small);
    if (!mount.mounted()) {
        GTEST_SKIP() << "cannot mount a 1 MiB tmpfs here (" << mount.why()
                     << "): the full file system is only simulated by the other fault tests";
    }
    // 600,000 bytes of samples fit once in 1 MiB, not twice.
    m_path = small + "/Take.wav";
    testfiles::writeFile(m_path, savetest::PcmWave(600000));
    m_before = StateOf(m_path);
    for (const std::string& target : {m_path, small + "/Copy.wav"}) {
        SCOPED_TRACE(target);
        MmioSystemCalls posix;
        SaveFails(target, posix);
        EXPECT_NE(Message().find(":\r\nNo space left on device"), std::string::npos) << Message();
        EXPECT_EQ(savetest::Names(small), Names({"Take.wav"}));
    }
}

}  // namespace
