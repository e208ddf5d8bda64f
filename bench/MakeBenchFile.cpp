// Writes the benchmark files: a Broadcast Wave file of a given size whose samples are a hole
// (bext, fmt, data, then a LIST after the data), or a file of many small chunks before its data.

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "RiffWriter.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

constexpr std::uint64_t kLargestForm = 0xFFFFFFFF;

Bytes Concat(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

testfiles::BextFields BenchBext() {
    testfiles::BextFields fields;
    fields.description = "Benchmark take";
    fields.originator = "Ovalis bench";
    fields.originationDate = "2024-01-01";
    fields.originationTime = "12:00:00";
    fields.version = 1;
    fields.codingHistory = "A=PCM,F=48000,W=24,M=stereo,T=bench\r\n";
    return fields;
}

Bytes Info() {
    return ByteBuilder().text("INFO").text("ISFT").le32(12).text("Ovalis bench");
}

bool WriteAt(int fd, const Bytes& bytes, off_t offset) {
    return ::pwrite(fd, bytes.data(), bytes.size(), offset) == static_cast<ssize_t>(bytes.size());
}

// Only the headers and the LIST take room on disk; the samples are left a hole.
bool WriteSparse(const std::string& strPath, std::uint64_t nFileSize) {
    const Bytes head = Concat(testfiles::ChunkBytes({"bext", testfiles::BextPayload(BenchBext())}),
                              testfiles::ChunkBytes({"fmt ", testfiles::PcmFormat(2, 48000, 24)}));
    const Bytes list = testfiles::ChunkBytes({"LIST", Info()});
    const std::uint64_t nFixed = 12 + head.size() + 8 + list.size();
    if (nFileSize < nFixed || nFileSize - 8 > kLargestForm) {
        std::fprintf(stderr, "a file of %llu bytes cannot hold the chunks in one form\n",
                     static_cast<unsigned long long>(nFileSize));
        return false;
    }
    const auto nSamples = static_cast<std::uint32_t>((nFileSize - nFixed) & ~std::uint64_t{1});
    Bytes start = ByteBuilder()
                      .text("RIFF")
                      .le32(static_cast<std::uint32_t>(nFixed - 8 + nSamples))
                      .text("WAVE");
    start = Concat(Concat(start, head), ByteBuilder().text("data").le32(nSamples));
    const int fd = ::open(strPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const auto listOffset = static_cast<off_t>(start.size() + nSamples);
    const bool bWritten = fd >= 0 && WriteAt(fd, start, 0) && WriteAt(fd, list, listOffset);
    return (fd < 0 || ::close(fd) == 0) && bWritten;
}

// Ids that no class is registered for, each chunk a few bytes, some of odd size.
bool WriteManyChunks(const std::string& strPath, unsigned nChunks) {
    std::vector<testfiles::ChunkSpec> chunks = {{"fmt ", testfiles::PcmFormat(2, 48000, 16)}};
    for (unsigned i = 0; i < nChunks; ++i) {
        char id[8];
        std::snprintf(id, sizeof id, "c%03u", i % 1000);
        chunks.push_back({id, Bytes(8 + i % 9, static_cast<std::uint8_t>(i))});
    }
    chunks.push_back({"data", Bytes(4800, 0)});
    try {
        testfiles::writeFile(strPath, testfiles::WaveFile(chunks));
        return true;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::string strKind = argc == 4 ? argv[1] : "";
    if (strKind != "sparse" && strKind != "chunks") {
        std::fprintf(stderr, "usage: %s sparse FILE BYTES | chunks FILE COUNT\n", argv[0]);
        return 2;
    }
    const unsigned long long nValue = std::strtoull(argv[3], nullptr, 10);
    const bool bWritten = strKind == "sparse"
                              ? WriteSparse(argv[2], nValue)
                              : WriteManyChunks(argv[2], static_cast<unsigned>(nValue));
    return bWritten ? 0 : 1;
}
