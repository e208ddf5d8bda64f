// LIST and unknown chunks found by a load: held whole and written back byte for byte.

#include <gtest/gtest.h>

#include <string>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "pages/RiffChunk.h"

namespace {

using testfiles::ByteBuilder;
using testfiles::Bytes;
using testfiles::ChunkSpec;

Bytes WrittenBack(CChunk& chunk, const testfiles::TempDir& dir) {
    const std::string path = dir.file("target.bin");
    HMMIO hmmio = mmioOpen(path.c_str(), nullptr, MMIO_READWRITE | MMIO_DENYNONE | MMIO_CREATE);
    EXPECT_NE(hmmio, nullptr);
    EXPECT_TRUE(chunk.Write(hmmio));
    EXPECT_EQ(mmioAscend(hmmio, &chunk.m_ck, 0), 0u);
    mmioClose(hmmio, 0);
    return testfiles::readFile(path);
}

TEST(ListAndUnknownChunkTest, AreWrittenBackWithTheirOwnIdsAndBytes) {
    const ChunkSpec chunks[] = {
        {"LIST", ByteBuilder().text("INFO").text("ISFT").le32(14).text("Ovalis tests").zeros(2)},
        {"cue ", ByteBuilder().le32(1).text("xyz")},
        {"iXML", ByteBuilder().text("<BWFXML/>")},
        {"list", ByteBuilder().text("adtl")},
    };
    testfiles::TempDir dir;
    const std::string path = dir.file("source.wav");
    testfiles::writeFile(path, testfiles::WaveFile({chunks[0], chunks[1], chunks[2], chunks[3]}));
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path));
    ASSERT_EQ(root.GetCount(), 4);
    // cue and iXML have chunk classes of their own; they too write back every byte as read.
    const char* names[] = {"LIST", "cue ", "iXML", "LIST"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(chunks[i].id);
        CChunk& chunk = *root.GetChild(i);
        EXPECT_EQ(chunk.m_strName, names[i]);
        EXPECT_EQ(WrittenBack(chunk, dir), testfiles::ChunkBytes(chunks[i]));
    }
}

TEST(ListAndUnknownChunkTest, Descriptions) {
    testfiles::TempDir dir;
    const std::string path = dir.file("source.wav");
    const Bytes list = ByteBuilder().text("INFO").zeros(22);
    testfiles::writeFile(path, testfiles::WaveFile({{"LIST", list}, {"xtra", list}}));
    CRiffChunk root;
    ASSERT_TRUE(root.Load(path));
    EXPECT_EQ(root.GetChild(0)->GetDescription(), "ckid = LIST\r\ncksize = 1A\r\n");
    EXPECT_EQ(root.GetChild(1)->GetDescription(), "Unknown chunk\r\n");
}

}  // namespace
