// The chunk base: generic read and write through the I/O layer, descriptions, the child list and
// the payload field helpers.

#include <gtest/gtest.h>

#include <memory>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/Chunk.h"
#include "core/fields/PayloadField.h"
#include "pages/UnknownChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::TempDir;

struct OpenFile {
    explicit OpenFile(const std::string& path, DWORD flags = MMIO_READWRITE | MMIO_DENYNONE)
        : h(mmioOpen(path.c_str(), nullptr, flags)) {}
    ~OpenFile() {
        if (h) {
            mmioClose(h, 0);
        }
    }
    HMMIO h;
};

Bytes List26() {
    return ByteBuilder()
        .text("LIST")
        .le32(26)
        .text("INFO")
        .text("ISFT")
        .le32(14)
        .text("Ovalis tests")
        .zeros(2);
}

TEST(ChunkReadTest, ListOf26BytesKeepsItsTypeAndPayload) {
    TempDir dir;
    const Bytes file = List26();
    testfiles::writeFile(dir.file("list.bin"), file);
    OpenFile f(dir.file("list.bin"));
    CChunk chunk;
    ASSERT_TRUE(chunk.Read(f.h, TRUE));
    EXPECT_EQ(chunk.m_ck.ckid, mmioStringToFOURCC("LIST", 0));
    EXPECT_EQ(chunk.m_ck.cksize, 26u);
    EXPECT_EQ(chunk.m_ck.fccType, mmioStringToFOURCC("INFO", 0));
    EXPECT_EQ(chunk.m_ck.dwDataOffset, 8u);
    ASSERT_EQ(chunk.DataSize(), 26u);
    EXPECT_EQ(Bytes(chunk.Data(), chunk.Data() + 26), Bytes(file.begin() + 8, file.end()));
    EXPECT_EQ(mmioSeek(f.h, 0, SEEK_FROM_CURRENT), 34);
}

TEST(ChunkReadTest, OddChunkLeavesThePositionAfterItsPadByte) {
    TempDir dir;
    testfiles::writeFile(dir.file("odd.bin"),
                         ByteBuilder().text("junk").le32(3).text("abc").zeros(1).text("next"));
    OpenFile f(dir.file("odd.bin"));
    CChunk chunk;
    ASSERT_TRUE(chunk.Read(f.h, TRUE));
    EXPECT_EQ(mmioSeek(f.h, 0, SEEK_FROM_CURRENT), 12);
}

TEST(ChunkReadTest, ZeroSizeChunkHasNoPayload) {
    TempDir dir;
    testfiles::writeFile(dir.file("zero.bin"), ByteBuilder().text("junk").le32(0));
    OpenFile f(dir.file("zero.bin"));
    CChunk chunk;
    ASSERT_TRUE(chunk.Read(f.h, TRUE));
    EXPECT_EQ(chunk.Data(), nullptr);
    EXPECT_EQ(chunk.DataSize(), 0u);
}

TEST(ChunkReadTest, TruncatedChunkHoldsOnlyTheBytesPresent) {
    TempDir dir;
    testfiles::writeFile(dir.file("cut.bin"),
                         ByteBuilder().text("junk").le32(0x7FFFFFFF).text("xyz"));
    OpenFile f(dir.file("cut.bin"));
    CChunk chunk;
    ASSERT_TRUE(chunk.Read(f.h, TRUE));
    EXPECT_EQ(chunk.m_ck.cksize, 0x7FFFFFFFu);
    ASSERT_EQ(chunk.DataSize(), 3u);
    EXPECT_EQ(Bytes(chunk.Data(), chunk.Data() + 3), (Bytes{'x', 'y', 'z'}));
    // The next read of the caller finds the end of the file.
    char id[4];
    EXPECT_EQ(mmioRead(f.h, id, 4), 0);
}

TEST(ChunkReadTest, FewerThanEightBytesFail) {
    TempDir dir;
    testfiles::writeFile(dir.file("short.bin"), ByteBuilder().text("jun"));
    OpenFile f(dir.file("short.bin"));
    CChunk chunk;
    EXPECT_FALSE(chunk.Read(f.h, TRUE));
}

TEST(ChunkWriteTest, RoundTripsBytesExactly) {
    for (const Bytes& original : {List26(), Bytes(ByteBuilder().text("junk").le32(0))}) {
        TempDir dir;
        testfiles::writeFile(dir.file("in.bin"), original);
        CChunk chunk;
        {
            OpenFile in(dir.file("in.bin"));
            ASSERT_TRUE(chunk.Read(in.h, TRUE));
        }
        {
            OpenFile out(dir.file("out.bin"), MMIO_CREATE | MMIO_READWRITE | MMIO_DENYNONE);
            ASSERT_TRUE(chunk.Write(out.h));
            EXPECT_EQ(chunk.m_ck.dwFlags, MMIO_DIRTY);
            EXPECT_EQ(mmioAscend(out.h, &chunk.m_ck, 0), 0u);
        }
        EXPECT_EQ(testfiles::readFile(dir.file("out.bin")), original);
    }
}

TEST(ChunkWriteTest, AscendFixesTheSizeOfATruncatedChunkAndPadsIt) {
    TempDir dir;
    testfiles::writeFile(dir.file("cut.bin"), ByteBuilder().text("junk").le32(100).text("xyz"));
    CChunk chunk;
    {
        OpenFile in(dir.file("cut.bin"));
        ASSERT_TRUE(chunk.Read(in.h, TRUE));
    }
    {
        OpenFile out(dir.file("out.bin"), MMIO_CREATE | MMIO_READWRITE | MMIO_DENYNONE);
        ASSERT_TRUE(chunk.Write(out.h));
        ASSERT_EQ(mmioAscend(out.h, &chunk.m_ck, 0), 0u);
    }
    EXPECT_EQ(testfiles::readFile(dir.file("out.bin")),
              Bytes(ByteBuilder().text("junk").le32(3).text("xyz").zeros(1)));
}

TEST(ChunkDescriptionTest, NamesTheChunkAndItsSizeInHex) {
    CChunk chunk;
    chunk.m_strName = "LIST";
    chunk.m_ck.cksize = 26;
    EXPECT_EQ(chunk.GetDescription(), "ckid = LIST\r\ncksize = 1A\r\n");
    chunk.m_ck.cksize = 0;
    EXPECT_EQ(chunk.GetDescription(), "ckid = LIST\r\ncksize = 0\r\n");
    chunk.m_ck.cksize = 0xFFFFFFFF;
    EXPECT_EQ(chunk.GetDescription(), "ckid = LIST\r\ncksize = FFFFFFFF\r\n");
    CUnknownChunk unknown;
    EXPECT_EQ(unknown.GetDescription(), "Unknown chunk\r\n");
}

TEST(ChunkTreeTest, AddChildTwiceAddsOnceAndDeleteChildrenEmpties) {
    CChunk root;
    auto* pChild = new CChunk;
    root.AddChild(pChild);
    root.AddChild(pChild);
    EXPECT_EQ(root.GetCount(), 1);
    EXPECT_EQ(pChild->m_pParent, &root);
    EXPECT_EQ(root.GetChild(0), pChild);
    EXPECT_EQ(root.GetChild(1), nullptr);
    EXPECT_EQ(root.GetChild(-1), nullptr);
    root.DeleteChildren();
    EXPECT_TRUE(root.IsEmpty());
}

TEST(ChunkTreeTest, BaseChunkHasNoPage) {
    CChunk chunk;
    EXPECT_EQ(CreatePageOf(&chunk, nullptr), nullptr);
}

TEST(ChunkTreeTest, CreatePageTwiceReturnsTheSamePageWithOneWindow) {
    CUnknownChunk chunk;
    CChunkPage* pFirst = chunk.CreatePage(nullptr);
    ASSERT_NE(pFirst, nullptr);
    QWidget* pWindow = pFirst->GetSafeHwnd();
    ASSERT_NE(pWindow, nullptr);
    EXPECT_EQ(chunk.CreatePage(nullptr), pFirst);
    EXPECT_EQ(pFirst->GetSafeHwnd(), pWindow);
    EXPECT_EQ(pFirst->m_pChunk, &chunk);
}

TEST(PayloadHelpersTest, CopyTextToFieldCutsAndZeroFills) {
    BYTE field[6] = {9, 9, 9, 9, 9, 9};
    const CString text = "abc";
    EXPECT_EQ(CopyTextToField(&text, field, 5), 5);
    EXPECT_EQ(Bytes(field, field + 6), (Bytes{'a', 'b', 'c', 0, 0, 9}));
    const CString longText = "abcdefgh";
    EXPECT_EQ(CopyTextToField(&longText, field, 4), 4);
    EXPECT_EQ(Bytes(field, field + 6), (Bytes{'a', 'b', 'c', 'd', 0, 9}));
    EXPECT_EQ(CopyTextToField(&text, field, 0), 0);
    EXPECT_EQ(CopyTextToField(&text, field, -3), 0);
    EXPECT_EQ(field[0], 'a');
}

TEST(PayloadFieldTest, ClampsFieldsToThePayloadWithoutWrapping) {
    EXPECT_EQ(FieldBytesInPayload(602, 0, 256), 256u);
    EXPECT_EQ(FieldBytesInPayload(300, 256, 32), 32u);
    EXPECT_EQ(FieldBytesInPayload(270, 256, 32), 14u);
    EXPECT_EQ(FieldBytesInPayload(256, 256, 32), 0u);
    EXPECT_EQ(FieldBytesInPayload(0, 602, 0xFFFFFFFF), 0u);
    EXPECT_EQ(FieldBytesInPayload(0xFFFFFFFF, 602, 0xFFFFFFFF), 0xFFFFFFFFu - 602);
    EXPECT_TRUE(FieldFitsPayload(12, 8, 4));
    EXPECT_FALSE(FieldFitsPayload(11, 8, 4));
    EXPECT_TRUE(FieldFitsPayload(0, 0, 0));
}

}  // namespace
