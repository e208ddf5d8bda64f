// The data chunk: header only in memory, samples streamed from the loaded file on a write.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CallRecorder.h"
#include "MmioFaults.h"
#include "RiffWriter.h"
#include "SparseFile.h"
#include "TestFiles.h"
#include "core/io/MmioSeam.h"
#include "pages/DataChunk.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

constexpr DWORD kTargetFlags = MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATE;

Bytes Samples(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i % 251);
    }
    return bytes;
}

Bytes DataChunkBytes(const Bytes& samples) {
    return testfiles::ChunkBytes({"data", samples});
}

class DataChunkTest : public ::testing::Test {
protected:
    // Loads the file and returns its data chunk, the last child.
    CChunk& LoadSource(const Bytes& file, const std::string& name = "source.wav") {
        m_sourcePath = m_dir.file(name);
        testfiles::writeFile(m_sourcePath, file);
        m_root.Load(m_sourcePath);
        EXPECT_FALSE(m_root.IsEmpty());
        return *m_root.GetChild(m_root.GetCount() - 1);
    }

    // Writes the chunk at the start of a new file and closes it as a save does; `calls`, when
    // given, serve the chunk's write only.
    Bytes WriteToTarget(CChunk& chunk, MmioSystemCalls* pCalls = nullptr) {
        const std::string path = m_dir.file("target.wav");
        HMMIO hmmio = mmioOpen(path.c_str(), nullptr, kTargetFlags);
        EXPECT_NE(hmmio, nullptr);
        mmioResetCounters();
        MmioSystemCalls* pPrevious = pCalls ? mmioSetSystemCalls(pCalls) : nullptr;
        // The chunk's own write: it finds the loaded file through its root.
        m_bWritten = chunk.Write(hmmio);
        if (pCalls) {
            mmioSetSystemCalls(pPrevious);
        }
        m_counters = mmioCounters();
        if ((chunk.m_ck.dwFlags & MMIO_DIRTY) != 0) {
            EXPECT_EQ(mmioAscend(hmmio, &chunk.m_ck, 0), 0u);
        }
        mmioClose(hmmio, 0);
        return testfiles::readFile(path);
    }

    testfiles::TempDir m_dir;
    std::string m_sourcePath;
    CRiffChunk m_root;
    BOOL m_bWritten = FALSE;
    MmioCounters m_counters;
};

TEST_F(DataChunkTest, CopiesSamplesInPassesOfAtMost12000Bytes) {
    const Bytes samples = Samples(30000);
    CChunk& data = LoadSource(testfiles::WaveFile({{"data", samples}}));
    testfiles::CallRecorder recorder;
    EXPECT_EQ(WriteToTarget(data, &recorder), DataChunkBytes(samples));
    EXPECT_TRUE(m_bWritten);
    // One read ahead serves the three passes; the target holds what they wrote until its close.
    EXPECT_EQ(recorder.reads, (std::vector<std::size_t>{kMmioBufferSize}));
    EXPECT_EQ(recorder.writes, (std::vector<std::size_t>{}));
    EXPECT_EQ(m_counters.reads, 3);
    EXPECT_EQ(m_counters.writes, 4);  // the header and one per pass
    EXPECT_EQ(m_counters.bytesRead, 30000);
}

TEST_F(DataChunkTest, ZeroSizeChunkWritesItsHeaderOnly) {
    CChunk& data = LoadSource(testfiles::WaveFile({{"data", {}}}));
    EXPECT_EQ(WriteToTarget(data), ByteBuilder().text("data").le32(0).bytes());
    EXPECT_TRUE(m_bWritten);
    EXPECT_EQ(m_counters.reads, 0);
}

TEST_F(DataChunkTest, SourceEndingEarlyCopiesWhatItHolds) {
    const Bytes samples = Samples(1001);
    const Bytes file = testfiles::WaveFile({{"data", samples, false, 30000}});
    CChunk& data = LoadSource(file);
    // The close sets the size to the bytes written and adds the pad byte.
    EXPECT_EQ(WriteToTarget(data), DataChunkBytes(samples));
    EXPECT_TRUE(m_bWritten);
}

TEST_F(DataChunkTest, SourceThatCannotBeOpenedOrPositionedGivesTheHeaderOnly) {
    const Bytes header = ByteBuilder().text("data").le32(0);
    {
        CChunk& data = LoadSource(testfiles::WaveFile({{"data", Samples(40)}}));
        std::filesystem::remove(m_sourcePath);
        EXPECT_EQ(WriteToTarget(data), header);
        EXPECT_FALSE(m_bWritten);
    }
    {
        CRiffChunk root;
        testfiles::writeFile(m_sourcePath, testfiles::WaveFile({{"data", Samples(40)}}));
        ASSERT_TRUE(root.Load(m_sourcePath));
        MmioFaultyCalls calls;
        calls.failAt(MmioFaultyCalls::Call::Seek, 1);  // the source's positioning
        EXPECT_EQ(WriteToTarget(*root.GetChild(0), &calls), header);
        EXPECT_FALSE(m_bWritten);
    }
    {
        CdataChunk orphan;  // never loaded: there is no file to copy from
        m_root.m_strOpenedPath.clear();
        orphan.m_ck.ckid = mmioStringToFOURCC("data", 0);
        EXPECT_EQ(WriteToTarget(orphan), header);
        EXPECT_FALSE(m_bWritten);
    }
}

TEST_F(DataChunkTest, CopiesFromThePathAsOpened) {
    std::filesystem::create_directory(m_dir.file("Case"));
    const Bytes samples = Samples(77);
    CChunk& data = LoadSource(testfiles::WaveFile({{"data", samples}}), "Case/Mixed.WAV");
    ASSERT_FALSE(std::filesystem::exists(m_root.m_strPath));  // the lower-cased name is no file
    EXPECT_EQ(WriteToTarget(data), DataChunkBytes(samples));
    EXPECT_TRUE(m_bWritten);
}

TEST_F(DataChunkTest, CopiesSamplesLyingBeyondThreeGiB) {
    constexpr DWORD kThreeGiB = 0xC0000000;
    const Bytes samples = ByteBuilder().text("abcdef");
    const Bytes tail = DataChunkBytes(samples);
    const std::int64_t tailOffset = std::int64_t{20} + kThreeGiB;
    const Bytes head = ByteBuilder()
                           .text("RIFF")
                           .le32(static_cast<DWORD>(tailOffset + tail.size() - 8))
                           .text("WAVE")
                           .text("data")
                           .le32(kThreeGiB);
    m_sourcePath = m_dir.file("big.wav");
    testfiles::writeSparseFile(m_sourcePath, head, tailOffset, tail);
    ASSERT_TRUE(m_root.Load(m_sourcePath));
    ASSERT_EQ(m_root.GetCount(), 2);
    CChunk& data = *m_root.GetChild(1);
    EXPECT_EQ(data.m_ck.dwDataOffset, tailOffset + 8);
    EXPECT_EQ(WriteToTarget(data), tail);
}

TEST_F(DataChunkTest, DescriptionFramesTheGenericText) {
    CChunk& data = LoadSource(testfiles::WaveFile({{"data", Samples(16)}}));
    EXPECT_EQ(data.GetDescription(), "Data Chunk\r\nckid = data\r\ncksize = 10\r\n\r\n");
}

}  // namespace
