// The audio checksum: the MD5 of the data chunk's payload, the "MD5 " chunk read and verified,
// and a save that keeps a checksum reading its written samples back before it replaces a file.

#include <gtest/gtest.h>

#include <cstring>

#include "RiffWriter.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/file/RiffSave.h"
#include "core/integrity/ChecksumChunk.h"
#include "core/integrity/SampleChecksum.h"
#include "core/io/MmioSeam.h"

using namespace testfiles;

namespace {

const Bytes kSamples = ByteBuilder().text("abc");
const char* const kAbcMd5 = "900150983cd24fb0d6963f7d28e17f72";

Bytes ChecksumPayload(const char* pszHex) {
    Bytes bytes;
    for (int i = 0; i < 16; ++i) {
        bytes.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(pszHex + 2 * i, 2), nullptr, 16)));
    }
    return bytes;
}

Bytes FileWith(const std::vector<ChunkSpec>& extra, const Bytes& samples = kSamples) {
    std::vector<ChunkSpec> chunks{{"fmt ", PcmFormat(1, 8000, 8)}, {"data", samples}};
    chunks.insert(chunks.end(), extra.begin(), extra.end());
    return WaveFile(chunks);
}

std::string IdsOf(const CRiffChunkModel& root) {
    std::string ids;
    for (CObject* pObject : root) {
        const FOURCC ckid = static_cast<CChunk*>(pObject)->m_ck.ckid;
        ids += std::string(reinterpret_cast<const char*>(&ckid), 4) + "|";
    }
    return ids;
}

// Flips the first byte of every write that holds the samples' "abc".
class CorruptingCalls : public MmioSystemCalls {
public:
    ssize_t write(int fd, const void* buffer, std::size_t count) override {
        std::vector<char> bytes(static_cast<const char*>(buffer),
                                static_cast<const char*>(buffer) + count);
        const std::string text(bytes.begin(), bytes.end());
        if (const std::size_t at = text.find("abc"); at != std::string::npos) {
            bytes[at] ^= 1;
        }
        return MmioSystemCalls::write(fd, bytes.data(), count);
    }
};

}  // namespace

TEST(ChecksumTest, TheDigestIsTheMd5OfThePayloadAsStoredWithoutItsPadByte) {
    struct Row {
        const char* name;
        Bytes samples;
        const char* md5;
    };
    const Row rows[] = {
        {"odd size, pad byte after it", kSamples, kAbcMd5},
        {"empty data", Bytes{}, "d41d8cd98f00b204e9800998ecf8427e"},
    };
    for (const Row& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), FileWith({}, row.samples));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(dir.file("a.wav"))) << row.name;
        const ChecksumResult result = SampleChecksum(root, {});
        ASSERT_TRUE(result.digest) << row.name << ": " << result.strFailure;
        EXPECT_EQ(Md5Text(*result.digest), row.md5) << row.name;
    }
}

TEST(ChecksumTest, TheStoredChecksumIsReadAndItsStateTold) {
    struct Row {
        const char* name;
        std::vector<ChunkSpec> extra;
        ChecksumState state;
    };
    const Row rows[] = {
        {"matching", {{"MD5 ", ChecksumPayload(kAbcMd5)}}, ChecksumState::Matches},
        {"other",
         {{"MD5 ", ChecksumPayload("00000000000000000000000000000000")}},
         ChecksumState::Differs},
        {"none", {}, ChecksumState::NotStored},
        {"too short to hold one", {{"MD5 ", Bytes(8, 0)}}, ChecksumState::NotStored},
    };
    for (const Row& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), FileWith(row.extra));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(dir.file("a.wav"))) << row.name;
        const ChecksumResult result = SampleChecksum(root, {});
        ASSERT_TRUE(result.digest);
        EXPECT_EQ(StateOf(StoredChecksum(root), *result.digest), row.state) << row.name;
    }
}

TEST(ChecksumTest, AFlippedSampleByteIsFound) {
    TempDir dir;
    Bytes bytes = FileWith({{"MD5 ", ChecksumPayload(kAbcMd5)}});
    bytes[44] ^= 0x01;  // the first sample byte: after RIFF (12), fmt (24) and data's header (8)
    writeFile(dir.file("a.wav"), bytes);
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(dir.file("a.wav")));
    EXPECT_EQ(StateOf(StoredChecksum(root), *SampleChecksum(root, {}).digest),
              ChecksumState::Differs);
}

TEST(ChecksumTest, AnEmbeddedChecksumStandsAfterTheDataChunkAndVerifiesAfterTheSave) {
    struct Row {
        const char* name;
        std::vector<ChunkSpec> extra;
        std::string ids;
    };
    const Row rows[] = {
        {"added", {{"LIST", ByteBuilder().text("INFO")}}, "fmt |data|MD5 |LIST|"},
        {"updated in place",
         {{"MD5 ", Bytes(16, 0)}, {"junk", Bytes(2, 0)}},
         "fmt |data|MD5 |junk|"},
        {"a short one grown", {{"MD5 ", Bytes(3, 0)}}, "fmt |data|MD5 |"},
    };
    for (const Row& row : rows) {
        TempDir dir;
        const std::string path = dir.file("a.wav");
        writeFile(path, FileWith(row.extra));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        ASSERT_EQ(EmbedChecksum(root, *SampleChecksum(root, {}).digest), "") << row.name;
        ASSERT_EQ(SaveTree(root, path, {}), "") << row.name;
        CRiffChunkModel reopened;
        ASSERT_TRUE(reopened.Load(path)) << row.name;
        EXPECT_EQ(IdsOf(reopened), row.ids) << row.name;
        EXPECT_EQ(StateOf(StoredChecksum(reopened), *SampleChecksum(reopened, {}).digest),
                  ChecksumState::Matches)
            << row.name;
    }
}

TEST(ChecksumTest, ASaveWhoseWrittenSamplesDifferIsRefusedAndTheFileKept) {
    TempDir dir;
    const std::string path = dir.file("a.wav");
    const Bytes original = FileWith({});
    writeFile(path, original);
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    ASSERT_EQ(EmbedChecksum(root, *SampleChecksum(root, {}).digest), "");
    CorruptingCalls calls;
    CString strFailure;
    {
        MmioSystemCallsScope scope(calls);
        strFailure = SaveTree(root, path, {});
    }
    EXPECT_NE(strFailure.find("differ from those of"), CString::npos) << strFailure;
    EXPECT_EQ(readFile(path), original);
}

TEST(ChecksumTest, AFileWithoutDataHasNoChecksum) {
    TempDir dir;
    writeFile(dir.file("a.wav"),
              WaveFile({{"fmt ", PcmFormat(1, 8000, 8)}, {"junk", Bytes(4, 0)}}));
    CRiffChunkModel root;
    root.Load(dir.file("a.wav"));
    EXPECT_FALSE(SampleChecksum(root, {}).digest);
    EXPECT_NE(EmbedChecksum(root, Md5Digest{}), "");
}

TEST(ChecksumTest, ProgressThatAnswersFalseCancels) {
    TempDir dir;
    writeFile(dir.file("a.wav"), FileWith({}));
    CRiffChunkModel root;
    root.Load(dir.file("a.wav"));
    const ChecksumResult result =
        SampleChecksum(root, [](std::int64_t, std::int64_t) { return false; });
    EXPECT_FALSE(result.digest);
    EXPECT_EQ(result.strFailure, kCancelled);
}
