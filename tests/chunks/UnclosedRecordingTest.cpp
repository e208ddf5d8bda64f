// Recordings that were never closed or were cut off, and stray bytes after the last chunk: the
// samples show up to the end of the file, and a save keeps every byte of them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RiffWriter.h"
#include "SparseFile.h"
#include "core/file/RiffSave.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;

Bytes Samples(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(0x80 + i % 64);  // never a printable id
    }
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

std::vector<std::string> Names(const CChunk& root) {
    std::vector<std::string> names;
    for (CObject* pChild : root) {
        names.push_back(static_cast<CChunk*>(pChild)->m_strName);
    }
    return names;
}

const CChunk* DataOf(const CChunk& root) {
    for (CObject* pChild : root) {
        if (static_cast<CChunk*>(pChild)->m_strName == "data") {
            return static_cast<CChunk*>(pChild);
        }
    }
    return nullptr;
}

struct UnclosedCase {
    const char* name;
    std::uint32_t formSize;
    std::uint32_t dataSize;
    std::size_t nPresent;  // sample bytes in the file
    std::int64_t expectedSize;
};

constexpr std::uint32_t kStandIn = 0xFFFFFFFF;
// RIFF header, fmt chunk, data header: where the samples start.
constexpr std::uint32_t kSamplesAt = 12 + 24 + 8;

class UnclosedRecordingTest : public ::testing::TestWithParam<UnclosedCase> {
protected:
    testfiles::TempDir m_dir;
};

TEST_P(UnclosedRecordingTest, SamplesRunToTheEndOfTheFileAndASaveKeepsThem) {
    const UnclosedCase& c = GetParam();
    const Bytes file = Concat({ByteBuilder().text("RIFF").le32(c.formSize).text("WAVE"),
                               testfiles::ChunkBytes({"fmt ", testfiles::PcmFormat(1, 8000, 8)}),
                               ByteBuilder().text("data").le32(c.dataSize), Samples(c.nPresent)});
    const std::string path = m_dir.file("take.wav");
    testfiles::writeFile(path, file);
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"fmt ", "data"}));
    ASSERT_NE(DataOf(root), nullptr);
    EXPECT_EQ(DataOf(root)->m_ck.llDataSize, c.expectedSize);

    const std::string saved = m_dir.file("saved.wav");
    ASSERT_EQ(SaveTree(root, saved, {}), "");
    CRiffChunk reloaded;
    ASSERT_TRUE(reloaded.Load(saved));
    ASSERT_NE(DataOf(reloaded), nullptr);
    EXPECT_EQ(DataOf(reloaded)->m_ck.cksize, static_cast<DWORD>(c.nPresent));
    const Bytes bytes = testfiles::readFile(saved);
    EXPECT_EQ(Bytes(bytes.begin() + kSamplesAt, bytes.begin() + kSamplesAt + c.nPresent),
              Samples(c.nPresent));
}

INSTANTIATE_TEST_SUITE_P(Recordings, UnclosedRecordingTest,
                         ::testing::Values(UnclosedCase{"DataSizeStandIn", kStandIn, kStandIn, 100,
                                                        100},
                                           UnclosedCase{"DataSizeZero", 36, 0, 100, 100},
                                           UnclosedCase{"FormSizeZero", 0, 40, 100, 100},
                                           UnclosedCase{"FormSizeStandIn", kStandIn, 40, 100, 100},
                                           UnclosedCase{"FormSizeDisagrees", 76, 40, 100, 100},
                                           UnclosedCase{"CutOff", 1036, 1000, 100, 100}),
                         [](const auto& info) { return std::string(info.param.name); });

// An RF64 form's 32-bit size always stands in: its ds64 chunk's form size says whether the form
// was closed, and with it whether a data size followed by no chunk header is to be believed. A
// ds64 data size past the end of the file is cut off there, as a 32-bit one is.
TEST(UnclosedRecordingTest, AnRf64FormIsClosedWhenItsDs64FormSizeFitsTheFile) {
    const Bytes fmt = testfiles::ChunkBytes({"fmt ", testfiles::PcmFormat(1, 8000, 8)});
    const std::uint64_t nFits = 4 + 8 + 28 + fmt.size() + 8 + 40 + 16;
    const std::vector<std::string> closed{"ds64", "fmt ", "data", "Unknown", "Unknown"};
    const std::vector<std::string> unclosed{"ds64", "fmt ", "data"};
    const struct {
        const char* name;
        std::uint64_t nFormSize;
        std::uint32_t nDataHeader;
        std::uint64_t nDs64DataSize;
        std::int64_t expectedSize;
        const std::vector<std::string>& names;
    } rows[] = {
        {"fits", nFits, 40, 0, 40, closed},
        {"too small", nFits - 16, 40, 0, 56, unclosed},
        {"unset", 0, 40, 0, 56, unclosed},
        {"past any file", 0x7FFFFFFFFFFFFFF0, 40, 0, 56, unclosed},
        {"ds64 data size past the end", 0, kStandIn, 400, 56, unclosed},
        {"ds64 data size near 2^63", 0, kStandIn, 0x7FFFFFFFFFFFFFD4, 56, unclosed},
    };
    testfiles::TempDir dir;
    for (const auto& row : rows) {
        const Bytes ds64 = testfiles::Ds64Payload({row.nFormSize, row.nDs64DataSize, 0});
        const Bytes file =
            Concat({ByteBuilder().text("RF64").le32(kStandIn).text("WAVE"),
                    testfiles::ChunkBytes({"ds64", ds64}), fmt,
                    ByteBuilder().text("data").le32(row.nDataHeader), Samples(40), Bytes(16, 0)});
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, file);
        CRiffChunk root;
        ASSERT_TRUE(root.Load(path)) << row.name << ": " << root.LoadFailure();
        EXPECT_EQ(Names(root), row.names) << row.name;
        ASSERT_NE(DataOf(root), nullptr) << row.name;
        EXPECT_EQ(DataOf(root)->m_ck.llDataSize, row.expectedSize) << row.name;
    }
}

TEST(UnclosedRecordingSparseTest, UnclosedDataPastFourGiBRunsToTheEndOfTheFile) {
    testfiles::TempDir dir;
    const Bytes head = Concat({ByteBuilder().text("RIFF").le32(kStandIn).text("WAVE"),
                               testfiles::ChunkBytes({"fmt ", testfiles::PcmFormat(1, 8000, 8)}),
                               ByteBuilder().text("data").le32(kStandIn)});
    const std::int64_t tailOffset = (std::int64_t{9} << 29) + 3;  // 4.5 GiB and an odd 3
    const std::string path = dir.file("unclosed.wav");
    testfiles::writeSparseFile(path, head, tailOffset, Samples(9));
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"fmt ", "data"}));
    EXPECT_EQ(DataOf(root)->m_ck.llDataSize, tailOffset + 9 - kSamplesAt);
}

// A writer that leaves out pad bytes, cut off inside the samples: the walk must not land a byte
// late on the data header, or a save would lose the data chunk.
TEST(CutOffRecordingTest, DataAfterAnOddChunkWithoutItsPadIsFound) {
    testfiles::TempDir dir;
    const Bytes file = Concat({ByteBuilder().text("RIFF").le32(4000).text("WAVE"),
                               testfiles::ChunkBytes({"fmt ", testfiles::PcmFormat(1, 8000, 8)}),
                               testfiles::ChunkBytes({"note", Bytes(5, 'n'), false}),
                               ByteBuilder().text("data").le32(3000), Samples(70)});
    const std::string path = dir.file("cut.wav");
    testfiles::writeFile(path, file);
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    EXPECT_EQ(Names(root), (std::vector<std::string>{"fmt ", "Unknown", "data"}));
    const std::string saved = dir.file("saved.wav");
    ASSERT_EQ(SaveTree(root, saved, {}), "");
    CRiffChunk reloaded;
    ASSERT_TRUE(reloaded.Load(saved));
    ASSERT_NE(DataOf(reloaded), nullptr);
    EXPECT_EQ(DataOf(reloaded)->m_ck.cksize, 70u);
}

// Inside a form whose size covers them or after it, as the file had them, so that the saved
// file's form size agrees with it as the loaded one's did.
TEST(TrailingBytesTest, OneToSevenStrayBytesAreWrittenBackWhereTheyWere) {
    for (std::size_t n = 1; n <= 14; ++n) {
        const bool bInForm = n > 7;
        const std::size_t nStray = bInForm ? n - 7 : n;
        SCOPED_TRACE(testing::Message() << nStray << (bInForm ? " in the form" : " after it"));
        testfiles::TempDir dir;
        const std::vector<testfiles::ChunkSpec> chunks = {
            {"fmt ", testfiles::PcmFormat(1, 8000, 8)}, {"data", Samples(5)}};
        const std::uint32_t formSize =
            static_cast<std::uint32_t>(testfiles::WaveFile(chunks).size() - 8 + nStray);
        Bytes file =
            bInForm ? testfiles::WaveFile(chunks, "WAVE", formSize) : testfiles::WaveFile(chunks);
        const Bytes stray(nStray, 'z');
        file.insert(file.end(), stray.begin(), stray.end());
        const std::string path = dir.file("stray.wav");
        testfiles::writeFile(path, file);
        CRiffChunk root;
        ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
        const std::string saved = dir.file("saved.wav");
        ASSERT_EQ(SaveTree(root, saved, {}), "");
        EXPECT_EQ(testfiles::readFile(saved), file);
        CRiffChunk reloaded;
        ASSERT_TRUE(reloaded.Load(saved));
        EXPECT_EQ(Names(reloaded), Names(root));
    }
}

}  // namespace
