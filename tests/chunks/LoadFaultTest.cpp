// A load whose system calls fail: every failed read, seek or size query ends the load with the
// call and its offset named, and a save refuses the tree it leaves.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

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

}  // namespace

TEST(LoadFaultTest, EachFailedCallEndsTheLoadNamingItAndNoSaveStarts) {
    TempDir dir;
    const std::string path = dir.file("take.wav");
    const Bytes bytes = LoadedFile();
    testfiles::writeFile(path, bytes);
    const std::vector<LoadFault> faults = EachLoadFault(path);
    for (const Call call : {Call::Read, Call::Seek, Call::Stat}) {
        EXPECT_TRUE(std::any_of(faults.begin(), faults.end(),
                                [call](const LoadFault& fault) { return fault.call == call; }));
    }
    for (const LoadFault& fault : faults) {
        SCOPED_TRACE(testing::Message() << fault.pszNamed << "#" << fault.n);
        MmioFaultyCalls faulty;
        faulty.failAt(fault.call, fault.n);
        CRiffChunkModel root;
        {
            MmioSystemCallsScope scope(faulty);
            EXPECT_FALSE(root.Load(path));
        }
        EXPECT_NE(root.LoadFailure().find(fault.pszNamed), std::string::npos) << root.LoadFailure();
        EXPECT_NE(SaveTree(root, path, {}), "");
        EXPECT_EQ(testfiles::readFile(path), bytes);
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
