// Metadata a file did not have: chunks added (into a filler's room where there is one) and
// removed, INFO, iXML, markers, time reference and UMID set, the JSON document round trip, and
// bad values refused with the file untouched.

#include <QJsonArray>
#include <QJsonDocument>

#include "CliRunner.h"
#include "CliTestFiles.h"

namespace {

using namespace clitest;
using testfiles::Bytes;
using testfiles::ChunkSpec;

const Bytes kSamples(4000, 7);

Bytes PlainWave(std::vector<ChunkSpec> before = {}) {
    before.insert(before.begin(), {"fmt ", testfiles::PcmFormat(1, 48000, 16)});
    before.push_back({"data", kSamples});
    return testfiles::WaveFile(before);
}

class CliWriteAnyTest : public CliFilesTest {
protected:
    // The file's entry of export --json.
    QJsonObject Exported(const std::string& path) {
        const CliResult result = RunCli({"export", "--json", path});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
            .object()["files"]
            .toArray()[0]
            .toObject();
    }
    QString Value(const std::string& path, const char* name) {
        return Exported(path)["values"].toObject()[name].toString();
    }
};

TEST_F(CliWriteAnyTest, PlainWaveBecomesBroadcastWaveWithItsSamplesAsTheyWere) {
    const std::string path = Write("plain.wav", PlainWave());
    const CliResult result =
        RunCli({"set", "--add", "Description=Capture 3", "INFO:IARL=Vienna", "INFO:ICRD=2026-12-10",
                "UMID=generate", "TimeReference=00:00:01:00", "IXML:SCENE=12", path});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const QJsonObject values = Exported(path)["values"].toObject();
    EXPECT_EQ(values["Description"].toString(), "Capture 3");
    EXPECT_EQ(values["INFO:IARL"].toString(), "Vienna");
    EXPECT_EQ(values["IXML:SCENE"].toString(), "12");
    EXPECT_EQ(values["TimeReference"].toString(), "48000");
    EXPECT_TRUE(values["UMID"].toString().startsWith("060A2B34"));
    const Bytes after = testfiles::readFile(path);
    EXPECT_NE(std::search(after.begin(), after.end(), kSamples.begin(), kSamples.end()),
              after.end());
    EXPECT_EQ(RunCli({"check", path}).exitCode, 0);
}

TEST_F(CliWriteAnyTest, NewBextTakesAFillersRoomAndTheSamplesStayPut) {
    const Bytes before = PlainWave({{"JUNK", Bytes(1000, 0)}});
    const std::string path = Write("junk.wav", before);
    ASSERT_EQ(RunCli({"set", "--add", "Originator=Archive", path}).exitCode, 0);
    const Bytes after = testfiles::readFile(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_TRUE(std::equal(before.end() - 4008, before.end(), after.end() - 4008));
    EXPECT_EQ(std::string(after.begin() + 36, after.begin() + 40), "bext");
    EXPECT_EQ(std::string(after.begin() + 646, after.begin() + 650), "JUNK");
    EXPECT_EQ(Value(path, "Originator"), "Archive");
}

TEST_F(CliWriteAnyTest, RemovedAsFillerKeepsTheSizeAndRemovedShrinks) {
    const Bytes bext = testfiles::BextPayload(SampleFields());
    const Bytes before = PlainWave({{"bext", bext}});
    const std::string filler = Write("f.wav", before);
    const std::string gone = Write("g.wav", before);
    ASSERT_EQ(RunCli({"remove", "--filler", "bext", filler}).exitCode, 0);
    ASSERT_EQ(RunCli({"remove", "bext", gone}).exitCode, 0);
    EXPECT_EQ(testfiles::readFile(filler).size(), before.size());
    EXPECT_EQ(testfiles::readFile(gone).size(), before.size() - 8 - bext.size() - bext.size() % 2);
    EXPECT_EQ(RunCli({"remove", "data", gone}).exitCode, 2);
}

TEST_F(CliWriteAnyTest, MarkersAreAddedRenamedAndRemovedByTheirIds) {
    const std::string path = Write("m.wav", PlainWave());
    ASSERT_EQ(RunCli({"markers", "--add", "100=Start", "--add", "1500=End", "--rename", "2=Out",
                      "--note", "1=first", path})
                  .exitCode,
              0);
    ASSERT_EQ(RunCli({"markers", "--remove", "1", "--move", "2=00:00:00:00", path}).exitCode, 0);
    const QJsonArray markers = Exported(path)["markers"].toArray();
    ASSERT_EQ(markers.size(), 1);
    EXPECT_EQ(markers[0].toObject()["label"].toString(), "Out");
    EXPECT_EQ(markers[0].toObject()["position"].toInt(), 0);
}

TEST_F(CliWriteAnyTest, TheJsonDocumentImportedUnchangedChangesNoByte) {
    const std::string path = Write("r.wav", PlainWave());
    ASSERT_EQ(RunCli({"set", "--add", "Description=d", "INFO:ICOP=c", "IXML:TAKE=2",
                      "UMID=generate", path})
                  .exitCode,
              0);
    ASSERT_EQ(RunCli({"markers", "--add", "10=a", path}).exitCode, 0);
    const Bytes before = testfiles::readFile(path);
    const std::string document = RunCli({"export", "--json", path}).out;
    const std::string table = Write("doc.json", Bytes(document.begin(), document.end()));
    EXPECT_EQ(RunCli({"import", "--json", table}).exitCode, 0);
    EXPECT_EQ(testfiles::readFile(path), before);
}

TEST_F(CliWriteAnyTest, FieldsComeFromTheNameAndTheDateFromTheFile) {
    const std::string path = Write("Studio2_T07.wav", PlainWave());
    ASSERT_EQ(RunCli({"set", "--add", "--from-name", "(?<Originator>[^_]+)_T(?<IXML:TAKE>\\d+)",
                      "--date-from-file", path})
                  .exitCode,
              0);
    EXPECT_EQ(Value(path, "Originator"), "Studio2");
    EXPECT_EQ(Value(path, "IXML:TAKE"), "07");
    EXPECT_EQ(Value(path, "OriginationDate").size(), 10);
}

TEST_F(CliWriteAnyTest, TheAdmDocumentGoesOutAndComesBackWhole) {
    const std::string document =
        "<ebuCoreMain><audioObject audioObjectID=\"AO_1001\" audioObjectName=\"Bed\"/>"
        "</ebuCoreMain>";
    const std::string path = Write("adm.wav", PlainWave());
    const std::string source = Write("adm.xml", Bytes(document.begin(), document.end()));
    EXPECT_EQ(RunCli({"set", "--axml", source, path}).exitCode, 1);
    ASSERT_EQ(RunCli({"set", "--add", "--axml", source, path}).exitCode, 0);
    EXPECT_EQ(RunCli({"export", "--axml", path}).out, document + "\n");
    const std::string junk = Write("junk.xml", Bytes{'<', 'a', '/', '>'});
    EXPECT_EQ(RunCli({"set", "--axml", junk, path}).exitCode, 1);
    EXPECT_EQ(RunCli({"export", "--axml", path}).out, document + "\n");
}

TEST_F(CliWriteAnyTest, AWideFormThatFitsIsConvertedToRiff) {
    const std::string path = Write(
        "wide.wav", testfiles::Rf64File(
                        {{"fmt ", testfiles::PcmFormat(1, 48000, 16)}, {"data", kSamples}}, 2000));
    ASSERT_EQ(RunCli({"convert", "--riff", path}).exitCode, 0);
    EXPECT_EQ(ChunkFields(InfoFiles({path})[0].toObject(), "fmt ")["nChannels"].toInt(), 1);
    EXPECT_EQ(InfoFiles({path})[0].toObject()["form"].toString(), "RIFF");
    EXPECT_EQ(RunCli({"convert", "--riff", path}).exitCode, 1);
}

struct RefusedCase {
    std::vector<std::string> args;
    const char* message;
};

TEST_F(CliWriteAnyTest, BadValuesAreNamedAndTheFileIsUntouched) {
    const RefusedCase cases[] = {
        {{"set", "--add", "TimeReference=24:00:00:00"}, "neither a sample count nor a timecode"},
        {{"set", "--add", "TimeReference=00:00:00:25"}, "with frames below the rate"},
        {{"set", "--add", "OriginationDate=2026-02-30"}, "not a calendar date"},
        {{"set", "--add", "OriginationTime=12:61:00"}, "not a clock time"},
        {{"set", "--add", "INFO:ICRD=10.12.2026"}, "not an ISO 8601 date"},
        {{"set", "--add", "UMID=0A0B"}, "32 or 64 bytes"},
        {{"set", "--add", "--strict", "Originator=" + std::string(40, 'x')}, "the field holds 32"},
        {{"set", "Description=x"}, "no 'bext' chunk for Description"},
        {{"markers", "--add", "2001"}, "past the samples (2000 sample frames)"},
        {{"markers", "--rename", "9=x"}, "no marker has the id 9"},
    };
    const Bytes bytes = PlainWave();
    for (const RefusedCase& c : cases) {
        const std::string path = Write("bad.wav", bytes);
        std::vector<std::string> args = c.args;
        args.push_back(path);
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.exitCode, 1) << c.message;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(testfiles::readFile(path), bytes) << c.message;
    }
}

}  // namespace
