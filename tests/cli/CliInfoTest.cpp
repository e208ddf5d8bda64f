// info: the chunk list, the overview and every field page's fields, as JSON and as text, and
// the files that do not load.

#include <gtest/gtest.h>

#include <QJsonDocument>
#include <cstdlib>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"

namespace {

using namespace clitest;

class CliInfoTest : public ::testing::Test {
protected:
    std::string Write(const char* name, const Bytes& bytes) {
        const std::string path = m_dir.file(name);
        testfiles::writeFile(path, bytes);
        return path;
    }
    testfiles::TempDir m_dir;
};

TEST_F(CliInfoTest, JsonListsChunksAsStoredWithTheirDataOffsets) {
    const QJsonObject file = InfoFiles({Write("a.wav", FileWithEveryFieldPage())}).at(0).toObject();
    const std::uint32_t bextSize =
        static_cast<std::uint32_t>(602 + SampleFields().codingHistory.size());
    struct Row {
        const char* tab;
        std::uint32_t size;
    };
    const Row rows[] = {{"bext", bextSize}, {"fmt ", 18}, {"fact", 4}, {"mext", 12}, {"data", 30}};
    const QJsonArray chunks = file["chunks"].toArray();
    ASSERT_EQ(chunks.size(), 5);
    std::uint32_t offset = 12;
    for (int i = 0; i < 5; ++i) {
        const QJsonObject chunk = chunks.at(i).toObject();
        EXPECT_EQ(chunk["tab"].toString().toStdString(), rows[i].tab);
        EXPECT_EQ(chunk["id"].toString().toStdString(), rows[i].tab);
        EXPECT_EQ(chunk["size"].toInteger(), rows[i].size);
        EXPECT_EQ(chunk["offset"].toInteger(), offset + 8);
        EXPECT_EQ(chunk.contains("fields"), i != 4) << rows[i].tab;
        offset += 8 + rows[i].size + rows[i].size % 2;
    }
}

TEST_F(CliInfoTest, JsonFieldsAreWhatThePagesShow) {
    const QJsonObject file = InfoFiles({Write("a.wav", FileWithEveryFieldPage())}).at(0).toObject();
    const QJsonObject bext = ChunkFields(file, "bext");
    EXPECT_EQ(bext["Description"], "A description of the take");
    EXPECT_EQ(bext["OriginatorReference"], "REF-0042-ORIG");
    EXPECT_EQ(bext["CodingHistory"].toString().toStdString(), SampleFields().codingHistory);
    EXPECT_EQ(bext["TimeReferenceLow"], "12345678");
    EXPECT_EQ(bext["TimeReferenceHigh"], "9ABCDEF0");
    EXPECT_EQ(bext["Version"], 1);
    const QJsonObject fmt = ChunkFields(file, "fmt ");
    EXPECT_EQ(fmt["nSamplesPerSec"], 48000);
    EXPECT_EQ(fmt["nBlockAlign"], 6);
    EXPECT_EQ(fmt["cbSize"], 0);
    EXPECT_EQ(ChunkFields(file, "fact")["dwSampleLength"], 8000);
    const QJsonObject mext = ChunkFields(file, "mext");
    EXPECT_EQ(mext["SoundInformation"], 5);
    EXPECT_EQ(mext["FrameSize"], 417);
    EXPECT_EQ(mext["Reserved"], 4096);
    // With bext first, the overview keeps the audio line after the broadcast lines.
    EXPECT_TRUE(file["overview"].toString().startsWith("Broadcast Wave Format file:\r\n"));
    EXPECT_TRUE(file["overview"].toString().endsWith(
        "48000 samples per second, 24 bits per sample and Stereo.\r\n\r\n"));
}

TEST_F(CliInfoTest, FieldsOutsideAShortPayloadAreNull) {
    const Bytes file = testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(1, 8000, 8)},
                                            {"fact", testfiles::ByteBuilder().le16(9)},
                                            {"mext", testfiles::ByteBuilder().le16(1).le16(2)},
                                            {"BEXT", Bytes(300, 'a')}});
    const QJsonObject json = InfoFiles({Write("short.wav", file)}).at(0).toObject();
    EXPECT_EQ(ChunkFields(json, "fmt ")["cbSize"], QJsonValue::Null);
    EXPECT_EQ(ChunkFields(json, "fmt ")["wBitsPerSample"], 8);
    EXPECT_EQ(ChunkFields(json, "fact")["dwSampleLength"], QJsonValue::Null);
    EXPECT_EQ(ChunkFields(json, "mext")["FrameSize"], 2);
    EXPECT_EQ(ChunkFields(json, "mext")["AncillaryDataLength"], QJsonValue::Null);
    // An upper-case id is a bext chunk on a "bext" tab; its text fields end with the payload.
    const QJsonObject bext = ChunkFields(json, "BEXT");
    EXPECT_EQ(json["chunks"].toArray().at(3).toObject()["tab"], "bext");
    EXPECT_EQ(bext["Originator"].toString().size(), 32);
    EXPECT_EQ(bext["OriginationDate"], QJsonValue::Null);
    EXPECT_EQ(bext["CodingHistory"], QJsonValue::Null);
}

TEST_F(CliInfoTest, FilesThatDoNotLoadAreNamedAndTheOthersListed) {
    const std::string good = Write("good.wav", FileWithEveryFieldPage());
    const std::string broken = Write("broken.wav", BrokenFile());
    const std::string notWave = Write("text.wav", testfiles::ByteBuilder().text("hello there!"));
    const std::string missing = m_dir.file("missing.wav");
    const CliResult result = RunCli({"info", broken, good, notWave, missing});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find(broken + ": a big-endian RIFX file"), std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find(notWave + ": not a RIFF WAVE file"), std::string::npos);
    EXPECT_NE(result.err.find(missing + ": no such file"), std::string::npos);
    EXPECT_EQ(result.err.find(good), std::string::npos);
    EXPECT_NE(result.out.find("    nChannels: 2\n"), std::string::npos) << result.out;

    const QJsonArray files = InfoFiles({broken, good}, 1);
    ASSERT_EQ(files.size(), 2);
    EXPECT_TRUE(files.at(0).toObject()["error"].toString().startsWith("a big-endian RIFX"));
    EXPECT_FALSE(files.at(0).toObject().contains("chunks"));
    EXPECT_FALSE(files.at(1).toObject().contains("error"));
    EXPECT_EQ(files.at(1).toObject()["chunks"].toArray().size(), 5);
}

// A file name need not be UTF-8, but the JSON must be: such bytes show as U+FFFD. The name goes
// through a shell, as the test's process runner would make it UTF-8 on the way.
TEST_F(CliInfoTest, JsonNamesAPathThatIsNotUtf8) {
    const std::string path = Write("take\xE9.wav", FileWithEveryFieldPage());
    const std::string out = m_dir.file("info.json");
    ASSERT_TRUE(
        std::system(("'" OVALIS_CLI_PATH "' info --json '" + path + "' >'" + out + "'").c_str()) ==
        0);
    const Bytes json = testfiles::readFile(out);
    const QJsonObject file =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(json.data()),
                                           static_cast<qsizetype>(json.size())))
            .object()["files"]
            .toArray()
            .at(0)
            .toObject();
    EXPECT_TRUE(file["path"].toString().endsWith(QString::fromUtf8("/take\xEF\xBF\xBD.wav")))
        << file["path"].toString().toStdString();
    EXPECT_EQ(file["chunks"].toArray().size(), 5);
}

// Scripts may compare documents as text: members by name, four spaces a level, a final break.
TEST_F(CliInfoTest, JsonDocumentLayout) {
    const std::string path = Write("text.wav", testfiles::ByteBuilder().text("hello there!"));
    const CliResult result = RunCli({"info", "--json", path});
    EXPECT_EQ(result.exitCode, 1);
    const std::string error =
        InfoFiles({path}, 1).at(0).toObject()["error"].toString().toStdString();
    EXPECT_EQ(result.out, "{\n    \"files\": [\n        {\n            \"error\": \"" + error +
                              "\",\n            \"path\": \"" + path + "\"\n        }\n    ]\n}\n");
}

TEST_F(CliInfoTest, TextListingShowsMultiLineFieldsIndented) {
    const CliResult result = RunCli({"info", Write("a.wav", FileWithEveryFieldPage())});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("    mext  id 'mext'  size 12  offset "), std::string::npos);
    EXPECT_NE(result.out.find("    CodingHistory: A=PCM,F=48000,W=24,M=stereo,T=original\n"
                              "                   A=PCM,F=48000,T=copy\n"),
              std::string::npos)
        << result.out;
}

// A chunk's details follow its tab, whatever the case of its stored id.
TEST_F(CliInfoTest, DetailsOfAChunkWhoseIdIsStoredInAnotherCase) {
    using testfiles::ByteBuilder;
    struct Case {
        const char* id;
        Bytes payload;
        const char* title;
        const char* column;  // and its cell in the first row
        const char* cell;
    };
    const Case cases[] = {
        {"list", ByteBuilder().text("adtllabl").le32(7).le32(1).text("Cue").zeros(2),
         "Associated data", "Text", "Cue"},
        {"list", ByteBuilder().text("INFOISFT").le32(4).text("Rec").zeros(1), "INFO entries",
         "Text", "Rec"},
        {"ixml", ByteBuilder().text("<BWFXML><SCENE>12</SCENE></BWFXML>"), "iXML fields", "Field",
         "PROJECT"},
        {"Cue ", ByteBuilder().le32(1).le32(1).le32(0).text("data").le32(0).le32(0).le32(48),
         "Markers", "Samples", "48"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id + std::string(" ") + c.title);
        const Bytes file = testfiles::WaveFile(
            {{"fmt ", testfiles::PcmFormat(1, 8000, 8)}, {"data", Bytes(4)}, {c.id, c.payload}});
        const QJsonObject json = InfoFiles({Write("case.wav", file)}).at(0).toObject();
        const QJsonObject chunk = json["chunks"].toArray().at(2).toObject();
        EXPECT_EQ(chunk["id"].toString().toStdString(), c.id);
        const QJsonObject table = chunk["details"].toArray().at(0).toObject();
        EXPECT_EQ(table["title"].toString().toStdString(), c.title);
        const QJsonObject row = table["rows"].toArray().at(0).toObject();
        EXPECT_EQ(row[c.column].toString().toStdString(), c.cell);
    }
}

// Scripts run where there is no display at all, and a platform chosen for other programs must
// not reach this one.
TEST_F(CliInfoTest, RunsWithoutAnyDisplay) {
    const std::string path = Write("a.wav", FileWithEveryFieldPage());
    CliRun run;
    run.environment = {{"QT_QPA_PLATFORM", "xcb"}};
    const CliResult result = RunCli({"info", path}, run);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.err, "");
}

}  // namespace
