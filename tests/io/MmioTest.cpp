#include "core/io/Mmio.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MmioFaults.h"
#include "TestFiles.h"
#include "core/io/MmioSeam.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using Call = MmioFaultyCalls::Call;

constexpr DWORD kLoad = MMIO_READWRITE | MMIO_DENYNONE;
constexpr DWORD kSaveTarget = kLoad | MMIO_CREATE;
constexpr DWORD kSampleSource = MMIO_READ | MMIO_DENYNONE;
constexpr DWORD kUntouched = 0x5A5A5A5A;
constexpr std::int64_t kGiB = std::int64_t{1} << 30;

FOURCC id(const char* text) {
    return text == nullptr ? 0 : mmioStringToFOURCC(text, 0);
}

class MmioTest : public ::testing::Test {
protected:
    void TearDown() override { closeFile(); }

    std::string path() const { return m_dir.file("test.wav"); }

    HMMIO openWith(const Bytes& bytes, DWORD flags = kLoad) {
        testfiles::writeFile(path(), bytes);
        m_hmmio = mmioOpen(path().c_str(), nullptr, flags);
        EXPECT_NE(m_hmmio, nullptr);
        return m_hmmio;
    }

    std::int64_t position() { return mmioSeek(m_hmmio, 0, SEEK_FROM_CURRENT); }

    void closeFile() {
        if (m_hmmio != nullptr) {
            EXPECT_EQ(mmioClose(m_hmmio, 0), 0u);
            m_hmmio = nullptr;
        }
    }

    // What is on disk once the file is closed: written bytes are checked where they landed.
    Bytes closeAndRead() {
        closeFile();
        return testfiles::readFile(path());
    }

    testfiles::TempDir m_dir;
    HMMIO m_hmmio = nullptr;
};

TEST(MmioFourcc, PacksFirstCharacterLowestPaddedAndUpperCased) {
    const struct {
        const char* text;
        UINT flags;
        FOURCC expected;
    } rows[] = {
        {"RIFF", MMIO_TOUPPER, 0x46464952},
        {"fmt", MMIO_TOUPPER, 0x20544D46},
        {"fmt ", MMIO_TOUPPER, 0x20544D46},
        {"bext", MMIO_TOUPPER, 0x54584542},
        {"waveform", MMIO_TOUPPER, 0x45564157},
        {"a", MMIO_TOUPPER, 0x20202041},
        {"", MMIO_TOUPPER, 0x20202020},
        {"z1-\xE9", MMIO_TOUPPER, 0xE92D315A},
        {"data", 0, 0x61746164},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(mmioStringToFOURCC(row.text, row.flags), row.expected) << row.text;
    }
}

// A record asking for `ckid` (null: any chunk) or, with a type, for a form of that type. The
// other fields hold a value that a descend must replace on success and keep on failure.
MMCKINFO wanted(const char* ckid, const char* type = nullptr) {
    return {id(ckid), kUntouched, id(type), kUntouched, kUntouched};
}

// The record a successful descend leaves: the chunk's header fields and flags cleared.
MMCKINFO found(const char* ckid, DWORD size, const char* type, DWORD dataOffset) {
    return {id(ckid), size, id(type), dataOffset, 0};
}

constexpr std::nullopt_t kNotFound = std::nullopt;

struct DescendRow {
    const char* name;
    Bytes file;
    MMCKINFO wanted;
    std::optional<MMCKINFO> found;  // none: the search fails
    std::int64_t position;
};

std::vector<DescendRow> descendRows() {
    const ByteBuilder four = ByteBuilder().text("abcd").le32(4).text("1234");
    const ByteBuilder odd = ByteBuilder().text("abcd").le32(3).text("xyz").zeros(1);
    const ByteBuilder list = ByteBuilder().text("LIST").le32(4).text("INFO");
    const ByteBuilder forms = ByteBuilder().text("RIFF").le32(4).text("AVI ");
    return {
        {"takes the chunk at the position", four, wanted(nullptr), found("abcd", 4, nullptr, 8), 8},
        {"skips an odd chunk and its pad byte", ByteBuilder(odd).text("data").le32(2).text("hi"),
         wanted("data"), found("data", 2, nullptr, 20), 20},
        {"stands after the list type", list, wanted(nullptr), found("LIST", 4, "INFO", 8), 12},
        {"skips a whole list", ByteBuilder(list).text("data").le32(0), wanted("data"),
         found("data", 0, nullptr, 20), 20},
        {"finds the form of the wanted type", ByteBuilder(forms).text("RIFF").le32(4).text("WAVE"),
         wanted(nullptr, "WAVE"), found("RIFF", 4, "WAVE", 20), 24},
        {"no form of the wanted type", forms, wanted(nullptr, "WAVE"), kNotFound, 12},
        {"walk ends at the end of the file", four, wanted("data"), kNotFound, 12},
        {"fewer than 8 header bytes", ByteBuilder().text("data").le16(2).zeros(1), wanted(nullptr),
         kNotFound, 7},
        {"short list type", ByteBuilder().text("LIST").le32(4).text("IN"), wanted(nullptr),
         kNotFound, 10},
        {"chunk running past the end of the file", ByteBuilder().text("abcd").le32(100),
         wanted("data"), kNotFound, 108},
        {"end wrapping to offset 0", ByteBuilder().text("abcd").le32(0xFFFFFFF7), wanted("data"),
         kNotFound, 0x100000000},
        {"end wrapping to its own offset", ByteBuilder(four).text("efgh").le32(0xFFFFFFF8),
         wanted("data"), kNotFound, 0x10000000C},
        {"end at the last offset leaves no room for a header",
         ByteBuilder().text("abcd").le32(0xFFFFFFF6), wanted("data"), kNotFound, 0xFFFFFFFE},
    };
}

class MmioDescend : public MmioTest {
protected:
    void checkRows() {
        for (const DescendRow& row : descendRows()) {
            SCOPED_TRACE(row.name);
            openWith(row.file);
            MMCKINFO ck = row.wanted;
            const UINT mode = row.wanted.fccType != 0 ? MMIO_FINDRIFF : MMIO_FINDCHUNK;
            EXPECT_EQ(mmioDescend(m_hmmio, &ck, nullptr, mode),
                      row.found ? 0u : MMIOERR_CHUNKNOTFOUND);
            expectRecord(ck, row.found.value_or(row.wanted));
            EXPECT_EQ(position(), row.position);
            closeFile();
        }
    }

    static void expectRecord(const MMCKINFO& ck, const MMCKINFO& expected) {
        EXPECT_EQ(ck.ckid, expected.ckid);
        EXPECT_EQ(ck.cksize, expected.cksize);
        EXPECT_EQ(ck.fccType, expected.fccType);
        EXPECT_EQ(ck.dwDataOffset, expected.dwDataOffset);
        EXPECT_EQ(ck.dwFlags, expected.dwFlags);
    }
};

TEST_F(MmioDescend, FindsChunksAndStopsWhereTheWalkEnds) {
    checkRows();
}

TEST_F(MmioDescend, SearchEndsWithTheParentsData) {
    openWith(
        ByteBuilder().text("LIST").le32(12).text("INFO").text("abcd").le32(0).text("data").le32(0));
    const MMCKINFO parent{id("LIST"), 12, id("INFO"), 8, 0};
    ASSERT_EQ(mmioSeek(m_hmmio, 12, SEEK_FROM_START), 12);
    MMCKINFO ck = wanted("data");
    EXPECT_EQ(mmioDescend(m_hmmio, &ck, &parent, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(position(), 20);
}

TEST_F(MmioDescend, GivesTheSameResultsWhenTheSystemDeliversOneByteAtATime) {
    MmioFaultyCalls calls;
    calls.limitTransfers(1);
    MmioSystemCallsScope scope(calls);
    checkRows();
}

TEST_F(MmioTest, AscendFromReadChunkGoesPastDataAndPadNeverBackwards) {
    const struct {
        const char* name;
        DWORD dataOffset;
        DWORD size;
        MMRESULT result;
        std::int64_t position;
    } rows[] = {
        {"even size", 8, 2, 0, 10},
        {"odd size takes the pad byte", 8, 3, 0, 12},
        {"empty", 8, 0, 0, 8},
        {"past the end of the file", 8, 100, 0, 108},
        {"end at the last offset", 8, 0xFFFFFFF6, 0, 0xFFFFFFFE},
        {"end wrapping to offset 0", 8, 0xFFFFFFF7, MMIOERR_CANNOTSEEK, 0x100000000},
        {"end wrapping to its own offset", 20, 0xFFFFFFF8, MMIOERR_CANNOTSEEK, 0x10000000C},
        {"end one past the last offset", 0xFFFFFFF8, 8, MMIOERR_CANNOTSEEK, 0x100000000},
    };
    openWith(ByteBuilder().text("abcd").le32(3).text("xyz").zeros(1));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(mmioSeek(m_hmmio, row.dataOffset, SEEK_FROM_START), row.dataOffset);
        MMCKINFO ck{id("abcd"), row.size, 0, row.dataOffset, 0};
        EXPECT_EQ(mmioAscend(m_hmmio, &ck, 0), row.result);
        EXPECT_EQ(position(), row.position);
    }
}

TEST_F(MmioTest, CreatedChunkGetsItsRealSizeAndPadByte) {
    const struct {
        const char* name;
        UINT mode;
        DWORD declared;
        const char* data;
        std::int64_t dataStart;
        DWORD size;
        Bytes file;
    } rows[] = {
        {"short data fixes size and pads", 0, 0, "xyz", 8, 3,
         ByteBuilder().text("abcd").le32(3).text("xyz").zeros(1)},
        {"exact declaration is kept", 0, 4, "1234", 8, 4,
         ByteBuilder().text("abcd").le32(4).text("1234")},
        {"over-declared size shrinks", 0, 10, "12345", 8, 5,
         ByteBuilder().text("abcd").le32(5).text("12345").zeros(1)},
        {"no data", 0, 0, "", 8, 0, ByteBuilder().text("abcd").le32(0)},
        {"form counts its type", MMIO_CREATERIFF, 0, "x", 12, 5,
         ByteBuilder().text("RIFF").le32(5).text("WAVE").text("x").zeros(1)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        openWith({}, kSaveTarget);
        MMCKINFO ck{id("abcd"), row.declared, id("WAVE"), 0, 0};
        ASSERT_EQ(mmioCreateChunk(m_hmmio, &ck, row.mode), 0u);
        EXPECT_EQ(ck.dwFlags, MMIO_DIRTY);
        EXPECT_EQ(ck.dwDataOffset, 8u);
        EXPECT_EQ(position(), row.dataStart);
        const auto length = static_cast<LONG>(std::strlen(row.data));
        ASSERT_EQ(mmioWrite(m_hmmio, row.data, length), length);
        ASSERT_EQ(mmioAscend(m_hmmio, &ck, 0), 0u);
        EXPECT_EQ(ck.cksize, row.size);
        EXPECT_EQ(position(), static_cast<std::int64_t>(row.file.size()));
        EXPECT_EQ(closeAndRead(), row.file);
    }
}

TEST_F(MmioTest, NestedCreatedChunksGiveTheFormItsSize) {
    const ByteBuilder form = ByteBuilder().text("RIFF").le32(26).text("WAVE");
    const ByteBuilder fmt = ByteBuilder(form).text("fmt ").le32(3).text("abc").zeros(1);
    const Bytes expected = ByteBuilder(fmt).text("data").le32(2).text("hi");
    for (const std::size_t limit : {0, 1}) {
        SCOPED_TRACE(limit);
        MmioFaultyCalls calls;
        calls.limitTransfers(limit);
        MmioSystemCallsScope scope(calls);
        openWith({}, kSaveTarget);
        MMCKINFO riff{0, 0, id("WAVE"), 0, 0};
        MMCKINFO fmt{id("fmt "), 0, 0, 0, 0};
        MMCKINFO data{id("data"), 2, 0, 0, 0};
        ASSERT_EQ(mmioCreateChunk(m_hmmio, &riff, MMIO_CREATERIFF), 0u);
        EXPECT_EQ(riff.ckid, id("RIFF"));
        ASSERT_EQ(mmioCreateChunk(m_hmmio, &fmt, 0), 0u);
        ASSERT_EQ(mmioWrite(m_hmmio, "abc", 3), 3);
        ASSERT_EQ(mmioAscend(m_hmmio, &fmt, 0), 0u);
        ASSERT_EQ(mmioCreateChunk(m_hmmio, &data, 0), 0u);
        ASSERT_EQ(mmioWrite(m_hmmio, "hi", 2), 2);
        ASSERT_EQ(mmioAscend(m_hmmio, &data, 0), 0u);
        ASSERT_EQ(mmioAscend(m_hmmio, &riff, 0), 0u);
        EXPECT_EQ(riff.cksize, 26u);
        EXPECT_EQ(closeAndRead(), expected);
    }
}

TEST_F(MmioTest, ChunkIsDirtyOnlyWhenItsWholeHeaderWasWritten) {
    const struct {
        const char* name;
        UINT mode;
        std::function<void(MmioFaultyCalls&)> arrange;
    } rows[] = {
        {"write fails", 0, [](MmioFaultyCalls& c) { c.failAt(Call::Write, 1); }},
        {"write stops after 5 bytes", 0,
         [](MmioFaultyCalls& c) {
             c.shortenAt(Call::Write, 1, 5);
             c.shortenAt(Call::Write, 2, 0);
         }},
        {"form type not written", MMIO_CREATERIFF,
         [](MmioFaultyCalls& c) {
             c.shortenAt(Call::Write, 1, 8);
             c.failAt(Call::Write, 2);
         }},
    };
    // The header is the write that finds the buffer full, so its request meets the system's
    // failure when the bytes held are written out.
    const std::string held(kMmioBufferSize - 4, 'x');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        openWith({}, kSaveTarget);
        ASSERT_EQ(mmioWrite(m_hmmio, held.data(), static_cast<LONG>(held.size())),
                  static_cast<LONG>(held.size()));
        MmioFaultyCalls calls;
        row.arrange(calls);
        MmioSystemCallsScope scope(calls);
        MMCKINFO ck{id("abcd"), 0, id("WAVE"), static_cast<DWORD>(held.size()), MMIO_DIRTY};
        EXPECT_NE(mmioCreateChunk(m_hmmio, &ck, row.mode), 0u);
        EXPECT_EQ(ck.dwFlags & MMIO_DIRTY, 0u);
        closeFile();
    }
}

TEST_F(MmioTest, AscendFromCreatedChunkReportsEveryFailedStep) {
    // Data larger than the buffer goes straight to the file, so the size field lies outside the
    // bytes held: it is written out when the position moves back to the end, and the pad byte by
    // the close.
    const struct {
        const char* name;
        Call call;
        int n;
        MMRESULT ascended;
        MMRESULT closed;
    } rows[] = {
        {"seek to the size field", Call::Seek, 1, MMIOERR_CANNOTSEEK, 0},
        {"size field write", Call::Write, 1, MMIOERR_CANNOTWRITE, 0},
        {"seek back to the end", Call::Seek, 2, MMIOERR_CANNOTSEEK, 0},
        {"pad byte write", Call::Write, 2, 0, MMIOERR_CANNOTWRITE},
    };
    const std::string data(kMmioBufferSize + 1, 'd');
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        openWith({}, kSaveTarget);
        MMCKINFO ck{id("abcd"), 0, 0, 0, 0};
        ASSERT_EQ(mmioCreateChunk(m_hmmio, &ck, 0), 0u);
        ASSERT_EQ(mmioWrite(m_hmmio, data.data(), static_cast<LONG>(data.size())),
                  static_cast<LONG>(data.size()));
        MmioFaultyCalls calls;
        calls.failAt(row.call, row.n);
        MmioSystemCallsScope scope(calls);
        EXPECT_EQ(mmioAscend(m_hmmio, &ck, 0), row.ascended);
        EXPECT_EQ(mmioClose(std::exchange(m_hmmio, nullptr), 0), row.closed);
    }
}

TEST_F(MmioTest, FailedSystemCallsGiveTheOperationsFailureResult) {
    // A first chunk larger than the buffer, so that skipping it takes a seek of the system's.
    const auto big = static_cast<DWORD>(kMmioBufferSize);
    const ByteBuilder file = ByteBuilder().text("abcd").le32(big).zeros(big).text("data").le32(0);
    const std::string block(kMmioBufferSize, 'b');
    const struct {
        const char* name;
        Call call;
        std::function<std::int64_t(HMMIO&)> operation;
        std::int64_t result;
    } rows[] = {
        {"read", Call::Read,
         [](HMMIO& h) {
             char b[4];
             return mmioRead(h, b, 4);
         },
         -1},
        {"write held until the flush", Call::Write,
         [](HMMIO& h) {
             EXPECT_EQ(mmioWrite(h, "ab", 2), 2);
             return mmioFlush(h, 0);
         },
         MMIOERR_CANNOTWRITE},
        {"write of the buffer's size", Call::Write,
         [&](HMMIO& h) { return mmioWrite(h, block.data(), static_cast<LONG>(block.size())); }, -1},
        {"seek", Call::Seek, [](HMMIO& h) { return mmioSeek(h, 4, SEEK_FROM_START); }, -1},
        {"flush", Call::Flush, [](HMMIO& h) { return mmioFlush(h, 0); }, MMIOERR_CANNOTWRITE},
        {"file size", Call::Stat, [](HMMIO& h) { return mmioFileSize(h); }, -1},
        {"close", Call::Close, [](HMMIO& h) { return mmioClose(std::exchange(h, nullptr), 0); },
         MMIOERR_CANNOTCLOSE},
        {"descend reading the header", Call::Read,
         [](HMMIO& h) {
             MMCKINFO ck;
             return mmioDescend(h, &ck, nullptr, MMIO_FINDCHUNK);
         },
         MMIOERR_CHUNKNOTFOUND},
        {"descend skipping a chunk", Call::Seek,
         [](HMMIO& h) {
             MMCKINFO ck{id("data"), 0, 0, 0, 0};
             return mmioDescend(h, &ck, nullptr, MMIO_FINDCHUNK);
         },
         MMIOERR_CHUNKNOTFOUND},
        {"ascend from a read chunk", Call::Seek,
         [](HMMIO& h) {
             MMCKINFO ck{id("abcd"), 2, 0, 8, 0};
             return mmioAscend(h, &ck, 0);
         },
         MMIOERR_CANNOTSEEK},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        openWith(file);
        MmioFaultyCalls calls;
        calls.failAt(row.call, 1);
        MmioSystemCallsScope scope(calls);
        EXPECT_EQ(row.operation(m_hmmio), row.result);
        closeFile();
    }
}

TEST_F(MmioTest, PartialTransfersAreRepeatedAndCountedAsOneRequest) {
    const std::string text = "0123456789";
    openWith(ByteBuilder().text(text));
    MmioFaultyCalls calls;
    calls.limitTransfers(1);
    MmioSystemCallsScope scope(calls);
    mmioResetCounters();
    char buffer[16] = {};
    EXPECT_EQ(mmioRead(m_hmmio, buffer, 16), 10);
    EXPECT_EQ(std::string(buffer), text);
    EXPECT_EQ(mmioRead(m_hmmio, buffer, 16), 0);
    EXPECT_EQ(mmioWrite(m_hmmio, "abcdef", 6), 6);
    EXPECT_EQ(mmioWrite(m_hmmio, "gh", 2), 2);
    // Held until the flush, which writes a byte at a time and reports the write that made no
    // progress; the byte it could not write stays held for the close.
    calls.shortenAt(Call::Write, 8, 0);
    EXPECT_EQ(mmioFlush(m_hmmio, 0), MMIOERR_CANNOTWRITE);
    EXPECT_EQ(testfiles::readFile(path()), ByteBuilder().text(text).text("abcdefg").bytes());
    EXPECT_EQ(calls.count(Call::Read), 12);
    EXPECT_EQ(calls.count(Call::Write), 8);
    EXPECT_EQ(mmioCounters().reads, 2);
    EXPECT_EQ(mmioCounters().writes, 2);
    EXPECT_EQ(mmioCounters().bytesRead, 10);
    EXPECT_EQ(mmioCounters().bytesWritten, 8);
    EXPECT_EQ(closeAndRead(), ByteBuilder().text(text).text("abcdefgh").bytes());
}

TEST_F(MmioTest, OpenModesCreateTruncateOrKeepAsAsked) {
    struct RecordingCalls : MmioSystemCalls {
        int open(const char* path, int flags, mode_t mode) override {
            lastFlags = flags;
            return MmioSystemCalls::open(path, flags, mode);
        }
        int lastFlags = 0;
    };
    const struct {
        const char* name;
        DWORD mode;
        bool exists;
        int systemFlags;
        bool opens;
        std::size_t sizeAfter;
        bool writable;
    } rows[] = {
        {"load never creates", kLoad, false, O_RDWR | O_CLOEXEC, false, 0, false},
        {"load keeps the file", kLoad, true, O_RDWR | O_CLOEXEC, true, 4, true},
        {"save target creates", kSaveTarget, false, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, true, 0,
         true},
        {"save target truncates", kSaveTarget, true, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, true,
         0, true},
        {"sample source is read only", kSampleSource, true, O_RDONLY | O_CLOEXEC, true, 4, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        unlink(path().c_str());
        if (row.exists) {
            testfiles::writeFile(path(), ByteBuilder().text("RIFF"));
        }
        RecordingCalls calls;
        MmioSystemCallsScope scope(calls);
        m_hmmio = mmioOpen(path().c_str(), nullptr, row.mode);
        EXPECT_EQ(calls.lastFlags, row.systemFlags);
        ASSERT_EQ(m_hmmio != nullptr, row.opens);
        if (m_hmmio == nullptr) {
            EXPECT_NE(access(path().c_str(), F_OK), 0);
            continue;
        }
        EXPECT_EQ(mmioFileSize(m_hmmio), static_cast<std::int64_t>(row.sizeAfter));
        EXPECT_EQ(mmioWrite(m_hmmio, "x", 1), row.writable ? 1 : -1);
        closeFile();
    }
    int info = 0;
    EXPECT_EQ(mmioOpen(path().c_str(), &info, kLoad), nullptr);
    EXPECT_EQ(mmioOpen(path().c_str(), nullptr, MMIO_WRITE | MMIO_READWRITE), nullptr);
}

TEST_F(MmioTest, SeekGoesBeyondTheEndButNotBeforeTheStart) {
    openWith(ByteBuilder().text("abcd"));
    EXPECT_EQ(mmioSeek(m_hmmio, 100, SEEK_FROM_START), 100);
    EXPECT_EQ(mmioSeek(m_hmmio, 5, SEEK_FROM_CURRENT), 105);
    EXPECT_EQ(mmioSeek(m_hmmio, -106, SEEK_FROM_CURRENT), -1);
    EXPECT_EQ(mmioSeek(m_hmmio, 0, 2), -1);
    EXPECT_EQ(position(), 105);
    char byte = 0;
    EXPECT_EQ(mmioRead(m_hmmio, &byte, 1), 0);
}

class MmioLargeFile : public MmioTest {
protected:
    // A sparse file of `size` bytes holding `header` at `offset`.
    void makeSparse(std::int64_t size, std::int64_t offset, const Bytes& header) {
        const int fd = ::open(path().c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(ftruncate(fd, size), 0);
        EXPECT_EQ(pwrite(fd, header.data(), header.size(), offset),
                  static_cast<ssize_t>(header.size()));
        ::close(fd);
        m_hmmio = mmioOpen(path().c_str(), nullptr, kLoad);
        ASSERT_NE(m_hmmio, nullptr);
    }

    Bytes bytesAt(std::int64_t offset, std::size_t count) {
        Bytes bytes(count);
        const int fd = ::open(path().c_str(), O_RDONLY | O_CLOEXEC);
        EXPECT_EQ(pread(fd, bytes.data(), count, offset), static_cast<ssize_t>(count));
        ::close(fd);
        return bytes;
    }
};

TEST_F(MmioLargeFile, ChunksBetween2And4GiBAreReadAndWritten) {
    const std::int64_t at = 3 * kGiB;
    makeSparse(at + 16, at, ByteBuilder().text("data").le32(5).text("abcde"));
    EXPECT_EQ(mmioFileSize(m_hmmio), at + 16);
    ASSERT_EQ(mmioSeek(m_hmmio, at, SEEK_FROM_START), at);
    MMCKINFO ck{};
    ASSERT_EQ(mmioDescend(m_hmmio, &ck, nullptr, MMIO_FINDCHUNK), 0u);
    EXPECT_EQ(ck.dwDataOffset, at + 8);
    ASSERT_EQ(mmioAscend(m_hmmio, &ck, 0), 0u);
    EXPECT_EQ(position(), at + 14);

    const std::int64_t created = 3 * kGiB + kGiB / 2;
    ASSERT_EQ(mmioSeek(m_hmmio, created, SEEK_FROM_START), created);
    MMCKINFO out{id("abcd"), 0, 0, 0, 0};
    ASSERT_EQ(mmioCreateChunk(m_hmmio, &out, 0), 0u);
    EXPECT_EQ(out.dwDataOffset, created + 8);
    ASSERT_EQ(mmioWrite(m_hmmio, "xyz", 3), 3);
    ASSERT_EQ(mmioAscend(m_hmmio, &out, 0), 0u);
    EXPECT_EQ(position(), created + 12);
    closeFile();
    EXPECT_EQ(bytesAt(created, 12),
              ByteBuilder().text("abcd").le32(3).text("xyz").zeros(1).bytes());
}

// Past the 32-bit offset range the layer walks and creates with 64-bit offsets; dwDataOffset
// holds their low 32 bits.
TEST_F(MmioLargeFile, ChunksPastTheLastOffsetHaveTheir64BitOffsets) {
    const std::int64_t at = 0xFFFFFFF0;
    makeSparse(at + 32, at, ByteBuilder().text("abcd").le32(6).text("123456"));
    ASSERT_EQ(mmioSeek(m_hmmio, at, SEEK_FROM_START), at);
    MMCKINFO ck{};
    ASSERT_EQ(mmioDescend(m_hmmio, &ck, nullptr, MMIO_FINDCHUNK), 0u);
    EXPECT_EQ(ck.dwDataOffset, 0xFFFFFFF8u);
    ASSERT_EQ(mmioAscend(m_hmmio, &ck, 0), 0u);
    EXPECT_EQ(position(), 0xFFFFFFFE);
    MMCKINFO next{};
    EXPECT_EQ(mmioDescend(m_hmmio, &next, nullptr, MMIO_FINDCHUNK), 0u);
    EXPECT_EQ(next.llDataOffset, 0x100000006);
    EXPECT_EQ(next.dwDataOffset, 6u);
    EXPECT_EQ(position(), 0x100000006);
    MMCKINFO out{id("abcd"), 0, 0, 0, 0};
    EXPECT_EQ(mmioCreateChunk(m_hmmio, &out, 0), 0u);
    EXPECT_EQ(out.llDataOffset, 0x10000000E);
    EXPECT_EQ(out.dwFlags, MMIO_DIRTY);
}

}  // namespace
