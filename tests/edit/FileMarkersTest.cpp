// Markers whose labels stand in a list of any case ("list", as some recorders write it): read as
// from LIST, edited in that list in place, so that the file keeps one set of labels; with two adtl
// lists, the first is read and edited and the second kept as it was.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/chunks/RiffChunkModel.h"
#include "core/edit/ChunkInsert.h"
#include "core/edit/FileMarkers.h"
#include "core/edit/MarkerEdit.h"
#include "core/file/MetadataSave.h"

namespace {

using namespace testfiles;

Bytes Cue(std::initializer_list<std::uint32_t> positions) {
    Bytes cue = Le(static_cast<std::uint32_t>(positions.size()));
    std::uint32_t id = 1;
    for (const std::uint32_t position : positions) {
        cue = Joined({cue, CuePoint(id++, position)});
    }
    return cue;
}

// Three markers labelled 01-03 in a list of the id given, and any lists after it.
Bytes Recording(const std::string& listId, const std::vector<testfiles::ChunkSpec>& after = {}) {
    std::vector<testfiles::ChunkSpec> chunks{
        {"fmt ", testfiles::PcmFormat(2, 48000, 16)},
        {"data", Bytes(4000, 0)},
        {"cue ", Cue({100, 400, 700})},
        {listId, Joined({TextBytes("adtl"), LabelChunk(1, "01"), LabelChunk(2, "02"),
                         LabelChunk(3, "03")})}};
    chunks.insert(chunks.end(), after.begin(), after.end());
    return testfiles::WaveFile(chunks);
}

struct ListInFile {
    std::string id;
    std::string labels;  // the labels of an adtl list, in order, joined by ","
};

std::vector<ListInFile> AdtlLists(const CRiffChunkModel& root) {
    std::vector<ListInFile> lists;
    for (CObject* pObject : root) {
        const auto& chunk = *static_cast<const CChunk*>(pObject);
        const CString strPayload = chunk.PayloadText();
        if (!strPayload.starts_with("adtl")) {
            continue;
        }
        const FOURCC ckid = chunk.m_ck.ckid;
        ListInFile list{std::string(reinterpret_cast<const char*>(&ckid), 4), {}};
        for (std::size_t at = strPayload.find("labl"); at != CString::npos;
             at = strPayload.find("labl", at + 4)) {
            list.labels += (list.labels.empty() ? "" : ",") + CString(strPayload.c_str() + at + 12);
        }
        lists.push_back(list);
    }
    return lists;
}

std::string LabelsOf(const CMarkerList& markers) {
    std::string labels;
    for (const Marker& marker : markers.Markers()) {
        labels += (labels.empty() ? "" : ",") + marker.label;
    }
    return labels;
}

TEST(FileMarkersTest, ALowerCaseListIsReadAndEditedInPlace) {
    const struct {
        const char* listId;
        const char* option;
        const char* value;
        const char* markers;  // the labels the markers have after the edit
        const char* kept;     // the labels of the one adtl list after the save
    } rows[] = {
        {"list", "rename", "2=Two", "01,Two,03", "01,03,Two"},
        {"List", "rename", "2=Two", "01,Two,03", "01,03,Two"},
        {"LIST", "rename", "2=Two", "01,Two,03", "01,03,Two"},
        {"list", "add", "900=Four", "01,02,03,Four", "01,02,03,Four"},
        {"list", "remove", "1", "02,03", "02,03"},
        {"list", "note", "3=n", "01,02,03", "01,02,03"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.listId) + " --" + row.option + " " + row.value);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        testfiles::writeFile(path, Recording(row.listId));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path)) << root.LoadFailure();
        CMarkerList markers = MarkersOf(root);
        EXPECT_EQ(LabelsOf(markers), "01,02,03");
        ASSERT_EQ(ApplyMarkerEdit(root, markers, row.option, row.value), "");
        ASSERT_EQ(StoreMarkers(root, markers), "");
        ASSERT_EQ(SaveMetadata(root, {}), "");

        CRiffChunkModel reloaded;
        ASSERT_TRUE(reloaded.Load(path));
        EXPECT_EQ(LabelsOf(MarkersOf(reloaded)), row.markers);
        const std::vector<ListInFile> lists = AdtlLists(reloaded);
        ASSERT_EQ(lists.size(), 1u);
        EXPECT_EQ(lists[0].id, row.listId);
        EXPECT_EQ(lists[0].labels, row.kept);
    }
}

TEST(FileMarkersTest, WithTwoAdtlListsTheFirstIsReadAndEditedAndTheSecondKept) {
    testfiles::TempDir dir;
    const std::string path = dir.file("two.wav");
    const Bytes second = Joined({TextBytes("adtl"), LabelChunk(2, "Other")});
    testfiles::writeFile(path, Recording("list", {{"LIST", second}}));
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    CMarkerList markers = MarkersOf(root);
    EXPECT_EQ(LabelsOf(markers), "01,02,03");
    ASSERT_EQ(ApplyMarkerEdit(root, markers, "rename", "1=One"), "");
    ASSERT_EQ(StoreMarkers(root, markers), "");
    ASSERT_EQ(SaveMetadata(root, {}), "");

    CRiffChunkModel reloaded;
    ASSERT_TRUE(reloaded.Load(path));
    const std::vector<ListInFile> lists = AdtlLists(reloaded);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(lists[0].id, "list");
    EXPECT_EQ(lists[0].labels, "02,03,One");
    EXPECT_EQ(lists[1].id, "LIST");
    EXPECT_EQ(lists[1].labels, "Other");
}

// A region's labelled text: cue point id, length, purpose "rgn ", four zero numbers, no text.
std::string RegionEntry(std::uint32_t id, std::uint32_t length) {
    const Bytes entry = testfiles::ChunkBytes(
        {"ltxt", Joined({Le(id), Le(length), TextBytes("rgn "), Bytes(8, 0)})});
    return std::string(entry.begin(), entry.end());
}

TEST(FileMarkersTest, AnAddWithALengthAddsARegion) {
    const struct {
        const char* value;
        const char* problem;  // a part of the failure, or "" when added
        std::uint32_t position;
        std::uint32_t length;
    } rows[] = {
        {"1000+500=Take", "", 1000, 500},
        {"1000+00:00:00:01", "", 1000, 1920},  // a frame at 25 fps of 48 kHz
        {"0+2000", "", 0, 2000},
        {"3500+501=Late", "the region's end: position 4001 is past the samples", 0, 0},
        {"1000+0=Empty", "a region's length is more than 0", 0, 0},
        {"1000+x", "'x'", 0, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.value);
        testfiles::TempDir dir;
        const std::string path = dir.file("take.wav");
        // 4000 frames of 16-bit stereo.
        testfiles::writeFile(
            path, testfiles::WaveFile(
                      {{"fmt ", testfiles::PcmFormat(2, 48000, 16)}, {"data", Bytes(16000, 0)}}));
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(path));
        CMarkerList markers = MarkersOf(root);
        const CString strProblem = ApplyMarkerEdit(root, markers, "add", row.value);
        if (*row.problem != '\0') {
            EXPECT_NE(strProblem.find(row.problem), CString::npos) << strProblem;
            EXPECT_TRUE(markers.Markers().empty());
            continue;
        }
        ASSERT_EQ(strProblem, "");
        ASSERT_EQ(StoreMarkers(root, markers), "");
        ASSERT_EQ(SaveMetadata(root, {}), "");

        CRiffChunkModel reloaded;
        ASSERT_TRUE(reloaded.Load(path));
        const CMarkerList read = MarkersOf(reloaded);
        ASSERT_EQ(read.Markers().size(), 1u);
        EXPECT_EQ(read.Markers()[0].position, row.position);
        EXPECT_EQ(read.Length(1), row.length);
        const CChunk* pAdtl = FindList(reloaded, "adtl");
        ASSERT_NE(pAdtl, nullptr);
        EXPECT_NE(pAdtl->PayloadText().find(RegionEntry(1, row.length)), CString::npos);
    }
}

TEST(FileMarkersTest, ARegionRemovedTakesItsLabelledTextAlong) {
    testfiles::TempDir dir;
    const std::string path = dir.file("take.wav");
    testfiles::writeFile(path, Recording("LIST"));
    CRiffChunkModel root;
    ASSERT_TRUE(root.Load(path));
    CMarkerList markers = MarkersOf(root);
    ASSERT_EQ(ApplyMarkerEdit(root, markers, "add", "800+100=R"), "");
    EXPECT_EQ(markers.Length(4), 100u);
    ASSERT_EQ(ApplyMarkerEdit(root, markers, "remove", "4"), "");
    EXPECT_EQ(markers.Length(4), 0u);
    EXPECT_EQ(markers.AdtlPayload().find("ltxt"), CString::npos);
}

}  // namespace
