// Markers as the command line gives them: labels held in a lower-case "list" read by markers and
// export alike and renamed in that list; a region added with a length and listed with its end.

#include <QJsonArray>
#include <QJsonDocument>

#include "CliRunner.h"
#include "CliTestFiles.h"

namespace {

using namespace clitest;
using testfiles::Bytes;
using testfiles::CuePoint;
using testfiles::Joined;
using testfiles::LabelChunk;
using testfiles::Le;
using testfiles::TextBytes;

// A recorder's take: three markers labelled in a lower-case list after the samples.
Bytes Take() {
    return testfiles::WaveFile(
        {{"fmt ", testfiles::PcmFormat(2, 48000, 16)},
         {"data", Bytes(48000 * 4, 0)},
         {"cue ", Joined({Le(3), CuePoint(1, 100), CuePoint(2, 200), CuePoint(3, 300)})},
         {"list", Joined({TextBytes("adtl"), LabelChunk(1, "01"), LabelChunk(2, "02"),
                          LabelChunk(3, "03")})}});
}

QJsonArray MarkersOf(const std::vector<std::string>& command) {
    const CliResult result = RunCli(command);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out))
        .object()["files"]
        .toArray()[0]
        .toObject()["markers"]
        .toArray();
}

QStringList Labels(const QJsonArray& markers) {
    QStringList labels;
    for (const QJsonValue& marker : markers) {
        labels << marker["label"].toString();
    }
    return labels;
}

class CliMarkerListsTest : public CliFilesTest {};

TEST_F(CliMarkerListsTest, ALowerCaseListGivesItsLabelsAndTakesTheRename) {
    const std::string path = Write("take.wav", Take());
    for (const char* pCommand : {"markers", "export"}) {
        EXPECT_EQ(Labels(MarkersOf({pCommand, "--json", path})), QStringList({"01", "02", "03"}))
            << pCommand;
    }
    ASSERT_EQ(RunCli({"markers", "--rename", "2=Two", path}).exitCode, 0);
    EXPECT_EQ(Labels(MarkersOf({"export", "--json", path})), QStringList({"01", "Two", "03"}));
    const Bytes bytes = testfiles::readFile(path);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text.find("LIST"), std::string::npos);
    EXPECT_EQ(text.find("list"), text.rfind("list"));
}

TEST_F(CliMarkerListsTest, ARegionIsAddedAndListedWithItsEnd) {
    const std::string path = Write("take.wav", Take());
    ASSERT_EQ(RunCli({"markers", "--add", "24000+12000=Room", path}).exitCode, 0);
    const QJsonObject region = MarkersOf({"markers", "--json", path})[3].toObject();
    EXPECT_EQ(region["label"].toString(), "Room");
    EXPECT_EQ(region["length"].toInt(), 12000);
    EXPECT_EQ(region["end"].toInt(), 36000);
    EXPECT_EQ(region["duration"].toString(), "0:00:00.250");
    EXPECT_FALSE(MarkersOf({"markers", "--json", path})[0].toObject().contains("length"));
    const CliResult text = RunCli({"markers", path});
    EXPECT_NE(text.out.find("marker 4 at 24000 (0:00:00.500, 00:00:00:12) region to 36000 "
                            "(0:00:00.750, 00:00:00:18), 0:00:00.250 long \"Room\""),
              std::string::npos)
        << text.out;
    const CliResult past = RunCli({"markers", "--add", "40000+9000=Late", path});
    EXPECT_NE(past.exitCode, 0);
    EXPECT_NE(past.err.find("the region's end: position 49000 is past the samples"),
              std::string::npos)
        << past.err;
}

}  // namespace
