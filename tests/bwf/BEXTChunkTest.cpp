// The broadcast extension chunk: reading marks the file, the payload is kept whole and written
// back with the id and size it was read with.

#include <gtest/gtest.h>

#include "BwfTestHelpers.h"
#include "bwf/BEXTChunk.h"
#include "core/chunks/ChunkRegistry.h"
#include "pages/Overview.h"

namespace {

using bwftest::Bytes;
using bwftest::ReadChunk;

Bytes PayloadDescribedAs(const std::string& description) {
    testfiles::BextFields fields;
    fields.description = description;
    return testfiles::BextPayload(fields);
}

// The flag the pages share is the window's to set from the loaded tree, never the chunk's read.
TEST(BEXTChunkTest, ReadLoadsThePayloadAndLeavesTheFlagAlone) {
    g_bHasBext = FALSE;
    const Bytes payload = PayloadDescribedAs("Marked");
    auto chunk = ReadChunk<CBEXTChunk>(payload, "bext");
    EXPECT_FALSE(g_bHasBext);
    ASSERT_NE(chunk->m_pBext, nullptr);
    EXPECT_EQ(chunk->m_pBext, chunk->Data());
    EXPECT_EQ(bwftest::Payload(*chunk), payload);
}

TEST(BEXTChunkTest, EmptyPayloadHasNoBuffer) {
    auto chunk = ReadChunk<CBEXTChunk>({}, "bext");
    EXPECT_EQ(chunk->m_pBext, nullptr);
}

TEST(BEXTChunkTest, FailedReadKeepsNoPointerToItsBuffer) {
    testfiles::TempDir dir;
    testfiles::writeFile(dir.file("short.bin"), {'b', 'e', 'x', 't', 2, 0});
    HMMIO h = mmioOpen(dir.file("short.bin").c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE);
    ASSERT_NE(h, nullptr);
    CBEXTChunk chunk;
    EXPECT_FALSE(chunk.Read(h, TRUE));
    mmioClose(h, 0);
    EXPECT_EQ(chunk.m_pBext, nullptr);
}

TEST(BEXTChunkTest, DescriptionNamesTheChunkAndItsSize) {
    auto chunk = ReadChunk<CBEXTChunk>(Bytes(858), "bext");
    chunk->m_strName = "bext";
    EXPECT_EQ(chunk->GetDescription(),
              "Broadcast Extension Chunk\r\nckid = bext\r\ncksize = 35A\r\n\r\n");
}

TEST(BEXTChunkTest, UpperCaseIdIsABroadcastExtensionNamedBextAndWrittenAsRead) {
    std::unique_ptr<CChunk> created(g_chunkRegistry.CreateChunk("BEXT"));
    ASSERT_NE(dynamic_cast<CBEXTChunk*>(created.get()), nullptr);
    EXPECT_EQ(created->m_strName, "bext");

    const Bytes payload = PayloadDescribedAs("Upper");
    auto chunk = ReadChunk<CBEXTChunk>(payload, "BEXT");
    EXPECT_EQ(bwftest::WrittenChunk(*chunk), testfiles::ChunkBytes({"BEXT", payload}));
}

TEST(BEXTChunkTest, CreatePageMakesOneWindowAndReturnsTheSamePage) {
    auto chunk = ReadChunk<CBEXTChunk>(testfiles::BextPayload({}), "bext");
    CChunkPage* pFirst = chunk->CreatePage(nullptr);
    QWidget* pWindow = pFirst->GetSafeHwnd();
    ASSERT_NE(pWindow, nullptr);
    EXPECT_EQ(chunk->CreatePage(nullptr), pFirst);
    EXPECT_EQ(pFirst->GetSafeHwnd(), pWindow);
    EXPECT_EQ(pFirst, &chunk->m_page);
}

}  // namespace
