// Files of many markers, INFO entries and iXML tracks: info shows the start of each long table
// with a note of what it left out, while markers and export give every one, written as the
// JSON library writes the whole document.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"
#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/details/Gzip.h"

namespace {

using namespace clitest;
using namespace testfiles;
using Json = nlohmann::json;

constexpr std::uint32_t kMany = 1500;

Bytes CuePoints() {
    ByteBuilder cue;
    cue.le32(kMany);
    for (std::uint32_t i = 1; i <= kMany; ++i) {
        cue.le32(i).le32(i).text("data").le32(0).le32(0).le32(i);
    }
    return cue;
}

Bytes AdtlLabels() {
    ByteBuilder labels;
    labels.text("adtl");
    for (std::uint32_t i = 1; i <= kMany; ++i) {
        labels.text("labl").le32(8).le32(i).text("M\xC3\xA9").zeros(1);
    }
    return labels;
}

Bytes InfoEntries() {
    ByteBuilder info;
    info.text("INFO");
    for (std::uint32_t i = 0; i < kMany; ++i) {
        const std::string id = {'I', static_cast<char>('A' + i / 676),
                                static_cast<char>('A' + i / 26 % 26),
                                static_cast<char>('A' + i % 26)};
        info.text(id).le32(2).text("v").zeros(1);
    }
    return info;
}

Bytes IxmlTracks() {
    std::string document = "<BWFXML><TRACK_LIST>";
    for (std::uint32_t i = 1; i <= kMany; ++i) {
        document += "<TRACK><CHANNEL_INDEX>" + std::to_string(i) + "</CHANNEL_INDEX><NAME>T" +
                    std::to_string(i) + "</NAME></TRACK>\n";
    }
    return ByteBuilder().text(document + "</TRACK_LIST></BWFXML>\n");
}

class CliLargeInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_path = m_dir.file("many.wav");
        writeFile(m_path, WaveFile({{"fmt ", PcmFormat(1, 48000, 16)},
                                    {"cue ", CuePoints()},
                                    {"LIST", AdtlLabels()},
                                    {"LIST", InfoEntries()},
                                    {"iXML", IxmlTracks()},
                                    {"data", Bytes(4000, 0)}}));
    }

    TempDir m_dir;
    std::string m_path;
};

TEST_F(CliLargeInputTest, InfoShowsTheStartOfEachLongTableAndSaysWhatItLeftOut) {
    const CliResult result = RunCli({"info", m_path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const struct {
        const char* lastShown;
        const char* firstLeftOut;
        const char* note;
    } rows[] = {
        {"1000  1000", "1001  1001",
         "\xE2\x80\xA6 500 more markers not shown; `ovalis-cli markers` gives them all"},
        {"labl  1000", "labl  1001",
         "\xE2\x80\xA6 500 more entries not shown; `ovalis-cli markers` gives them all"},
        {"IBML", "IBMM",
         "\xE2\x80\xA6 500 more entries not shown; `ovalis-cli export --json` gives them all"},
        {"T1000\n", "T1001\n",
         "\xE2\x80\xA6 500 more tracks not shown; `ovalis-cli export --json` gives them all"},
    };
    for (const auto& row : rows) {
        EXPECT_NE(result.out.find(row.lastShown), std::string::npos) << row.lastShown;
        EXPECT_EQ(result.out.find(row.firstLeftOut), std::string::npos) << row.firstLeftOut;
        EXPECT_NE(result.out.find(row.note), std::string::npos) << row.note;
    }
    const Json info = Json::parse(RunCli({"info", "--json", m_path}).out);
    for (const Json& chunk : info["files"][0]["chunks"]) {
        for (const Json& table : chunk.value("details", Json::array())) {
            EXPECT_LE(table.value("rows", Json::array()).size(), 1000u);
        }
    }
}

// Every marker and value, streamed one by one: the output is the document the library dumps.
TEST_F(CliLargeInputTest, MarkersAndExportGiveEveryOneAsOneDocument) {
    for (const char* pCommand : {"markers", "export"}) {
        const CliResult result = RunCli({pCommand, "--json", m_path, m_path});
        ASSERT_EQ(result.exitCode, 0) << result.err;
        const Json document = Json::parse(result.out);
        EXPECT_EQ(document.dump(2) + "\n", result.out) << pCommand;
        ASSERT_EQ(document["files"].size(), 2u);
        EXPECT_EQ(document["files"][1]["markers"].size(), kMany);
        EXPECT_EQ(document["files"][1]["markers"][kMany - 1]["label"], "M\xC3\xA9");
    }
    const Json exported = Json::parse(RunCli({"export", "--json", m_path}).out);
    const Json& values = exported["files"][0]["values"];
    EXPECT_EQ(values.size(), 2 * kMany);
    EXPECT_EQ(values["IXML:TRACK1500.NAME"], "T1500");
    EXPECT_EQ(values["INFO:ICFR"], "v");
}

// A bxml chunk of a few kilobytes inflating to a long document: info shows its start, and reads
// no second ADM chunk (each could inflate as far).
TEST_F(CliLargeInputTest, InfoShowsTheStartOfALongDocumentAndReadsOneAdmDocument) {
    std::string document = "<ebuCoreMain><coreMetadata>";
    for (int i = 0; i < 100000; ++i) {
        document += "<a/>";
    }
    const std::optional<CString> stream = DeflateGzip(document + "</coreMetadata></ebuCoreMain>");
    ASSERT_TRUE(stream);
    const Bytes bxml = ByteBuilder().zeros(2).text(*stream);
    const std::string path = m_dir.file("adm.wav");
    writeFile(path, WaveFile({{"fmt ", PcmFormat(1, 48000, 16)},
                              {"bxml", bxml},
                              {"bxml", bxml},
                              {"data", Bytes(4, 0)}}));
    const CliResult result = RunCli({"info", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("ADM document:\n      <ebuCoreMain>\n        <coreMetadata>\n"),
              std::string::npos);
    EXPECT_NE(result.out.find(" more bytes not shown; `ovalis-cli export --axml` gives them all"),
              std::string::npos);
    EXPECT_NE(result.out.find("Not read: the file's ADM document is that of its bxml chunk at "
                              "offset 44."),
              std::string::npos);
    // The whole document, indented as info indents it, would print some 1.5 MB.
    EXPECT_LT(result.out.size(), 600000u);
}

}  // namespace
