// The check of a file: each rule, a row that triggers it and a row that does not.

#include <gtest/gtest.h>

#include <algorithm>

#include "RiffWriter.h"
#include "core/integrity/FileCheck.h"
#include "corpus/BrokenFiles.h"

using namespace testfiles;

namespace {

const Bytes kSamples(16, 0);

Bytes Plain(std::vector<ChunkSpec> extra = {}) {
    std::vector<ChunkSpec> chunks{{"fmt ", PcmFormat(2, 48000, 16)}, {"data", kSamples}};
    chunks.insert(chunks.end(), extra.begin(), extra.end());
    return WaveFile(chunks);
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void PutLe16(Bytes& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

Bytes Bext(std::uint16_t version, const std::string& date = "2024-05-06",
           const std::string& time = "12:30:00", const std::string& history = "A=PCM\r\n") {
    return BextPayload({"", "", "", date, time, 0, 0, version, history});
}

Bytes BextWith(std::uint16_t version, std::size_t at, std::uint16_t value) {
    Bytes bytes = Bext(version);
    PutLe16(bytes, at, value);
    return bytes;
}

Bytes FormatWith(std::size_t at, std::uint16_t value) {
    Bytes bytes = PcmFormat(2, 48000, 16);
    PutLe16(bytes, at, value);
    return bytes;
}

Bytes Extensible(std::uint16_t validBits, std::uint32_t mask) {
    return ByteBuilder()
        .le16(0xFFFE)
        .le16(2)
        .le32(48000)
        .le32(192000)
        .le16(4)
        .le16(16)
        .le16(22)
        .le16(validBits)
        .le32(mask)
        .le16(1)
        .le16(0)
        .le32(0x00100000)
        .le32(0xAA000080)
        .le32(0x719B3800);
}

Bytes Cue(std::uint32_t sample) {
    return ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(sample);
}

Bytes Ixml(const std::string& text) {
    Bytes bytes;
    appendText(bytes, text);
    return bytes;
}

Bytes Rf64(std::uint64_t riffSize, std::uint64_t dataSize, std::uint32_t dataHeader = 0xFFFFFFFF) {
    Bytes bytes = ByteBuilder().text("RF64").le32(0xFFFFFFFF).text("WAVE").text("ds64").le32(28);
    for (const std::uint64_t value : {riffSize, dataSize, std::uint64_t{0}}) {
        appendLe32(bytes, static_cast<std::uint32_t>(value));
        appendLe32(bytes, static_cast<std::uint32_t>(value >> 32));
    }
    appendLe32(bytes, 0);
    bytes = Concat(bytes, ChunkBytes({"fmt ", PcmFormat(2, 48000, 16)}));
    return Concat(bytes, ChunkBytes({"data", kSamples, true, dataHeader}));
}

// The form type, ds64, fmt and data chunks.
constexpr std::uint64_t kRf64Size = 4 + 36 + 24 + 24;

struct Row {
    const char* name;
    Bytes bytes;
    const char* rule;
    bool found;
};

std::vector<Row> Rows() {
    return {
        {"RIFF WAVE", Plain(), "form", false},
        {"another form type", WaveFile({{"data", kSamples}}, "AVI "), "form", true},
        {"odd chunk with its pad", Plain({{"junk", Bytes(3, 1)}, {"LIST", Ixml("INFO")}}),
         "pad-missing", false},
        {"odd chunk without pad", Plain({{"junk", Bytes(3, 1), false}, {"LIST", Ixml("INFO")}}),
         "pad-missing", true},
        {"sizes inside", Plain(), "past-end", false},
        {"size past the end", Plain({{"junk", Bytes(4, 0), true, 400}}), "past-end", true},
        {"form covers the chunks", Plain(), "past-form", false},
        {"chunk past the form",
         WaveFile({{"fmt ", PcmFormat(2, 48000, 16)}, {"data", kSamples}}, "WAVE", 4 + 24 + 10),
         "past-form", true},
        {"nothing after the form", Plain(), "after-form", false},
        {"chunk after the form", Concat(Plain(), ChunkBytes({"junk", Bytes(4, 0)})), "after-form",
         true},
        {"one fmt", Plain(), "duplicate-fmt", false},
        {"two fmt", Plain({{"fmt ", PcmFormat(2, 48000, 16)}}), "duplicate-fmt", true},
        {"one data", Plain(), "duplicate-data", false},
        {"two data", Plain({{"data", kSamples}}), "duplicate-data", true},
        {"fmt first", Plain(), "data-before-fmt", false},
        {"data first", WaveFile({{"data", kSamples}, {"fmt ", PcmFormat(2, 48000, 16)}}),
         "data-before-fmt", true},
        {"no trailing bytes", Plain(), "trailing-bytes", false},
        {"trailing bytes", Concat(Plain(), Bytes(5, 0)), "trailing-bytes", true},
        {"RF64 agreeing", Rf64(kRf64Size, 16), "rf64-sizes", false},
        {"RF64 data header giving the size too", Rf64(kRf64Size, 16, 16), "rf64-sizes", false},
        {"RF64 form size not the file's", Rf64(kRf64Size + 4, 16), "rf64-sizes", true},
        {"RF64 data header disagreeing", Rf64(kRf64Size, 16, 12), "rf64-sizes", true},
        {"RF64 sizes near 2^64", Rf64(~std::uint64_t{15}, ~std::uint64_t{15}), "rf64-sizes", true},
        {"RF64 sizes near 2^63", Rf64(0x7FFFFFFFFFFFFFF0, 0x7FFFFFFFFFFFFFF0), "rf64-sizes", true},
        {"fmt consistent", Plain(), "fmt-consistency", false},
        {"block align wrong", WaveFile({{"fmt ", FormatWith(12, 3)}, {"data", kSamples}}),
         "fmt-consistency", true},
        {"bytes per second wrong", WaveFile({{"fmt ", FormatWith(8, 1000)}, {"data", kSamples}}),
         "fmt-consistency", true},
        {"extensible sound", WaveFile({{"fmt ", Extensible(16, 3)}, {"data", kSamples}}),
         "fmt-extensible", false},
        {"valid bits too many", WaveFile({{"fmt ", Extensible(20, 3)}, {"data", kSamples}}),
         "fmt-extensible", true},
        {"mask for other channels", WaveFile({{"fmt ", Extensible(16, 0x3F)}, {"data", kSamples}}),
         "fmt-extensible", true},
        {"bext version 2", Plain({{"bext", Bext(2)}}), "bext-version-unknown", false},
        {"bext version 3", Plain({{"bext", Bext(3)}}), "bext-version-unknown", true},
        {"loudness in version 2", Plain({{"bext", BextWith(2, 412, 0xF700)}}),
         "bext-version-fields", false},
        {"loudness in version 1", Plain({{"bext", BextWith(1, 412, 0xF700)}}),
         "bext-version-fields", true},
        {"UMID in version 0", Plain({{"bext", BextWith(0, 348, 0x0C06)}}), "bext-version-fields",
         true},
        {"date yyyy-mm-dd", Plain({{"bext", Bext(1)}}), "bext-date", false},
        {"date dd/mm/yyyy", Plain({{"bext", Bext(1, "06/05/2024")}}), "bext-date", true},
        {"time hh:mm:ss", Plain({{"bext", Bext(1)}}), "bext-time", false},
        {"time hh.mm", Plain({{"bext", Bext(1, "2024-05-06", "12h30")}}), "bext-time", true},
        {"history CR LF", Plain({{"bext", Bext(1)}}), "coding-history-crlf", false},
        {"history LF", Plain({{"bext", Bext(1, "2024-05-06", "12:30:00", "A=PCM\nF=48000\r\n")}}),
         "coding-history-crlf", true},
        {"loudness 0x7FFF",
         Plain({{"bext",
                 [] {
                     Bytes b = Bext(2);
                     for (int i = 0; i < 5; ++i)
                         PutLe16(b, 412 + 2 * i, 0x7FFF);
                     return b;
                 }()}}),
         "loudness-unset", false},
        {"loudness all 0", Plain({{"bext", Bext(2)}}), "loudness-unset", true},
        {"time references agree",
         Plain({{"bext", Bext(1)},
                {"iXML", Ixml("<BWFXML><BEXT><BWF_TIME_REFERENCE_LOW>0</"
                              "BWF_TIME_REFERENCE_LOW><BWF_TIME_REFERENCE_HIGH>0</"
                              "BWF_TIME_REFERENCE_HIGH></BEXT></BWFXML>")}}),
         "time-reference-ixml", false},
        {"time references differ",
         Plain({{"bext", Bext(1)},
                {"iXML", Ixml("<BWFXML><BEXT><BWF_TIME_REFERENCE_LOW>48000</"
                              "BWF_TIME_REFERENCE_LOW><BWF_TIME_REFERENCE_HIGH>0</"
                              "BWF_TIME_REFERENCE_HIGH></BEXT></BWFXML>")}}),
         "time-reference-ixml", true},
        {"iXML well formed", Plain({{"iXML", Ixml("<BWFXML></BWFXML>")}}), "ixml-well-formed",
         false},
        {"iXML broken", Plain({{"iXML", Ixml("<BWFXML><A></BWFXML>")}}), "ixml-well-formed", true},
        {"cue inside", Plain({{"cue ", Cue(4)}}), "cue-inside-data", false},
        {"cue past the data", Plain({{"cue ", Cue(5)}}), "cue-inside-data", true},
        {"MD5 matching",
         Plain(
             {{"MD5 ",
               ByteBuilder().le32(0x3613E74A).le32(0xBFF94BE4).le32(0x2E75D279).le32(0xA5184823)}}),
         "md5-mismatch", false},
        {"MD5 differing", Plain({{"MD5 ", Bytes(16, 0)}}), "md5-mismatch", true},
    };
}

bool Found(const CheckReport& report, const char* rule) {
    return std::any_of(report.findings.begin(), report.findings.end(),
                       [rule](const Finding& f) { return f.strRule == rule; });
}

}  // namespace

TEST(FileCheckTest, EachRuleIsFoundWhereItsRowBreaksItAndNowhereElse) {
    for (const Row& row : Rows()) {
        TempDir dir;
        writeFile(dir.file("a.wav"), row.bytes);
        const CheckReport report = CheckFile(dir.file("a.wav"), {});
        EXPECT_EQ(Found(report, row.rule), row.found) << row.name << " (" << row.rule << ")";
    }
}

TEST(FileCheckTest, ErrorsMakeAFileUncleanAndWarningsDoNot) {
    const struct {
        const char* name;
        Bytes bytes;
        bool clean;
    } rows[] = {
        {"sound", Plain({{"bext", BextWith(2, 412, 0x7FFF)}}), true},
        {"warnings only", Plain({{"bext", Bext(1, "06/05/2024")}}), true},
        {"an error", Concat(Plain(), Bytes(5, 0)), false},
    };
    for (const auto& row : rows) {
        TempDir dir;
        writeFile(dir.file("a.wav"), row.bytes);
        EXPECT_EQ(CheckFile(dir.file("a.wav"), {}).IsClean(), row.clean) << row.name;
    }
}

TEST(FileCheckTest, FindingsNameTheChunkAndOffset) {
    TempDir dir;
    writeFile(dir.file("a.wav"), Concat(Plain(), Bytes(5, 0)));
    const CheckReport report = CheckFile(dir.file("a.wav"), {});
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].severity, Severity::Error);
    EXPECT_EQ(report.findings[0].strChunk, "RIFF");
    EXPECT_EQ(report.findings[0].nOffset, 12 + 24 + 24);
    EXPECT_EQ(report.findings[0].strSentence, "5 bytes at the end of the file make no chunk.");
}

TEST(FileCheckTest, AFieldIsQuotedUpToItsFirstZeroByte) {
    TempDir dir;
    writeFile(dir.file("a.wav"), Plain({{"bext", Bext(1, "2024-05-06", "12h30")}}));
    const CheckReport report = CheckFile(dir.file("a.wav"), {});
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].strSentence,
              "the origination time \"12h30\" is not in the form hh:mm:ss.");
}

TEST(FileCheckTest, EveryCorpusFileAndAMissingOneGetAReportUnderEveryProfile) {
    for (const corpus::BrokenFile& file : corpus::BrokenFiles()) {
        TempDir dir;
        writeFile(dir.file("a.wav"), file.bytes);
        for (const CheckProfileName& profile : CheckProfiles()) {
            EXPECT_FALSE(CheckFile(dir.file("a.wav"), {}, {profile.profile}).findings.empty())
                << file.name << " " << profile.name;
        }
    }
    EXPECT_FALSE(CheckFile("/nonexistent/a.wav", {}).IsClean());
}
