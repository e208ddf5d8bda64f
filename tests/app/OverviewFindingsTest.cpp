// The Overview's line on what the Check finds: none for a clean file, the counts and where to
// read them for a file with findings, without reading the samples.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "app/OverviewFindings.h"

using namespace testfiles;

namespace {

TEST(OverviewFindingsTest, CountsTheFindingsAndPointsToTheCheck) {
    const TempDir dir;
    const struct {
        const char* name;
        Bytes bytes;
        const char* counted;  // what the counts must name; "" for no line
    } rows[] = {
        {"clean",
         WaveFile(
             {{"fmt ", PcmFormat(1, 8000, 16)}, {"fact", {8, 0, 0, 0}}, {"data", Bytes(16, 0)}}),
         ""},
        {"a recording never closed",
         WaveFile({{"fmt ", PcmFormat(1, 8000, 16)}, {"data", Bytes(16, 0), true, 4000}}), "error"},
        {"not a wave file", ByteBuilder().text("hello there, no wave"), "error"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir.file("take.wav");
        writeFile(path, row.bytes);
        const CString strLine = FindingsLine(path);
        if (!*row.counted) {
            EXPECT_EQ(strLine, "");
            continue;
        }
        EXPECT_EQ(strLine.rfind("The Check finds ", 0), 0U) << strLine;
        EXPECT_NE(strLine.find(row.counted), CString::npos) << strLine;
        EXPECT_TRUE(strLine.ends_with(": Check... lists them.")) << strLine;
    }
}

}  // namespace
