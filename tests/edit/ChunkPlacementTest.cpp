// Chunks added, grown, shrunk and removed, then saved: in place where a filler chunk has the room
// or the change is after the samples, the samples never moved, and the result read back as asked.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/FormConversion.h"
#include "core/file/MetadataSave.h"

namespace {

using testfiles::Bytes;

const Bytes kSamples(3000, 5);

Bytes Wave(const std::vector<testfiles::ChunkSpec>& before,
           const std::vector<testfiles::ChunkSpec>& after = {}) {
    std::vector<testfiles::ChunkSpec> chunks{{"fmt ", testfiles::PcmFormat(1, 8000, 16)}};
    chunks.insert(chunks.end(), before.begin(), before.end());
    chunks.push_back({"data", kSamples});
    chunks.insert(chunks.end(), after.begin(), after.end());
    return testfiles::WaveFile(chunks);
}

void Resize(CRiffChunkModel& root, const char* pId, std::size_t nSize) {
    CChunk* pChunk = FindChunk(root, pId);
    CString strPayload(nSize, 'g');
    pChunk->SetData(reinterpret_cast<const BYTE*>(strPayload.data()), nSize);
}

struct PlacementCase {
    const char* what;
    Bytes file;
    void (*edit)(CRiffChunkModel& root);
    const char* ids;  // the chunks after the edit, in file order
    bool inPlace;
};

std::string IdsOf(const CRiffChunkModel& root) {
    std::string ids;
    for (CObject* pObject : root) {
        const FOURCC ckid = static_cast<CChunk*>(pObject)->m_ck.ckid;
        ids += (ids.empty() ? "" : ",") + std::string(reinterpret_cast<const char*>(&ckid), 4);
    }
    return ids;
}

ino_t InodeOf(const std::string& path) {
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_ino;
}

TEST(ChunkPlacementTest, ChangesTakeAFillersRoomOrTheFilesEndAndKeepTheSamplesWhereTheyWere) {
    const PlacementCase cases[] = {
        {"new chunk into a filler", Wave({{"JUNK", Bytes(200, 0)}}),
         [](CRiffChunkModel& root) { AddChunk(root, "iXML", "<BWFXML/>", ChunkPlace::BeforeData); },
         "fmt ,iXML,JUNK,data", true},
        {"new chunk filling a filler exactly", Wave({{"JUNK", Bytes(10, 0)}}),
         [](CRiffChunkModel& root) {
             AddChunk(root, "abcd", "0123456789", ChunkPlace::BeforeData);
         },
         "fmt ,abcd,data", true},
        {"new chunk without room", Wave({{"JUNK", Bytes(4, 0)}}),
         [](CRiffChunkModel& root) { AddChunk(root, "iXML", "<BWFXML/>", ChunkPlace::BeforeData); },
         "fmt ,JUNK,iXML,data", false},
        {"growth into a filler two chunks on",
         Wave({{"abcd", Bytes(6, 1)}, {"efgh", Bytes(4, 2)}, {"FLLR", Bytes(100, 0)}}),
         [](CRiffChunkModel& root) { Resize(root, "abcd", 40); }, "fmt ,abcd,efgh,FLLR,data", true},
        {"shrink gives room back", Wave({{"abcd", Bytes(60, 1)}, {"PAD ", Bytes(10, 0)}}),
         [](CRiffChunkModel& root) { Resize(root, "abcd", 2); }, "fmt ,abcd,PAD ,data", true},
        {"chunk appended after the samples", Wave({}),
         [](CRiffChunkModel& root) { AddChunk(root, "LIST", "INFO", ChunkPlace::Last); },
         "fmt ,data,LIST", true},
        {"chunk after the samples removed", Wave({}, {{"abcd", Bytes(30, 1)}}),
         [](CRiffChunkModel& root) { RemoveChunk(root, FindChunk(root, "abcd"), false); },
         "fmt ,data", true},
        {"chunk before the samples removed", Wave({{"abcd", Bytes(30, 1)}}),
         [](CRiffChunkModel& root) { RemoveChunk(root, FindChunk(root, "abcd"), false); },
         "fmt ,data", false},
        {"chunk before the samples made filler", Wave({{"abcd", Bytes(30, 1)}}),
         [](CRiffChunkModel& root) { RemoveChunk(root, FindChunk(root, "abcd"), true); },
         "fmt ,JUNK,data", true},
    };
    for (const PlacementCase& c : cases) {
        SCOPED_TRACE(c.what);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, c.file);
        const ino_t inode = InodeOf(path);
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        c.edit(root);
        ASSERT_EQ(SaveMetadata(root, {}), "");
        EXPECT_EQ(InodeOf(path) == inode, c.inPlace);
        CRiffChunkModel reloaded;
        ASSERT_TRUE(reloaded.Load(path)) << reloaded.LoadFailure();
        EXPECT_EQ(IdsOf(reloaded), c.ids);
        const Bytes after = testfiles::readFile(path);
        EXPECT_TRUE(
            std::equal(kSamples.begin(), kSamples.end(), after.begin() + reloaded.SampleOffset()));
    }
}

TEST(ChunkPlacementTest, AWideFormThatFitsBecomesRiffInPlace) {
    testfiles::TempDir dir;
    const std::string path = dir.file("wide.wav");
    testfiles::writeFile(
        path, testfiles::Rf64File({{"fmt ", testfiles::PcmFormat(1, 8000, 16)}, {"data", kSamples}},
                                  1500));
    const ino_t inode = InodeOf(path);
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    ASSERT_EQ(ConvertToRiff(root), "");
    ASSERT_EQ(SaveMetadata(root, {}), "");
    EXPECT_EQ(InodeOf(path), inode);
    const Bytes after = testfiles::readFile(path);
    EXPECT_EQ(std::string(after.begin(), after.begin() + 4), "RIFF");
    CRiffChunkModel reloaded;
    ASSERT_TRUE(reloaded.Load(path));
    EXPECT_EQ(IdsOf(reloaded), "JUNK,fmt ,data");
    EXPECT_EQ(reloaded.SampleBytes(), static_cast<std::int64_t>(kSamples.size()));
    EXPECT_NE(ConvertToRiff(reloaded), "");
}

}  // namespace
