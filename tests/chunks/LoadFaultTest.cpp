// A load whose system calls fail: every failed read, seek or size query ends the load with the
// call and its offset named, and a save refuses the tree it leaves.

#include <gtest/gtest.h>

#include <string>

#include "MmioFaults.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"

namespace {

using testfiles::BextFields;
using testfiles::BextPayload;
using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkSpec;
using testfiles::PcmFormat;
using testfiles::TempDir;
using testfiles::WaveFile;
using Call = MmioFaultyCalls::Call;

// Past the layer's buffer, so that the load reads straight into a payload and seeks past the
// samples as well as reading headers from the buffer.
Bytes LoadedFile() {
    return WaveFile({{"bext", BextPayload(BextFields{.description = "take 1"})},
                     {"fmt ", PcmFormat(2, 48000, 16)},
                     {"JUNK", Bytes(100000, 0)},
                     {"data", Bytes(200000, 1)},
                     {"LIST", ByteBuilder().text("INFO").text("ICMT").le32(2).text("ok")}});
}

struct Row {
    Call call;
    const char* pszNamed;  // what the failure says
};

const Row kRows[] = {
    {Call::Read, "read of "},
    {Call::Seek, "lseek to offset "},
    {Call::Stat, "fstat of the open file failed: Input/output error"},
};

int CallsOfCleanLoad(const std::string& path, Call call) {
    MmioFaultyCalls counted;
    MmioSystemCallsScope scope(counted);
    CRiffChunkModel root;
    EXPECT_TRUE(root.Load(path));
    return counted.count(call);
}

}  // namespace

TEST(LoadFaultTest, EachFailedCallEndsTheLoadNamingItAndNoSaveStarts) {
    TempDir dir;
    const std::string path = dir.file("take.wav");
    const Bytes bytes = LoadedFile();
    testfiles::writeFile(path, bytes);
    for (const Row& row : kRows) {
        const int nCalls = CallsOfCleanLoad(path, row.call);
        ASSERT_GT(nCalls, 0) << row.pszNamed;
        for (int n = 1; n <= nCalls; ++n) {
            MmioFaultyCalls faulty;
            faulty.failAt(row.call, n);
            CRiffChunkModel root;
            {
                MmioSystemCallsScope scope(faulty);
                EXPECT_FALSE(root.Load(path)) << row.pszNamed << n;
            }
            EXPECT_NE(root.LoadFailure().find(row.pszNamed), std::string::npos)
                << n << ": " << root.LoadFailure();
            EXPECT_NE(SaveTree(root, path, {}), "") << row.pszNamed << n;
            EXPECT_EQ(testfiles::readFile(path), bytes) << row.pszNamed << n;
        }
    }
}

TEST(LoadFaultTest, AFailedReadIsNamedByItsSizeAndOffset) {
    TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, LoadedFile());
    MmioFaultyCalls faulty;
    faulty.failAt(Call::Read, 1);
    MmioSystemCallsScope scope(faulty);
    CRiffChunkModel root;
    EXPECT_FALSE(root.Load(path));
    EXPECT_EQ(root.LoadFailure(), "read of 8 bytes at offset 0 failed: Input/output error");
}

// The end of a file cut short is no error: the load mends the last chunk's size as before.
TEST(LoadFaultTest, AShortReadAtTheEndOfACutFileIsNoFailure) {
    TempDir dir;
    const std::string path = dir.file("cut.wav");
    Bytes bytes = LoadedFile();
    bytes.resize(bytes.size() - 5);
    testfiles::writeFile(path, bytes);
    CRiffChunkModel root;
    root.Load(path);
    EXPECT_EQ(root.LoadFailure().find("failed:"), std::string::npos) << root.LoadFailure();
}
