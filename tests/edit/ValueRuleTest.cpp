// The value rule's answers where the field table decides them: the cart's dates and times are
// date and time fields as bext's are, numbers are cut to their bytes, and --strict refuses a cut.

#include <gtest/gtest.h>

#include "RiffWriter.h"
#include "TestFiles.h"
#include "core/edit/ValueRule.h"

namespace {

using namespace testfiles;

struct RuleRow {
    const char* name;
    std::string text;
    EditRules rules;
    ValueVerdict verdict;
    const char* reason;
};

const RuleRow kRows[] = {
    {"StartDate",
     "2018-02-30",
     {},
     ValueVerdict::Refused,
     "StartDate=2018-02-30: not a calendar date (yyyy-mm-dd)"},
    {"EndDate", "2018:12:31", {}, ValueVerdict::Stored, ""},
    {"EndTime",
     "24:00:00",
     {},
     ValueVerdict::Refused,
     "EndTime=24:00:00: not a clock time (hh:mm:ss)"},
    {"StartTime", "", {}, ValueVerdict::Stored, ""},
    {"Title",
     std::string(70, 't'),
     {},
     ValueVerdict::Cut,
     "Title: 70 bytes; the field holds 64, so the text is cut to fit"},
    {"Title",
     std::string(70, 't'),
     {.bStrict = true},
     ValueVerdict::Refused,
     "Title: 70 bytes; the field holds 64, so the text is cut to fit (--strict)"},
    {"nChannels",
     "65536",
     {},
     ValueVerdict::Cut,
     "nChannels: 65536 is more than its 2 bytes hold, so 0 is stored"},
    {"nChannels", " +0002 ", {}, ValueVerdict::Stored, ""},
    {"nSamplesPerSec", "4294967295", {}, ValueVerdict::Stored, ""},
    {"nSamplesPerSec",
     "x",
     {},
     ValueVerdict::Refused,
     "nSamplesPerSec=x: Please enter a positive integer."},
    {"TimeReference", "25:00:00:00", {}, ValueVerdict::Refused, nullptr},
};

TEST(ValueRuleTest, TheFieldTablesKindsDecideTheAnswer) {
    TempDir dir;
    writeFile(dir.file("take.wav"), WaveFile({{"bext", BextPayload({})},
                                              {"fmt ", PcmFormat(2, 48000, 16)},
                                              {"cart", CartPayload({.title = "A title"})},
                                              {"data", Bytes(8, 0)}}));
    for (const RuleRow& row : kRows) {
        CRiffChunkModel root;
        ASSERT_TRUE(root.Load(dir.file("take.wav")));
        const ValueAnswer answer = SetValue(root, row.name, row.text, row.rules);
        EXPECT_EQ(answer.verdict, row.verdict) << row.name << "=" << row.text;
        if (row.reason) {
            EXPECT_EQ(answer.reason, row.reason) << row.name << "=" << row.text;
        }
    }
}

}  // namespace
