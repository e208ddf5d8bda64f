// Loads whose work is bounded whatever the file claims: at most kMostChunks top-level chunks, and
// no payload too large to hold read into memory; a save writes every byte back all the same.

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

TEST(BoundedLoadTest, ChunksPastTheMostALoadTakesAreNamedAndSavedAsTheyWere) {
    testfiles::TempDir dir;
    constexpr int kExtra = 5;
    std::vector<testfiles::ChunkSpec> chunks = {{"fmt ", testfiles::PcmFormat(1, 8000, 8)}};
    chunks.resize(CRiffChunkModel::kMostChunks + kExtra, {std::string(4, '\0'), {}});
    const Bytes file = testfiles::WaveFile(chunks);
    const std::string path = dir.file("many.wav");
    testfiles::writeFile(path, file);

    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    EXPECT_EQ(root.GetCount(), CRiffChunkModel::kMostChunks);
    const std::int64_t unwalked = 12 + 24 + std::int64_t{8} * (CRiffChunkModel::kMostChunks - 1);
    EXPECT_EQ(root.UnwalkedOffset(), unwalked);
    EXPECT_EQ(root.LoadNote(), "only the first 100000 chunks are shown; the " +
                                   std::to_string(8 * kExtra) + " bytes from offset " +
                                   std::to_string(unwalked) + " on are kept as they are");
    const std::string saved = dir.file("saved.wav");
    ASSERT_EQ(SaveTree(root, saved, {}), "");
    EXPECT_EQ(testfiles::readFile(saved), file);
}

TEST(BoundedLoadTest, AChunkTooLargeToHoldStaysInTheFileAndASaveCopiesIt) {
    testfiles::TempDir dir;
    constexpr std::uint32_t kLarge = (70u << 20) + 1;  // odd: its pad byte follows
    const Bytes head = ByteBuilder()
                           .text("RIFF")
                           .le32(4 + 8 + kLarge + 1 + 8 + 4)
                           .text("WAVE")
                           .text("big ")
                           .le32(kLarge)
                           .text("head");
    const Bytes tail = ByteBuilder().text("tail").zeros(1).text("data").le32(4).text("smpl");
    const std::string path = dir.file("large.wav");
    testfiles::writeSparseFile(path, head, 20 + kLarge - 4, tail);

    CRiffChunk root;
    ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
    ASSERT_EQ(root.GetCount(), 2);
    const CChunk& big = *root.GetChild(0);
    EXPECT_TRUE(big.IsLeftInFile());
    EXPECT_EQ(big.Data(), nullptr);
    EXPECT_EQ(big.m_ck.cksize, kLarge);
    EXPECT_EQ(root.GetChild(1)->m_strName, "data");

    const std::string saved = dir.file("saved.wav");
    ASSERT_EQ(SaveTree(root, saved, {}), "");
    EXPECT_EQ(testfiles::readFile(saved), testfiles::readFile(path));
}

}  // namespace
