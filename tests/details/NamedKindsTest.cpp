// What the named kinds' details read out of their payloads: a bxml document inflated, dbmd
// segments with their checksums, a peak envelope's header, and short or lying payloads named
// rather than read past their end.

#include <gtest/gtest.h>

#include "core/chunks/Chunk.h"
#include "core/details/AdmModel.h"
#include "core/details/DbmdDetails.h"
#include "core/details/Gzip.h"
#include "core/details/PeakEnvelopeDetails.h"

namespace {

std::unique_ptr<CChunk> Holding(const CString& payload) {
    auto pChunk = std::make_unique<CChunk>();
    pChunk->SetData(reinterpret_cast<const BYTE*>(payload.data()),
                    static_cast<DWORD>(payload.size()));
    return pChunk;
}

ByteSpan Span(const CString& bytes) {
    return ByteSpan(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
}

TEST(NamedKindsTest, ABxmlDocumentReadsAsItsAxmlTwin) {
    const CString document = "<ebuCoreMain><audioTrackUID UID=\"ATU_00000001\"/></ebuCoreMain>";
    const std::optional<CString> stream = DeflateGzip(document);
    ASSERT_TRUE(stream);
    const struct {
        CString payload;
        bool read;
    } cases[] = {
        {CString(2, '\0') + *stream, true},
        {CString("\1\0", 2) + *stream, true},               // formatInfo 1, which says gzip
        {CString(2, '\0') + stream->substr(0, 20), false},  // cut short
        {CString(2, '\0') + "not a stream", false},
    };
    for (const auto& c : cases) {
        CString error;
        const CString text = AdmDocumentText("bxml", Span(c.payload), error);
        EXPECT_EQ(error.empty(), c.read) << error;
        EXPECT_EQ(text == document, c.read);
    }
}

TEST(NamedKindsTest, AGzipBombIsNotInflated) {
    const std::optional<CString> stream = DeflateGzip(CString(40 * 1024 * 1024, 'a'));
    ASSERT_TRUE(stream);
    CString error;
    EXPECT_FALSE(InflateGzip(*stream, error));
    EXPECT_NE(error.find("inflates past"), CString::npos);
}

// A segment: id, 16-bit size, payload, and the checksum that makes the sum 0.
CString Segment(BYTE id, const CString& payload, int checksumError = 0) {
    unsigned sum = payload.size() + (payload.size() >> 8);
    for (char c : payload) {
        sum += static_cast<BYTE>(c);
    }
    return CString(1, static_cast<char>(id)) + static_cast<char>(payload.size()) +
           static_cast<char>(payload.size() >> 8) + payload +
           static_cast<char>((256 - sum % 256 + checksumError) % 256);
}

TEST(NamedKindsTest, DbmdSegmentsAreListedWithTheirChecksums) {
    const CString version("\6\0\0\1", 4);
    const auto pChunk = Holding(version + Segment(7, "abc") + Segment(9, "defg", 1) +
                                Segment(42, "") + CString(1, '\0'));
    const DetailTable table = DbmdDetails(*pChunk).at(0);
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0], (std::vector<CString>{"7", "Dolby Digital Plus", "3", "agrees"}));
    EXPECT_EQ(table.rows[1], (std::vector<CString>{"9", "Dolby Atmos", "4", "differs"}));
    EXPECT_EQ(table.rows[2][1], "unknown");
    EXPECT_EQ(table.text, "Version 1.0.0.6");

    const auto pCut = Holding(version + Segment(7, "abc").substr(0, 4));
    EXPECT_NE(DbmdDetails(*pCut).at(0).text.find("runs past the chunk's end"), CString::npos);
}

TEST(NamedKindsTest, APeakEnvelopeReadsItsHeaderAndThePeaksItHolds) {
    CString header(120, '\0');
    header[4] = 2;   // 16-bit peaks
    header[8] = 2;   // positive and negative
    header[12] = 0;  // block size 256
    header[13] = 1;
    header[16] = 1;  // one channel
    header[20] = 3;  // three peak frames
    header[28] =
        static_cast<char>(128);  // the peaks right after the header, counted from the chunk
    const CString peaks("\xFF\x7F\x00\x00\x00\x40", 6);
    const auto pChunk = Holding(header + peaks);
    const std::optional<PeakEnvelope> envelope = ReadPeakEnvelope(*pChunk);
    ASSERT_TRUE(envelope);
    EXPECT_EQ(envelope->blockSize, 256u);
    ASSERT_EQ(envelope->peaks.size(), 3u);
    EXPECT_FLOAT_EQ(envelope->peaks[0], 1.0f);
    EXPECT_NEAR(envelope->peaks[2], 0.5f, 0.001f);
    EXPECT_FALSE(ReadPeakEnvelope(*Holding(header.substr(0, 100))));
}

}  // namespace
