// The fact chunk and its page: dwSampleLength shown, edited and stored in the first four bytes.

#include "format/factChunk.h"

#include "FormatChunkFixture.h"

namespace {

using testfiles::BoxText;
using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::IsBoxReadOnly;
using testfiles::SetBoxText;

using FactChunkTest = ChunkFixture<CfactChunk>;

TEST_F(FactChunkTest, IsNamedAndDescribedAsAFactChunk) {
    CfactChunk& chunk = Load("fact", {0x40, 0x1F, 0, 0});
    EXPECT_EQ(chunk.m_strName, "fact");
    EXPECT_EQ(chunk.GetDescription(), "fact Chunk\r\nckid = fact\r\ncksize = 4\r\n\r\n");
    EXPECT_EQ(chunk.CreatePage(nullptr), &chunk.m_page);
    EXPECT_EQ(BoxText(Page(), 1004), "8000");
    EXPECT_FALSE(IsBoxReadOnly(Page(), 1004));
}

struct FactEditCase {
    const char* text;
    Bytes stored;
};

class FactEditTest : public FactChunkTest, public ::testing::WithParamInterface<FactEditCase> {};

TEST_P(FactEditTest, StoresTheFirstFourBytesAndKeepsTheRest) {
    const Bytes payload = {0x40, 0x1F, 0, 0, 0xA1, 0xB2, 0xC3, 0xD4};
    Load("fact", payload);
    SetBoxText(Page(), 1004, GetParam().text);
    Bytes expected = GetParam().stored;
    expected.insert(expected.end(), payload.begin() + 4, payload.end());
    EXPECT_EQ(Saved(), AsChunk("fact", expected));
    EXPECT_TRUE(m_messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Values, FactEditTest,
                         ::testing::Values(FactEditCase{"96000", {0x00, 0x77, 0x01, 0x00}},
                                           FactEditCase{"8000", {0x40, 0x1F, 0x00, 0x00}},
                                           FactEditCase{"4294967296", {0xFF, 0xFF, 0xFF, 0xFF}},
                                           FactEditCase{"99999999999999999999",
                                                        {0xFF, 0xFF, 0xFF, 0xFF}}));

TEST_F(FactChunkTest, RefusedTextKeepsTheValueAsRead) {
    Load("fact", {0x40, 0x1F, 0, 0});
    SetBoxText(Page(), 1004, "12a");
    EXPECT_EQ(Saved(), AsChunk("fact", {0x40, 0x1F, 0, 0}));
    EXPECT_EQ(m_messages.messages(), std::vector<std::string>{"Please enter a positive integer."});
}

class FactShortTest : public FactChunkTest, public ::testing::WithParamInterface<Bytes> {};

TEST_P(FactShortTest, ShowsAnEmptyReadOnlyBoxAndWritesTheChunkBackUnchanged) {
    Load("fact", GetParam());
    EXPECT_EQ(BoxText(Page(), 1004), "");
    EXPECT_TRUE(IsBoxReadOnly(Page(), 1004));
    SetBoxText(Page(), 1004, "x");
    EXPECT_EQ(Saved(), AsChunk("fact", GetParam()));
    EXPECT_TRUE(m_messages.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Sizes, FactShortTest,
                         ::testing::Values(Bytes{}, Bytes{0x40}, Bytes{0x40, 0x1F},
                                           Bytes{0x40, 0x1F, 0x00}));

TEST_F(FactChunkTest, PageNeverCreatedStoresNothing) {
    CfactChunk& chunk = Load("fact", {0x40, 0x1F, 0, 0});
    chunk.m_page.UpdateChunk();
    EXPECT_FALSE(chunk.m_page.Create(9999, nullptr, &chunk));  // no such template
    chunk.m_page.UpdateChunk();
    EXPECT_EQ(testfiles::WrittenChunk(chunk, m_dir), AsChunk("fact", {0x40, 0x1F, 0, 0}));
}

}  // namespace
