// Every read, write, seek and close that a save over the loaded file makes, made to fail or to
// come up short in turn: the loaded file is byte for byte what it was, whatever the save
// reports, and the folder holds nothing else afterwards but the temporary file that a failed
// rename keeps.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "MmioFaults.h"
#include "RiffWriter.h"
#include "app/ViewerTestSupport.h"
#include "core/io/MmioSeam.h"
#include "pages/RiffChunk.h"

namespace {

namespace fs = std::filesystem;
using Call = MmioFaultyCalls::Call;
using testfiles::ByteBuilder;
using testfiles::Bytes;

// bext, fmt, fact, data of 25 passes and a LIST: five chunks whose save writes back the bytes
// they were loaded from, through buffers that the system reads and writes five times each.
Bytes FiveChunks() {
    testfiles::BextFields fields;
    fields.description = "Interview, take 3";
    fields.originator = "Field recorder";
    fields.originationDate = "2024-03-04";
    fields.originationTime = "05:06:07";
    fields.codingHistory = "A=PCM,F=48000,W=16,M=mono";
    Bytes samples(300000);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::uint8_t>(i * 31 + i / 251);
    }
    return testfiles::WaveFile(
        {{"bext", testfiles::BextPayload(fields)},
         {"fmt ", testfiles::PcmFormat(1, 48000, 16)},
         {"fact", ByteBuilder().le32(15000)},
         {"data", samples},
         {"LIST", ByteBuilder().text("INFO").text("ISFT").le32(4).text("test")}});
}

std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

struct Fault {
    const char* name;
    Call call;
    bool bFail;
    std::size_t nBytes;  // what a shortened read or write moves
};

const Fault kFaults[] = {
    {"read fails", Call::Read, true, 0},
    {"read moves 1 byte", Call::Read, false, 1},
    {"read finds the end", Call::Read, false, 0},
    {"write fails", Call::Write, true, 0},
    {"write moves 1 byte", Call::Write, false, 1},
    {"write makes no progress", Call::Write, false, 0},
    {"seek fails", Call::Seek, true, 0},
    {"close fails", Call::Close, true, 0},
};

class SaveFaultInjectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A temporary file made in the current folder would show among the folder's names.
        m_previousFolder = fs::current_path();
        fs::current_path(dir.path());
        m_path = dir.file("take.wav");
        testfiles::writeFile(m_path, m_bytes);
    }
    void TearDown() override { fs::current_path(m_previousFolder); }

    // Loads the file afresh and saves it over itself under calls; TRUE when the save says so.
    BOOL SaveOverItself(MmioFaultyCalls& calls) {
        testfiles::writeFile(m_path, m_bytes);
        CRiffChunk root;
        EXPECT_TRUE(root.Load(m_path));
        messages.texts.clear();
        const MmioSystemCallsScope scope(calls);
        return root.Save(m_path);
    }

    const Bytes m_bytes = FiveChunks();
    testfiles::TempDir dir;
    viewertest::ScopedMessageBoxRecorder messages;
    std::string m_path;
    fs::path m_previousFolder;
};

TEST_F(SaveFaultInjectionTest, EachCallOfTheSaveFailingOrShortLeavesTheFileAsItWas) {
    MmioFaultyCalls counting;
    ASSERT_TRUE(SaveOverItself(counting));
    ASSERT_EQ(testfiles::readFile(m_path), m_bytes) << "an unedited save changed the file";
    int nTrials = 0;
    for (const Fault& fault : kFaults) {
        for (int n = 1; n <= counting.count(fault.call); ++n, ++nTrials) {
            SCOPED_TRACE(std::string(fault.name) + " at call " + std::to_string(n));
            MmioFaultyCalls calls;
            if (fault.bFail) {
                calls.failAt(fault.call, n);
            } else {
                calls.shortenAt(fault.call, n, fault.nBytes);
            }
            const BOOL bSaved = SaveOverItself(calls);
            EXPECT_EQ(testfiles::readFile(m_path), m_bytes);
            EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"take.wav"});
            EXPECT_EQ(messages.texts.size(), bSaved ? 0u : 1u);
        }
    }
    // Reads, writes, seeks and closes of the form, the five chunks and the samples' buffers.
    EXPECT_GT(nTrials, 30);
}

TEST_F(SaveFaultInjectionTest, FailedRenameKeepsTheCompleteTemporaryFileBeside) {
    MmioFaultyCalls calls;
    calls.failAt(Call::Rename, 1);
    EXPECT_FALSE(SaveOverItself(calls));
    EXPECT_EQ(testfiles::readFile(m_path), m_bytes);
    const std::vector<std::string> names = Names(dir.path());
    ASSERT_EQ(names.size(), 2u);
    const std::string kept = names[0] == "take.wav" ? names[1] : names[0];
    EXPECT_EQ(testfiles::readFile(dir.file(kept)), m_bytes);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(kept), std::string::npos) << messages.texts[0];
}

}  // namespace
