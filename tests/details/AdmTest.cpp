// The ADM chunks read together: a chna track that points nowhere, a document's track UID that no
// track has, a track outside the channels are each named, and a consistent pair passes.

#include <gtest/gtest.h>

#include "core/chunks/Chunk.h"
#include "core/details/AdmDetails.h"
#include "core/details/AdmModel.h"
#include "core/details/Gzip.h"

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

// A bxml document is read as its bytes show, whatever formatInfo says; bytes that are neither a
// gzip stream nor XML are refused with the value stored.
TEST(AdmTest, ABxmlDocumentIsReadAsItsBytesAreStored) {
    const CString strGzip = *DeflateGzip(kDocument);
    const struct {
        const char* what;
        CString payload;
        const char* error;  // a word of the error, or "" when read
    } rows[] = {
        {"formatInfo 1, gzip", CString("\x01\x00", 2) + strGzip, ""},
        {"formatInfo 0, gzip", CString("\0\0", 2) + strGzip, ""},
        {"formatInfo 1, XML", CString("\x01\x00", 2) + kDocument, ""},
        {"formatInfo 7, XML after a byte order mark and a line",
         CString("\x07\x00\xEF\xBB\xBF\r\n", 7) + kDocument, ""},
        {"formatInfo 1, other bytes", CString("\x01\x00\x00\x01zz", 6),
         "formatInfo 1 is followed by neither"},
        {"formatInfo 2, cut gzip stream", CString("\x02\x00", 2) + strGzip.substr(0, 12), "gzip"},
        {"one byte", CString("\x01", 1), "fewer than 2 bytes"},
    };
    for (const auto& row : rows) {
        CString strError;
        const CString strText = AdmDocumentText(
            "bxml", ByteSpan(reinterpret_cast<const BYTE*>(row.payload.data()), row.payload.size()),
            strError);
        if (*row.error == '\0') {
            EXPECT_EQ(strError, "") << row.what;
            EXPECT_EQ(ParseAdm(strText).OfKind("audioTrackUID").size(), 2u) << row.what;
        } else {
            EXPECT_NE(strError.find(row.error), CString::npos) << row.what << ": " << strError;
        }
    }
}

// The chain from each programme to its tracks counts the stream and track formats of each pack's
// channels; a programme or content that refers to nothing below still has its row.
TEST(AdmTest, TheChainCountsStreamAndTrackFormats) {
    const CString strDocument =
        "<ebuCoreMain><coreMetadata><format><audioFormatExtended>"
        "<audioProgramme audioProgrammeID=\"APR_1001\" audioProgrammeName=\"Main\">"
        "<audioContentIDRef>ACO_1001</audioContentIDRef></audioProgramme>"
        "<audioProgramme audioProgrammeID=\"APR_1002\" audioProgrammeName=\"Empty\"/>"
        "<audioContent audioContentID=\"ACO_1001\" audioContentName=\"Mix\">"
        "<audioObjectIDRef>AO_1001</audioObjectIDRef></audioContent>"
        "<audioObject audioObjectID=\"AO_1001\" audioObjectName=\"Bed\">"
        "<audioPackFormatIDRef>AP_00011001</audioPackFormatIDRef>"
        "<audioTrackUIDRef>ATU_00000001</audioTrackUIDRef>"
        "<audioTrackUIDRef>ATU_00000002</audioTrackUIDRef></audioObject>"
        "<audioPackFormat audioPackFormatID=\"AP_00011001\" audioPackFormatName=\"Pair\">"
        "<audioChannelFormatIDRef>AC_00011001</audioChannelFormatIDRef>"
        "<audioChannelFormatIDRef>AC_00011002</audioChannelFormatIDRef></audioPackFormat>"
        "<audioChannelFormat audioChannelFormatID=\"AC_00011001\" audioChannelFormatName=\"L\"/>"
        "<audioChannelFormat audioChannelFormatID=\"AC_00011002\" audioChannelFormatName=\"R\"/>"
        "<audioStreamFormat audioStreamFormatID=\"AS_00011001\">"
        "<audioChannelFormatIDRef>AC_00011001</audioChannelFormatIDRef></audioStreamFormat>"
        "<audioStreamFormat audioStreamFormatID=\"AS_00011002\">"
        "<audioChannelFormatIDRef>AC_00011002</audioChannelFormatIDRef></audioStreamFormat>"
        "<audioTrackFormat audioTrackFormatID=\"AT_00011001_01\">"
        "<audioStreamFormatIDRef>AS_00011001</audioStreamFormatIDRef></audioTrackFormat>"
        "<audioTrackFormat audioTrackFormatID=\"AT_00011002_01\">"
        "<audioStreamFormatIDRef>AS_00011002</audioStreamFormatIDRef></audioTrackFormat>"
        "</audioFormatExtended></format></coreMetadata></ebuCoreMain>";
    CChunk axml;
    axml.SetData(reinterpret_cast<const BYTE*>(strDocument.data()),
                 static_cast<DWORD>(strDocument.size()));
    axml.m_ck.ckid = mmioStringToFOURCC("axml", 0);
    const std::vector<DetailTable> tables = AxmlDetails(axml, nullptr);
    ASSERT_GE(tables.size(), 2u);
    const std::vector<std::vector<CString>> chain = {
        {"APR_1001 Main", "ACO_1001 Mix", "AO_1001 Bed", "AP_00011001 Pair", "L, R", "2", "2", "2"},
        {"APR_1002 Empty", "", "", "", "", "", "", ""},
    };
    EXPECT_EQ(tables[0].rows, chain);
    const std::vector<CString> streams = {"audioStreamFormat", "2"};
    EXPECT_EQ(tables[1].rows.at(5), streams);
    const std::vector<CString> profile = {"profile", "none named"};
    EXPECT_EQ(tables[1].rows.back(), profile);
}

TEST(AdmTest, FormatInfoIsNamedForTheGzipValueOnly) {
    EXPECT_EQ(BxmlFormatMeaning(1), "the document compressed as a gzip stream");
    for (const WORD wValue : {0, 2, 0xFFFF}) {
        EXPECT_EQ(BxmlFormatMeaning(wValue), "not defined for bxml") << wValue;
    }
}

}  // namespace
