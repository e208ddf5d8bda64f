// The cart, smpl and inst chunks as info shows them, a set on cart's texts, and a sampler chunk
// that claims more loops than it holds.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include "CliRunner.h"
#include "CliTestFiles.h"

namespace {

using namespace clitest;
using testfiles::Bytes;

struct KindRow {
    const char* name;
    const char* id;
    Bytes payload;
    std::vector<std::pair<const char*, QJsonValue>> fields;
    std::vector<std::pair<const char*, const char*>> firstDetailRow;  // column, cell
    const char* detailNote;                                           // part of the table's text
};

// At 48000 samples a second, with no time reference: the timecode counts from the file's start.
Bytes FileWith(const char* id, const Bytes& payload) {
    return testfiles::WaveFile(
        {{"fmt ", testfiles::PcmFormat(2, 48000, 16)}, {id, payload}, {"data", Bytes(16, 0)}});
}

const testfiles::CartTexts kCart{.title = "Morning news",
                                 .artist = "Studio 2",
                                 .levelReference = -1200,
                                 .postTimers = {{"SEC1", 72000}, {"EOD", 96000}},
                                 .url = "http://example.org/cut/7",
                                 .tagText = "<cut id=\"7\"/>\r\n"};

testfiles::CartTexts OlderCart() {
    testfiles::CartTexts texts = kCart;
    texts.version = "0100";
    texts.withUrl = false;
    return texts;
}

const KindRow kRows[] = {
    {"cart",
     "cart",
     testfiles::CartPayload(kCart),
     {{"Version", "0101"},
      {"Title", "Morning news"},
      {"Artist", "Studio 2"},
      {"LevelReference", -1200},
      {"URL", "http://example.org/cut/7"},
      {"TagText", "<cut id=\"7\"/>"}},
     {{"Usage", "SEC1"},
      {"Samples", "72000"},
      {"Time", "0:00:01.500"},
      {"Timecode", "00:00:01:12"}},
     "25 fps"},
    {"cartOlderLayout",
     "cart",
     testfiles::CartPayload(OlderCart()),
     {{"Version", "0100"},
      {"Title", "Morning news"},
      {"URL", QJsonValue::Null},
      {"TagText", QJsonValue::Null}},
     {{"Timer", "1"}, {"Usage", "SEC1"}},
     "25 fps"},
    {"smpl",
     "smpl",
     testfiles::SamplerPayload(60, {{7, 1, 100, 900, 0, 3}, {8, 0, 5, 6, 0, 0}}),
     {{"MIDIUnityNote", 60}, {"SampleLoops", 2}, {"SamplePeriod", 20833}},
     {{"Id", "7"},
      {"Type", "1 alternating"},
      {"Start", "100"},
      {"End", "900"},
      {"Play count", "3"}},
     ""},
    {"smplLyingCount",
     "smpl",
     testfiles::SamplerPayload(60, {{7, 0, 1, 2, 0, 0}}, 1000000),
     {{"SampleLoops", 1000000}},
     {{"Id", "7"}},
     "declares 1000000 loops but holds 1"},
    {"inst",
     "inst",
     Bytes{60, 0xF6, 0xFD, 0, 127, 1, 127},
     {{"UnshiftedNote", 60}, {"FineTune", -10}, {"Gain", -3}, {"HighNote", 127}},
     {},
     ""},
};

class CliKindTest : public CliFilesTest, public testing::WithParamInterface<KindRow> {};

TEST_P(CliKindTest, InfoShowsTheFieldsAndDetailsWritten) {
    const KindRow& row = GetParam();
    const QJsonObject file =
        InfoFiles({Write("k.wav", FileWith(row.id, row.payload))}).at(0).toObject();
    const QJsonObject fields = ChunkFields(file, row.id);
    for (const auto& [name, value] : row.fields) {
        EXPECT_EQ(fields[name], value) << name;
    }
    const QJsonObject chunk = file["chunks"].toArray().at(1).toObject();
    const QJsonObject details = chunk["details"].toArray().at(0).toObject();
    const QJsonObject first = details["rows"].toArray().at(0).toObject();
    for (const auto& [column, cell] : row.firstDetailRow) {
        EXPECT_EQ(first[column].toString().toStdString(), cell) << column;
    }
    EXPECT_TRUE(details["text"].toString().contains(QLatin1String(row.detailNote)));
}

INSTANTIATE_TEST_SUITE_P(Rows, CliKindTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

class CliCartSetTest : public CliFilesTest {};

// The same edit typed on the page (Title is its second row, Artist its third) saves the same bytes.
TEST_F(CliCartSetTest, ChangesOnlyTheEditedTexts) {
    const Bytes before = FileWith("cart", testfiles::CartPayload(kCart));
    const std::string byCli = Write("cli.wav", before);
    const std::string byPage = Write("page.wav", before);
    const CliResult result = RunCli({"set", "Title=Evening", "Artist=Studio 3", byCli});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EditOnThePages(byPage, {{1301, "Evening"}, {1302, "Studio 3"}});
    testfiles::CartTexts edited = kCart;
    edited.title = "Evening";
    edited.artist = "Studio 3";
    EXPECT_EQ(testfiles::readFile(byCli), FileWith("cart", testfiles::CartPayload(edited)));
    EXPECT_EQ(testfiles::readFile(byPage), testfiles::readFile(byCli));
}

// The post timers are listed with the markers, in text and in JSON, at their sample positions.
TEST_F(CliCartSetTest, MarkersListThePostTimers) {
    const std::string path = Write("t.wav", FileWith("cart", testfiles::CartPayload(kCart)));
    const CliResult text = RunCli({"markers", path});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find("cart timer 1 \"SEC1\" at 72000 (0:00:01.500, 00:00:01:12)"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("cart timer 2 \"EOD\" at 96000"), std::string::npos) << text.out;
    const CliResult json = RunCli({"markers", "--json", path});
    const QJsonArray timers = QJsonDocument::fromJson(QByteArray::fromStdString(json.out))
                                  .object()["files"]
                                  .toArray()
                                  .at(0)["cartTimers"]
                                  .toArray();
    ASSERT_EQ(timers.size(), 2);
    EXPECT_EQ(timers.at(1)["usage"].toString(), "EOD");
    EXPECT_EQ(timers.at(1)["position"].toInt(), 96000);
}

}  // namespace
