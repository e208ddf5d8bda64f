// The buffer under the RIFF I/O layer: small requests are served from memory and reach the system
// as few large transfers, large ones go straight to the file, and what the layer holds is part of
// the file its callers see, errors included.

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "CallRecorder.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/io/Mmio.h"
#include "core/io/MmioSeam.h"

namespace {

using testfiles::Bytes;

constexpr DWORD kReadWrite = MMIO_READWRITE | MMIO_DENYNONE;
constexpr LONG kBuffer = static_cast<LONG>(kMmioBufferSize);

// Bytes of a pattern that shows a shifted or repeated piece.
Bytes Pattern(std::size_t nBytes) {
    Bytes bytes(nBytes);
    for (std::size_t i = 0; i < nBytes; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
    }
    return bytes;
}

class MmioBufferTest : public ::testing::Test {
protected:
    HMMIO Open(const Bytes& bytes) {
        testfiles::writeFile(m_path, bytes);
        HMMIO hmmio = mmioOpen(m_path.c_str(), nullptr, kReadWrite);
        EXPECT_NE(hmmio, nullptr);
        return hmmio;
    }

    testfiles::TempDir m_dir;
    std::string m_path = m_dir.file("file.wav");
    testfiles::CallRecorder m_calls;
};

TEST_F(MmioBufferTest, AWalkOverSmallChunksReadsTheFileInBufferSizedPieces) {
    constexpr int kChunks = 5000;  // 80,000 bytes: the walk crosses a buffer's end
    std::vector<testfiles::ChunkSpec> chunks(kChunks, {"junk", Bytes(8, 'j')});
    HMMIO hmmio = Open(testfiles::WaveFile(chunks));
    mmioResetCounters();
    int nFound = 0;
    {
        MmioSystemCallsScope scope(m_calls);
        MMCKINFO form{0, 0, mmioStringToFOURCC("WAVE", 0), 0, 0};
        ASSERT_EQ(mmioDescend(hmmio, &form, nullptr, MMIO_FINDRIFF), 0u);
        for (MMCKINFO ck{}; mmioDescend(hmmio, &ck, &form, MMIO_FINDCHUNK) == 0; ck = {}) {
            ++nFound;
            ASSERT_EQ(mmioAscend(hmmio, &ck, 0), 0u);
        }
    }
    mmioClose(hmmio, 0);
    EXPECT_EQ(nFound, kChunks);
    EXPECT_EQ(m_calls.reads, (std::vector<std::size_t>{kMmioBufferSize, kMmioBufferSize}));
    EXPECT_EQ(m_calls.seeks, 0);
    EXPECT_GT(mmioCounters().reads, kChunks);
    EXPECT_EQ(mmioCounters().seeks, kChunks);
}

TEST_F(MmioBufferTest, PassesOfSamplesReachTheSystemAsFullBuffers) {
    const Bytes samples = Pattern(300000);
    HMMIO hmmio = Open({});
    {
        MmioSystemCallsScope scope(m_calls);
        for (std::size_t done = 0; done < samples.size(); done += 12000) {
            ASSERT_EQ(mmioWrite(hmmio, reinterpret_cast<const char*>(&samples[done]), 12000),
                      12000);
        }
        EXPECT_EQ(mmioClose(hmmio, 0), 0u);
    }
    EXPECT_EQ(m_calls.writes, (std::vector<std::size_t>{60000, 60000, 60000, 60000, 60000}));
    EXPECT_EQ(testfiles::readFile(m_path), samples);
}

TEST_F(MmioBufferTest, TransfersOfTheBufferSizeOrMoreGoStraightToTheFile) {
    const Bytes bytes = Pattern(3 * kMmioBufferSize);
    HMMIO hmmio = Open(bytes);
    Bytes read(bytes.size());
    auto* pRead = reinterpret_cast<char*>(read.data());
    {
        MmioSystemCallsScope scope(m_calls);
        ASSERT_EQ(mmioRead(hmmio, pRead, 100), 100);
        // What the buffer holds comes from it, the rest straight into the caller's memory.
        ASSERT_EQ(mmioRead(hmmio, pRead + 100, 2 * kBuffer), 2 * kBuffer);
        ASSERT_EQ(mmioWrite(hmmio, "held", 4), 4);
        ASSERT_EQ(mmioWrite(hmmio, pRead, kBuffer), kBuffer);
    }
    EXPECT_EQ(m_calls.reads, (std::vector<std::size_t>{kMmioBufferSize, kMmioBufferSize + 100}));
    EXPECT_EQ(m_calls.writes, (std::vector<std::size_t>{4, kMmioBufferSize}));
    read.resize(100 + 2 * kMmioBufferSize);
    EXPECT_EQ(read, Bytes(bytes.begin(), bytes.begin() + read.size()));
    mmioClose(hmmio, 0);
}

TEST_F(MmioBufferTest, WhatTheLayerHoldsIsPartOfTheFileItsCallersSee) {
    const struct {
        const char* name;
        std::function<void(HMMIO)> check;
        int nSeeks;
    } rows[] = {
        {"the size counts bytes not yet written",
         [this](HMMIO h) {
             ASSERT_EQ(mmioWrite(h, "0123456789abc", 13), 13);
             EXPECT_EQ(mmioFileSize(h), 13);
             EXPECT_EQ(std::filesystem::file_size(m_path), 8u);
         },
         0},
        {"a read sees what was written",
         [](HMMIO h) {
             ASSERT_EQ(mmioWrite(h, "abcd", 4), 4);
             ASSERT_EQ(mmioSeek(h, 0, SEEK_FROM_START), 0);
             char bytes[12] = {};
             ASSERT_EQ(mmioRead(h, bytes, 12), 8);
             EXPECT_EQ(std::string(bytes, 8), "abcd4567");
         },
         1},
        {"a seek inside what was read costs no system call",
         [](HMMIO h) {
             char bytes[4] = {};
             ASSERT_EQ(mmioRead(h, bytes, 4), 4);
             EXPECT_EQ(mmioSeek(h, 2, SEEK_FROM_START), 2);
             EXPECT_EQ(mmioSeek(h, 8, SEEK_FROM_START), 8);
             EXPECT_EQ(mmioSeek(h, -8, SEEK_FROM_CURRENT), 0);
         },
         0},
        {"a created chunk's size is set inside the bytes held",
         [](HMMIO h) {
             MMCKINFO ck{mmioStringToFOURCC("abcd", 0), 0, 0, 0, 0};
             ASSERT_EQ(mmioCreateChunk(h, &ck, 0), 0u);
             ASSERT_EQ(mmioWrite(h, "xyz", 3), 3);
             ASSERT_EQ(mmioAscend(h, &ck, 0), 0u);
             EXPECT_EQ(mmioFileSize(h), 12);
         },
         0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HMMIO hmmio = Open(testfiles::ByteBuilder().text("01234567"));
        testfiles::CallRecorder calls;
        {
            MmioSystemCallsScope scope(calls);
            row.check(hmmio);
        }
        EXPECT_EQ(calls.seeks, row.nSeeks);
        mmioClose(hmmio, 0);
    }
}

// A disk with no room left: every write fails with ENOSPC.
class FullDisk : public MmioSystemCalls {
public:
    ssize_t write(int, const void*, std::size_t) override {
        errno = ENOSPC;
        return -1;
    }
};

TEST_F(MmioBufferTest, AWriteThatFindsTheDiskFullFailsTheCallThatWritesIt) {
    const struct {
        const char* name;
        std::function<std::int64_t(HMMIO&)> call;
        std::int64_t failure;
    } rows[] = {
        {"flush", [](HMMIO& h) { return mmioFlush(h, 0); }, MMIOERR_CANNOTWRITE},
        {"close", [](HMMIO& h) { return mmioClose(std::exchange(h, nullptr), 0); },
         MMIOERR_CANNOTWRITE},
        {"seek away", [](HMMIO& h) { return mmioSeek(h, 1000000, SEEK_FROM_START); }, -1},
        {"read",
         [](HMMIO& h) {
             char byte;
             return mmioRead(h, &byte, 1);
         },
         -1},
        {"write that finds the buffer full",
         [](HMMIO& h) {
             return mmioWrite(h, std::string(kMmioBufferSize - 1, 'w').data(), kBuffer - 1);
         },
         -1},
    };
    const Bytes before = testfiles::ByteBuilder().text("before");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        HMMIO hmmio = Open(before);
        ASSERT_EQ(mmioWrite(hmmio, "held", 4), 4);
        FullDisk disk;
        {
            MmioSystemCallsScope scope(disk);
            errno = 0;
            EXPECT_EQ(row.call(hmmio), row.failure);
            EXPECT_EQ(errno, ENOSPC);
        }
        EXPECT_EQ(testfiles::readFile(m_path), before);
        if (hmmio != nullptr) {
            EXPECT_EQ(mmioClose(hmmio, 0), 0u);
            EXPECT_EQ(testfiles::readFile(m_path), testfiles::ByteBuilder().text("heldre").bytes());
        }
    }
}

}  // namespace
