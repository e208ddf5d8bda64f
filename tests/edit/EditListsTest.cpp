// INFO entries and markers edited in their payloads: the entries and points not edited keep
// their bytes as stored, the edited ones are written anew, and the payload reads back as edited.

#include <gtest/gtest.h>

#include "core/chunks/Chunk.h"
#include "core/edit/InfoList.h"
#include "core/edit/MarkerList.h"

namespace {

std::string Dword(DWORD value) {
    return std::string{static_cast<char>(value), static_cast<char>(value >> 8),
                       static_cast<char>(value >> 16), static_cast<char>(value >> 24)};
}

std::string Entry(const std::string& id, const std::string& data) {
    const std::string pad = data.size() % 2 != 0 ? std::string(1, '\0') : std::string();
    return id + Dword(static_cast<DWORD>(data.size())) + data + pad;
}

// A chunk holding the payload, as a load leaves it.
std::unique_ptr<CChunk> Holding(const std::string& payload) {
    auto pChunk = std::make_unique<CChunk>();
    pChunk->SetData(reinterpret_cast<const BYTE*>(payload.data()),
                    static_cast<DWORD>(payload.size()));
    return pChunk;
}

CString PayloadOf(const std::string& text) {
    return CString(text);
}

TEST(EditListsTest, InfoEntriesNotEditedKeepTheirBytes) {
    // An entry without its zero byte and one with trailing spaces: a rewrite would change both.
    const std::string stored = Entry("IART", "Artist") + Entry("ICMT", std::string("note  \0", 7));
    const auto pList = Holding("INFO" + stored);
    const struct {
        const char* id;
        const char* text;
        std::string payload;
    } cases[] = {
        {"ICOP", "(c) 2026", "INFO" + stored + Entry("ICOP", std::string("(c) 2026\0", 9))},
        {"IART", "Other",
         "INFO" + Entry("IART", std::string("Other\0", 6)) +
             Entry("ICMT", std::string("note  \0", 7))},
        {"IART", "", "INFO" + Entry("ICMT", std::string("note  \0", 7))},
        {"IART", "Artist", "INFO" + stored},
    };
    for (const auto& c : cases) {
        CInfoList list(pList.get());
        list.Set(c.id, c.text);
        EXPECT_EQ(list.Payload(), PayloadOf(c.payload)) << c.id << "=" << c.text;
    }
}

std::string Point(DWORD id, DWORD position) {
    return Dword(id) + Dword(position) + "data" + Dword(0) + Dword(0) + Dword(position);
}

TEST(EditListsTest, MarkersKeepTheBytesOfWhatWasNotEdited) {
    // The second point's chunk start is not 0: a rewrite of it would show.
    const std::string second = Dword(2) + Dword(900) + "data" + Dword(7) + Dword(0) + Dword(900);
    const auto pCue = Holding(Dword(2) + Point(1, 100) + second);
    const auto pAdtl = Holding("adtl" + Entry("labl", Dword(1) + std::string("One\0", 4)) +
                               Entry("ltxt", Dword(2) + std::string(16, 'x')));
    CMarkerList markers(pCue.get(), pAdtl.get());
    ASSERT_EQ(markers.Markers().size(), 2u);
    EXPECT_EQ(markers.Find(1)->label, "One");

    markers.Move(1, 150);
    markers.SetNote(2, "n");
    const DWORD added = markers.Add(300, "Three", "");
    EXPECT_EQ(added, 3u);
    EXPECT_EQ(markers.CuePayload(), PayloadOf(Dword(3) + Point(1, 150) + second + Point(3, 300)));
    EXPECT_EQ(markers.AdtlPayload(),
              PayloadOf("adtl" + Entry("labl", Dword(1) + std::string("One\0", 4)) +
                        Entry("ltxt", Dword(2) + std::string(16, 'x')) +
                        Entry("labl", Dword(3) + std::string("Three\0", 6)) +
                        Entry("note", Dword(2) + std::string("n\0", 2))));

    markers.Remove(2);
    EXPECT_EQ(markers.CuePayload(), PayloadOf(Dword(2) + Point(1, 150) + Point(3, 300)));
    EXPECT_EQ(markers.AdtlPayload().find("ltxt"), CString::npos);
}

// An id stored twice: reads and edits take its first entry or marker, as they always did; the
// lists find them through an index, which a removal rebuilds.
TEST(EditListsTest, AnIdStoredTwiceIsFoundAtItsFirstPlace) {
    const auto pList = Holding("INFO" + Entry("IART", std::string("A\0", 2)) +
                               Entry("IART", std::string("B\0", 2)));
    CInfoList list(pList.get());
    EXPECT_EQ(list.Text("IART"), "A");
    list.Set("IART", "");
    EXPECT_EQ(list.Text("IART"), "B");
    list.Set("ICMT", "c");
    list.Set("IART", "");
    EXPECT_EQ(list.Ids(), std::vector<CString>{"ICMT"});

    const auto pCue = Holding(Dword(4) + Point(7, 10) + Point(7, 20) + Point(9, 30) + Point(2, 40));
    const auto pAdtl = Holding("adtl" + Entry("labl", Dword(7) + std::string("Seven\0", 6)) +
                               Entry("labl", Dword(2) + std::string("Two\0", 4)));
    CMarkerList markers(pCue.get(), pAdtl.get());
    EXPECT_EQ(markers.Find(7)->position, 10u);
    EXPECT_EQ(markers.Find(7)->label, "Seven");
    EXPECT_EQ(markers.Markers()[1].label, "");
    markers.Remove(std::unordered_set<DWORD>{7, 9});
    ASSERT_EQ(markers.Markers().size(), 1u);
    EXPECT_EQ(markers.Find(2)->label, "Two");
    EXPECT_EQ(markers.Find(7), nullptr);
    EXPECT_EQ(markers.AdtlPayload(),
              PayloadOf("adtl" + Entry("labl", Dword(2) + std::string("Two\0", 4))));
    // The next id is one past the highest that is left.
    EXPECT_EQ(markers.Add(50, "", ""), 3u);
    EXPECT_EQ(markers.Add(60, "", "", 8), 8u);
    EXPECT_EQ(markers.Add(70, "", ""), 9u);
}

TEST(EditListsTest, ACueChunkThatClaimsMorePointsThanItHoldsReadsThoseItHolds) {
    const auto pCue = Holding(Dword(1000000) + Point(1, 5));
    EXPECT_EQ(CMarkerList(pCue.get(), nullptr).Markers().size(), 1u);
    EXPECT_TRUE(CMarkerList(nullptr, nullptr).Markers().empty());
}

}  // namespace
