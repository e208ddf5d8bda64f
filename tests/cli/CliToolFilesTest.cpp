// info --json on files that other tools wrote, field by field against what the tools were told.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"

namespace {

using clitest::ChunkFields;
using clitest::HasTool;
using clitest::RunTool;

// The one file listed by info --json.
QJsonObject Info(const std::string& path) {
    return clitest::InfoFiles({path}).at(0).toObject();
}

struct Expected {
    const char* name;
    QJsonValue value;
};

void ExpectFields(const QJsonObject& fields, std::initializer_list<Expected> expected) {
    for (const Expected& field : expected) {
        EXPECT_EQ(fields[field.name], field.value) << field.name;
    }
}

class CliToolFilesTest : public ::testing::Test {
protected:
    void RequireTool(const char* name) {
        if (!HasTool(name)) {
            GTEST_SKIP() << name << " is not installed; install it (scripts/setup) to run this";
        }
    }
    testfiles::TempDir m_dir;
};

TEST_F(CliToolFilesTest, SoxFileShowsItsFormat) {
    RequireTool("sox");
    if (IsSkipped()) {
        return;
    }
    const std::string path = m_dir.file("sox.wav");
    ASSERT_TRUE(RunTool("sox -n -r 22050 -b 16 -c 2 " + path + " synth 0.1 sine 300"));
    ExpectFields(ChunkFields(Info(path), "fmt "), {{"wFormatTag", 1},
                                                   {"nChannels", 2},
                                                   {"nSamplesPerSec", 22050},
                                                   {"nAvgBytesPerSec", 88200},
                                                   {"nBlockAlign", 4},
                                                   {"wBitsPerSample", 16}});
}

TEST_F(CliToolFilesTest, FfmpegBroadcastExtensionShowsWhatItWasGiven) {
    RequireTool("ffmpeg");
    if (IsSkipped()) {
        return;
    }
    const std::string path = m_dir.file("ffmpeg.wav");
    ASSERT_TRUE(RunTool(
        "ffmpeg -v error -y -f lavfi -i sine=frequency=440:duration=0.1 -ac 1 -ar 48000 "
        "-c:a pcm_s16le -write_bext 1 -metadata description='Take 3, \"quoted\"' "
        "-metadata originator='Studio A' -metadata originator_reference=REF123 "
        "-metadata origination_date=2023-01-02 -metadata origination_time=10:11:12 "
        "-metadata time_reference=123456789 "
        "-metadata coding_history=\"$(printf 'A=PCM,F=48000\\r\\nA=PCM,T=ffmpeg\\r\\n')\" " +
        path));
    const QJsonObject file = Info(path);
    // The page shows the coding history without its last line break.
    ExpectFields(ChunkFields(file, "bext"), {{"Description", "Take 3, \"quoted\""},
                                             {"Originator", "Studio A"},
                                             {"OriginatorReference", "REF123"},
                                             {"OriginationDate", "2023-01-02"},
                                             {"OriginationTime", "10:11:12"},
                                             {"TimeReferenceLow", "75BCD15"},
                                             {"TimeReferenceHigh", "0"},
                                             {"CodingHistory", "A=PCM,F=48000\r\nA=PCM,T=ffmpeg"}});
    ExpectFields(ChunkFields(file, "fmt "),
                 {{"nChannels", 1}, {"nSamplesPerSec", 48000}, {"wBitsPerSample", 16}});
}

TEST_F(CliToolFilesTest, LibsndfileBroadcastExtensionShowsWhatItWasGiven) {
    RequireTool("sndfile-metadata-set");
    RequireTool("sox");
    if (IsSkipped()) {
        return;
    }
    const std::string plain = m_dir.file("plain.wav");
    const std::string path = m_dir.file("sndfile.wav");
    ASSERT_TRUE(RunTool("sox -n -r 8000 -b 16 -c 1 " + plain + " synth 0.1 sine 300"));
    ASSERT_TRUE(RunTool(
        "sndfile-metadata-set --bext-description 'Field recording' --bext-originator 'SF orig' "
        "--bext-orig-ref SFREF --bext-orig-date 2022-02-03 --bext-orig-time 01:02:03 "
        "--bext-coding-hist A=PCM,F=8000 --bext-time-ref 4096 " +
        plain + " " + path));
    const QJsonObject fields = ChunkFields(Info(path), "bext");
    ExpectFields(fields, {{"Description", "Field recording"},
                          {"Originator", "SF orig"},
                          {"OriginatorReference", "SFREF"},
                          {"OriginationDate", "2022-02-03"},
                          {"OriginationTime", "01:02:03"},
                          {"TimeReferenceLow", "1000"},
                          {"TimeReferenceHigh", "0"}});
    // libsndfile adds a line of its own after the one it was given.
    EXPECT_TRUE(fields["CodingHistory"].toString().startsWith("A=PCM,F=8000\r\n"))
        << fields["CodingHistory"].toString().toStdString();
}

}  // namespace
