// The one read that feeds several takers on threads of their own: every taker gets every byte in
// order, blocks of whole units, through a ring smaller than the file; a stop leaves no thread
// behind.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "TestFiles.h"
#include "core/integrity/BlockPass.h"
#include "core/integrity/Md5.h"

using namespace testfiles;

namespace {

// Bytes that differ from block to block, so that a block taken twice or out of order shows.
Bytes Pattern(std::size_t nSize) {
    Bytes bytes(nSize);
    for (std::size_t i = 0; i < nSize; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 4093);
    }
    return bytes;
}

Md5Digest DigestOf(const Bytes& bytes, std::size_t nFrom, std::size_t nSize) {
    CMd5 md5;
    md5.Add(bytes.data() + nFrom, nSize);
    return md5.Digest();
}

class CFile {
public:
    explicit CFile(const std::string& path)
        : m_hmmio(mmioOpen(path.c_str(), nullptr, MMIO_READ | MMIO_DENYNONE)) {}
    ~CFile() { mmioClose(m_hmmio, 0); }
    HMMIO Handle() const { return m_hmmio; }

private:
    HMMIO m_hmmio;
};

// What one taker saw: the MD5 of its bytes and the size of each block.
struct Seen {
    CMd5 md5;
    std::vector<std::size_t> blocks;
};

BlockTaker Watching(Seen& seen, std::chrono::microseconds pause = {}) {
    return [&seen, pause](const ByteBlock& block) {
        seen.md5.Add(block.bytes.data(), block.nBytes);
        seen.blocks.push_back(block.nBytes);
        std::this_thread::sleep_for(pause);
    };
}

}  // namespace

TEST(SamplePassTest, EveryTakerGetsEveryByteInOrderInBlocksOfWholeUnits) {
    const TempDir dir;
    // Past the ring's eight blocks of about 1 MiB, so that blocks are refilled while taken.
    const Bytes bytes = Pattern(std::size_t{11} << 20);
    writeFile(dir.file("a.raw"), bytes);
    const struct {
        const char* name;
        std::int64_t offset, size;
        std::size_t unit;
        std::size_t expectedBytes;
    } rows[] = {
        {"the whole file, bytes", 0, static_cast<std::int64_t>(bytes.size()), 1, bytes.size()},
        {"24-bit stereo frames after a header", 44, 6 * 1500000, 6, 6 * 1500000},
        {"a size past the end: what the file holds", 100, static_cast<std::int64_t>(bytes.size()),
         4, bytes.size() - 100},
        {"nothing", 10, 0, 4, 0},
    };
    for (const auto& row : rows) {
        const CFile file(dir.file("a.raw"));
        Seen quick, slow, middle;
        const CString strFailure = PassBlocks(
            file.Handle(), row.offset, row.size, row.unit,
            {Watching(quick), Watching(slow, std::chrono::microseconds(300)), Watching(middle)}, {},
            {});
        EXPECT_EQ(strFailure, "") << row.name;
        const Md5Digest expected =
            DigestOf(bytes, static_cast<std::size_t>(row.offset), row.expectedBytes);
        for (Seen* pSeen : {&quick, &slow, &middle}) {
            EXPECT_EQ(pSeen->md5.Digest(), expected) << row.name;
            for (std::size_t i = 0; i + 1 < pSeen->blocks.size(); ++i) {
                EXPECT_EQ(pSeen->blocks[i] % row.unit, 0u) << row.name;
            }
        }
    }
}

TEST(SamplePassTest, AStopEndsTheReaderAndEveryTaker) {
    const TempDir dir;
    const Bytes bytes = Pattern(std::size_t{20} << 20);
    writeFile(dir.file("a.raw"), bytes);
    const CFile file(dir.file("a.raw"));
    Seen slow, quick;
    int nCalls = 0;
    const CString strFailure =
        PassBlocks(file.Handle(), 0, static_cast<std::int64_t>(bytes.size()), 1,
                   {Watching(slow, std::chrono::milliseconds(2)), Watching(quick)}, {},
                   [&nCalls](std::int64_t, std::int64_t) { return ++nCalls < 3; });
    EXPECT_EQ(strFailure, kCancelled);
    EXPECT_EQ(nCalls, 3);
    EXPECT_LE(slow.blocks.size(), 3u);
}
