// Loading a WAVE file into a chunk tree: what the walk finds, what it keeps in memory, and how it
// ends on files that are short, damaged, huge, or not files at all.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "RiffWriter.h"
#include "SparseFile.h"
#include "TestFiles.h"
#include "app/OverviewOfLoad.h"
#include "core/chunks/OverviewText.h"
#include "core/file/RiffSave.h"
#include "core/io/MmioSeam.h"
#include "pages/Overview.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkSpec;
using testfiles::WaveFile;

constexpr const char* kOverviewAfterOpen = "RIFF WAVE file.\r\n\r\n";
constexpr const char* kOverviewBefore = "shown before the load";

FOURCC Id(const char* text) {
    return mmioStringToFOURCC(text, 0);
}

Bytes Payload(const CChunk& chunk) {
    return Bytes(chunk.Data(), chunk.Data() + chunk.DataSize());
}

Bytes Samples(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    }
    return bytes;
}

// "RIFF", the size of what follows, "WAVE", then the chunks' bytes exactly as given.
Bytes WaveOf(const Bytes& body) {
    Bytes file =
        ByteBuilder().text("RIFF").le32(static_cast<std::uint32_t>(body.size() + 4)).text("WAVE");
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::string AsciiLowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

class LoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_strOverview = kOverviewBefore;
        g_bHasBext = TRUE;
    }

    BOOL Load(const Bytes& bytes, const std::string& name = "test.wav") {
        m_path = m_dir.file(name);
        testfiles::writeFile(m_path, bytes);
        const BOOL bLoaded = m_root.Load(m_path);
        SetOverviewOfLoad(m_root);
        return bLoaded;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (CObject* pChild : m_root) {
            names.push_back(static_cast<CChunk*>(pChild)->m_strName);
        }
        return names;
    }

    const CChunk& Child(int nIndex) const { return *m_root.GetChild(nIndex); }

    testfiles::TempDir m_dir;
    std::string m_path;
    CRiffChunk m_root;
};

TEST_F(LoadTest, TopLevelChunksBecomeChildrenInFileOrder) {
    const Bytes list = ByteBuilder().text("INFO").text("ISFT").le32(4).text("Ov1s");
    const Bytes unknown = ByteBuilder().text("cue ").le16(0xBEEF);
    const Bytes file = WaveFile({{"LIST", list}, {"xtra", unknown}, {"data", Samples(16)}});
    ASSERT_TRUE(Load(file));

    EXPECT_EQ(Names(), (std::vector<std::string>{"LIST", "Unknown", "data"}));
    EXPECT_EQ(m_root.m_ck.ckid, Id("RIFF"));
    EXPECT_EQ(m_root.m_ck.fccType, Id("WAVE"));
    EXPECT_EQ(m_root.m_ck.cksize, file.size() - 8);
    EXPECT_EQ(m_root.m_ck.dwDataOffset, 8u);
    EXPECT_EQ(m_root.m_strName, "RIFF");
    EXPECT_EQ(m_root.Data(), nullptr);

    EXPECT_EQ(Child(0).m_ck.ckid, Id("LIST"));
    EXPECT_EQ(Child(0).m_ck.fccType, Id("INFO"));
    EXPECT_EQ(Payload(Child(0)), list);
    EXPECT_EQ(Child(1).m_ck.ckid, Id("xtra"));
    EXPECT_EQ(Payload(Child(1)), unknown);
    EXPECT_EQ(Child(2).m_ck.ckid, Id("data"));
    EXPECT_EQ(Child(2).m_ck.cksize, 16u);
    EXPECT_EQ(Child(2).m_ck.dwDataOffset, file.size() - 16);
    EXPECT_EQ(Child(2).Data(), nullptr);
    for (CObject* pChild : m_root) {
        EXPECT_EQ(static_cast<CChunk*>(pChild)->m_pParent, &m_root);
    }

    EXPECT_EQ(g_strOverview, kOverviewAfterOpen);
    EXPECT_FALSE(g_bHasBext);
    EXPECT_EQ(m_root.GetDescription(),
              "ckid = LIST\r\ncksize = 10\r\nUnknown chunk\r\n"
              "Data Chunk\r\nckid = data\r\ncksize = 10\r\n\r\n");
}

TEST_F(LoadTest, FilesWithoutAWaveFormLoadEmpty) {
    const struct {
        const char* what;
        Bytes file;
    } rows[] = {
        {"empty file", {}},
        {"5 bytes", ByteBuilder().text("RIFF").zeros(1)},
        {"7 bytes", ByteBuilder().text("RIFF").zeros(3)},
        {"another format", ByteBuilder().text("OggS").zeros(60)},
        {"another form type", WaveFile({{"data", Samples(8)}}, "AVI ")},
        {"big-endian form", ByteBuilder().text("RIFX").le32(4).text("WAVE")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CRiffChunk root;
        g_strOverview = kOverviewBefore;
        const std::string path = m_dir.file("other.bin");
        testfiles::writeFile(path, row.file);
        EXPECT_TRUE(root.Load(path));
        SetOverviewOfLoad(root);
        EXPECT_TRUE(root.IsEmpty());
        EXPECT_EQ(g_strOverview, kOverviewAfterOpen);
        EXPECT_EQ(root.m_strOpenedPath, path);
    }
}

TEST_F(LoadTest, TrailingBytesAfterTheLastChunkAreKept) {
    for (std::size_t n = 1; n <= 7; ++n) {
        SCOPED_TRACE(n);
        CRiffChunk root;
        Bytes file = WaveFile({{"data", Samples(4)}});
        file.insert(file.end(), n, 'x');
        const std::string path = m_dir.file("trailing.wav");
        testfiles::writeFile(path, file);
        EXPECT_TRUE(root.Load(path));
        EXPECT_EQ(root.LoadFailure(), "");
        ASSERT_EQ(root.GetCount(), 1);
        EXPECT_EQ(root.GetChild(0)->m_strName, "data");
        EXPECT_EQ(root.TrailingBytes(), std::string(n, 'x'));
    }
}

// Real system calls, except that a read starting at a given file offset, or a seek to it, fails
// with EIO. Reads that would run past it stop short (a read may deliver less than asked): before
// it for a failing read, a byte before it for a failing seek, so that the layer's buffer never
// holds the offset and getting there takes the call that fails.
class FailingAtOffset : public MmioSystemCalls {
public:
    FailingAtOffset(bool bRead, off_t offset) : m_bRead(bRead), m_offset(offset) {}

    ssize_t read(int fd, void* buffer, std::size_t count) override {
        const off_t position = ::lseek(fd, 0, SEEK_CUR);
        if (m_bRead && position == m_offset) {
            errno = EIO;
            return -1;
        }
        const off_t stop = m_bRead ? m_offset : m_offset - 1;
        if (position < stop) {
            count = std::min(count, static_cast<std::size_t>(stop - position));
        }
        return MmioSystemCalls::read(fd, buffer, count);
    }

    off_t lseek(int fd, off_t offset, int whence) override {
        const off_t target = whence == SEEK_CUR ? ::lseek(fd, 0, SEEK_CUR) + offset : offset;
        if (!m_bRead && target == m_offset) {
            errno = EIO;
            return -1;
        }
        return MmioSystemCalls::lseek(fd, offset, whence);
    }

private:
    bool m_bRead;
    off_t m_offset;
};

TEST_F(LoadTest, ReadAndSeekErrorsKeepTheChunksReadSoFar) {
    // LIST at 12, xtra at 32, data at 44, end of file at 56.
    const Bytes file = WaveFile({{"LIST", ByteBuilder().text("INFO").zeros(8)},
                                 {"xtra", Samples(4)},
                                 {"data", Samples(4)}});
    ASSERT_EQ(file.size(), 56u);
    const struct {
        const char* what;
        bool bRead;
        off_t offset;
        std::vector<std::string> names;
    } rows[] = {
        {"first id", true, 12, {}},
        {"second id", true, 32, {"LIST"}},
        {"header of the second chunk after its id", true, 36, {"LIST"}},
        {"skip past the samples", false, 56, {"LIST", "Unknown"}},
        {"read at the end of the file", true, 56, {"LIST", "Unknown", "data"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CRiffChunk root;
        const std::string path = m_dir.file("faulty.wav");
        testfiles::writeFile(path, file);
        FailingAtOffset calls(row.bRead, row.offset);
        const MmioSystemCallsScope scope(calls);
        EXPECT_FALSE(root.Load(path));
        std::vector<std::string> names;
        for (CObject* pChild : root) {
            names.push_back(static_cast<CChunk*>(pChild)->m_strName);
        }
        EXPECT_EQ(names, row.names);
        EXPECT_EQ(root.m_strOpenedPath, path);
    }
}

// Whether a load of the path comes back within two seconds. It runs in a child process that is
// killed when it does not, so a load that blocks fails the test instead of hanging it.
bool LoadReturnsPromptly(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        {
            CRiffChunk root;
            root.Load(path);
        }
        ::_exit(0);
    }
    for (int i = 0; i < 200; ++i) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child) {
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return false;
}

TEST_F(LoadTest, OnlyRegularFilesThatExistAreOpened) {
    const std::string fifo = m_dir.file("fifo.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string folder = m_dir.file("folder.wav");
    std::filesystem::create_directory(folder);
    const std::string missing = m_dir.file("missing.wav");
    const std::string rows[] = {missing, folder, fifo, "/dev/zero", "/dev/null", ""};
    for (const std::string& path : rows) {
        SCOPED_TRACE(path);
        CRiffChunk root;
        g_strOverview = kOverviewBefore;
        g_bHasBext = TRUE;
        ASSERT_TRUE(LoadReturnsPromptly(path)) << "the load blocked or crashed";
        EXPECT_FALSE(root.Load(path));
        SetOverviewOfLoad(root);
        EXPECT_TRUE(root.IsEmpty());
        EXPECT_EQ(g_strOverview, kOverviewBefore);
        EXPECT_FALSE(g_bHasBext);
        EXPECT_EQ(root.m_strPath, "");
        EXPECT_EQ(root.m_strOpenedPath, "");
    }
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// Makes a file that cannot be opened for writing, even by root, whom permission bits do not
// stop: the immutable attribute does. Undone on destruction so the folder can be removed.
class UnwritableFile {
public:
    explicit UnwritableFile(const std::string& path) : m_path(path) {
        if (::geteuid() != 0) {
            m_bMade = ::chmod(path.c_str(), 0444) == 0;
            return;
        }
        m_bImmutable = SetImmutable(true);
        m_bMade = m_bImmutable;
    }
    ~UnwritableFile() {
        if (m_bImmutable) {
            SetImmutable(false);
        }
    }
    UnwritableFile(const UnwritableFile&) = delete;
    UnwritableFile& operator=(const UnwritableFile&) = delete;

    bool made() const { return m_bMade; }

private:
    bool SetImmutable(bool bOn) const {
        const int fd = ::open(m_path.c_str(), O_RDONLY | O_CLOEXEC);
        int flags = 0;
        bool bSet = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = bOn ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        bSet = bSet && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0) {
            ::close(fd);
        }
        return bSet;
    }

    std::string m_path;
    bool m_bMade = false;
    bool m_bImmutable = false;
};

TEST_F(LoadTest, FileThatCannotBeOpenedForWritingLoadsAndASaveOverItSaysItIsReadOnly) {
    m_path = m_dir.file("locked.wav");
    testfiles::writeFile(m_path, WaveFile({{"data", Samples(4)}}));
    const UnwritableFile unwritable(m_path);
    if (!unwritable.made()) {
        GTEST_SKIP() << "running as root on a file system or without the capability that allows "
                        "the immutable attribute: no file here stops root from writing";
    }
    EXPECT_TRUE(m_root.Load(m_path));
    SetOverviewOfLoad(m_root);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
    EXPECT_EQ(g_strOverview, kOverviewAfterOpen);
    const CString strFailure = SaveTree(m_root, m_path, {});
    EXPECT_NE(strFailure.find("the file is read-only"), CString::npos) << strFailure;
}

struct LoadResultRow {
    const char* what;
    bool bFile;  // else the path names nothing
    Bytes file;
    const char* overview;  // the load's first line; empty when the file was never opened
    bool bHasBext;
};

// A load on any thread writes nothing the window's pages share: its result stays with the tree
// until the window takes it.
TEST_F(LoadTest, TheLoadKeepsItsResultInTheTreeAndOnlyTheWindowSetsTheOverview) {
    const LoadResultRow rows[] = {
        {"plain WAVE", true, WaveFile({{"data", Samples(4)}}), kOverviewAfterOpen, false},
        {"broadcast wave", true,
         WaveFile({{"bext", testfiles::BextPayload({})}, {"data", Samples(4)}}), kOverviewAfterOpen,
         true},
        {"another form type", true, WaveFile({{"data", Samples(4)}}, "AVI "), kOverviewAfterOpen,
         false},
        {"missing", false, {}, "", false},
    };
    for (const LoadResultRow& row : rows) {
        SCOPED_TRACE(row.what);
        const std::string path = m_dir.file(std::string(row.what) + ".wav");
        if (row.bFile) {
            testfiles::writeFile(path, row.file);
        }
        g_strOverview = kOverviewBefore;
        g_bHasBext = row.bHasBext ? FALSE : TRUE;
        CRiffChunk root;
        root.Load(path);
        EXPECT_EQ(g_strOverview, kOverviewBefore);
        EXPECT_EQ(g_bHasBext, row.bHasBext ? FALSE : TRUE);
        EXPECT_EQ(root.LoadOverview(), row.overview);
        EXPECT_EQ(HasBextChunk(root), row.bHasBext);
        SetOverviewOfLoad(root);
        EXPECT_EQ(g_strOverview, *row.overview ? row.overview : kOverviewBefore);
        EXPECT_EQ(g_bHasBext, row.bHasBext ? TRUE : FALSE);
    }
}

TEST_F(LoadTest, PathIsKeptLowerCasedAndAsOpened) {
    std::filesystem::create_directory(m_dir.file("Case"));
    ASSERT_TRUE(Load(WaveFile({{"data", Samples(4)}}), "Case/Mixed.WAV"));
    EXPECT_EQ(m_root.m_strPath, AsciiLowerCase(m_path));
    EXPECT_NE(m_root.m_strPath, m_path);
    EXPECT_EQ(m_root.m_strOpenedPath, m_path);
    EXPECT_EQ(Names(), std::vector<std::string>{"data"});
}

TEST_F(LoadTest, IdsInOtherLetterCasesFindTheirClass) {
    ASSERT_TRUE(Load(WaveFile({{"Data", Samples(4)},
                               {"list", ByteBuilder().text("adtl")},
                               {"xtra", Samples(2)},
                               {"LIST", ByteBuilder().text("INFO")}})));
    EXPECT_EQ(Names(), (std::vector<std::string>{"data", "LIST", "Unknown", "LIST"}));
    EXPECT_EQ(Child(0).m_ck.ckid, Id("Data"));
    EXPECT_EQ(Child(0).Data(), nullptr);
    EXPECT_EQ(Child(1).m_ck.ckid, Id("list"));
    EXPECT_EQ(Payload(Child(1)), ByteBuilder().text("adtl").bytes());
    EXPECT_EQ(Child(2).m_ck.ckid, Id("xtra"));
}

TEST_F(LoadTest, ChunkAfterTheEndOfTheFormIsOneMoreChild) {
    Bytes file = WaveFile({{"data", Samples(4)}});
    const Bytes after = testfiles::ChunkBytes({"xtra", Samples(2)});
    file.insert(file.end(), after.begin(), after.end());
    ASSERT_TRUE(Load(file));
    EXPECT_EQ(Names(), (std::vector<std::string>{"data", "Unknown"}));
    EXPECT_EQ(Child(1).m_ck.dwDataOffset, file.size() - 2);
}

TEST_F(LoadTest, OddSizedChunksWithAndWithoutTheirPadByte) {
    const Bytes odd = ByteBuilder().text("xtra").le32(3).text("abc");
    const Bytes data = testfiles::ChunkBytes({"data", Samples(4)});
    const Bytes list = testfiles::ChunkBytes({"LIST", ByteBuilder().text("INFO").zeros(4)});
    // Ids "AAAA" both on the pad's place and one byte later: no telling which was meant.
    const Bytes ambiguous = ByteBuilder().text("AAAA").le32(0x41).zeros(0x41).zeros(1);
    const struct {
        const char* what;
        Bytes body;
        std::vector<std::string> names;
        DWORD dwSecondDataOffset;
    } rows[] = {
        {"pad present", Concat({odd, {0}, data}), {"Unknown", "data"}, 32},
        {"pad missing", Concat({odd, data}), {"Unknown", "data"}, 31},
        {"last chunk without pad", Concat({data, odd}), {"data", "Unknown"}, 32},
        {"pad not zero", Concat({odd, {'x'}, data}), {"Unknown", "data"}, 32},
        {"odd data chunk without pad",
         Concat({ByteBuilder().text("data").le32(5).zeros(5), list}),
         {"data", "LIST"},
         33},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CRiffChunk root;
        const std::string path = m_dir.file("odd.wav");
        testfiles::writeFile(path, WaveOf(row.body));
        EXPECT_TRUE(root.Load(path));
        std::vector<std::string> names;
        for (CObject* pChild : root) {
            names.push_back(static_cast<CChunk*>(pChild)->m_strName);
        }
        EXPECT_EQ(names, row.names);
        ASSERT_EQ(root.GetCount(), 2);
        EXPECT_EQ(root.GetChild(1)->m_ck.dwDataOffset, row.dwSecondDataOffset);
    }

    CRiffChunk root;
    const std::string path = m_dir.file("ambiguous.wav");
    testfiles::writeFile(path, WaveOf(Concat({odd, ambiguous})));
    root.Load(path);
    ASSERT_GE(root.GetCount(), 2);
    EXPECT_EQ(root.GetChild(1)->m_ck.ckid, Id("AAAA"));
    EXPECT_EQ(root.GetChild(1)->m_ck.dwDataOffset, 32u);  // one byte after the pad's place
}

// Offsets are 64-bit: a size that would have wrapped a 32-bit offset takes the walk past the end
// of the file, where it ends.
TEST_F(LoadTest, SizesThatWouldWrapTheOffsetEndTheWalkAtTheEndOfTheFile) {
    const struct {
        const char* what;
        Bytes file;
        std::vector<std::string> names;
    } rows[] = {
        {"form of another type at offset 0",
         Concat({ByteBuilder().text("RIFF").le32(0xFFFFFFF7).text("AVI "),
                 WaveFile({{"data", Samples(4)}})}),
         {}},
        {"chunk other than RIFF at offset 0",
         Concat({ByteBuilder().text("XTRA").le32(0xFFFFFFF7).zeros(8),
                 WaveFile({{"data", Samples(4)}})}),
         {}},
        {"first chunk at offset 12",
         WaveOf(Concat({ByteBuilder().text("xtra").le32(0xFFFFFFF8).zeros(8),
                        testfiles::ChunkBytes({"data", Samples(4)})})),
         {"Unknown"}},
        {"second chunk",
         WaveOf(Concat({testfiles::ChunkBytes({"data", Samples(4)}),
                        ByteBuilder().text("xtra").le32(0xFFFFFFF0).zeros(8),
                        testfiles::ChunkBytes({"data", Samples(4)})})),
         {"data", "Unknown"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        CRiffChunk root;
        const std::string path = m_dir.file("wrap.wav");
        testfiles::writeFile(path, row.file);
        mmioResetCounters();
        EXPECT_TRUE(root.Load(path));
        EXPECT_EQ(root.LoadFailure().empty(), !row.names.empty()) << root.LoadFailure();
        std::vector<std::string> names;
        for (CObject* pChild : root) {
            names.push_back(static_cast<CChunk*>(pChild)->m_strName);
        }
        EXPECT_EQ(names, row.names);
        EXPECT_LT(mmioCounters().reads, 20);
    }
}

TEST_F(LoadTest, ChunksClaimingMoreThanTheFileHoldsKeepOnlyItsBytes) {
    const struct {
        const char* id;
        DWORD dwSize;
        std::size_t nFileSize;
    } rows[] = {
        {"xtra", 0x7FFFFFFF, 1000},
        {"LIST", 0xFFFFFF00, 2048},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        CRiffChunk root;
        const Bytes body = Samples(row.nFileSize - 20);
        const Bytes file = WaveOf(Concat({ByteBuilder().text(row.id).le32(row.dwSize), body}));
        const std::string path = m_dir.file("claims.wav");
        testfiles::writeFile(path, file);
        EXPECT_TRUE(root.Load(path));
        ASSERT_EQ(root.GetCount(), 1);
        const CChunk& chunk = *root.GetChild(0);
        EXPECT_EQ(chunk.m_ck.cksize, row.dwSize);
        EXPECT_EQ(chunk.DataSize(), body.size());
        EXPECT_EQ(Payload(chunk), body);
    }
}

TEST_F(LoadTest, UnclosedDataChunkRunsToTheEndOfTheFile) {
    // Samples that look like a chunk header are never taken for one.
    const Bytes samples = Concat({testfiles::ChunkBytes({"xtra", Samples(6)}), Samples(51)});
    const Bytes file = WaveOf(Concat({testfiles::ChunkBytes({"umid", Samples(4)}),
                                      ByteBuilder().text("data").le32(0xFFFFFFFF), samples}));
    ASSERT_TRUE(Load(file));
    ASSERT_EQ(m_root.GetCount(), 2);
    const CChunk& data = Child(1);
    EXPECT_EQ(data.m_strName, "data");
    EXPECT_EQ(data.m_ck.cksize, 0xFFFFFFFFu);
    EXPECT_EQ(data.m_ck.dwDataOffset, 32u);
    EXPECT_EQ(data.Data(), nullptr);
}

TEST_F(LoadTest, LoadingReadsNoSamples) {
    constexpr DWORD kThreeGiB = 0xC0000000;
    const std::int64_t tailOffset = std::int64_t{32} + kThreeGiB;
    const Bytes list = ByteBuilder().text("INFO").text("ISFT").le32(0);
    const Bytes tail = testfiles::ChunkBytes({"LIST", list});
    const auto dwFormSize = static_cast<DWORD>(tailOffset + tail.size() - 8);
    const Bytes head = Concat({ByteBuilder().text("RIFF").le32(dwFormSize).text("WAVE"),
                               testfiles::ChunkBytes({"XTRA", Samples(4)}),
                               ByteBuilder().text("data").le32(kThreeGiB)});
    m_path = m_dir.file("big.wav");
    testfiles::writeSparseFile(m_path, head, tailOffset, tail);

    mmioResetCounters();
    ASSERT_TRUE(m_root.Load(m_path));
    EXPECT_LT(mmioCounters().bytesRead, 64 * 1024);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Unknown", "data", "LIST"}));
    EXPECT_EQ(m_root.m_ck.cksize, dwFormSize);
    EXPECT_EQ(Child(1).m_ck.dwDataOffset, 32u);
    EXPECT_EQ(Child(1).m_ck.cksize, kThreeGiB);
    EXPECT_EQ(Child(2).m_ck.dwDataOffset, tailOffset + 8);
    EXPECT_EQ(Child(2).m_ck.fccType, Id("INFO"));
    EXPECT_EQ(Payload(Child(2)), list);
}

}  // namespace
