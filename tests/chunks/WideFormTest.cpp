// RF64 and BW64 files: the ds64 chunk's sizes, data past 4 GiB, and saves that keep the form.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RiffWriter.h"
#include "SparseFile.h"
#include "app/OverviewOfLoad.h"
#include "core/chunks/ds64ChunkModel.h"
#include "core/file/RiffSave.h"
#include "pages/Overview.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::Bytes;
using testfiles::ChunkSpec;
using testfiles::Ds64Sizes;

constexpr std::uint32_t kStandIn = 0xFFFFFFFF;

Bytes Samples(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 5 + 3);
    }
    return bytes;
}

Bytes Payload(const CChunk& chunk) {
    return Bytes(chunk.Data(), chunk.Data() + chunk.DataSize());
}

std::vector<std::string> Names(const CChunk& root) {
    std::vector<std::string> names;
    for (CObject* pChild : root) {
        names.push_back(static_cast<CChunk*>(pChild)->m_strName);
    }
    return names;
}

struct WideCase {
    const char* name;
    const char* formId;
    bool withTableLength;
    bool realSizes;  // the 32-bit size fields hold the real sizes, not 0xFFFFFFFF
};

// fmt, 44 bytes of samples and a LIST chunk after them, with a ds64 chunk first.
Bytes WideFile(const WideCase& c) {
    const Bytes fmt = testfiles::PcmFormat(2, 44100, 16);
    const Bytes list = testfiles::ByteBuilder().text("INFO").text("ISFT").le32(2).text("ov");
    const std::uint32_t nSamples = 44;
    const std::uint32_t nForm = 4 + (8 + 28) + (8 + 16) + (8 + nSamples) + (8 + 14);
    const std::uint32_t nDs64 = c.withTableLength ? 28 : 24;
    const std::uint32_t nFormSize = nForm - (28 - nDs64);
    const Ds64Sizes sizes{nFormSize, nSamples, 11, {}, c.withTableLength};
    return testfiles::WideWaveFile(
        c.formId,
        {{"ds64", testfiles::Ds64Payload(sizes)},
         {"fmt ", fmt},
         {"data", Samples(nSamples), true, c.realSizes ? nSamples : kStandIn},
         {"LIST", list}},
        c.realSizes ? nFormSize : kStandIn);
}

class WideFormTest : public ::testing::TestWithParam<WideCase> {
protected:
    testfiles::TempDir m_dir;
};

TEST_P(WideFormTest, LoadsWithItsDs64ChunkAndSavesInItsOwnForm) {
    const WideCase& c = GetParam();
    const std::string path = m_dir.file("wide.wav");
    testfiles::writeFile(path, WideFile(c));
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    SetOverviewOfLoad(root);
    EXPECT_EQ(Names(root), (std::vector<std::string>{"ds64", "fmt ", "data", "LIST"}));
    EXPECT_EQ(g_strOverview, std::string(c.formId) + " WAVE file.\r\n\r\n");
    const auto* pDs64 = dynamic_cast<const Cds64ChunkModel*>(root.GetChild(0));
    ASSERT_NE(pDs64, nullptr);
    EXPECT_EQ(pDs64->DataChunkSize(), 44);
    EXPECT_EQ(pDs64->SampleCount(), 11);
    EXPECT_EQ(root.GetChild(2)->m_ck.llDataSize, 44);
    EXPECT_EQ(root.GetChild(3)->m_ck.fccType, mmioStringToFOURCC("INFO", 0));

    const std::string saved = m_dir.file("saved.wav");
    ASSERT_EQ(SaveTree(root, saved, {}), "");
    CRiffChunk reloaded;
    ASSERT_TRUE(reloaded.Load(saved)) << reloaded.LoadFailure();
    EXPECT_EQ(reloaded.m_ck.ckid, mmioStringToFOURCC(c.formId, 0));
    ASSERT_EQ(Names(reloaded), Names(root));
    const Bytes bytes = testfiles::readFile(saved);
    const auto* pSavedDs64 = dynamic_cast<const Cds64ChunkModel*>(reloaded.GetChild(0));
    ASSERT_NE(pSavedDs64, nullptr);
    EXPECT_EQ(pSavedDs64->RiffFormSize(), static_cast<std::int64_t>(bytes.size()) - 8);
    EXPECT_EQ(pSavedDs64->DataChunkSize(), 44);
    // An unedited save changes no byte: real 32-bit sizes stay real.
    EXPECT_EQ(reloaded.GetChild(2)->m_ck.cksize, c.realSizes ? 44 : kStandIn);
    EXPECT_EQ(bytes, WideFile(c));
    for (int i : {0, 1, 3}) {
        EXPECT_EQ(Payload(*reloaded.GetChild(i)), Payload(*root.GetChild(i))) << i;
    }
    const std::int64_t dataOffset = reloaded.GetChild(2)->m_ck.llDataOffset;
    EXPECT_EQ(Bytes(bytes.begin() + dataOffset, bytes.begin() + dataOffset + 44), Samples(44));
}

INSTANTIATE_TEST_SUITE_P(Forms, WideFormTest,
                         ::testing::Values(WideCase{"Rf64", "RF64", true, false},
                                           WideCase{"Bw64", "BW64", true, false},
                                           WideCase{"Ds64Of24Bytes", "RF64", false, false},
                                           WideCase{"Rf64WithRealSizes", "RF64", true, true},
                                           WideCase{"Bw64WithRealSizes", "BW64", true, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The data chunk's 32-bit size stays real where "see ds64" would mislead a reader: before a ds64
// chunk that comes after it, and when it is 0, which the ds64 chunk holds for "not known".
TEST(WideFormTest, ASaveKeepsTheDataSizeRealWhereTheDs64ChunkCannotGiveIt) {
    const struct {
        const char* name;
        std::uint32_t nSamples;
        bool bDs64First;
    } rows[] = {{"ds64 after the data", 44, false}, {"no samples", 0, true}};
    testfiles::TempDir dir;
    const Bytes list = testfiles::ByteBuilder().text("INFO").text("ISFT").le32(2).text("ov");
    for (const auto& row : rows) {
        const std::uint32_t nForm = 4 + (8 + 16) + (8 + row.nSamples) + (8 + 28) + (8 + 14);
        std::vector<ChunkSpec> chunks{{"fmt ", testfiles::PcmFormat(2, 44100, 16)},
                                      {"data", Samples(row.nSamples)},
                                      {"LIST", list}};
        chunks.insert(chunks.begin() + (row.bDs64First ? 0 : 2),
                      {"ds64", testfiles::Ds64Payload({nForm, row.nSamples, row.nSamples / 4})});
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, testfiles::WideWaveFile("BW64", chunks, nForm));
        CRiffChunk root;
        ASSERT_TRUE(root.Load(path)) << row.name << ": " << root.LoadFailure();
        const std::vector<std::string> names = Names(root);
        ASSERT_EQ(names.size(), 4u) << row.name;

        const std::string saved = dir.file("saved.wav");
        ASSERT_EQ(SaveTree(root, saved, {}), "") << row.name;
        CRiffChunk reloaded;
        ASSERT_TRUE(reloaded.Load(saved)) << row.name << ": " << reloaded.LoadFailure();
        ASSERT_EQ(Names(reloaded), names) << row.name;
        const int nData = row.bDs64First ? 2 : 1;
        EXPECT_EQ(reloaded.GetChild(nData)->m_ck.cksize, row.nSamples) << row.name;
        EXPECT_EQ(Payload(*reloaded.GetChild(3)), list) << row.name;
    }
}

TEST(WideFormSparseTest, ChunksAfterDataPastFourGiBAreFound) {
    testfiles::TempDir dir;
    constexpr std::uint64_t kFiveGiB = 5ULL << 30;
    const Bytes list = testfiles::ByteBuilder().text("INFO").text("ICMT").le32(2).text("ok");
    const Bytes tail = testfiles::ChunkBytes({"LIST", list});
    const Bytes ds64 = testfiles::Ds64Payload({0, kFiveGiB, kFiveGiB / 4, {{"LIST", 14}}});
    const Bytes head = testfiles::WideWaveFile(
        "RF64", {{"ds64", ds64}, {"fmt ", testfiles::PcmFormat(2, 48000, 16)}});
    Bytes withData = head;
    const Bytes dataHeader = testfiles::ByteBuilder().text("data").le32(kStandIn);
    withData.insert(withData.end(), dataHeader.begin(), dataHeader.end());
    const auto tailOffset = static_cast<std::int64_t>(withData.size() + kFiveGiB);
    const std::string path = dir.file("big.wav");
    testfiles::writeSparseFile(path, withData, tailOffset, tail);

    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    SetOverviewOfLoad(root);
    EXPECT_EQ(Names(root), (std::vector<std::string>{"ds64", "fmt ", "data", "LIST"}));
    EXPECT_EQ(root.GetChild(2)->m_ck.llDataSize, static_cast<std::int64_t>(kFiveGiB));
    EXPECT_EQ(root.GetChild(3)->m_ck.llDataOffset, tailOffset + 8);
    EXPECT_EQ(Payload(*root.GetChild(3)), list);
    EXPECT_EQ(dynamic_cast<const Cds64ChunkModel*>(root.GetChild(0))
                  ->TableSize(mmioStringToFOURCC("LIST", 0)),
              14);
}

}  // namespace
