// export --csv, an edit in the table, import --csv: the fields come back as they went out,
// line breaks, commas and quotes included, and only the edited cells change a file.

#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TestFiles.h"
#include "core/base/Csv.h"

namespace {

using namespace clitest;

testfiles::BextFields AwkwardFields() {
    testfiles::BextFields fields = SampleFields();
    fields.description = "Take 4, \"the good one\"\r\nsecond line";
    fields.codingHistory = "A=PCM,F=48000,W=24,M=stereo\r\nA=PCM,F=44100,T=\"resampled\"";
    return fields;
}

class CliCsvRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_awkward = m_dir.file("awkward.wav");
        m_plain = m_dir.file("plain.wav");
        m_noBext = m_dir.file("nobext.wav");
        testfiles::writeFile(m_awkward, testfiles::BroadcastWave(AwkwardFields()));
        testfiles::writeFile(m_plain, testfiles::BroadcastWave(SampleFields()));
        testfiles::writeFile(m_noBext, NoBext());
    }
    static Bytes NoBext() {
        return testfiles::WaveFile({{"fmt ", testfiles::PcmFormat(1, 8000, 8)}});
    }
    CsvTable Export() {
        const CliResult result = RunCli({"export", "--csv", m_awkward, m_plain, m_noBext});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        CsvTable table;
        CString strError;
        EXPECT_TRUE(ParseCsv(result.out, table, strError)) << strError;
        m_exported = result.out;
        return table;
    }
    CliResult Import(const std::string& table, std::vector<std::string> options = {}) {
        const std::string path = m_dir.file("table.csv");
        testfiles::writeFile(path, Bytes(table.begin(), table.end()));
        std::vector<std::string> args{"import", "--csv"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(path);
        return RunCli(args);
    }

    testfiles::TempDir m_dir;
    std::string m_awkward, m_plain, m_noBext, m_exported;
};

TEST_F(CliCsvRoundTripTest, ExportGivesTheFieldsAsThePagesShowThem) {
    const CsvTable table = Export();
    ASSERT_EQ(table.rows.size(), 4u);
    EXPECT_EQ(table.rows[0],
              (CsvRow{"path", "Description", "Originator", "OriginatorReference", "OriginationDate",
                      "OriginationTime", "TimeReferenceLow", "TimeReferenceHigh", "CodingHistory",
                      "TimeReference", "UMID"}));
    EXPECT_EQ(table.rows[1],
              (CsvRow{m_awkward, AwkwardFields().description, "Originating station",
                      "REF-0042-ORIG", "2024-05-06", "07:08:09", "12345678", "9ABCDEF0",
                      AwkwardFields().codingHistory, "11150031900141442680", ""}));
    EXPECT_EQ(table.rows[3], (CsvRow{m_noBext, "", "", "", "", "", "", "", "", "", ""}));
    EXPECT_NE(m_exported.find("\"Take 4, \"\"the good one\"\"\r\nsecond line\""),
              std::string::npos);
}

TEST_F(CliCsvRoundTripTest, ImportingTheExportUnchangedLeavesEveryByte) {
    Export();
    const CliResult result = Import(m_exported);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(testfiles::readFile(m_awkward), testfiles::BroadcastWave(AwkwardFields()));
    EXPECT_EQ(testfiles::readFile(m_plain), testfiles::BroadcastWave(SampleFields()));
    EXPECT_EQ(testfiles::readFile(m_noBext), NoBext());
}

TEST_F(CliCsvRoundTripTest, EditedCellsChangeTheirFieldsAndEmptyCellsNothing) {
    CsvTable table = Export();
    table.rows[1][2] = "New, \"quoted\" originator";                  // Originator
    table.rows[1][8] = "A=PCM,F=48000\r\nA=PCM,T=\"edited, again\"";  // CodingHistory
    table.rows[1][6] = "FFFF";  // the time reference is shown only: ignored
    table.rows[2] = {m_plain, "", "", "", "", "", "", "", "", "", ""};
    std::string text;
    for (const CsvRow& row : table.rows) {
        text += CsvRecord(row);
    }
    const CliResult result = Import(text);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(testfiles::readFile(m_plain), testfiles::BroadcastWave(SampleFields()));
    const CsvTable after = Export();
    CsvRow expected = table.rows[1];
    expected[6] = "12345678";
    EXPECT_EQ(after.rows[1], expected);
}

TEST_F(CliCsvRoundTripTest, TableFromStandardInputWithADryRun) {
    const std::string table = "path,Originator\r\n" + m_plain + ",Someone else\r\n";
    CliRun run;
    run.stdinText = table;
    const CliResult result = RunCli({"import", "--csv", "--dry-run", "-"}, run);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, m_plain +
                              ": bext (chunk 1) Originator: \"Originating station\" -> "
                              "\"Someone else\"\n" +
                              m_plain +
                              ": bext (chunk 1) Originator: bytes 256-274 (file 0x114-0x126)\n");
    EXPECT_EQ(testfiles::readFile(m_plain), testfiles::BroadcastWave(SampleFields()));
}

struct BadTableCase {
    const char* table;  // PLAIN stands for the plain file's path
    const char* error;
};

class CliCsvBadTableTest : public CliCsvRoundTripTest,
                           public ::testing::WithParamInterface<BadTableCase> {};

TEST_P(CliCsvBadTableTest, RefusedWholeWithExitCodeTwo) {
    std::string table = GetParam().table;
    for (std::size_t at = table.find("PLAIN"); at != std::string::npos; at = table.find("PLAIN")) {
        table.replace(at, 5, m_plain);
    }
    const CliResult result = Import(table);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_NE(result.err.find(GetParam().error), std::string::npos) << result.err;
    EXPECT_EQ(testfiles::readFile(m_plain), testfiles::BroadcastWave(SampleFields()));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliCsvBadTableTest,
    ::testing::Values(
        BadTableCase{"", "the table is empty"},
        BadTableCase{"Originator\r\nx\r\n", "line 1: the header needs one column named \"path\""},
        BadTableCase{"path,Orignator\r\nPLAIN,x\r\n", "line 1: no field is named \"Orignator\""},
        BadTableCase{"path,Originator,Originator\r\n", "line 1: column \"Originator\" comes twice"},
        BadTableCase{"path,Originator\r\nPLAIN,ok\r\nPLAIN\r\n",
                     "line 3: 1 cells where the header has 2"},
        BadTableCase{"path,Originator\r\nPLAIN,ok\r\n,x\r\n", "line 3: no path"},
        BadTableCase{"path,nChannels\r\nPLAIN,two\r\n",
                     "line 2: nChannels=two: not a positive integer"},
        BadTableCase{"path,Originator\r\nPLAIN,\"open\r\n",
                     "line 2: a quoted cell is never closed"}));

}  // namespace
