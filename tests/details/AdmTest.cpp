// The ADM chunks read together: a chna track that points nowhere, a document's track UID that no
// track has, a track outside the channels are each named, and a consistent pair passes.

#include <gtest/gtest.h>

#include "core/details/AdmModel.h"

namespace {

// A chna payload of these tracks (index, UID, track format, pack format).
std::string Chna(const std::vector<ChnaTrack>& tracks) {
    std::string bytes = {static_cast<char>(tracks.size()), 0, static_cast<char>(tracks.size()), 0};
    for (const ChnaTrack& track : tracks) {
        std::string entry(40, '\0');
        entry[0] = static_cast<char>(track.index);
        entry.replace(2, track.uid.size(), track.uid);
        entry.replace(14, track.trackFormat.size(), track.trackFormat);
        entry.replace(28, track.packFormat.size(), track.packFormat);
        bytes += entry;
    }
    return bytes;
}

constexpr const char* kDocument =
    "<ebuCoreMain><coreMetadata><format><audioFormatExtended>"
    "<audioPackFormat audioPackFormatID=\"AP_00031001\"/>"
    "<audioTrackFormat audioTrackFormatID=\"AT_00031001_01\"/>"
    "<audioTrackUID UID=\"ATU_00000001\"/><audioTrackUID UID=\"ATU_00000002\"/>"
    "</audioFormatExtended></format></coreMetadata></ebuCoreMain>";

struct ProblemCase {
    std::vector<ChnaTrack> tracks;
    DWORD channels;
    std::vector<const char*> problems;  // a word of each problem, in order
};

TEST(AdmTest, TheTrackTableAndTheDocumentAgreeOrTheDisagreementIsNamed) {
    const ChnaTrack first{1, "ATU_00000001", "AT_00031001_01", "AP_00031001"};
    const ChnaTrack second{2, "ATU_00000002", "AT_00010001_01", "AP_00010002"};  // common ones
    const ProblemCase cases[] = {
        {{first, second}, 2, {}},
        {{first, {2, "ATU_00000009", "AT_00010001_01", "AP_00010002"}},
         2,
         {"ATU_00000009 is not an audioTrackUID", "ATU_00000002 has no track"}},
        {{first, {3, "ATU_00000002", "AT_00031001_01", "AP_00031001"}}, 2, {"outside"}},
        {{first, {2, "ATU_00000002", "AT_00031009_01", "AP_00031001"}},
         2,
         {"track format AT_00031009_01"}},
    };
    for (const ProblemCase& c : cases) {
        const std::string chna = Chna(c.tracks);
        const std::vector<CString> problems = AdmProblems(
            ParseChna(ByteSpan(reinterpret_cast<const BYTE*>(chna.data()), chna.size())),
            ParseAdm(kDocument), c.channels);
        ASSERT_EQ(problems.size(), c.problems.size());
        for (std::size_t i = 0; i < problems.size(); ++i) {
            EXPECT_NE(problems[i].find(c.problems[i]), CString::npos) << problems[i];
        }
    }
}

TEST(AdmTest, ATableThatClaimsMoreTracksThanItHoldsSaysSo) {
    std::string chna = Chna({{1, "ATU_00000001", "", ""}});
    chna[2] = 100;
    const ChnaTable table =
        ParseChna(ByteSpan(reinterpret_cast<const BYTE*>(chna.data()), chna.size()));
    EXPECT_EQ(table.tracks.size(), 1u);
    EXPECT_NE(table.note.find("declares 100"), CString::npos);
}

}  // namespace
